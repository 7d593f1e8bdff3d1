#!/usr/bin/env bash
# Builds the Debian package in build-package/ and checks it: the desktop
# entry and the AppStream metadata validate, the package holds what an
# installation needs and depends on the libraries the programs link and
# the Japanese texts and fonts the window loads, and
# both programs run from an unpacked copy.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh --package

desktop-file-validate resources/example.quorvel.Quorvel.desktop
appstreamcli validate --no-net --explain resources/example.quorvel.Quorvel.metainfo.xml

dir=build-package
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF
cmake --build "$dir" -j"$(nproc)"
rm -f "$dir"/quorvel_*.deb
(cd "$dir" && cpack -G DEB)
deb=$(ls "$dir"/quorvel_*.deb)
echo "Built $deb"

fail() { echo "package check: $*" >&2; exit 1; }

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for lib in libqt5core5a libqt5gui5 libqt5widgets5 libqt5svg5 libc6 libstdc++6 qttranslations5-l10n fonts-noto-cjk; do
    [[ ",$depends," == *", $lib"* || ",$depends," == *",$lib"* ]] || fail "no dependency on $lib"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/quorvel ./usr/bin/quorvel-cli \
            ./usr/share/quorvel/translations/quorvel_jpn.qm \
            ./usr/share/applications/example.quorvel.Quorvel.desktop \
            ./usr/share/metainfo/example.quorvel.Quorvel.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/quorvel.svg; do
    grep -qxF "$path" <<<"$contents" || fail "$path is missing"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
"$root/usr/bin/quorvel-cli" --version
"$root/usr/bin/quorvel" --version
desktop-file-validate "$root/usr/share/applications/example.quorvel.Quorvel.desktop"
echo "package check: all good"
