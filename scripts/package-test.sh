#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine and checks that the
# installed programs run: the simulator answers --help, and tarvex started by
# its launcher (offscreen) keeps running and writes its settings file into
# the user's own folder.
set -euo pipefail
cd "$(dirname "$0")/.."
(cd build && cpack >/dev/null)
deb=$(ls build/tarvex_*.deb | head -1)
echo "package: $deb"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "./$deb" >/dev/null
command -v tarvex tarvex-sim tarvex-launch
tarvex-sim --help | head -1
home=$(mktemp -d)
set +e
HOME="$home" QT_QPA_PLATFORM=offscreen timeout 3 tarvex-launch
rc=$?
set -e
if [ "$rc" -ne 124 ]; then echo "tarvex ended with $rc before the timeout"; exit 1; fi
cat "$home/.local/share/tarvex/Tarvex.ini"
test -f /usr/share/tarvex/Lang/Tarvex_lang.pol
test -f /usr/share/applications/tarvex.desktop
rm -rf "$home"
echo "installed package runs"
