#!/bin/sh
# Installs what the build and the tests need, when it is missing.
set -e
packages="g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 xvfb fvwm googletest
  cmake ninja-build locales fonts-ipafont-gothic fonts-ipafont-mincho
  clang libclang-rt-14-dev proj-bin x11-apps imagemagick"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y $missing
fi
# Wine takes its ANSI code page (932) from the Japanese locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
