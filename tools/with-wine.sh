#!/bin/bash
# Runs a command with a Wine prefix inside the build folder, a virtual display
# with a window manager, and one persistent wineserver; everything started
# here is ended when the command ends, whatever the outcome.
# Usage: tools/with-wine.sh BUILD_DIR COMMAND...
set -u
build=$(cd "$1" && pwd)
shift

export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEARCH=win64
tools=$(cd "$(dirname "$0")" && pwd)

pids=()
cleanup() {
  wineserver -k >/dev/null 2>&1
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A free display number.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
fvwm >/dev/null 2>&1 &
pids+=($!)

# One server for the whole run; the prefix is made once, before anything
# runs in parallel.
# A prefix made before the 32-bit Wine was installed has no 32-bit half (i386
# programs then exit with 53): such a prefix is made again.
if [ -f "$WINEPREFIX/.zek-ready" ] && [ -x /usr/lib/wine/wine ] &&
   [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
  rm -rf "$WINEPREFIX"
fi
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1
if [ ! -f "$WINEPREFIX/.zek-ready" ]; then
  "$tools/wine64" wineboot -i >/dev/null 2>&1 && touch "$WINEPREFIX/.zek-ready"
else
  # Starts Wine's service processes here, with output going nowhere: started
  # by a test instead, they would hold CTest's output pipe open for ever.
  "$tools/wine64" wineboot >/dev/null 2>&1
fi

"$@"
