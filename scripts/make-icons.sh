#!/usr/bin/env bash
# Renders the program icon from its SVG sources into resources/Karvello.ico (16 to 256 pixels), and each menu
# picture resources/icons/NAME.svg into resources/icons/NAME.ico (16 to 48 pixels: the menu draws them at
# 16 pixels at 100 % scaling, 24 at 150 % and 32 at 200 %).
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

menu_sizes=(16 20 24 32 40 48)
for svg in "$resources"/icons/*.svg; do
    name=$(basename "$svg" .svg)
    pngs=()
    for size in "${menu_sizes[@]}"; do
        rsvg-convert -w "$size" -h "$size" "$svg" -o "$work/$name-$size.png"
        pngs+=("$work/$name-$size.png")
    done
    convert "${pngs[@]}" "$resources/icons/$name.ico"
    echo "wrote $resources/icons/$name.ico"
done
