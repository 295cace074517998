# The Explorer-like keys of the Organize window, pressed on the keyboard: Backspace goes up one level, Tab
# switches to the list, Enter opens the selected group, F5 refreshes keeping the selection, Ctrl+S saves,
# Ctrl+O asks for a file, Alt+Enter shows the properties. The File menu shows the accelerators.
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
start_karvello
open_organize
focus_organize() {
    xdotool search --onlyvisible --name '^Organize Folders$' windowfocus --sync
    sleep 0.3
}
selected_node() { tree_items | grep '^\*' | sed 's/^\* *//'; }
focus_organize
tree_select "System Folders"
expect_eq "$(selected_node)" "System Folders" "selected by the test"
xdotool key BackSpace
sleep 0.3
expect_eq "$(selected_node)" "Organized Folders" "Backspace"
xdotool key Tab
sleep 0.3
_helper list-select "$ORGANIZE" 0
xdotool key Return
sleep 0.5
expect_eq "$(selected_node)" "Personal" "Enter on the first row"
xdotool key F5
sleep 0.5
expect_eq "$(selected_node)" "Personal" "F5 keeps the selection"
expect_contains "$(status_text)" "Personal" "status bar"

xdotool key ctrl+s
expect_eq "$(messagebox_text Karvello)" "Default configuration file is successfully saved." "Ctrl+S"
answer_messagebox Karvello OK
focus_organize
xdotool key ctrl+o
open_dialog=$(wait_window --title 'Open Configuration File' --visible)
screenshot open-dialog
_helper click-button --title 'Open Configuration File' --button Cancel >/dev/null
wait_window_gone "$open_dialog" 5
focus_organize
tree_select "Personal"
# The list still has the focus: Alt+Enter shows the properties of its selected row.
_helper list-select "$ORGANIZE" 1
sleep 0.3
xdotool key alt+Return
properties=$(wait_window --title Properties --visible)
screenshot properties
post_message "$properties" WM_CLOSE
wait_window_gone "$properties" 5

focus_organize
xdotool key alt+f
sleep 0.5
screenshot file-menu
xdotool key Escape Escape
post_message "$ORGANIZE" WM_CLOSE
wait_window_gone "$ORGANIZE" 10
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 10 0
