#!/usr/bin/env bash
# Builds Marquill 32 and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
