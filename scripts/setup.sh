#!/usr/bin/env bash
# Makes sure the tools Telvorin builds with are on this machine: installs
# what is missing with apt-get when run as root, and otherwise names the
# Debian packages to install. Usage: scripts/setup.sh [tests] [windows] [clang]
set -euo pipefail

want_tests=0 want_windows=0 want_clang=0
for what in "$@"; do
  case "$what" in
    tests) want_tests=1 ;;
    windows) want_windows=1 ;;
    clang) want_clang=1 ;;
    *) echo "setup.sh: unknown option $what" >&2; exit 2 ;;
  esac
done

missing=()
command -v cmake >/dev/null 2>&1 || missing+=(cmake)
command -v g++ >/dev/null 2>&1 || missing+=(g++)
command -v make >/dev/null 2>&1 || command -v ninja >/dev/null 2>&1 || missing+=(make)
if [ "$want_tests" = 1 ] && ! dpkg -s libgtest-dev >/dev/null 2>&1 \
   && [ ! -f /usr/include/gtest/gtest.h ]; then
  missing+=(libgtest-dev)
fi
if [ "$want_windows" = 1 ] && ! command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
  missing+=(g++-mingw-w64-x86-64-posix)
fi
if [ "$want_clang" = 1 ]; then
  command -v clang++ >/dev/null 2>&1 || missing+=(clang)
  dpkg -s libclang-rt-14-dev >/dev/null 2>&1 || ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 \
    || missing+=(libclang-rt-14-dev)
fi

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  echo "Installing ${missing[*]} ..."
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
