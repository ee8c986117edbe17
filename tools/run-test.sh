#!/bin/sh
# Runs one GoogleTest program through its Wine loader for CTest, and fails a
# run that exits 0 without GoogleTest's summary: a loader that cannot run the
# program (wine64 given an i386 program) would otherwise pass silently.
# Usage: tools/run-test.sh LOADER PROGRAM [ARGS...]
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# Output goes to a file, not a pipe: a Wine service process started on the
# way must not keep CTest waiting for the pipe to close.
"$@" >"$out" 2>&1
rc=$?
cat "$out"
if [ "$rc" = 0 ] && ! grep -q '^\[  PASSED  \] [0-9]' "$out"; then
  echo "$(basename "$2"): exited 0 without running any test (loader $1)"
  exit 1
fi
exit "$rc"
