#!/usr/bin/env bash
# Builds Marquill 32 and starts it; arguments go to the program (a file to open).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
build build
exec ./build/marquill "$@"
