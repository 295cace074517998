# The Organize window's place and its settings "I1" to "I6" survive a restart. A stored minimized state
# opens the window normal, and a tree width of 100 twips or less is not used.
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
reg_add "$ORGANIZE_KEY" L 1500
reg_add "$ORGANIZE_KEY" T 1200
reg_add "$ORGANIZE_KEY" W 12000
reg_add "$ORGANIZE_KEY" H 8250
reg_add "$ORGANIZE_KEY" S 1
reg_add "$ORGANIZE_KEY" I6 100
start_karvello
open_organize
expect_eq "$(window_property "$ORGANIZE" visible)" 1 "visible"
# The View settings change through their commands: list view, status bar off, small buttons without text,
# groups only in the left pane.
for command in 1312 1302 1300 1301 1303; do organize_command "$command"; done
screenshot changed-view
post_message "$ORGANIZE" WM_CLOSE
wait_window_gone "$ORGANIZE" 10
# The stored place was used (a window without one is centred at 4/5 of the screen: L would be 1920).
expect_reg_value "$ORGANIZE_KEY" S 0
expect_reg_value "$ORGANIZE_KEY" L 1500
expect_reg_value "$ORGANIZE_KEY" W 12000
# The tree followed the window: a third of the client width less 120 twips, not the 100 stored.
i6=$(reg_query "$ORGANIZE_KEY" I6)
[ "$i6" -gt 2500 ] || e2e_fail "the tree width $i6 was taken from the stored 100"
expected="I1=False I2=keyViewsList I3=False I4=False I5=False I6=$i6"
read_settings() {
    local name line=""
    for name in I1 I2 I3 I4 I5 I6; do line+="$name=$(reg_query "$ORGANIZE_KEY" $name) "; done
    echo "${line% }"
}
expect_eq "$(read_settings)" "$expected" "settings after the first closing"
widths=$(for n in 1 2 3 4 5 6 7; do reg_query "$ORGANIZE_KEY" ICHW$n; done | tr '\n' ' ')
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 10 0

start_karvello
open_organize
screenshot restarted
post_message "$ORGANIZE" WM_CLOSE
wait_window_gone "$ORGANIZE" 10
expect_eq "$(read_settings)" "$expected" "settings after a restart"
expect_eq "$(for n in 1 2 3 4 5 6 7; do reg_query "$ORGANIZE_KEY" ICHW$n; done | tr '\n' ' ')" "$widths" "column widths"
expect_reg_value "$ORGANIZE_KEY" T 1200
expect_reg_value "$ORGANIZE_KEY" H 8250
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 10 0
