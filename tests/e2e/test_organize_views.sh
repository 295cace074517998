# The list's views and the toolbar's looks, switched from the View menu: in Large Icons the items stand in a
# grid of large pictures, none over another; the toolbar shows small buttons and buttons without text. The
# screenshots are for a look at each.
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
make_root_folders "AAA Kept" "BBB Other"
start_karvello
open_organize
tree_select "Personal"

# Rows of a view as "X Y" lines; fails when two rows stand closer than the given distance on both axes.
expect_rows_apart() { # VIEW_NAME MIN_X MIN_Y
    local positions
    positions=$(_helper list-positions "$ORGANIZE") || e2e_fail "no item positions in $1"
    [ "$(wc -l <<<"$positions")" -ge 3 ] || e2e_fail "$1 shows fewer than 3 rows: $positions"
    awk -v dx="$2" -v dy="$3" -v view="$1" '
        { x[NR] = $1; y[NR] = $2 }
        END {
            for (i = 1; i <= NR; i++) for (j = i + 1; j <= NR; j++) {
                ax = x[i] - x[j]; if (ax < 0) ax = -ax
                ay = y[i] - y[j]; if (ay < 0) ay = -ay
                if (ax < dx && ay < dy) { printf "FAILED: %s: rows %d and %d overlap at %s,%s and %s,%s\n", view, i, j, x[i], y[i], x[j], y[j]; exit 1 }
            }
        }' <<<"$positions" >&2 || exit 1
}

organize_command 1310
sleep 0.5
screenshot large-icons
expect_rows_apart "Large Icons" 32 32
organize_command 1311
sleep 0.3
expect_rows_apart "Small Icons" 16 16
organize_command 1313
sleep 0.3
expect_rows_apart "Details" 1 16

organize_command 1300
sleep 0.5
screenshot small-buttons
organize_command 1300
organize_command 1301
sleep 0.5
screenshot buttons-without-text
organize_command 1301

post_message "$ORGANIZE" WM_CLOSE
wait_window_gone "$ORGANIZE" 30
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 30 0
