#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package and checks it as a distribution would: lintian
# without errors or warnings, a valid desktop entry, AppStream metainfo and
# MIME type; then installs it on this machine and checks that the installed
# programs run: the simulator answers --help, and tarvex started by its
# launcher (offscreen) keeps running with its settings in the user's
# configuration folder.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -f build/tarvex_*.deb
(cd build && cpack >/dev/null)
deb=$(find build -maxdepth 1 -name 'tarvex_*.deb' | head -1)
echo "package: $deb"
lint=$(lintian --fail-on error,warning "$deb" 2>&1) || { echo "$lint"; exit 1; }
lint=$(printf '%s\n' "$lint" | grep -v "running with root privileges" || true)
echo "lintian: ${lint:-no errors, no warnings}"
desktop-file-validate packaging/tarvex.desktop
appstreamcli validate --no-net --pedantic packaging/tarvex.metainfo.xml >/dev/null ||
    appstreamcli validate --no-net packaging/tarvex.metainfo.xml
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "./$deb" >/dev/null
command -v tarvex tarvex-sim tarvex-launch tarvex-cli
tarvex-sim --help | head -1
tarvex-cli --help | head -1
home=$(mktemp -d)
set +e
HOME="$home" LANG=pl_PL.UTF-8 QT_QPA_PLATFORM=offscreen timeout 3 tarvex-launch
rc=$?
set -e
if [ "$rc" -ne 124 ]; then echo "tarvex ended with $rc before the timeout"; exit 1; fi
cat "$home/.config/tarvex/Tarvex.ini"
grep -q "Language= pol" "$home/.config/tarvex/Tarvex.ini"
test -f /usr/share/tarvex/Lang/Tarvex_lang.pol
test -f /usr/share/applications/tarvex.desktop
test -f /usr/share/doc/tarvex/copyright
test -f /usr/share/man/man1/tarvex.1.gz
test -f /usr/share/man/man1/tarvex-cli.1.gz
test -f /usr/share/mime/packages/tarvex.xml
rm -rf "$home"
echo "installed package runs"
