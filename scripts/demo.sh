#!/usr/bin/env bash
# Installs what is missing, builds both programs, and dumps the demonstration
# Game Boy Advance cartridge from the simulated reader with the headless one.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quorvel-cli quorvel translations
out=${1:-demo.gba}
# The demo's own output, made again on every run.
./build/quorvel-cli dump --console gba --size 8Mbit --simulate demo --force --report "${out%.*}.txt" "$out"
echo
cat "${out%.*}.txt"
echo
echo "The window on the same cartridge: QUORVEL_SIMULATE=gba:demo ./build/quorvel"
