#!/usr/bin/env bash
# Every test: installs the Debian packages the build needs when any is missing;
# builds everything with GCC and runs every test; checks that the solver builds
# with clang and for aarch64 and that the GCC and clang solvers write the same
# files; builds everything again with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test again; then the short fuzz runs.
# JOBS sets the number of parallel jobs (default: all cores).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
ensure_deps
jobs=${JOBS:-$(nproc)}
export JOBS=$jobs
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600

bash scripts/check-portable.sh build

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORN_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/scripts/lsan-qt.supp" \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 900

# The fuzz targets (clang, libFuzzer under both sanitizers): each replays its kept
# inputs, then runs for a few seconds so that none can rot; scripts/fuzz.sh runs
# them for longer.
scripts/fuzz.sh 7
