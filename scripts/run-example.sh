#!/usr/bin/env bash
# Builds the solver if needed and runs it on the bundled example calculation in
# build/run/example/, then prints where the listing and the graph-data file are.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -x build/run/Kinrun.prg ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j "$(nproc)" --target Kinrun
fi
work=build/run/example
rm -rf "$work"
mkdir -p "$work"
cp examples/basic/Param.tmp examples/basic/React.tmp examples/basic/Cross.tmp "$work/"
(cd "$work" && ../Kinrun.prg)
echo "Listing:         $(realpath "$work")/Example.lst"
echo "Graph-data file: $(realpath "$work")/Example.gdt"
