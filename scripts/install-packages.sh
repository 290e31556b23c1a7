#!/usr/bin/env bash
# Installs with apt whatever of the named package sets is missing: build (the Linux program and its tests),
# fuzz (libFuzzer with clang), windows (cross-building the Windows program and running it under Wine), fonts (Chinese text on screen).
set -euo pipefail
declare -A sets=(
  [build]="cmake ninja-build g++ make pkg-config googletest libgtest-dev qt6-base-dev libgl-dev dpkg-dev desktop-file-utils"
  [fuzz]="clang libclang-rt-14-dev"
  [windows]="g++-mingw-w64-x86-64-posix wine wine64 xvfb x11-utils locales nsis"
  [fonts]="fonts-noto-cjk"
)
missing=()
for set in "$@"; do
  for package in ${sets[$set]}; do
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$package")
  done
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null 2>&1 ||
  { $sudo apt-get update -qq >/dev/null && $sudo apt-get install -y -qq "${missing[@]}" >/dev/null; }
