#!/usr/bin/env bash
# Draws the program's PNG icons from data/icons/marquill.svg. The PNGs are
# committed, so building needs no SVG renderer; run this after editing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" data/icons/marquill.svg -o "data/icons/marquill-$size.png"
done
