#!/usr/bin/env bash
# Builds the Linux program and opens its window (installs what is missing).
# With --windows, builds the Windows program instead and starts it under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ "${1:-}" = "--windows" ]; then
  scripts/install-packages.sh build windows fonts
  cmake -S . -B build/windows -G Ninja -DBUILD_TESTING=OFF -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build build/windows --target QuindrelMorvask
  # Code page 936: the program's texts and file names are GBK, as on a Chinese Windows.
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' || localedef --no-archive -i zh_CN -f UTF-8 zh_CN.UTF-8
  LC_ALL=zh_CN.UTF-8 exec wine build/windows/QuindrelMorvask.exe
fi
scripts/install-packages.sh build fonts
cmake -S . -B build/linux -G Ninja -DBUILD_TESTING=OFF >/dev/null
cmake --build build/linux --target quindrel-morvask
exec build/linux/quindrel-morvask
