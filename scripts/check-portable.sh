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
source scripts/lib/configure.sh
jobs=${JOBS:-$(nproc)}
gcc_build=${1:-build}
[ -x "$gcc_build/run/Kinrun.prg" ] || { echo "check-portable: no $gcc_build/run/Kinrun.prg (build it first)" >&2; exit 1; }
gcc_build=$(cd "$gcc_build" && pwd)
failed=0
fail() { echo "check-portable: $*" >&2; failed=1; }

echo "== clang build of the solver and its tests"
configure_build build-clang -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVORN_SOLVER_ONLY=ON >/dev/null
cmake --build build-clang -j "$jobs"
ctest --test-dir build-clang --output-on-failure -j "$jobs" --timeout 600

echo "== cross build of the solver for aarch64"
configure_build build-aarch64 -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 \
  -DCMAKE_C_COMPILER=aarch64-linux-gnu-gcc -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++ \
  -DVORN_SOLVER_ONLY=ON -DVORN_TESTS=OFF >/dev/null
cmake --build build-aarch64 -j "$jobs"
file build-aarch64/run/Kinrun.prg | grep -q 'ARM aarch64' || fail "build-aarch64/run/Kinrun.prg is not an aarch64 program"

# Every way of running the solver that must give the GCC build's files: the clang
# build; both on processors without AVX-512 (qemu's Haswell: AVX2) and without
# AVX (Nehalem), so every dispatched path runs; the aarch64 build under qemu.
gcc_program=$gcc_build/run/Kinrun.prg
clang_program=$PWD/build-clang/run/Kinrun.prg
aarch64_program=$PWD/build-aarch64/run/Kinrun.prg
runs=(clang gcc-Haswell clang-Haswell gcc-Nehalem clang-Nehalem aarch64)
# Runs the solver of one way (gcc: the reference) in the current folder.
run_solver() {
  case $1 in
    gcc) "$gcc_program" ;;
    clang) "$clang_program" ;;
    gcc-*) qemu-x86_64 -cpu "${1#gcc-}" "$gcc_program" ;;
    clang-*) qemu-x86_64 -cpu "${1#clang-}" "$clang_program" ;;
    aarch64) qemu-aarch64 -L /usr/aarch64-linux-gnu "$aarch64_program" ;;
  esac
}

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
# Runs one deck in a folder of its own with one way of running the solver; the folder
# then holds the outputs, the inputs the run left, its streams and its exit status.
# Fails (and says why) when the run did not end with status 0.
run_deck() {
  local deck=$1 dir=$2 way=$3 status=0
  mkdir -p "$dir"
  cp "$deck"/Param.tmp "$deck"/React.tmp "$deck"/Cross.tmp "$dir/"
  (cd "$dir" && run_solver "$way" >stdout 2>stderr) || status=$?
  grep -v '^qemu-x86_64: warning' "$dir/stderr" > "$dir/stderr.kept" || true
  mv "$dir/stderr.kept" "$dir/stderr"
  echo "$status" > "$dir/status"
  if [ "$status" != 0 ]; then
    fail "$(basename "$deck"): the $way run ended with exit status $status: $(head -c 300 "$dir/stderr")"
    return 1
  fi
}
for deck in examples/basic solver/tests/data/decks/*/; do
  name=$(basename "$deck")
  reference="$work/$name/gcc"
  run_deck "$deck" "$reference" gcc || continue
  mapfile -t files < <(cd "$reference" && ls)
  mapfile -t outputs < <(printf '%s\n' "${files[@]}" | grep -i -E '\.(gdt|lst)$' || true)
  if [ ${#outputs[@]} -lt 2 ]; then
    fail "$name: the run wrote no listing or graph-data file"
    continue
  fi
  same=1
  for way in "${runs[@]}"; do
    run_deck "$deck" "$work/$name/$way" "$way" || { same=0; continue; }
    mapfile -t left < <(cd "$work/$name/$way" && ls)
    if [ "${files[*]}" != "${left[*]}" ]; then
      fail "$name: $way leaves other files than the GCC build"
      same=0
      continue
    fi
    for file in "${files[@]}"; do
      cmp "$reference/$file" "$work/$name/$way/$file" || { fail "$name: $file of $way differs"; same=0; }
    done
  done
  if [ $same = 1 ]; then echo "$name: ${outputs[*]} identical in ${#runs[@]} other runs"; fi
done

echo "== AVX registers only in the dispatched copies"
for program in "$gcc_program" "$clang_program"; do
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
