#!/bin/sh
# Installs what the build, the tests and the bundle (llvm-dlltool, lld-link,
# zip) need, when it is missing.
# The i686 lane runs under Debian's 32-bit Wine, so the i386 architecture is
# added before the package lists are read.
set -e
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
packages="g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 wine32:i386 libwine:i386
  xvfb fvwm googletest cmake ninja-build locales fonts-ipafont-gothic fonts-ipafont-mincho
  clang libclang-rt-14-dev proj-bin libproj-dev x11-apps imagemagick llvm lld zip"
need_update=""
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=1
fi
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  need_update=1
fi
if [ -n "$need_update" ]; then
  $SUDO apt-get update
fi
if [ -n "$missing" ]; then
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y $missing
fi
# Wine takes its ANSI code page (932) from the Japanese locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  $SUDO localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
