#!/usr/bin/env bash
# Builds Karvello for Windows and runs it under Wine: scripts/run.sh [ARGUMENTS FOR KARVELLO...]
# Installs what is missing first (Debian). The programs are copied to C:\Program Files\Karvello in a Wine
# prefix of their own (build-win/wine/run-prefix), which keeps its registry and files from run to run.
# With a display, Karvello runs there until it ends. Without one it runs on a virtual display
# (Xvfb) for KARVELLO_RUN_SECONDS (default 5) seconds; a screenshot of what it shows is saved then.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/packages.sh"
ensure_packages cmake ninja-build g++-mingw-w64-x86-64 wine wine64 xvfb xdotool imagemagick "${wine_display_packages[@]}"

build=$root/build-win
echo "building Karvello (log: build-logs/run-build.log)"
mkdir -p "$root/build-logs"
if ! { cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" &&
    cmake --build "$build" -j "${KARVELLO_JOBS:-2}" --target Karvello Unkarvel; } >"$root/build-logs/run-build.log" 2>&1; then
    tail -40 "$root/build-logs/run-build.log"
    echo "error: the build failed" >&2
    exit 1
fi

source "$root/scripts/lib/wine.sh"
wine_use_prefix "$build/wine/run-prefix"
program_dir="$WINEPREFIX/drive_c/Program Files/Karvello"
mkdir -p "$program_dir"
cp "$build/Karvello.exe" "$build/Unkarvel.exe" "$program_dir/"
cd "$program_dir"

if [ -n "${DISPLAY:-}" ]; then
    echo "running Karvello on $DISPLAY; it ends when you close it"
    exec wine 'C:\Program Files\Karvello\Karvello.exe' "$@"
fi

display_ensure
trap display_stop EXIT
seconds=${KARVELLO_RUN_SECONDS:-5}
echo "no display: running Karvello on a virtual display ($DISPLAY) for $seconds s"
wine 'C:\Program Files\Karvello\Karvello.exe' "$@" &
karvello=$!
sleep "$seconds"

mkdir -p "$build/screenshots"
screenshot=$build/screenshots/karvello-$(date +%Y%m%d-%H%M%S).png
import -display "$DISPLAY" -window root "$screenshot"
if kill -0 "$karvello" 2>/dev/null; then
    echo "Karvello was running after $seconds s."
else
    wait "$karvello" && status=0 || status=$?
    echo "Karvello ended by itself within $seconds s (exit code $status)."
fi
echo "screenshot of the screen: $screenshot"
