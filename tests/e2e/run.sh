#!/usr/bin/env bash
# Runs the end-to-end tests: the built Windows programs under Wine on a virtual display, driven from outside
# as a user would drive them.
#
#   tests/e2e/run.sh [--build DIR] [TEST...]     TEST: test_NAME, NAME or a path to a script; all
#                                                tests/e2e/test_*.sh by default
#
# DIR is the Windows build tree (build-win). Each test gets the same Wine prefix reset to the state it had
# right after its creation (registry and user folders), with the programs freshly copied to
# C:\Program Files\Karvello. Screenshots and logs go to DIR/e2e-artifacts/TEST/. The tests run on an Xvfb
# of their own; KARVELLO_E2E_DISPLAY=:0 runs them on an existing display instead, to watch them. A test
# that runs longer than KARVELLO_E2E_TEST_SECONDS (default 300) is stopped and fails.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$root/build-win
selected=()
while [ $# -gt 0 ]; do
    case $1 in
    --build) build=$(realpath "$2") && shift 2 ;;
    -h | --help) sed -n '2,13p' "$0" && exit 0 ;;
    *) selected+=("$1") && shift ;;
    esac
done

for program in Karvello.exe e2e_helper.exe; do
    if [ ! -f "$build/$program" ]; then
        echo "error: $build/$program is missing; build the Windows configuration first" >&2
        exit 2
    fi
done

tests=()
if [ ${#selected[@]} -eq 0 ]; then
    tests=("$here"/test_*.sh)
else
    for name in "${selected[@]}"; do
        # A path to a script elsewhere (a benchmark's scenario) runs as a test does.
        if [[ $name == */* ]] && [ -f "$name" ]; then
            tests+=("$(realpath "$name")")
            continue
        fi
        name=${name%.sh}
        name=test_${name#test_}
        [ -f "$here/$name.sh" ] || { echo "error: no test $here/$name.sh" >&2 && exit 2; }
        tests+=("$here/$name.sh")
    done
fi

source "$root/scripts/lib/wine.sh"
wine_use_prefix "$build/wine/e2e-prefix"
pristine=$build/wine/e2e-pristine
program_dir_win='C:\Program Files\Karvello'
program_dir=$WINEPREFIX/drive_c/Program\ Files/Karvello

# The state every test starts from: the registry and user folders of the newly created prefix.
if [ ! -d "$pristine" ] || [ "$WINEPREFIX/.karvello-ready" -nt "$pristine" ]; then
    rm -rf "$pristine" "$pristine.tmp"
    mkdir -p "$pristine.tmp"
    cp -a "$WINEPREFIX"/*.reg "$pristine.tmp/"
    cp -a "$WINEPREFIX/drive_c/users" "$pristine.tmp/users"
    mv "$pristine.tmp" "$pristine"
fi

reset_prefix() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
    cp -a "$pristine"/*.reg "$WINEPREFIX/"
    rm -rf "$WINEPREFIX/drive_c/users" "$program_dir"
    cp -a "$pristine/users" "$WINEPREFIX/drive_c/users"
    mkdir -p "$program_dir"
    local program
    for program in Karvello.exe Unkarvel.exe krvc.exe; do
        if [ -f "$build/$program" ]; then
            cp "$build/$program" "$program_dir/"
        elif [ -f "$build/src/tools/$program" ]; then
            cp "$build/src/tools/$program" "$program_dir/"
        fi
    done
}

if [ -n "${KARVELLO_E2E_DISPLAY:-}" ]; then
    export DISPLAY=$KARVELLO_E2E_DISPLAY
else
    display_ensure force || exit 1
fi
trap 'wineserver -k 2>/dev/null; display_stop' EXIT

artifacts_root=$build/e2e-artifacts
test_seconds=${KARVELLO_E2E_TEST_SECONDS:-300}
passed=0
failed=0
for test_file in "${tests[@]}"; do
    name=$(basename "$test_file" .sh)
    artifacts=$artifacts_root/$name
    rm -rf "$artifacts"
    mkdir -p "$artifacts"
    reset_prefix
    started=$(date +%s)
    # A test that hangs is stopped after its time, so that one stuck window cannot hold up the suite.
    E2E_ARTIFACTS=$artifacts E2E_HELPER=$build/e2e_helper.exe E2E_BUILD=$build \
        E2E_PROGRAM_DIR=$program_dir E2E_PROGRAM_DIR_WIN=$program_dir_win \
        timeout --kill-after=10 "$test_seconds" bash -c '
            set -euo pipefail
            source "$1/lib.sh"
            cd "$E2E_ARTIFACTS"
            # shellcheck source=/dev/null
            source "$2"' _ "$here" "$test_file" >"$artifacts/test.log" 2>&1
    status=$?
    seconds=$(($(date +%s) - started))
    if [ $status -eq 124 ] || [ $status -eq 137 ]; then
        echo "FAILED: the test did not end within $test_seconds s" >>"$artifacts/test.log"
    fi
    if [ $status -eq 0 ]; then
        passed=$((passed + 1))
        echo "PASS $name (${seconds} s)"
    else
        failed=$((failed + 1))
        import -display "$DISPLAY" -window root "$artifacts/at-failure.png" 2>/dev/null
        echo "FAIL $name (${seconds} s); log and screenshots in $artifacts:"
        sed 's/^/    /' "$artifacts/test.log" | tail -20
    fi
done

echo "e2e: $passed passed, $failed failed"
[ $failed -eq 0 ]
