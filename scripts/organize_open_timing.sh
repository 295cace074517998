#!/usr/bin/env bash
# Times the Organize window under Wine, RUNS times (default 3): its opening on a tree of 32,000 items (the
# milliseconds until the window was visible and until it had painted itself whole), and the switch from one
# group of 5,000 folder shortcuts to another (until the selection was back and until the window had painted).
#
#   scripts/organize_open_timing.sh [--build DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-win
if [ "${1:-}" = --build ]; then
    build=$(realpath "$2")
    shift 2
fi
for run in $(seq "${1:-3}"); do
    for test in organize_open_timing organize_switch_timing; do
        "$root/tests/e2e/run.sh" --build "$build" "$test" >/dev/null || {
            echo "run $run failed; see $build/e2e-artifacts/test_$test/test.log" >&2
            exit 1
        }
        label=open && [ "$test" = organize_switch_timing ] && label=switch
        echo "run $run $label: $(tr '\n' ' ' <"$build/e2e-artifacts/test_$test/timing.txt")"
    done
done
