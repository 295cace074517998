#!/usr/bin/env bash
# Renders the program icon from its SVG sources into resources/Karvello.ico (16 to 256 pixels).
# The .ico is committed, so a Windows build never needs this script; run it after changing an SVG.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert (imagemagick); installs them when missing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/packages.sh"
ensure_packages librsvg2-bin imagemagick

resources=$root/resources
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The small sizes come from the drawing on a 16-pixel grid, the large ones from the detailed drawing.
small_sizes=(16 20 24 32)
large_sizes=(40 48 64 256)
pngs=()
for size in "${small_sizes[@]}"; do
    rsvg-convert -w "$size" -h "$size" "$resources/Karvello-16.svg" -o "$work/$size.png"
    pngs+=("$work/$size.png")
done
for size in "${large_sizes[@]}"; do
    rsvg-convert -w "$size" -h "$size" "$resources/Karvello.svg" -o "$work/$size.png"
    pngs+=("$work/$size.png")
done

convert "${pngs[@]}" "$resources/Karvello.ico"
echo "wrote $resources/Karvello.ico"
identify "$resources/Karvello.ico"
