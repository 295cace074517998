# The Organize window switching between two groups of 5,000 folder shortcuts: each selection shows all
# 5,000 rows in the list. The time until the selection is back and until the window has painted itself
# whole is written to timing.txt among the artifacts (scripts/organize_open_timing.sh prints it).
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
python3 "$(dirname "${BASH_SOURCE[0]}")/make_large_config.py" "$(win_to_unix "$CONFIG")" 2 5000
start_karvello
open_organize
# The first switch reads the pictures and texts for the first time; the second is the one timed.
for group in "Group 000" "Group 001"; do
    timing=$(_helper time-select "$ORGANIZE" "$group") || e2e_fail "could not select $group"
    expect_contains "$timing" "rows=5000" "the list after selecting $group"
done
echo "$timing" | grep -v '^rows=' | tee timing.txt
# The date columns are written when a row is first shown or asked for: the last row, never painted, has them
# (in the prefix's English (United States) style).
expect_eq "$(list_items 7 | tail -n 1)" $'Folder 001-4999\tFolder Shortcut\t\tC:\\Data\\Folder 1-4999\t\t11/2/2026 5:05:00 PM\t3/14/2026 9:26:53 AM' \
    "the last row of the group"
screenshot group-of-5000
post_message "$ORGANIZE" WM_CLOSE
wait_window_gone "$ORGANIZE" 30
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 30 0
