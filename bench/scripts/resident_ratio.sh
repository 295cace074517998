#!/usr/bin/env bash
# The resident program's start-up and private memory under Wine against a bare tray program, measured in one
# run, interleaved: ROUNDS rounds (default 7) of BareTray.exe, Karvello.exe on its default tree and
# Karvello.exe on 5,000 items (bench/resident/resident_ratio.sh). Prints for each the median and range of the
# time from its start to its icon and of its private memory, and the ratio of the medians to the bare one's.
#
#   bench/scripts/resident_ratio.sh [--build DIR] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$root/build-win
if [ "${1:-}" = --build ]; then
    build=$(realpath "$2")
    shift 2
fi
export KARVELLO_BENCH_ROUNDS=${1:-7}
"$root/tests/e2e/run.sh" --build "$build" "$root/bench/resident/resident_ratio.sh" >/dev/null || {
    echo "the measurement failed; see $build/e2e-artifacts/resident_ratio/test.log" >&2
    exit 1
}
figures=$build/e2e-artifacts/resident_ratio/figures.txt
summary() { # PROGRAM TREE COLUMN
    awk -v program="$1" -v tree="$2" -v column="$3" '$1 == program && $2 == tree { print $column }' "$figures" |
        sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                                             printf "%s %s %s\n", m, v[1], v[NR] }'
}
read -r bare_ms _ _ <<<"$(summary bare - 3)"
read -r bare_kb _ _ <<<"$(summary bare - 4)"
printf '%-28s %-30s %-34s\n' "program ($KARVELLO_BENCH_ROUNDS rounds)" "start to icon: median (range)" "private memory: median (range)"
for row in "bare -" "karvello default" "karvello 5000"; do
    read -r program tree <<<"$row"
    read -r ms ms_low ms_high <<<"$(summary "$program" "$tree" 3)"
    read -r kb kb_low kb_high <<<"$(summary "$program" "$tree" 4)"
    printf '%-28s %-30s %-34s\n' "$program $tree" \
        "$ms ms ($ms_low-$ms_high), $(awk -v a="$ms" -v b="$bare_ms" 'BEGIN { printf "%.2fx", a / b }')" \
        "$kb KB ($kb_low-$kb_high), $(awk -v a="$kb" -v b="$bare_kb" 'BEGIN { printf "%.2fx", a / b }')"
done
