#!/usr/bin/env bash
# Writes a PNG of the results viewer's Configuring page and of each chart page, for a person
# to look at, in a real X window under Xvfb.
#   bash scripts/viewer-screenshots.sh [FILE.gdt] [OUTDIR]
# Without a file it runs the example calculation first and shows its graph-data file.
set -euo pipefail
cd "$(dirname "$0")/.."
gdt=${1:-}
out=${2:-build/viewer-screenshots}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target viewer_screenshots Kinrun >/dev/null
if [ -z "$gdt" ]; then
  DISPLAY= WAYLAND_DISPLAY= bash scripts/run-example.sh >/dev/null
  gdt=build/run/example/Example.gdt
fi
xvfb-run -a -s '-screen 0 1280x1024x24' env QT_QPA_PLATFORM=xcb \
  build/viewer/tests/viewer_screenshots "$gdt" "$out"
