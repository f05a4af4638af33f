#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the Tarvex artwork from its SVG sources in this folder:
#   schema.svg + schema_labels.tsv -> schema_pol.png schema_ang.png schema_rus.png schema_lit.png
#                                     (961 x 636, 8-bit palette of at most 256 colours)
#   logo.svg                       -> logo.png (238 x 62, 24-bit RGB)
#   icon.svg                       -> icon_16.png icon_32.png icon_48.png icon_64.png
#                                     icon_128.png icon_256.png (RGBA)
# Needs bash, python3 (standard library only) and rsvg-convert (Debian package librsvg2-bin).
# The labels are drawn in "Liberation Sans" (Debian package fonts-liberation).
# Usage: resources/art/render.sh   (from any directory)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

command -v rsvg-convert >/dev/null || { echo "render.sh: rsvg-convert not found (apt-get install librsvg2-bin)" >&2; exit 1; }
command -v python3 >/dev/null || { echo "render.sh: python3 not found" >&2; exit 1; }
if command -v fc-list >/dev/null && ! fc-list | grep -q "Liberation Sans"; then
    echo "render.sh: font Liberation Sans not found (apt-get install fonts-liberation)" >&2
    exit 1
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# --- 1. substitute the labels of each language into the diagram ---
python3 - "$tmp" <<'PY'
import re, sys
from xml.sax.saxutils import escape

out = sys.argv[1]
svg = open("schema.svg", encoding="utf-8").read()
rows = [l.rstrip("\n").split("\t")
        for l in open("schema_labels.tsv", encoding="utf-8") if l.strip()]
head, rows = rows[0], rows[1:]
if head[0] != "key" or len(head) < 2:
    sys.exit("schema_labels.tsv: the first line must be: key<TAB>lang...")
langs = head[1:]
table = {}
for r in rows:
    if len(r) != len(head):
        sys.exit("schema_labels.tsv: wrong number of columns in line %r" % r[0])
    table[r[0]] = r[1:]
used = set(re.findall(r"\{\{([A-Z0-9_]+)\}\}", svg))
missing = sorted(used - set(table))
if missing:
    sys.exit("schema_labels.tsv: no labels for " + ", ".join(missing))
for i, lang in enumerate(langs):
    text = re.sub(r"\{\{([A-Z0-9_]+)\}\}",
                  lambda m: escape(table[m.group(1)][i]), svg)
    open("%s/schema_%s.svg" % (out, lang), "w", encoding="utf-8").write(text)
    print(lang)
PY

# --- 2. render ---
for f in "$tmp"/schema_*.svg; do
    lang="$(basename "$f" .svg)"; lang="${lang#schema_}"
    rsvg-convert -w 961 -h 636 -o "$tmp/schema_$lang.png" "$f"
    python3 "$here/pngtool.py" palette "$tmp/schema_$lang.png" "schema_$lang.png" 961 636
done

rsvg-convert -w 238 -h 62 -o "$tmp/logo.png" logo.svg
python3 "$here/pngtool.py" rgb "$tmp/logo.png" logo.png 238 62

for s in 16 32 48 64 128 256; do
    rsvg-convert -w "$s" -h "$s" -o "$tmp/icon_$s.png" icon.svg
    python3 "$here/pngtool.py" rgba "$tmp/icon_$s.png" "icon_$s.png" "$s" "$s"
done

echo "render.sh: done"
