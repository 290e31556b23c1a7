#!/usr/bin/env bash
# Builds both programs and runs every test: the Linux program's (core, Linux file system, the Qt window,
# offscreen), once more built with AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz targets for a few
# seconds each, and the Windows program's (real Win32 calls under Wine, code page 936). Installs what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-packages.sh build fuzz windows

jobs=$(nproc)
echo "== Linux program" >&2
cmake -S . -B build/linux -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build build/linux -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/linux --output-on-failure -j"$jobs" --timeout 300

echo "== Linux program with AddressSanitizer and UndefinedBehaviorSanitizer" >&2
cmake -S . -B build/asan -G Ninja -DBUILD_TESTING=ON -DQM_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/asan -j"$jobs"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j"$jobs" --timeout 600 -E '^package_' 

echo "== Fuzz targets, briefly, on their seed corpus" >&2
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DQM_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j"$jobs"
ctest --test-dir build/fuzz --output-on-failure -j"$jobs"

echo "== Windows program (under Wine)" >&2
cmake -S . -B build/windows -G Ninja -DBUILD_TESTING=ON -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/windows -j"$jobs"
source scripts/wine-env.sh
ctest --test-dir build/windows --output-on-failure --timeout 300
