#!/usr/bin/env bash
# Reads the links of a refreshed Organized Folders directory with an independent reader, lnkinfo (Debian's
# liblnk-utils), instead of the shell that wrote them.
#
#   tests/win/check-organized-links.sh BUILD_DIR     (BUILD_DIR holds win_tests.exe)
#
# win_tests.exe writes the mirror of a small tree (A, A as Explorer, G\B, with G\C's target missing) into a
# folder kept for this script. Checked per link: the target (the link's local path), the description, that
# no arguments, working directory or icon location are stored, and the show command. lnkinfo 20181227
# prints the show command as 0 whatever the file holds, so the show command is read from the link header
# itself: ShowCommand is the 32-bit little-endian number at offset 0x3C of every shell link.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath "${1:?usage: $0 BUILD_DIR}")
command -v lnkinfo >/dev/null || { echo "lnkinfo not found (apt-get install liblnk-utils)" >&2; exit 2; }

keep=$(mktemp -d /tmp/krv-links.XXXXXX)
trap 'rm -rf "$keep"' EXIT
KARVELLO_ORGANIZED_KEEP="Z:${keep//\//\\}" "$root/tests/win/wine-run.sh" "$build/win_tests.exe" \
    --gtest_filter='OrganizedFoldersOnDiskTest.WritesTheTree*' >/dev/null

directory="$keep/desktop/Organized Folders"
targets="Z:${keep//\//\\}\\targets"
failures=0
check() { # link, expected target
    local link="$directory/$1" info show
    if [ ! -f "$link" ]; then
        echo "FAIL $1: missing"; failures=$((failures + 1)); return
    fi
    info=$(lnkinfo "$link")
    show=$(od -An -tu4 -j60 -N4 "$link" | tr -d ' ')
    if ! grep -qxF "	Local path			: $2" <<<"$info"; then
        echo "FAIL $1: target is not $2"; failures=$((failures + 1))
    elif ! grep -qxF "	Description			: Organized Folder Shortcut" <<<"$info"; then
        echo "FAIL $1: description"; failures=$((failures + 1))
    elif grep -qE 'Contains (a relative path|a working directory|a command line arguments|an icon location)' <<<"$info"; then
        echo "FAIL $1: holds more than target and description"; failures=$((failures + 1))
    elif [ "$show" != 1 ]; then
        echo "FAIL $1: show command $show"; failures=$((failures + 1))
    else
        echo "ok   $1 -> $2"
    fi
}
check "A.lnk" "$targets\\A"
check "A as Explorer.lnk" "$targets\\A"
check "G/B.lnk" "$targets\\B"
if [ -e "$directory/G/C.lnk" ]; then
    echo "FAIL G/C.lnk: written although its target is missing"; failures=$((failures + 1))
else
    echo "ok   G/C.lnk not written (its target is missing)"
fi
echo "$((4 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
