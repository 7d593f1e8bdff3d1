#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those
# missing. Run as root (or with sudo available).
set -euo pipefail

packages=(cmake make g++ pkg-config qtbase5-dev qtbase5-dev-tools libqt5svg5-dev
          qttools5-dev qttools5-dev-tools zlib1g-dev python3)
# The screenshot, package and fuzz scripts want a few more; the Windows
# check wants only the cross compiler and wine.
case "${1:-}" in
    --windows)
        packages=(cmake make mingw-w64 g++-mingw-w64-x86-64-posix wine wine64) ;;
    --screenshots)
        packages+=(xvfb xdotool imagemagick x11-utils fonts-dejavu-core fonts-noto-cjk) ;;
    --package)
        packages+=(dpkg-dev file appstream desktop-file-utils) ;;
    --fuzz)
        # libFuzzer and the sanitizer runtimes come with clang's runtime package.
        packages+=(clang libclang-rt-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
