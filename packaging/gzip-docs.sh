#!/bin/sh
# SPDX-License-Identifier: MIT
# Compresses the changelog and the manual pages reproducibly (no name, no
# time stamp) into OUTDIR: gzip-docs.sh SOURCE_DIR OUTDIR PAGE...
set -eu
src="$1"
out="$2"
shift 2
mkdir -p "$out"
gzip -9nc "$src/packaging/changelog" > "$out/changelog.gz"
for page in "$@"; do
    gzip -9nc "$src/packaging/man/$page.1" > "$out/$page.1.gz"
done
