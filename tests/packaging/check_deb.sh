#!/bin/sh
# Makes the .deb and checks it without installing it: unpacks it into a scratch folder and looks at its files,
# its desktop entry and its computed dependencies.
set -eu
build=$1
scratch=$build/package-check
rm -rf "$scratch" && mkdir -p "$scratch"
(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/quindrel-morvask_*.deb)
dpkg-deb -x "$deb" "$scratch/root"
for file in usr/bin/quindrel-morvask usr/share/applications/quindrel-morvask.desktop \
            usr/share/icons/hicolor/32x32/apps/quindrel-morvask.png; do
  [ -f "$scratch/root/$file" ] || { echo "missing from the package: $file"; exit 1; }
done
[ -x "$scratch/root/usr/bin/quindrel-morvask" ] || { echo "the program is not executable"; exit 1; }
desktop-file-validate "$scratch/root/usr/share/applications/quindrel-morvask.desktop"
grep -qx 'Name=Quindrel Morvask' "$scratch/root/usr/share/applications/quindrel-morvask.desktop"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
echo "$depends" | grep -q 'libqt6widgets6' || { echo "no computed dependency on Qt"; exit 1; }
dpkg-deb -f "$deb" Version | grep -qx "$2" || { echo "package version is not $2"; exit 1; }
rm -rf "$scratch"
