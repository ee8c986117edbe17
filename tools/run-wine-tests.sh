#!/bin/bash
# The Wine lanes of `make test`, inside one Wine session (tools/with-wine.sh):
# every suite against the x86_64 library under wine64, then against the i686
# library under the 32-bit loader. A lane that cannot run says so on a line
# of its own and fails the run.
# Usage: tools/run-wine-tests.sh BUILD_DIR
set -u
build=$1
tools=$(cd "$(dirname "$0")" && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
status=0

lane() {
  echo "=== Wine lane $1: every suite against $2/bin/ZEK2.dll"
  ctest --test-dir "$2" --output-on-failure -j "$jobs" || status=1
}

# Can this machine start a 32-bit Windows program at all?
i686_reason() {
  [ -x /usr/lib/wine/wine ] || { echo "no 32-bit Wine loader (install wine32:i386)"; return; }
  local out rc
  out=$("$tools/wine32" cmd /c echo zek-i686 2>&1)
  rc=$?
  case "$out" in
  *zek-i686*) ;;
  *) echo "a 32-bit program did not run (exit $rc: $(echo "$out" | tail -n 1))" ;;
  esac
}

lane x86_64 "$build/x86_64"
reason=$(i686_reason)
if [ -z "$reason" ]; then
  lane i686 "$build/i686"
else
  echo "=== Wine lane i686: NOT RUN: $reason"
  status=1
fi
exit $status
