#!/bin/sh
# Usage: start_without_libraries.sh PATH/TO/Vornw32
# Copies the program with one, the other and both viewer libraries into a fresh
# folder and checks that it starts only with both beside it.
set -u
program=$1
run=$(dirname "$program")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

try() {  # $1: libraries to copy; $2: expected outcome (start|refuse)
    rm -rf "$work/run" && mkdir "$work/run"
    cp "$program" "$work/run/"
    for lib in $1; do cp "$run/$lib" "$work/run/"; done
    (cd "$work/run" && QT_QPA_PLATFORM=offscreen timeout 3 ./Vornw32 >"$work/out" 2>&1)
    code=$?
    if [ "$2" = start ] && [ $code -ne 124 ]; then
        echo "FAIL: with '$1' Vornw32 did not keep running (exit $code)"; cat "$work/out"; status=1
    elif [ "$2" = refuse ] && { [ $code -eq 124 ] || ! grep -q "error while loading shared libraries" "$work/out"; }; then
        echo "FAIL: with only '$1' Vornw32 started (exit $code)"; cat "$work/out"; status=1
    else
        echo "ok: with '$1' Vornw32 $2s"
    fi
}

try "libVornCh1.so" refuse
try "libSigCh1.so" refuse
try "libVornCh1.so libSigCh1.so" start
exit $status
