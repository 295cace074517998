#!/usr/bin/env bash
# Times the Organize window's opening on a tree of 32,000 items under Wine, RUNS times (default 3), and
# prints each run's milliseconds until the window was visible and until it had painted itself whole.
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
    "$root/tests/e2e/run.sh" --build "$build" organize_open_timing >/dev/null || {
        echo "run $run failed; see $build/e2e-artifacts/test_organize_open_timing/test.log" >&2
        exit 1
    }
    echo "run $run: $(tr '\n' ' ' <"$build/e2e-artifacts/test_organize_open_timing/timing.txt")"
done
