#!/usr/bin/env bash
# Builds Quiltra with its tests (installing what they need first) and runs every test:
#  1. the engine, window, sound and end-to-end tests;
#  2. the engine and window tests again under AddressSanitizer and UndefinedBehaviorSanitizer;
#  3. each fuzz target briefly on its seed corpus (libFuzzer, clang).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
jobs=$(nproc)
# The test builds keep line tables only (-g1): stack traces and sanitizer reports still name files
# and lines, and compiling and linking the test programs takes a fifth less time.
lines_only=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG")

cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lines_only[@]}" -DQUILTRA_TESTS=ON >/dev/null
cmake --build build-tests -j"$jobs"
ctest --test-dir build-tests --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lines_only[@]}" -DQUILTRA_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -L 'unit|window'

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo "${lines_only[@]}" \
    -DQUILTRA_FUZZ=ON -DQUILTRA_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_targets
ctest --test-dir build-fuzz --output-on-failure -j"$jobs" -L fuzz
