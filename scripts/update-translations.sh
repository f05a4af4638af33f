#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Refreshes resources/translations/*.ts from the texts the sources pass to
# QCoreApplication::translate or tr(): new texts appear unfinished, texts no
# longer used are dropped. Translate the unfinished ones (Qt Linguist, or by
# hand in the XML), then build: lrelease compiles them into the program.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate-qt6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for lang in pl ru lt it; do
    "$lupdate" -silent -recursive -no-obsolete -locations none -source-language en \
        -target-language "$lang" src tools -ts "resources/translations/tarvex_$lang.ts"
done
grep -c 'type="unfinished"' resources/translations/*.ts || true
