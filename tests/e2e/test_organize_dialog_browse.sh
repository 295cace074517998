# File > New Item with the Personal group selected opens the item dialog; Browse shows the folder browser,
# the folder chosen there becomes the Target Folder and names the item, and OK adds the shortcut.
source "$(dirname "${BASH_SOURCE[0]}")/organize_dialog_lib.sh"
# The prefix keeps drive C from test to test: the folders start afresh.
rm -rf "$(win_to_unix 'C:\Data')"
mkdir -p "$(win_to_unix 'C:\Data\Music')"
open_organize
select_tree_node Personal
organize_command $CMD_NEW_ITEM
dialog=$(wait_dialog "New Item")
expect_eq "$(control_text "New Item" 2021)" "" "Target Folder before Browse"
press "New Item" "Browse..."
browser="Browse for Targer Folder"
wait_dialog "$browser" >/dev/null
sleep 0.5
screenshot folder-browser
expect_contains "$(dialog_controls "$browser")" "New folder" "the browser's own button"
name_box=$(dialog_controls "$browser" | awk -F'\t' '$2 == "Edit" && $3 == 1 { print $1; exit }')
set_control_text "$browser" "$name_box" 'C:\Data\Music'
press "$browser" OK
sleep 1
expect_eq "$(control_text "New Item" 2021)" 'C:\Data\Music' "Target Folder after Browse"
expect_eq "$(control_text "New Item" 2011)" "Music" "name from the folder"
press "New Item" OK
wait_window_gone "$dialog" 5
expect_contains "$(list_items "$ORGANIZE" $ORG_LIST)" $'Music\tFolder Shortcut\t\tC:\\Data\\Music' "Personal group"
