# The Organize window opened by a hand-over on a tree of 32,000 items (320 groups of 100), every item a node
# of its tree. The test checks that the window shows the whole tree; the time until the window is visible
# and until it has painted itself whole is written to timing.txt among the artifacts
# (scripts/organize_open_timing.sh prints it).
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
python3 "$(dirname "${BASH_SOURCE[0]}")/make_large_config.py" "$(win_to_unix "$CONFIG")" 320
start_karvello
timing=$(_helper time-open "$ORGANIZE_MAIN" KarvelloOrganize) || e2e_fail "the Organize window did not open"
echo "$timing" | tee timing.txt
ORGANIZE=$(wait_window --class KarvelloOrganize --visible)
nodes=$(_helper tree-count "$ORGANIZE") || e2e_fail "no node count: $nodes"
# The root, the personal group and its 32,000 items, and the generated groups and their entries.
[ "$nodes" -gt 32001 ] || e2e_fail "the tree holds $nodes nodes"
screenshot large-tree
post_message "$ORGANIZE" WM_CLOSE
wait_window_gone "$ORGANIZE" 30
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 30 0
