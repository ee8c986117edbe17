#!/bin/bash
# The bundle for Windows developers, as a developer uses it: made into a
# temporary folder, then a C program linked through each import library of
# one architecture (libZEK2.dll.a with mingw-w64, ZEK2.lib with lld-link,
# the platform linker's stand-in) and run beside the bundle's ZEK2.dll.
# Usage: run.sh ARCH LOADER I686_BUILD_DIR X86_64_BUILD_DIR
set -u
arch=$1 loader=$2
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$here/../../tools/make-dist.sh" "$tmp" "$3" "$4" >/dev/null || exit 1
case $arch in
# gcc's objects carry no safe exception handler table, which lld-link asks of x86 ones.
i686) dir=$tmp/ZEK2/x86 cc=i686-w64-mingw32-gcc-posix link=(-machine:x86 -safeseh:no) ;;
x86_64) dir=$tmp/ZEK2/x64 cc=x86_64-w64-mingw32-gcc-posix link=(-machine:x64) ;;
*) echo "dist: unknown architecture $arch"; exit 1 ;;
esac
sysroot=/usr/$arch-w64-mingw32/lib
flags=(-O1 -Wall -I"$tmp/ZEK2/include")
status=0

# name, then the command that builds $dir/name.exe
build_and_run() {
  local name=$1
  shift
  if ! "$@"; then
    echo "FAILED $name: link"
    status=1
    return
  fi
  # Output to a file: a Wine service process must not hold a pipe open.
  (cd "$dir" && "$loader" "$name.exe" >"$tmp/$name.out" 2>&1)
  local rc=$?
  cat "$tmp/$name.out"
  # Five checks reported: a loader that ran nothing does not pass.
  if [ "$rc" = 0 ] && grep -q '^0 of 5 checks failed' "$tmp/$name.out"; then
    echo "PASSED $name"
  else
    echo "FAILED $name (exit $rc)"
    status=1
  fi
}

build_and_run "mingw_$arch" "$cc" "${flags[@]}" "$here/caller.c" "$dir/libZEK2.dll.a" \
  -o "$dir/mingw_$arch.exe"
# No C runtime for lld-link: the object needs only the Win32 import libraries.
"$cc" "${flags[@]}" -DZEK_NO_CRT -ffreestanding -fno-stack-protector -mno-stack-arg-probe \
  -fno-asynchronous-unwind-tables -c "$here/caller.c" -o "$tmp/caller.obj" || status=1
build_and_run "msvc_$arch" lld-link -nologo -entry:zek_start -subsystem:console -nodefaultlib \
  "${link[@]}" -out:"$dir/msvc_$arch.exe" "$tmp/caller.obj" "$dir/ZEK2.lib" \
  "$sysroot/libkernel32.a" "$sysroot/libuser32.a"
exit $status
