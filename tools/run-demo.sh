#!/bin/sh
# Runs the sample program in the prepared Wine session and turns the picture
# it saves of its windows into BUILD_DIR/demo/sample.png. Then it runs the
# sample once more: the toolbar layout file it wrote on closing must come
# back byte for byte, since the second run starts from it.
# Usage: tools/run-demo.sh BUILD_DIR
set -u
tools=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$build/demo"
cd "$build/bin"
# The sample's root is the build directory: its tool directory is UxTool there.
layout="$build/UxTool/sample_plan.tbr"
rm -f sample.bmp "$layout" "$build/demo/sample_plan.tbr"
# Wine, not the window manager, draws this program's frames, so that the
# picture the sample takes of its window has the title bar in it.
"$tools/wine64" reg add 'HKCU\Software\Wine\AppDefaults\sample.exe\X11 Driver' \
  /v Decorated /d N /f >/dev/null 2>&1

# The sample types into itself and ends; the limit only guards against a hang.
run_sample() {
  timeout 120 "$tools/wine64" sample.exe "/log" "C:\\survey data\\plan.dat" "\"quoted arg\""
}

run_sample
status=$?
if [ -f sample.bmp ]; then
  # No time stamps in the file: the same picture gives the same PNG.
  convert sample.bmp -strip "$build/demo/sample.png" && echo "picture: $build/demo/sample.png"
else
  echo "run-demo: the sample saved no picture" >&2
  [ "$status" -eq 0 ] && status=1
fi
[ "$status" -eq 0 ] || exit "$status"

if [ ! -f "$layout" ]; then
  echo "run-demo: the first run left no toolbar layout file ($layout)" >&2
  exit 1
fi
cp "$layout" "$build/demo/sample_plan.tbr"
echo "second run, from the toolbar layout of the first:"
run_sample
status=$?
rm -f sample.bmp
[ "$status" -eq 0 ] || exit "$status"
if ! cmp "$build/demo/sample_plan.tbr" "$layout"; then
  echo "run-demo: the toolbar layout file changed in the second run:" >&2
  diff "$build/demo/sample_plan.tbr" "$layout" >&2
  exit 1
fi
echo "toolbar layout file unchanged by the second run: $layout"
exit 0
