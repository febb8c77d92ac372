#!/usr/bin/env bash
# Checks that the solver is portable and gives the same files whatever builds it:
#  1. builds Kinrun.prg and the solver tests with clang (Release, build-clang/)
#     and runs those tests;
#  2. runs the GCC and the clang Kinrun.prg on every kept deck (examples/basic and
#     solver/tests/data/decks/*) and compares status and files byte for byte;
#  3. finds no instruction on ymm or zmm registers outside the copies built for
#     AVX2 and AVX-512 (which the processor dispatch chooses at load time);
#  4. cross-compiles the solver for aarch64 (build-aarch64/).
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

echo "== GCC and clang Kinrun.prg on the kept decks"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for deck in examples/basic solver/tests/data/decks/*/; do
  name=$(basename "$deck")
  for compiler in gcc clang; do
    dir="$work/$name/$compiler"
    mkdir -p "$dir"
    cp "$deck"/Param.tmp "$deck"/React.tmp "$deck"/Cross.tmp "$dir/"
  done
  gcc_status=0; clang_status=0
  (cd "$work/$name/gcc" && "$OLDPWD/$gcc_build/run/Kinrun.prg" >stdout 2>stderr) || gcc_status=$?
  (cd "$work/$name/clang" && "$OLDPWD/build-clang/run/Kinrun.prg" >stdout 2>stderr) || clang_status=$?
  if [ "$gcc_status" -ne 0 ] || [ "$clang_status" -ne 0 ]; then
    fail "$name: exit status $gcc_status (GCC), $clang_status (clang); expected 0"
  fi
  files=$(cd "$work/$name/gcc" && ls)
  if [ "$files" != "$(cd "$work/$name/clang" && ls)" ]; then
    fail "$name: the two runs leave different files"
    continue
  fi
  outputs=0
  for file in $files; do
    cmp "$work/$name/gcc/$file" "$work/$name/clang/$file" || fail "$name: $file differs"
    case $file in *.gdt|*.lst|*.GDT|*.LST) outputs=$((outputs + 1)) ;; esac
  done
  [ "$outputs" -ge 2 ] || fail "$name: the run wrote no listing or graph-data file"
  echo "$name: identical ($(echo $files | tr '\n' ' '))"
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

echo "== cross build of the solver for aarch64"
cmake -S . -B build-aarch64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 \
  -DCMAKE_C_COMPILER=aarch64-linux-gnu-gcc -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++ \
  -DVORN_SOLVER_ONLY=ON -DVORN_TESTS=OFF >/dev/null
cmake --build build-aarch64 -j "$jobs"
file build-aarch64/run/Kinrun.prg | grep -q 'ARM aarch64' || fail "build-aarch64/run/Kinrun.prg is not an aarch64 program"

if [ $failed -ne 0 ]; then
  echo "check-portable: FAILED" >&2
  exit 1
fi
echo "check-portable: passed"
