#!/usr/bin/env bash
# Builds Quiltra with its tests (installing what they need first) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILTRA_TESTS=ON >/dev/null
cmake --build build-tests -j"$(nproc)"
ctest --test-dir build-tests --output-on-failure -j"$(nproc)"
