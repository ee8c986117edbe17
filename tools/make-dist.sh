#!/bin/bash
# Writes the bundle for Windows developers, OUT_DIR/ZEK2/ and OUT_DIR/ZEK2.zip:
# both libraries, their import libraries for mingw-w64 (libZEK2.dll.a) and for
# Microsoft's linker (ZEK2.lib, short import format made by llvm-dlltool),
# the headers, the example program's sources and README.txt.
# Usage: tools/make-dist.sh OUT_DIR I686_BUILD_DIR X86_64_BUILD_DIR
set -eu
out=$1
i686=$2
x64=$3
src=$(cd "$(dirname "$0")/.." && pwd)
bundle=$out/ZEK2

for f in "$i686/bin/ZEK2.dll" "$i686/lib/libZEK2.dll.a" "$i686/ZEK2-import.def" \
         "$x64/bin/ZEK2.dll" "$x64/lib/libZEK2.dll.a"; do
  [ -f "$f" ] || { echo "make-dist: $f is missing; run make build first" >&2; exit 1; }
done

rm -rf "$bundle" "$out/ZEK2.zip"
mkdir -p "$bundle/x86" "$bundle/x64"

# arch folder, build tree, mingw-w64 prefix, dlltool machine, def file
add_arch() {
  local dir=$bundle/$1
  # The debug information is of no use to a Windows debugger; the code is the same.
  "$3-strip" --strip-debug -o "$dir/ZEK2.dll" "$2/bin/ZEK2.dll"
  # A DLL the program would have to ship beside ZEK2.dll means a static link was lost.
  if "$3-objdump" -p "$dir/ZEK2.dll" | grep -i 'DLL Name: *lib'; then
    echo "make-dist: $2/bin/ZEK2.dll needs a DLL besides the system's own" >&2
    exit 1
  fi
  cp "$2/lib/libZEK2.dll.a" "$dir/"
  # -k: the i686 list names the stdcall window procedure DefWndProc@16, the
  # symbol callers use (_DefWndProc@16 in the object files), while the DLL
  # exports it plain. Other exports get the leading underscore of cdecl.
  llvm-dlltool -m "$4" -k -d "$5" -D ZEK2.dll -l "$dir/ZEK2.lib"
}
add_arch x86 "$i686" i686-w64-mingw32 i386 "$i686/ZEK2-import.def"
add_arch x64 "$x64" x86_64-w64-mingw32 i386:x86-64 "$src/ZEK2.def"

mkdir -p "$bundle/include"
cp "$src/include/ZEK2.h" "$bundle/include/"
cp -R "$src/include/zek2" "$bundle/include/"
cp -R "$src/samples" "$bundle/"
cp "$src/ZEK2.def" "$bundle/"
# Windows line ends, for Notepad.
sed 's/$/\r/' "$src/tools/dist/README.txt" >"$bundle/README.txt"

(cd "$out" && zip -qrX ZEK2.zip ZEK2)
echo "make-dist: $bundle and $out/ZEK2.zip"
