#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs every target for a given time.
#
#   scripts/fuzz.sh SECONDS [--runs N] [--parallel P] [TARGET...]
#
# Each target first runs every input kept in fuzz/corpus/<target>/ once (seeds and
# the reproducers of earlier findings), then runs for SECONDS (or until N
# executions with --runs), P targets at a time (default 1), from that corpus; what
# it learns goes to build-fuzz/corpus/<target>/, its log to
# build-fuzz/logs/<target>.log and any input that crashes, hangs or leaks to
# build-fuzz/artifacts/. Ends non-zero when a target found something.
# FUZZ_BUILD_DIR overrides the build folder, JOBS the number of build jobs.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/lib/configure.sh

usage() { sed -n '4,13p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
# The whole number an option takes: its next argument.
number_for() {
  if [ $# -lt 2 ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
    echo "fuzz.sh: $1 needs a whole number after it (e.g. $1 4)" >&2
    usage
  fi
}
[ $# -ge 1 ] || usage
seconds=$1; shift
[[ $seconds =~ ^[0-9]+$ ]] || { echo "fuzz.sh: SECONDS must be a whole number, not \"$seconds\"" >&2; usage; }
runs=-1
parallel=1
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --runs) number_for "$@"; runs=$2; shift 2 ;;
    --parallel) number_for "$@"; parallel=$2; shift 2 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; usage ;;
    *) targets+=("$1"); shift ;;
  esac
done
[ "$parallel" -ge 1 ] || { echo "fuzz.sh: --parallel needs at least 1" >&2; usage; }

build=${FUZZ_BUILD_DIR:-build-fuzz}
configure_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVORN_WITH_GUI=OFF -DVORN_FUZZ=ON >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target fuzz_all

if [ ${#targets[@]} -eq 0 ]; then
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi
mkdir -p "$build/logs" "$build/artifacts"

# A sanitizer report or an uncaught exception ends the target with a non-zero status.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

run_target() {
  local target=$1
  local program="$build/fuzz/$target"
  [ -x "$program" ] || { echo "$target: no such fuzz target" >&2; return 1; }
  mkdir -p "$build/corpus/$target"
  # Every kept input first (the seeds and the reproducers of earlier findings),
  # one at a time, so a finding that comes back names its file.
  local kept=(fuzz/corpus/"$target"/*)
  if ! "$program" -timeout=25 -rss_limit_mb=2560 "${kept[@]}" \
      > "$build/logs/$target.replay.log" 2>&1; then
    printf '%-18s FAILED on a kept input: %s (see %s)\n' "$target" \
      "$(grep -a '^Running: ' "$build/logs/$target.replay.log" | tail -1 | cut -d' ' -f2-)" \
      "$build/logs/$target.replay.log"
    grep -a -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error|ALARM)' \
      "$build/logs/$target.replay.log" | head -8
    return 1
  fi
  # -timeout: one input that runs longer than this counts as a hang.
  if "$program" "$build/corpus/$target" "fuzz/corpus/$target" \
      -max_total_time="$seconds" -runs="$runs" -timeout=25 -rss_limit_mb=2560 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
      > "$build/logs/$target.log" 2>&1; then
    local execs time
    execs=$(grep -a '^stat::number_of_executed_units:' "$build/logs/$target.log" | tail -1 | tr -dc 0-9)
    time=$(grep -a '^Done [0-9]* runs in' "$build/logs/$target.log" | tail -1 | awk '{print $5}')
    printf '%-18s ok     %10s executions in %s s\n' "$target" "${execs:-?}" "${time:-$seconds}"
  else
    printf '%-18s FAILED (see %s)\n' "$target" "$build/logs/$target.log"
    grep -a -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error|ALARM|artifact_prefix|Test unit written)' \
      "$build/logs/$target.log" | head -8
    return 1
  fi
}

status=0
pids=()
for target in "${targets[@]}"; do
  run_target "$target" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$parallel" ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status
