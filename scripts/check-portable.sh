#!/usr/bin/env bash
# Checks that the solver is portable and gives the same files whatever builds it:
#  1. builds Kinrun.prg and the solver tests with clang (Release, build-clang/)
#     and runs those tests;
#  2. cross-compiles the solver for aarch64 (build-aarch64/);
#  3. runs the sweep-kernel tests and every kept deck (examples/basic and
#     solver/tests/data/decks/*) on processors without AVX-512 and without AVX
#     (qemu-x86_64), and compares the status and every file the clang build, both
#     builds on those processors and the aarch64 build (qemu-aarch64) leave with
#     what the GCC build leaves, byte for byte;
#  4. finds no instruction on ymm or zmm registers outside the copies built for
#     AVX2 and AVX-512 (which the processor dispatch chooses at load time).
#
#   scripts/check-portable.sh [GCC_BUILD_DIR]    (default build/, built already)
# JOBS sets the number of parallel jobs (default: all cores).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
gcc_build=${1:-build}
failed=0
fail() { echo "check-portable: $*" >&2; failed=1; }

echo "== clang build of the solver and its tests"
cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVORN_SOLVER_ONLY=ON >/dev/null
cmake --build build-clang -j "$jobs"
ctest --test-dir build-clang --output-on-failure -j "$jobs" --timeout 600

echo "== cross build of the solver for aarch64"
cmake -S . -B build-aarch64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 \
  -DCMAKE_C_COMPILER=aarch64-linux-gnu-gcc -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++ \
  -DVORN_SOLVER_ONLY=ON -DVORN_TESTS=OFF >/dev/null
cmake --build build-aarch64 -j "$jobs"
file build-aarch64/run/Kinrun.prg | grep -q 'ARM aarch64' || fail "build-aarch64/run/Kinrun.prg is not an aarch64 program"

# Every way of running the solver that must give the GCC build's files: the clang
# build; both on processors without AVX-512 (qemu's Haswell: AVX2) and without
# AVX (Nehalem), so every dispatched path runs; the aarch64 build under qemu.
gcc_program=$PWD/$gcc_build/run/Kinrun.prg
clang_program=$PWD/build-clang/run/Kinrun.prg
runs=("clang|$clang_program")
for cpu in Haswell Nehalem; do
  runs+=("gcc-$cpu|qemu-x86_64 -cpu $cpu $gcc_program" "clang-$cpu|qemu-x86_64 -cpu $cpu $clang_program")
done
runs+=("aarch64|qemu-aarch64 -L /usr/aarch64-linux-gnu $PWD/build-aarch64/run/Kinrun.prg")

echo "== the sweep kernels on every dispatched path"
for cpu in Haswell Nehalem; do
  for tests in "$gcc_build" build-clang; do
    if qemu-x86_64 -cpu "$cpu" "$tests/solver/tests/solver_tests" \
        --gtest_filter='SweepKernels.*' >/dev/null 2>&1; then
      echo "$tests/solver/tests/solver_tests on $cpu: passed"
    else
      fail "the sweep kernel tests of $tests fail on $cpu"
    fi
  done
done

echo "== the kept decks: every build and processor against the GCC build"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Runs one deck in a folder of its own; the folder then holds the outputs, the
# inputs the run left, its streams and its exit status.
run_deck() {
  local deck=$1 dir=$2 command=$3 status=0
  mkdir -p "$dir"
  cp "$deck"/Param.tmp "$deck"/React.tmp "$deck"/Cross.tmp "$dir/"
  (cd "$dir" && $command >stdout 2>stderr) || status=$?
  grep -v '^qemu-x86_64: warning' "$dir/stderr" > "$dir/stderr.kept" || true
  mv "$dir/stderr.kept" "$dir/stderr"
  echo "$status" > "$dir/status"
}
for deck in examples/basic solver/tests/data/decks/*/; do
  name=$(basename "$deck")
  reference="$work/$name/gcc"
  run_deck "$deck" "$reference" "$gcc_program"
  [ "$(cat "$reference/status")" = 0 ] || fail "$name: exit status $(cat "$reference/status")"
  files=$(cd "$reference" && ls)
  outputs=$(grep -c -i -E '\.(gdt|lst)$' <<<"$files" || true)
  [ "$outputs" -ge 2 ] || fail "$name: the run wrote no listing or graph-data file"
  for run in "${runs[@]}"; do
    label=${run%%|*}
    run_deck "$deck" "$work/$name/$label" "${run#*|}"
    if [ "$files" != "$(cd "$work/$name/$label" && ls)" ]; then
      fail "$name: $label leaves other files than the GCC build"
      continue
    fi
    for file in $files; do
      cmp "$reference/$file" "$work/$name/$label/$file" || fail "$name: $file of $label differs"
    done
  done
  echo "$name: $(grep -i -E '\.(gdt|lst)$' <<<"$files" | tr '\n' ' ')identical in ${#runs[@]} other runs"
done

echo "== AVX registers only in the dispatched copies"
for program in "$gcc_build/run/Kinrun.prg" build-clang/run/Kinrun.prg; do
  # Functions holding an instruction on ymm/zmm registers, less the clones
  # (GCC names them "[clone .avx2]", clang "[clone .avx2.1]").
  users=$(objdump -d --no-show-raw-insn -C "$program" |
    awk '/^[0-9a-f]+ <.*>:$/ { name = $0 } /%[yz]mm[0-9]/ { print name }' | sort -u)
  stray=$(grep -v -E '\[clone \.(avx2|avx512f)(\.[0-9]+)?\]>:$' <<<"$users" || true)
  if [ -n "$stray" ]; then
    fail "$program uses AVX registers outside the dispatched copies:"
    echo "$stray" >&2
  fi
  grep -q -E '\[clone \.avx2' <<<"$users" || fail "$program has no AVX2 copy of the sweep kernels"
  echo "$program: $(wc -l <<<"$users") dispatched copies, nothing else on ymm/zmm"
done

if [ $failed -ne 0 ]; then
  echo "check-portable: FAILED" >&2
  exit 1
fi
echo "check-portable: passed"
