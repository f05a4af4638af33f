#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints, for each pair of folders under src/, how many #include lines in the
# first name a header of the second ("config -> ui  12"). Exits non-zero when an
# include runs up the floors (link and gfx at the ground, ui above them, the
# views config, readings and scope and the history above ui, app on top),
# when two folders of one floor include each other, or when a folder has no
# floor here yet.
# Usage: scripts/include-graph.sh [SRC_DIR]
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"
floor() {
    case "$1" in
        link | gfx) echo 0 ;;
        ui) echo 1 ;;
        config | readings | scope | history) echo 2 ;;
        app) echo 3 ;;
        *) echo -1 ;;
    esac
}
edges=$(cd "$src" &&
    { grep -rHE --include='*.h' --include='*.cpp' \
        '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' . || true; } |
    sed -nE 's|^\./([^/]+)/[^:]*:[^"]*"([^/]+)/.*|\1 \2|p' | awk '$1 != $2' | sort | uniq -c |
    awk '{print $2, $3, $1}')
bad=0
while read -r from to count; do
    [ -n "$from" ] || continue
    f=$(floor "$from") t=$(floor "$to") why=""
    if [ "$f" -lt 0 ] || [ "$t" -lt 0 ]; then
        why="a folder without a floor"
    elif [ "$t" -gt "$f" ]; then
        why="runs up"
    elif [ "$t" -eq "$f" ] && grep -q "^$to $from " <<<"$edges"; then
        why="both ways"
    fi
    printf '%s -> %s  %s%s\n' "$from" "$to" "$count" "${why:+   <- $why}"
    [ -z "$why" ] || bad=1
done <<<"$edges"
[ "$bad" -eq 0 ] || echo "includes must run down: link, gfx < ui < config, readings, scope, history < app" >&2
exit "$bad"
