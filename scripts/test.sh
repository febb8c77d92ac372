#!/usr/bin/env bash
# Builds everything and runs every test; then builds everything again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test again.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORN_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/scripts/lsan-qt.supp" \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 900

# The fuzz targets (clang, libFuzzer under both sanitizers): each runs for a few
# seconds so that none can rot; scripts/fuzz.sh runs them for longer.
scripts/fuzz.sh 7
