#!/bin/sh
# Makes the Windows installer and, under Wine, installs it silently into a scratch folder of the prefix, checks
# the program is there, uninstalls it silently and checks it is gone.
set -eu
build=$1 version=$2 wine=$3
scratch=$build/installer-check
rm -rf "$scratch" && mkdir -p "$scratch"
(cd "$build" && cpack -G NSIS -B "$scratch/out" >/dev/null)
installer=$scratch/out/QuindrelMorvask-$version-windows-x64-setup.exe
[ -f "$installer" ] || { echo "no $installer"; exit 1; }
target='C:\QuindrelMorvaskInstallTest'
unix_target=$(winepath -u "$target" 2>/dev/null)
rm -rf "$unix_target"
"$wine" "$installer" /S "/D=$target"
[ -f "$unix_target/QuindrelMorvask.exe" ] || { echo "the installer put no program into $unix_target"; ls -R "$unix_target" || true; exit 1; }
[ -f "$unix_target/README.md" ] || { echo "no README installed"; exit 1; }
# _?= runs the uninstaller in place, so that wine waits for it.
"$wine" "$unix_target/Uninstall.exe" /S "_?=$target"
[ ! -e "$unix_target/QuindrelMorvask.exe" ] || { echo "the uninstaller left the program"; exit 1; }
rm -rf "$unix_target" "$scratch"
