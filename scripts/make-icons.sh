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

# Renders SVG at each SIZE into the work folder and adds the pictures to the array pngs.
render_sizes() { # SVG SIZE...
    local svg=$1 size png
    shift
    for size in "$@"; do
        png="$work/$(basename "$svg" .svg)-$size.png"
        rsvg-convert -w "$size" -h "$size" "$svg" -o "$png"
        pngs+=("$png")
    done
}

# The small sizes come from the drawing on a 16-pixel grid, the large ones from the detailed drawing.
pngs=()
render_sizes "$resources/Karvello-16.svg" 16 20 24 32
render_sizes "$resources/Karvello.svg" 40 48 64 256
convert "${pngs[@]}" "$resources/Karvello.ico"
echo "wrote $resources/Karvello.ico"
identify "$resources/Karvello.ico"

for svg in "$resources"/icons/*.svg; do
    pngs=()
    render_sizes "$svg" 16 20 24 32 40 48
    convert "${pngs[@]}" "${svg%.svg}.ico"
    echo "wrote ${svg%.svg}.ico"
done
