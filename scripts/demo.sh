#!/usr/bin/env bash
# Installs what is missing, builds, and dumps the demonstration Game Boy
# Advance cartridge from the simulated reader with the headless front end.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quorvel-cli
out=${1:-demo.gba}
./build/quorvel-cli dump --console gba --size 8Mbit --simulate demo --report "${out%.*}.txt" "$out"
echo
cat "${out%.*}.txt"
