#!/usr/bin/env bash
# Every test: installs the Debian packages the build needs when any is missing;
# builds everything with GCC and runs every test; runs the window tests again with
# another font set; checks that the solver builds with clang and for aarch64 and that
# the GCC and clang solvers write the same files; builds everything again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test again; then the
# short fuzz runs.
# JOBS sets the number of parallel jobs (default: all cores).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/configure.sh
ensure_deps
jobs=${JOBS:-$(nproc)}
export JOBS=$jobs
export QT_QPA_PLATFORM=offscreen
unset FONTCONFIG_FILE

configure_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_SOLVER_ONLY=OFF -DVORN_WITH_GUI=ON \
  -DVORN_TESTS=ON -DVORN_SANITIZE=OFF
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600

# The window tests (offscreen and in a real X window) once more, with the Liberation
# families hidden: what they check must not depend on the fonts a machine has.
fonts=$PWD/scripts/fonts-without-liberation.conf
stand_in=$(FONTCONFIG_FILE=$fonts fc-match -f '%{family[0]}' Arial)
case $stand_in in
  Liberation*) echo "test.sh: $fonts does not hide the Liberation fonts" >&2; exit 1 ;;
esac
echo "== the window tests again, with $stand_in standing in for Arial"
FONTCONFIG_FILE=$fonts ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600 \
  -R '^(viewer_gui\.|setup_gui_|form_fonts_test$|WindowOutput\.)'

bash scripts/check-portable.sh build

configure_build build-asan -DCMAKE_BUILD_TYPE=Debug -DVORN_SANITIZE=ON
cmake --build build-asan -j "$jobs"
# Sanitizer options are separated by blanks and colons: the path is quoted for them.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS="suppressions='$PWD/scripts/lsan-qt.supp'" \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 900

# The fuzz targets (clang, libFuzzer under both sanitizers): each replays its kept
# inputs, then runs for a few seconds so that none can rot; scripts/fuzz.sh runs
# them for longer.
bash scripts/fuzz.sh 7
