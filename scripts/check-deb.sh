#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get as a user would, checks
# that the installed program answers --version and that its files are where
# the desktop looks for them, then removes the package again.
# Usage: scripts/check-deb.sh [build dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
if dpkg-query -W -f='${Status}' marquill 2>/dev/null | grep -q 'install ok installed'; then
    echo "A marquill package is installed already; not replacing it." >&2
    exit 1
fi

[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target marquill
version=$(sed -n 's/^project(Marquill32 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=$PWD/$build/marquill_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || { echo "cpack made no $deb" >&2; exit 1; }
echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends

remove() { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq marquill >/dev/null || true; }
trap remove EXIT
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$deb" >/dev/null

failures=0
for file in /usr/bin/marquill /usr/share/marquill/marquill.html \
            /usr/share/applications/marquill.desktop \
            /usr/share/metainfo/org.marquill.Marquill.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/marquill.svg \
            /usr/share/icons/hicolor/48x48/apps/marquill.png; do
    dpkg -S "$file" >/dev/null 2>&1 || { echo "FAIL: $file is not in the package"; failures=$((failures + 1)); }
done
printed=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM marquill --version)
echo "== installed: $printed"
[ "$printed" = "Marquill 32 $version" ] || { echo "FAIL: --version printed '$printed'"; failures=$((failures + 1)); }
# The package brings everything the program loads: it starts and shows its
# window on a display-less platform.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 marquill >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || { echo "FAIL: the installed program ended at once ($status)"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "== the package installs and runs"
[ "$failures" -eq 0 ]
