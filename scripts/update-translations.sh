#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Refreshes resources/translations/*.ts from the texts the sources pass to
# QCoreApplication::translate or tr(): new texts appear unfinished, texts no
# longer used are dropped. Translate the unfinished ones (Qt Linguist, or by
# hand in the XML), then build: lrelease compiles them into the program.
#
# With --check, writes nothing: refreshes copies of the files and fails,
# naming each fault, when lupdate warns (a text it cannot file under the
# context the program looks it up in), when a text is unfinished (new in the
# sources, or never translated) or its translation is empty, or when a
# translation drops or adds a placeholder (%1, %n) of its source.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate-qt6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=resources/translations
check=0
if [ "${1:-}" = "--check" ]; then
    check=1
    dir=$work
    cp resources/translations/*.ts "$dir"
fi
for lang in pl ru lt it; do
    "$lupdate" -silent -recursive -no-obsolete -locations none -source-language en \
        -target-language "$lang" src tools -ts "$dir/tarvex_$lang.ts" 2>>"$work/lupdate.log" ||
        { cat "$work/lupdate.log" >&2; exit 1; }
done
if [ "$check" -eq 0 ]; then
    cat "$work/lupdate.log" >&2
    grep -c 'type="unfinished"' "$dir"/*.ts || true
    exit 0
fi
faults=0
if [ -s "$work/lupdate.log" ]; then
    sed 's/^/lupdate: /' "$work/lupdate.log"
    faults=1
fi
for ts in "$dir"/*.ts; do
    awk -v file="$(basename "$ts")" '
        function marks(s,   k, out) {
            out = ""
            for (k = 1; k <= 9; k++)
                if (s ~ ("%L?" k "([^0-9]|$)")) out = out " %" k
            if (s ~ /%L?n/) out = out " %n"
            return out
        }
        function or_none(m) { return m == "" ? " none" : m }
        function fault(why) {
            gsub(/\n/, "\\n", source)
            printf "%s: %s: \"%s\": %s\n", file, context, source, why
            faults++
        }
        /<name>/ { context = $0; gsub(/^ *<name>|<\/name>.*$/, "", context) }
        /<source>/ { source = ""; in_source = 1 }
        in_source { source = source $0 "\n" }
        /<\/source>/ { in_source = 0; gsub(/^ *<source>|<\/source>\n$/, "", source) }
        /<translation/ { text = ""; in_text = 1 }
        in_text { text = text $0 "\n" }
        in_text && /<\/translation>|<translation[^>]*\/>/ {
            in_text = 0
            words = text
            gsub(/<[^>]*>|[ \t\n]/, "", words)
            if (text ~ /type="(unfinished|vanished|obsolete)"/) fault("unfinished")
            else if (words == "" || text ~ /<numerusform><\/numerusform>/) fault("empty")
            else if (marks(source) != marks(text))
                fault("placeholders" or_none(marks(source)) " in the source," \
                      or_none(marks(text)) " in the translation")
        }
        END { exit faults > 0 }
    ' "$ts" || faults=1
done
exit "$faults"
