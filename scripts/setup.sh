#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs what is missing on Debian 12, then
# configures and builds. A second run skips both steps when nothing changed.
set -euo pipefail

packages=(
    g++ cmake ninja-build
    qt6-base-dev qt6-base-private-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
    desktop-file-utils appstream dpkg-dev
)

install_missing_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        # A compiler cache, where the machine has one, makes a second tree cheap.
        local launcher=()
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
    fi
    cmake --build "$dir"
}
