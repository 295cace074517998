#!/usr/bin/env bash
# Runs a Windows test program under Wine: wine-run.sh PROGRAM.exe [ARGUMENTS...]
# CMake uses it as the cross-compiling emulator, so `ctest --test-dir build-win` runs win_tests.exe here.
# The Wine prefix is KARVELLO_WINEPREFIX, by default wine/prefix beside the program (inside the build tree);
# it is created on first use and reused after that. Without a DISPLAY the program gets its own Xvfb.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/lib/wine.sh"

if [ $# -lt 1 ]; then
    echo "usage: $0 PROGRAM.exe [ARGUMENTS...]" >&2
    exit 2
fi
program=$(realpath "$1")
shift

wine_use_prefix "${KARVELLO_WINEPREFIX:-$(dirname "$program")/wine/prefix}"
display_ensure
trap display_stop EXIT

status=0
wine "$program" "$@" || status=$?
exit "$status"
