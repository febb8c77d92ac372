#!/usr/bin/env bash
# The main job on a fresh machine: installs the Debian packages the build needs
# when any is missing, builds the whole run folder build/run/ (solver, set-up
# program, results viewer library, its host, the cross-section viewer stand-in and
# the sample data bank), runs the solver on the bundled example calculation in
# build/run/example/ and prints where the listing and the graph-data file are.
# It also builds the two programs the README uses next: the set-up program's
# screenshot program and the solver benchmark. Then it starts Vornw32 in the run
# folder when a display is present, and otherwise prints how to start it.
# JOBS sets the number of parallel build jobs (default: all cores).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/deps.sh
source scripts/lib/configure.sh
ensure_deps
configure_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_SOLVER_ONLY=OFF -DVORN_WITH_GUI=ON \
  -DVORN_TESTS=ON >/dev/null
cmake --build build -j "${JOBS:-$(nproc)}" \
  --target Kinrun Vornw32 VornCh1 vorn_view SigCh1 sample_gasfiles vornw32_screenshots kinrun_bench
work=build/run/example
rm -rf "$work"
mkdir -p "$work"
cp examples/basic/Param.tmp examples/basic/React.tmp examples/basic/Cross.tmp "$work/"
(cd "$work" && ../Kinrun.prg)
echo "Listing:         $(realpath "$work")/Example.lst"
echo "Graph-data file: $(realpath "$work")/Example.gdt"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting the set-up program: $(realpath build/run)/Vornw32"
  cd build/run && exec ./Vornw32
else
  printf 'No display: to start the set-up program, run  cd %q && ./Vornw32\n' "$(realpath build/run)"
  echo "in a graphical session (the results viewer opens from it, or alone: ./vorn_view)."
fi
