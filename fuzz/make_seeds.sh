#!/usr/bin/env bash
# Writes the seed corpora fuzz/corpus/<target>/ from the project's own sample
# and test files. Hand-made seeds and the inputs that found faults (files
# named after the fault) live beside them and are kept.
set -euo pipefail
cd "$(dirname "$0")/.."
sep=$'\n@@@@\n'
out=fuzz/corpus

runs=(examples/basic solver/tests/data/input/basic setup/tests/data/expected/*)
seed() {  # seed <target> <name> <file>...: the files joined by the separator line
  local target=$1 name=$2; shift 2
  mkdir -p "$out/$target"
  local first=1
  { for f in "$@"; do
      if [ $first = 0 ]; then printf '%s' "$sep"; fi
      first=0
      cat "$f"
    done; } > "$out/$target/$name"
}

for dir in "${runs[@]}"; do
  name=$(echo "$dir" | tr '/' '_')
  seed params_fuzz "$name" "$dir/Param.tmp"
  seed deck_fuzz "$name" "$dir/React.tmp"
  # The big sample tape (85 kB) would make every input that long and slow; the
  # smaller tapes cover the same card kinds.
  if [ "$(wc -c < "$dir/Cross.tmp")" -lt 20000 ]; then
    seed tape_fuzz "$name" "$dir/Cross.tmp"
    seed tape_update_fuzz "$name" "$dir/Cross.tmp" "$dir/React.tmp"
    seed solver_run_fuzz "$name" "$dir/Param.tmp" "$dir/React.tmp" "$dir/Cross.tmp"
  fi
done

bank=samples/Gasfiles
for gas in xramp xrampup molgas; do
  seed tape_fuzz "samples_$gas" "$bank/$gas.crs"
done
seed data_bank_fuzz samples_Gasfiles "$bank/Gasnames.cnf" "$bank/maxwell.rc" "$bank/xramp.rc" \
  "$bank/xrampat.rc" "$bank/xrampup.rc"
seed data_bank_fuzz setup_tests_bank setup/tests/data/bank/Gasnames.cnf \
  setup/tests/data/bank/Ar.rc setup/tests/data/bank/N2.rc
for gas in molgas lucas; do
  seed data_bank_fuzz "samples_$gas" <(echo "$gas A gas") "$bank/$gas.rc"
done

seed crs_copy_fuzz samples_xramp "$bank/xramp.crs" "$bank/xrampup.crs"
seed crs_copy_fuzz samples_molgas "$bank/molgas.crs" "$bank/xramp.crs"
seed crs_copy_fuzz setup_tests_bank setup/tests/data/bank/Ar.crs setup/tests/data/bank/N2.crs

for gdt in viewer/tests/data/*.gdt; do
  seed graph_data_fuzz "$(basename "$gdt" .gdt)" "$gdt"
done
