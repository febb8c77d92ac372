#!/usr/bin/env bash
# Checks `cmake --install`: installs a build into a fresh folder whose path holds a
# blank, moves that folder elsewhere, and checks that it runs as BUILD/run/ does:
# the same programs, libraries and data bank; the solver computes the example
# calculation there and writes the same listing and graph-data file as BUILD/run/'s
# solver; the set-up program and the viewer host start with the libraries beside
# them (RPATH $ORIGIN), not those of the build.
#   scripts/check-install.sh [BUILD_DIR]    (default build/, built already)
# Also run by ctest as install_run_folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
failed=0
fail() { echo "check-install: $*" >&2; failed=1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vorn install.XXXXXX")
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/installed" >"$work/install.log" ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; exit 1; }
mv "$work/installed" "$work/moved here"
dir=$work/moved\ here

expected=(Kinrun.prg)
gui=0
if [ -x "$build/run/Vornw32" ]; then
  gui=1
  expected+=(Vornw32 vorn_view libVornCh1.so libSigCh1.so Gasfiles)
fi
for name in "${expected[@]}"; do
  [ -e "$dir/$name" ] || fail "$name is not installed"
done
if [ $gui = 1 ]; then
  diff -r "$build/run/Gasfiles" "$dir/Gasfiles" >&2 || fail "Gasfiles/ differs from $build/run/Gasfiles"
fi

# The example calculation with the installed solver and with the build's.
run_example() {  # folder, solver
  mkdir -p "$1"
  cp "$root"/examples/basic/Param.tmp "$root"/examples/basic/React.tmp \
     "$root"/examples/basic/Cross.tmp "$1/"
  local status=0
  (cd "$1" && "$2" >stdout 2>stderr) || status=$?
  [ $status = 0 ] || fail "$2 in $1 ended with status $status: $(head -c 300 "$1/stderr")"
}
run_example "$dir/example" ../Kinrun.prg
run_example "$work/reference" "$build/run/Kinrun.prg"
for output in Example.lst Example.gdt stdout stderr; do
  if [ ! -f "$dir/example/$output" ]; then
    fail "the installed solver wrote no $output"
  elif ! cmp "$work/reference/$output" "$dir/example/$output"; then
    fail "$output of the installed solver differs from that of $build/run/"
  fi
done

if [ $gui = 1 ]; then
  for program in Vornw32 vorn_view; do
    for library in libVornCh1.so libSigCh1.so; do
      [ $program = vorn_view ] && [ $library = libSigCh1.so ] && continue
      found=$(ldd "$dir/$program" | sed -n "s|^[[:space:]]*$library => \(.*\) (0x[0-9a-f]*)\$|\1|p")
      [ "$found" = "$dir/$library" ] || fail "$program loads $library from \"$found\", not from beside it"
    done
    # Still running after 3 s: it started (a missing library ends it at once).
    status=0
    (cd "$dir" && QT_QPA_PLATFORM=offscreen timeout 3 "./$program" >"$work/$program.out" 2>&1) || status=$?
    [ $status = 124 ] || fail "the installed $program did not start (status $status): $(head -c 300 "$work/$program.out")"
  done
fi

if [ $failed != 0 ]; then
  echo "check-install: FAILED" >&2
  exit 1
fi
echo "check-install: the installed run folder runs as $build/run/ does"
