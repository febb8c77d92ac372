#!/usr/bin/env bash
# Writes PNGs of the results viewer for a person to look at, in a real X window under Xvfb:
# the start-up screen and every page of FILE.gdt (rates-logY.png: its rate chart after
# "logY" off and on), a made-up run of 25 processes on "Rate Constants" with legend page 1
# and 2, and the default calculation (one field of 10 Td on a 10 eV grid of the example gas,
# which does not converge) on "Configuring" and "Vorn".
#   bash scripts/viewer-screenshots.sh [FILE.gdt] [OUTDIR]
# Without a file it runs the example calculation first and shows its graph-data file.
# JOBS sets the number of parallel build jobs (default: all cores).
set -euo pipefail
# Paths given are taken from where the script is started.
gdt=${1:+$(realpath "$1")}
out=$(realpath -m "${2:-$(dirname "$0")/../build/viewer-screenshots}")
cd "$(dirname "$0")/.."
source scripts/lib/configure.sh
configure_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_SOLVER_ONLY=OFF -DVORN_WITH_GUI=ON \
  -DVORN_TESTS=ON >/dev/null
cmake --build build -j "${JOBS:-$(nproc)}" --target viewer_screenshots Kinrun >/dev/null
if [ -z "$gdt" ]; then
  DISPLAY= WAYLAND_DISPLAY= bash scripts/run-example.sh >/dev/null
  gdt=build/run/example/Example.gdt
fi

# The default calculation: the example deck with one field value, 10 Td, and a 10 eV grid
# (Param.tmp lines 5-25 hold E/N, lines 50-70 the energy ranges, 77-78 the output names).
work=build/run/default-calculation
rm -rf "$work"
mkdir -p "$work"
cp examples/basic/React.tmp examples/basic/Cross.tmp "$work/"
awk 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
     NR >= 5 && NR <= 25 { print (NR == 5 ? "10.0000" : "0.00000"); next }
     NR >= 50 && NR <= 70 { print (NR == 50 ? "10.0000" : "0.00000"); next }
     NR == 77 { print "Default.gdt"; next }
     NR == 78 { print "Default.lst"; next }
     { print }' examples/basic/Param.tmp >"$work/Param.tmp"
(cd "$work" && ../Kinrun.prg)

xvfb-run -a -s '-screen 0 1280x1024x24' env QT_QPA_PLATFORM=xcb \
  build/viewer/tests/viewer_screenshots "$gdt" "$out" "$work/Default.gdt"
