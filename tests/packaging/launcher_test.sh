#!/bin/sh
# SPDX-License-Identifier: MIT
# The desktop launcher, run beside a stand-in program that reports where and
# how it was started: the configuration folder, the first-run language from
# the desktop's locale, the language files, the documents folder and the
# settings history's folder.
set -u
launcher="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/share/tarvex/Lang" "$work/home"
cp "$launcher" "$work/bin/tarvex-launch"
cat > "$work/bin/tarvex" <<'STUB'
#!/bin/sh
printf '%s\n%s\n%s\n%s\n%s\n' "$(pwd)" "$TARVEX_LANG_DIR" "$TARVEX_DOCUMENTS_DIR" "$*" \
    "${TARVEX_HISTORY_DIR:-none}" > "$REPORT"
STUB
chmod +x "$work/bin/tarvex-launch" "$work/bin/tarvex"
failures=0
passes=0
check() {  # name expected actual
    if [ "$2" = "$3" ]; then
        passes=$((passes + 1))
    else
        echo "FAIL $1: expected '$2', got '$3'"
        failures=$((failures + 1))
    fi
}
run() {  # home locale...
    REPORT="$work/report" HOME="$1" XDG_CONFIG_HOME="" XDG_DATA_HOME="" LANGUAGE="" LC_ALL="" \
        LC_MESSAGES="" \
        LANG="$2" PATH="/usr/bin:/bin" "$work/bin/tarvex-launch" one.tvs
}

# The first run writes Tarvex.ini in the desktop's language; a later run keeps it.
for case in "pl_PL.UTF-8 pol" "ru_RU.UTF-8 rus" "lt_LT.UTF-8 lit" "it_IT.UTF-8 ita" \
            "de_DE.UTF-8 ang" "C ang" "en_GB.UTF-8 ang"; do
    # shellcheck disable=SC2086 # the case's two words
    set -- $case
    home="$work/home-$1"
    mkdir -p "$home"
    run "$home" "$1"
    check "ini $1" "$(printf '[Ustawienia]\nCommPort= 1\nLanguage= %s' "$2")" \
        "$(cat "$home/.config/tarvex/Tarvex.ini")"
    check "start folder $1" "$home/.config/tarvex" "$(sed -n 1p "$work/report")"
done
home="$work/home-pl_PL.UTF-8"
printf '[Ustawienia]\nCommPort= 3\nLanguage= lit\n' > "$home/.config/tarvex/Tarvex.ini"
run "$home" it_IT.UTF-8
check "kept ini" "Language= lit" "$(sed -n 3p "$home/.config/tarvex/Tarvex.ini")"

# The installed language files, even with a Lang folder beside the configuration
# folder; the user's own only from the configuration folder's Lang.
mkdir -p "$home/.config/Lang"
run "$home" C
check "installed languages" "$work/bin/../share/tarvex/Lang" "$(sed -n 2p "$work/report")"
mkdir -p "$home/.config/tarvex/Lang"
run "$home" C
check "user languages" "$home/.config/tarvex/Lang" "$(sed -n 2p "$work/report")"

# The documents folder, else home; the file argument is passed on, absolute
# and after "--", however it is named.
check "documents" "$home" "$(sed -n 3p "$work/report")"
check "arguments" "-- $PWD/one.tvs" "$(sed -n 4p "$work/report")"
(cd "$work" && REPORT="$work/report" HOME="$home" XDG_CONFIG_HOME="" bin/tarvex-launch -- -style=x.tvs)
check "option-like file" "-- $work/-style=x.tvs" "$(sed -n 4p "$work/report")"

# The history in the data folder: XDG_DATA_HOME only when absolute, made if missing.
check "history folder" "$home/.local/share/tarvex" "$(sed -n 5p "$work/report")"
test -d "$home/.local/share/tarvex" && passes=$((passes + 1)) || failures=$((failures + 1))
for case in "rel/dir $home/.local/share/tarvex" "$work/data $work/data/tarvex"; do
    # shellcheck disable=SC2086 # the case's two words
    set -- $case
    (cd "$work" && REPORT="$work/report" HOME="$home" XDG_DATA_HOME="$1" bin/tarvex-launch)
    check "XDG_DATA_HOME=$1" "$2" "$(sed -n 5p "$work/report")"
done

# XDG_CONFIG_HOME only when absolute; without HOME, only with it.
for case in "-dash $home/.config/tarvex" "rel/dir $home/.config/tarvex" \
            "$work/xdg $work/xdg/tarvex"; do
    # shellcheck disable=SC2086 # the case's two words
    set -- $case
    rm -f "$work/report"
    (cd "$work" && REPORT="$work/report" HOME="$home" XDG_CONFIG_HOME="$1" bin/tarvex-launch)
    check "XDG_CONFIG_HOME=$1" "$2" "$(sed -n 1p "$work/report")"
done
env -u HOME REPORT="$work/report" XDG_CONFIG_HOME="$work/xdg2" "$work/bin/tarvex-launch"
check "no HOME" "$work/xdg2/tarvex" "$(sed -n 1p "$work/report")"
check "no HOME: history beside Tarvex.ini" "none" "$(sed -n 5p "$work/report")"
said=$(env -u HOME REPORT="$work/report" XDG_CONFIG_HOME="" "$work/bin/tarvex-launch" 2>&1)
check "neither" "1 tarvex-launch: neither HOME nor XDG_CONFIG_HOME is set, so there is no folder for Tarvex.ini" \
    "$? $said"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
