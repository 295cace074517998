#!/usr/bin/env bash
# Runs every test of the project on a Debian machine, installing what is missing first:
#   1. native Debug build with AddressSanitizer and UndefinedBehaviorSanitizer, and the unit tests
#   2. native clang build of the libFuzzer targets, each fuzzed for its share of FUZZ_SECONDS (default 60)
#   3. Windows x86_64 and i686 builds (MinGW-w64), each with its help file, installer and portable zip; the
#      help files read back by CHMLIB; win_tests.exe of both under Wine (the 32-bit one under Debian's wine32),
#      the shell links read by lnkinfo; then the end-to-end tests of both architectures side by side, each in
#      a Wine prefix and on a virtual display of its own. Where wine32 cannot be installed or started, the
#      suites that run the 32-bit programs are reported as skipped, with the reason.
# Each suite counts once; the last line reads "N passed, N failed" and the exit code is 1 on any failure.
# Build logs go to build-logs/; the build trees (build-native, build-fuzz, build-win, build-win32) are
# reused by later runs.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 1
source "$root/scripts/lib/packages.sh"

jobs=${KARVELLO_JOBS:-2}
logs=$root/build-logs
mkdir -p "$logs"
started_all=$(date +%s)

ensure_packages cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev clang-14 libclang-rt-14-dev \
    g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 xvfb xdotool imagemagick liblnk-utils \
    fp-utils python3-chm nsis "${wine_display_packages[@]}" || {
    echo "error: could not install the tools the tests need" >&2
    exit 1
}
# The 32-bit programs are built and packed in any case; they run only where wine32 can be installed and
# started (see the i686 suites below).
ensure_i386_architecture && KARVELLO_APT_ATTEMPTS=2 ensure_packages "${wine32_packages[@]}" ||
    echo "warning: wine32 could not be installed; the 32-bit programs will not be run" >&2
source "$root/scripts/lib/wine.sh"

# --- Bookkeeping ------------------------------------------------------------------------------------------
results=()
passed=0
failed=0

# record pass|fail|skip NAME DETAIL
record() {
    local mark
    case $1 in
    pass) mark=PASS && passed=$((passed + 1)) ;;
    fail) mark=FAIL && failed=$((failed + 1)) ;;
    skip) mark=SKIP ;;
    esac
    results+=("$(printf '%-5s %-20s %s' "$mark" "$2" "$3")")
    echo "== $mark $2 $3"
}

# Runs a build command with its output in build-logs/NAME.log; shows the end of the log when it fails.
build_step() { # NAME COMMAND...
    local name=$1 start
    shift
    start=$(date +%s)
    echo "== building $name"
    if "$@" >"$logs/$name.log" 2>&1; then
        record pass "$name" "($(($(date +%s) - start)) s)"
        return 0
    fi
    tail -40 "$logs/$name.log"
    record fail "$name" "($(($(date +%s) - start)) s, log: build-logs/$name.log)"
    return 1
}

configure_and_build() { # BUILD_DIR CMAKE_ARGUMENTS...
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -G Ninja "$@" && cmake --build "$dir" -j "$jobs"
}

# The closing lines of a test program, for the summary: GoogleTest's ("N tests" or "N of M tests failed"),
# or a script's own "N passed, N failed".
gtest_counts() { # LOG
    local total failures plain
    plain=$(grep -Eo '^[0-9]+ passed, [0-9]+ failed' "$1" | tail -1)
    if [ -n "$plain" ]; then
        echo "$plain"
        return
    fi
    total=$(grep -Eo '^\[==========\] [0-9]+ tests? from' "$1" | grep -Eo '[0-9]+' | head -1)
    failures=$(grep -Eo '^\[  FAILED  \] [0-9]+ tests?,' "$1" | grep -Eo '[0-9]+' | head -1)
    if [ -n "$failures" ]; then
        echo "$failures of ${total:-?} tests failed"
    else
        echo "${total:-0} tests"
    fi
}

# Runs a test program, its output shown and kept in build-logs/NAME.log.
test_step() { # NAME COMMAND...
    local name=$1 start status
    shift
    start=$(date +%s)
    echo "== running $name"
    "$@" 2>&1 | tee "$logs/$name.log"
    status=${PIPESTATUS[0]}
    local detail
    detail="$(gtest_counts "$logs/$name.log"), $(($(date +%s) - start)) s"
    if [ "$status" -eq 0 ]; then
        record pass "$name" "($detail)"
    else
        record fail "$name" "($detail, exit code $status)"
    fi
}

# --- 1. Native build and unit tests -----------------------------------------------------------------------
if build_step native-build configure_and_build "$root/build-native" -DCMAKE_BUILD_TYPE=Debug -DKARVELLO_SANITIZE=ON; then
    if [ -x "$root/build-native/unit_tests" ]; then
        test_step unit "$root/build-native/unit_tests" --gtest_brief=1
    elif [ -z "$(find "$root/tests/unit" -name '*.cpp' 2>/dev/null)" ]; then
        record skip unit "(no unit tests yet)"
    else
        record fail unit "(tests/unit has sources but build-native/unit_tests was not built)"
    fi
fi

# --- 2. Fuzz targets --------------------------------------------------------------------------------------
fuzz_targets=()
for source in "$root"/tests/fuzz/*.cpp; do
    [ -f "$source" ] && fuzz_targets+=("$(basename "$source" .cpp)")
done
if [ ${#fuzz_targets[@]} -eq 0 ]; then
    record skip fuzz "(no fuzz targets yet)"
elif build_step fuzz-build bash -c 'cmake -S "$1" -B "$1/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DKARVELLO_FUZZ=ON &&
        cmake --build "$1/build-fuzz" -j "$2" --target "${@:3}"' _ "$root" "$jobs" "${fuzz_targets[@]}"; then
    # The time budget is shared fairly; each target gets at least 10 s.
    budget=${FUZZ_SECONDS:-60}
    share=$((budget / ${#fuzz_targets[@]}))
    [ $share -lt 10 ] && share=10
    fuzz_failed=()
    for target in "${fuzz_targets[@]}"; do
        corpus=$root/build-fuzz/corpus/$target
        artifacts=$root/build-fuzz/findings/$target
        mkdir -p "$corpus" "$artifacts"
        directories=("$corpus")
        [ -d "$root/tests/fuzz/corpus/$target" ] && directories+=("$root/tests/fuzz/corpus/$target")
        echo "== fuzzing $target for $share s"
        if "$root/build-fuzz/$target" "${directories[@]}" -max_total_time="$share" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$artifacts/" -print_final_stats=1 >"$logs/fuzz-$target.log" 2>&1; then
            grep -E '^stat::number_of_executed_units' "$logs/fuzz-$target.log" | sed "s/^/   $target: /"
        else
            tail -30 "$logs/fuzz-$target.log"
            fuzz_failed+=("$target")
        fi
    done
    if [ ${#fuzz_failed[@]} -eq 0 ]; then
        record pass fuzz "(${#fuzz_targets[@]} targets, $share s each)"
    else
        record fail fuzz "(findings in ${fuzz_failed[*]}: see build-fuzz/findings/ and build-logs/fuzz-*.log)"
    fi
fi

# --- 3. Windows x86_64 and i686: builds, help files, win tests, end-to-end tests --------------------------
# Each build tree makes its programs, the win tests and Karvello.chm, then the installer and the portable zip.
# The suites of a tree are named with its suffix: win, e2e for x86_64; win-i686, e2e-i686 for i686.
windows_trees=()
for arch in x86_64 i686; do
    tree=build-win && [ $arch = i686 ] && tree=build-win32
    if build_step windows-$arch-build configure_and_build "$root/$tree" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-$arch.cmake"; then
        windows_trees+=("$tree")
        build_step packages-$arch cmake --build "$root/$tree" -j "$jobs" --target installer portable
    fi
done
tree_suffix() { [ "$1" = build-win32 ] && echo -i686; }

# Where 32-bit programs cannot run, the i686 tree's suites that run its programs are skipped with the reason.
runnable_trees=()
for tree in "${windows_trees[@]}"; do
    if [ "$tree" = build-win32 ] && why=$(wine_32bit_missing); then
        for suite in win shell-links e2e; do
            record skip "$suite-i686" "(the 32-bit programs were built but not run: $why)"
        done
        continue
    fi
    runnable_trees+=("$tree")
done

for tree in "${windows_trees[@]}"; do
    suffix=$(tree_suffix "$tree")
    test_step "help$suffix" "$root/tests/help/check-chm.py" "$root/$tree/Karvello.chm" "$root/resources/help"
    if [[ " ${runnable_trees[*]} " != *" $tree "* ]]; then
        continue
    elif [ -f "$root/$tree/win_tests.exe" ]; then
        rm -rf "$root/$tree/win-screenshots"
        test_step "win$suffix" "$root/tests/win/wine-run.sh" "$root/$tree/win_tests.exe" --gtest_brief=1
        # The win tests draw the pause window and the About box into .bmp files; they are kept as PNG
        # beside the end-to-end screenshots.
        dialogs=$root/$tree/e2e-artifacts/dialogs
        rm -rf "$dialogs" && mkdir -p "$dialogs"
        for picture in "$root/$tree"/win-screenshots/*.bmp; do
            [ -f "$picture" ] && convert "$picture" "$dialogs/$(basename "$picture" .bmp).png"
        done
        # The Organized Folders links once more, read by lnkinfo instead of the shell that wrote them.
        test_step "shell-links$suffix" "$root/tests/win/check-organized-links.sh" "$root/$tree"
    else
        record skip "win$suffix" "(no tests/win sources)"
    fi
done

# The two architectures' end-to-end suites run at the same time, each on its own Xvfb and in its own prefix,
# so that the whole suite runs for both within the time of the slower one.
e2e_pids=()
for tree in "${runnable_trees[@]}"; do
    suffix=$(tree_suffix "$tree")
    echo "== running e2e$suffix (log: build-logs/e2e$suffix.log)"
    "$root/tests/e2e/run.sh" --build "$root/$tree" >"$logs/e2e$suffix.log" 2>&1 &
    e2e_pids+=($!)
done
e2e_started=$(date +%s)
for index in "${!e2e_pids[@]}"; do
    tree=${runnable_trees[$index]}
    suffix=$(tree_suffix "$tree")
    status=0
    wait "${e2e_pids[$index]}" || status=$?
    cat "$logs/e2e$suffix.log"
    counts=$(grep -Eo '^e2e: [0-9]+ passed, [0-9]+ failed' "$logs/e2e$suffix.log" | sed 's/^e2e: //')
    if [ "$status" -eq 0 ]; then
        record pass "e2e$suffix" "(${counts:-?}, $(($(date +%s) - e2e_started)) s, artifacts: $tree/e2e-artifacts/)"
    else
        record fail "e2e$suffix" "(${counts:-?}, artifacts: $tree/e2e-artifacts/)"
    fi
done

# --- Summary ----------------------------------------------------------------------------------------------
echo
echo "==== summary ($(($(date +%s) - started_all)) s) ===="
printf '%s\n' "${results[@]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
