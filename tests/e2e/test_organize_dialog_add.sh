# "/ADD" from a second start opens the item dialog for a new Windows Explorer shortcut in the Personal
# group with that Target Folder; OK adds it, its node appears in the tree and its keyboard shortcut works at
# once. A bare drive gets its backslash, and another "/ADD" while the dialog is open brings that dialog back
# instead of a second one.
source "$(dirname "${BASH_SOURCE[0]}")/organize_dialog_lib.sh"
# The prefix keeps drive C from test to test: the folders start afresh.
rm -rf "$(win_to_unix 'C:\Data')"
mkdir -p "$(win_to_unix 'C:\Data\Docs')"
reg_add 'HKCU\Software\Tessary\Karvello\Settings' ADVC7 -1
open_organize /ADD 'C:\Data\Docs'
dialog=$(wait_dialog "New Item")
sleep 0.5
screenshot item-dialog
expect_eq "$(control_text "New Item" 2002)" "Folder Shortcut (double pane)" "type"
expect_eq "$(control_text "New Item" 2021)" 'C:\Data\Docs' "Target Folder"
expect_eq "$(control_text "New Item" 2031)" '\\Personal' "Location"
# The keyboard entries: none, then Shift+Ctrl+0 to 9.
select_combo_entry "New Item" 2041 2
expect_eq "$(control_text "New Item" 2041)" "Shift+Ctrl+1" "keyboard shortcut"
press "New Item" OK
wait_window_gone "$dialog" 5
expect_contains "$(list_items "$ORGANIZE" $ORG_LIST)" $'Docs\tFolder Shortcut\tShift+Ctrl+1\tC:\\Data\\Docs' "Personal group"
select_tree_node Docs
# Wine hears the keyboard only through a focused window of its own: Notepad stands in for the application
# the user works in.
(wine notepad.exe >/dev/null 2>&1 &)
wait_window --class Notepad --visible >/dev/null
xdotool search --sync --onlyvisible --name Notepad windowactivate --sync 2>/dev/null ||
    xdotool search --onlyvisible --name Notepad windowfocus 2>/dev/null || true
sleep 0.5
xdotool key ctrl+shift+1
wait_command_line 'EXPLORER.EXE /e,C:\Data\Docs'

start_program Karvello.exe /ADD 'C:'
wait_exit 10 0
E2E_PID=$KARVELLO_PID
dialog=$(wait_dialog "New Item")
expect_eq "$(control_text "New Item" 2021)" 'C:\' "bare drive"
start_program Karvello.exe /ADD 'C:\Data'
wait_exit 10 0
E2E_PID=$KARVELLO_PID
sleep 1
expect_eq "$(_helper list-windows | awk -F'\t' '$2 == 1 && $4 == "New Item"' | wc -l)" 1 "item dialogs open"
expect_eq "$(control_text "New Item" 2021)" 'C:\' "the open dialog's folder"
press "New Item" Cancel
wait_window_gone "$dialog" 5
expect_running
