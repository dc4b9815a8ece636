#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs rsvg-convert, from librsvg2-bin).
# The PNGs are committed, so building Corvanta needs no SVG renderer; run this after changing
# the SVG.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" corvanta.svg -o "corvanta-$size.png"
done
