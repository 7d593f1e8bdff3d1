#!/usr/bin/env bash
# The Windows check: cross-builds the device link, the simulated reader and
# the device check with mingw-w64, and runs the check under wine against
# folders mapped as drive letters D..K, typed removable, in a fresh wine
# prefix. Headless and non-interactive; run as root (or with sudo).
#   scripts/windows_check.sh [build-dir]     (default build-windows/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}

bash scripts/deps.sh --windows

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DQUORVEL_QT=OFF -DQUORVEL_GUI=OFF
cmake --build "$build" -j"$(nproc)"

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer prompts, no menu entries, no debugger waiting
# on a crash, no display needed.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe,winedbg.exe=d"
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

wineboot --init >/dev/null 2>&1
wineserver -w
# D..K are the check's removable drives (a missing folder is an empty slot);
# Y is the folder that holds them, where the check lays out their files.
mkdir -p "$work/drives"
reg=$work/drives.reg
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n"y:"="hd"\n' >"$reg"
for l in d e f g h i j k; do
    # wine takes the label from this file when it first sees the drive.
    mkdir -p "$work/drives/$l"
    printf %s "$l" >"$work/drives/$l/.windows-label"
    ln -sfn "$work/drives/$l" "$WINEPREFIX/dosdevices/$l:"
    printf '"%s:"="floppy"\n' "$l" >>"$reg"
done
ln -sfn "$work/drives" "$WINEPREFIX/dosdevices/y:"
wine regedit /S "$reg" >/dev/null 2>&1
wineserver -w

WINEDEBUG=${QUORVEL_WINEDEBUG:--all} timeout 600 wine "$build/device_check.exe" 'Y:\'
