#!/usr/bin/env bash
# Builds Quiltra (installing what it needs first) and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILTRA_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target quiltra
exec build/Quiltra/quiltra "$@"
