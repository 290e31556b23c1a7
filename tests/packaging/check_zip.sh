#!/bin/sh
# Makes the Windows zip and checks what it holds: the single program with its manifest, and the README.
# (The version resource is read back with GetFileVersionInfoA in the window tests.)
set -eu
build=$1
scratch=$build/package-check
rm -rf "$scratch" && mkdir -p "$scratch"
(cd "$build" && cpack -G ZIP -B "$scratch/out" >/dev/null)
zip=$scratch/out/QuindrelMorvask-$2-windows-x64.zip
[ -f "$zip" ] || { echo "no $zip"; exit 1; }
(cd "$scratch" && cmake -E tar xf "$zip")
[ "$(cd "$scratch" && ls | grep -v '^out$' | sort | tr '\n' ' ')" = "QuindrelMorvask.exe README.md " ] ||
  { echo "unexpected files:"; ls "$scratch"; exit 1; }
grep -aq 'requestedExecutionLevel level="asInvoker"' "$scratch/QuindrelMorvask.exe" || { echo "no manifest"; exit 1; }
rm -rf "$scratch"
