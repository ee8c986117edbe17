#!/bin/bash
# `make bench`: every benchmark of the project, each printing its comparison
# side by side. The pure ones (survey against PROJ, record files against plain
# file reads and writes) run natively, optimised; the window and drawing ones
# run under Wine (inside tools/with-wine.sh) against the library of each
# architecture. Benchmarks print figures; nothing here judges them.
# Usage: tools/run-benchmarks.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
native="$build/native"

generator=""
command -v ninja >/dev/null 2>&1 && generator="-G Ninja"
# shellcheck disable=SC2086
cmake -S "$root/native" -B "$native" $generator \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >"$native.configure.log" 2>&1 ||
    { cat "$native.configure.log"; exit 1; }
cmake --build "$native" --target survey_bench record_file_bench >/dev/null

echo "=== survey: geodetic conversions (native, against PROJ)"
"$native/survey_bench"
echo
echo "=== record files and memory record arrays (native, on a real file)"
(cd "$native" && ./record_file_bench)
for arch in x86_64 i686; do
  loader="$root/tools/wine64"
  [ "$arch" = i686 ] && loader="$root/tools/wine32"
  echo
  echo "=== $arch: window run-time (slots, name lookup, key codes, fonts)"
  "$loader" "$build/$arch/bin/win_bench.exe"
  echo
  echo "=== $arch: drawing against plain GDI"
  "$loader" "$build/$arch/bin/draw_bench.exe"
  echo
  echo "=== $arch: table editor paging against plain record reads"
  "$loader" "$build/$arch/bin/table_bench.exe"
  echo
  echo "=== $arch: button bar painting and hit tests"
  "$loader" "$build/$arch/bin/button_bench.exe"
  echo
  echo "=== $arch: remote calls over pipe and mailslot links, plain pipe round trips"
  "$loader" "$build/$arch/bin/net_bench.exe"
  echo
  echo "=== $arch: window furniture layout and toolbar strip re-packing"
  "$loader" "$build/$arch/bin/furniture_bench.exe"
  echo
  echo "=== $arch: procedures by name, threads and run-log lines"
  "$loader" "$build/$arch/bin/exec_bench.exe"
  echo
  echo "=== $arch: the traverse program: start-up, 1,000 stations computed and drawn"
  (cd "$build/$arch/bin" && "$loader" ./traverse_start_bench.exe && "$loader" ./traverse_bench.exe)
done
