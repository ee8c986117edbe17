#!/bin/sh
# Runs the traverse program under the prepared Wine session, driven from
# outside by traverse_demo (keys, menu commands and clicks posted to its
# windows), and turns the pictures the driver takes into PNG files in
# BUILD_DIR/demo. Then it starts the program once more: the toolbar layout
# file it wrote on closing must come back byte for byte.
# Usage: tools/run-demo.sh BUILD_DIR
set -u
tools=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
demo="$build/demo"
mkdir -p "$demo"
cd "$build/bin"
# The program's root is the build directory: UxTool, UxLog and UxData there.
layout="$build/UxTool/traverse.tbr"
rm -f traverse-*.bmp "$layout" "$demo"/traverse*.png "$demo/traverse.tbr"
# Wine, not the window manager, draws the frames, so the pictures hold them.
for program in traverse.exe; do
  "$tools/wine64" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" \
    /v Decorated /d N /f >/dev/null 2>&1
done

# The pictures are read from the screen, and fvwm shows its banner over it for
# the first three seconds of the session: the demo starts after it.
sleep 4
# The driver bounds every wait itself; the limit only guards against a hang.
timeout 240 "$tools/wine64" traverse_demo.exe full .
status=$?
for picture in traverse-table traverse-plan traverse-second; do
  if [ -f "$picture.bmp" ]; then
    # No time stamps in the file: the same picture gives the same PNG.
    convert "$picture.bmp" -strip "$demo/$picture.png" && echo "picture: $demo/$picture.png"
    rm -f "$picture.bmp"
  else
    echo "run-demo: no picture $picture" >&2
    [ "$status" -eq 0 ] && status=1
  fi
done
log=$(ls -t "$build"/UxLog/UxSys*.LOG 2>/dev/null | head -1)
[ -n "$log" ] && { echo "run log $log:"; tail -n 12 "$log"; }
[ "$status" -eq 0 ] || exit "$status"

if [ ! -f "$layout" ]; then
  echo "run-demo: the first run left no toolbar layout file ($layout)" >&2
  exit 1
fi
cp "$layout" "$demo/traverse.tbr"
echo "second run, from the toolbar layout of the first:"
timeout 120 "$tools/wine64" traverse_demo.exe quick || exit 1
if ! cmp "$demo/traverse.tbr" "$layout"; then
  echo "run-demo: the toolbar layout file changed in the second run:" >&2
  diff "$demo/traverse.tbr" "$layout" >&2
  exit 1
fi
echo "toolbar layout file unchanged by the second run: $layout"
exit 0
