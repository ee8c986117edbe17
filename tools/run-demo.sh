#!/bin/sh
# Runs the sample program in the prepared Wine session and turns the picture
# it saves of its window into BUILD_DIR/demo/sample.png.
# Usage: tools/run-demo.sh BUILD_DIR
set -u
tools=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$build/demo"
cd "$build/bin"
rm -f sample.bmp
# Wine, not the window manager, draws this program's frames, so that the
# picture the sample takes of its window has the title bar in it.
"$tools/wine64" reg add 'HKCU\Software\Wine\AppDefaults\sample.exe\X11 Driver' \
  /v Decorated /d N /f >/dev/null 2>&1
# The sample types into itself and ends; the limit only guards against a hang.
timeout 120 "$tools/wine64" sample.exe "/log" "C:\\survey data\\plan.dat" "\"quoted arg\""
status=$?
if [ -f sample.bmp ]; then
  # No time stamps in the file: the same picture gives the same PNG.
  convert sample.bmp -strip "$build/demo/sample.png" && echo "picture: $build/demo/sample.png"
else
  echo "run-demo: the sample saved no picture" >&2
  [ "$status" -eq 0 ] && status=1
fi
exit "$status"
