#!/bin/sh
# Builds the Debian package and checks what a user installing it would get.
# Usage: check-deb.sh BUILD_DIR WORK_DIR APP_ID
set -eu
build=$1
work=$2
id=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(ls "$work"/spindella_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libpulse0 libsndfile1 libcdio19 qt6-qpa-plugins; do
    echo "$depends" | grep -q "$needed" || { echo "missing dependency $needed" >&2; exit 1; }
done
# Native Wayland needs Qt's Wayland platform; X11 runs without it.
dpkg-deb -f "$deb" Recommends | grep -q qt6-wayland || { echo "qt6-wayland not recommended" >&2; exit 1; }
dpkg-deb -x "$deb" "$work/root"
"$here/check-installed.sh" "$work/root/usr" "$id"
