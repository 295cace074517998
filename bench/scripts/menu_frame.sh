#!/usr/bin/env bash
# The popup menu's submenu of 1,000 entries under Wine (bench/resident/menu_frame.sh): ROUNDS fresh starts
# (default 7), each timing its first showing (cold) and 10 more (warm), then 1,000 showings of one more start
# with its memory read before and after. Prints the median and range of, measured inside the program:
#   pointer -> painted  from the moment the menu loop sees the pointer's move over "Group 000" until the
#                       submenu's first WM_PAINT has returned
#   select -> painted   from that entry's WM_MENUSELECT to the same end
# and where that time went: the program's WM_MEASUREITEM and WM_DRAWITEM answers, the whole measuring and
# drawing spans as Wine runs them, and the rest; then the private memory across the 1,000 showings.
#
#   bench/scripts/menu_frame.sh [--build DIR] [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$root/build-win
if [ "${1:-}" = --build ]; then
    build=$(realpath "$2")
    shift 2
fi
export KARVELLO_BENCH_ROUNDS=${1:-7}
# 1,000 showings take about six minutes, longer than a test may run.
export KARVELLO_E2E_TEST_SECONDS=${KARVELLO_E2E_TEST_SECONDS:-1800}
echo "load before: $(uptime | sed 's/.*load average: //')"
"$root/tests/e2e/run.sh" --build "$build" "$root/bench/resident/menu_frame.sh" >/dev/null || {
    echo "the measurement failed; see $build/e2e-artifacts/menu_frame/test.log" >&2
    exit 1
}
echo "load after:  $(uptime | sed 's/.*load average: //')"
artifacts=$build/e2e-artifacts/menu_frame

# Median and range of a column (1-based in the probe's "shown" line) over the lines of KIND, in ms.
summary() { # KIND COLUMN
    awk -v kind="$1" -v column="$(($2 + 2))" '$2 ~ kind && $column >= 0 { print $column / 1000 }' \
        "$artifacts/timings.txt" | sort -n |
        awk '{ v[NR] = $1 } END { if (NR == 0) { print "-"; exit }
                                  m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                                  printf "%.1f ms (%.1f-%.1f, n=%d)\n", m, v[1], v[NR], NR }'
}

for kind in cold warm memory; do
    echo "== $kind showings"
    printf '  %-44s %s\n' "pointer -> painted" "$(summary "^$kind\$" 3)" \
        "select -> painted" "$(summary "^$kind\$" 4)" \
        "WM_INITMENUPOPUP -> painted" "$(summary "^$kind\$" 5)" \
        "  window made (until the first WM_MEASUREITEM)" "$(summary "^$kind\$" 12)" \
        "  measuring, first to last WM_MEASUREITEM" "$(summary "^$kind\$" 13)" \
        "    of it in the program's 1,000 answers" "$(summary "^$kind\$" 7)" \
        "  shown, until the first WM_DRAWITEM" "$(summary "^$kind\$" 14)" \
        "  drawing, first to last WM_DRAWITEM" "$(summary "^$kind\$" 15)" \
        "    of it in the program's answers" "$(summary "^$kind\$" 9)" \
        "  until the paint returned" "$(summary "^$kind\$" 16)"
    echo "  entries drawn: $(awk -v kind="^$kind\$" '$2 ~ kind { print $10 }' "$artifacts/timings.txt" | sort -u | tr '\n' ' ')"
done

echo "probe's own cost per timed request (ns, one line a start): $(awk '{ print $2 }' "$artifacts/passon.txt" | tr '\n' ' ')"
echo "== memory (showings, Karvello private KB, wineserver private KB, GDI and USER objects as Wine reports them)"
cat "$artifacts/memory.txt"
awk 'NR == 1 { first = $2; server = $3 } { last = $2; lastServer = $3; n = $1 }
     END { printf "Karvello: %+d KB over %d showings; wineserver: %+d KB\n", last - first, n, lastServer - server }' \
    "$artifacts/memory.txt"
