#!/bin/sh
# Runs the sample program in the prepared Wine session.
set -e
tools=$(cd "$(dirname "$0")" && pwd)
cd "$1/bin"
exec "$tools/wine64" sample.exe "/log" "C:\\survey data\\plan.dat" "\"quoted arg\""
