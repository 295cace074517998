# "/ADD" from a second start opens the item dialog for a new Windows Explorer shortcut in the Personal
# group with that Target Folder; OK adds it and its node appears in the tree. A bare drive gets its
# backslash, and another "/ADD" while the dialog is open brings that dialog back instead of a second one.
source "$(dirname "${BASH_SOURCE[0]}")/organize_dialog_lib.sh"
# The prefix keeps drive C from test to test: the folders start afresh.
rm -rf "$(win_to_unix 'C:\Data')"
mkdir -p "$(win_to_unix 'C:\Data\Docs')"
open_organize /ADD 'C:\Data\Docs'
dialog=$(wait_dialog "New Item")
sleep 0.5
screenshot item-dialog
expect_eq "$(control_text "New Item" 2002)" "Folder Shortcut (double pane)" "type"
expect_eq "$(control_text "New Item" 2021)" 'C:\Data\Docs' "Target Folder"
expect_eq "$(control_text "New Item" 2031)" '\\Personal' "Location"
press "New Item" OK
wait_window_gone "$dialog" 5
expect_contains "$(list_items "$ORGANIZE" $ORG_LIST)" $'Docs\tFolder Shortcut\t\tC:\\Data\\Docs' "Personal group"
select_tree_node Docs

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
