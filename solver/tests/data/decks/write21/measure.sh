#!/bin/sh
# Runs a Kinrun.prg on this deck: the write calls it makes (strace -f -c), per
# output file (strace -y), and the best wall time per case of five runs.
#   measure.sh path/to/Kinrun.prg
set -eu
program=$(realpath "$1")
deck=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$deck"/Param.tmp "$deck"/React.tmp "$deck"/Cross.tmp .
strace -f -c -e trace=write -o strace.txt "$program"
awk '$NF == "write" { print "write calls:", $4 }' strace.txt
cp "$deck"/Param.tmp "$deck"/React.tmp "$deck"/Cross.tmp .
strace -f -y -e trace=write -o calls.txt "$program"
for output in Write21.gdt Write21.lst; do
  echo "  to $output: $(grep -c "<[^>]*/$output>" calls.txt)"
done
echo "graph data $(wc -c < Write21.gdt) bytes, listing $(grep -c '' Write21.lst) lines"
best=
for run in 1 2 3 4 5; do
  cp "$deck"/Param.tmp "$deck"/React.tmp "$deck"/Cross.tmp .
  start=$(date +%s%N)
  "$program"
  ms=$(( ($(date +%s%N) - start) / 1000 ))
  if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
done
echo "best of 5: $best us in all, $(( best / 21 )) us per case"
