#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks the tree: every file in
# place and the same bytes as its source, the menu entry and the AppStream
# description accepted by their validators, the installed program answering
# --version without a display.
# Usage: check_install_tree.sh <source dir> <build dir> <icon sizes...>
set -uo pipefail
source_dir=$1
build_dir=$2
shift 2
sizes=("$@")

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$root "${CMAKE_COMMAND:-cmake}" --install "$build_dir" --prefix /usr >"$root.log" 2>&1 \
    || { cat "$root.log"; rm -f "$root.log"; echo "FAIL: cmake --install"; exit 1; }
rm -f "$root.log"
share=$root/usr/share

same() {  # installed file, its source
    if [ ! -f "$1" ]; then fail "missing ${1#"$root"}"
    elif ! cmp -s "$1" "$2"; then fail "${1#"$root"} differs from ${2#"$source_dir"/}"
    fi
}

[ -x "$root/usr/bin/marquill" ] || fail "missing /usr/bin/marquill"
same "$share/marquill/marquill.html" "$source_dir/app/help/marquill.html"
same "$share/icons/hicolor/scalable/apps/marquill.svg" "$source_dir/data/icons/marquill.svg"
for size in "${sizes[@]}"; do
    same "$share/icons/hicolor/${size}x${size}/apps/marquill.png" \
         "$source_dir/data/icons/marquill-$size.png"
done
desktop=$share/applications/marquill.desktop
metainfo=$share/metainfo/org.marquill.Marquill.metainfo.xml
same "$desktop" "$source_dir/data/marquill.desktop"
same "$metainfo" "$source_dir/data/org.marquill.Marquill.metainfo.xml"

# Nothing else: a stray file would end up in the package too.
expected=$((5 + ${#sizes[@]}))
count=$(find "$root" -type f | wc -l)
[ "$count" -eq "$expected" ] || { fail "$count files installed, expected $expected:"; find "$root" -type f; }

# The menu entry starts the installed program on the files handed over.
grep -qx 'Exec=marquill %F' "$desktop" || fail "Exec is not 'marquill %F'"
grep -qx 'Icon=marquill' "$desktop" || fail "Icon is not marquill"
grep -qx 'MimeType=text/html;application/xhtml+xml;' "$desktop" || fail "MimeType"
grep -q '^Name\[ja\]=' "$desktop" || fail "no Japanese name"

desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/marquill" --version 2>&1)
[ "$?" -eq 0 ] || fail "installed marquill --version failed: $version"
[ "$version" = "Marquill 32 $(sed -n 's/^project(Marquill32 VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")" ] \
    || fail "installed marquill --version printed '$version'"

[ "$failures" -eq 0 ] && echo "install tree complete"
[ "$failures" -eq 0 ]
