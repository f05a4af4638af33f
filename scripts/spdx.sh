#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every source file names its licence in its first line (after a "#!" line):
# "// SPDX-License-Identifier: MIT" in C++, "# SPDX-License-Identifier: MIT"
# in CMake, shell and Python. With --check, lists the files that do not and
# fails; without, adds the line where it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
tag="SPDX-License-Identifier: MIT"
check=0
if [ "${1:-}" = "--check" ]; then check=1; fi
missing=0
while IFS= read -r -d '' f; do
    case "$f" in
        *.cpp | *.h) line="// $tag" ;;
        *) line="# $tag" ;;
    esac
    first=$(head -n 1 "$f")
    if [ "${first#\#!}" != "$first" ]; then
        head -n 2 "$f" | tail -n 1 | grep -qF "$tag" && continue
        where=2
    else
        printf '%s\n' "$first" | grep -qF "$tag" && continue
        where=1
    fi
    missing=$((missing + 1))
    if [ "$check" -eq 1 ]; then
        echo "no licence line: $f"
        continue
    fi
    if [ "$where" -eq 2 ]; then
        { head -n 1 "$f"; printf '%s\n' "$line"; tail -n +2 "$f"; } > "$f.spdx"
    else
        { printf '%s\n' "$line"; cat "$f"; } > "$f.spdx"
    fi
    chmod --reference="$f" "$f.spdx"
    mv "$f.spdx" "$f"
done < <(git ls-files -z -- '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' \
    '.ci/run' 'packaging/tarvex-launch')
if [ "$check" -eq 1 ] && [ "$missing" -gt 0 ]; then
    echo "$missing files without a licence line"
    exit 1
fi
exit 0
