# Properties of a shortcut shows its folder's attributes on the Target Folder tab; renaming the folder there
# renames it in the prefix and gives the shortcut the new path.
source "$(dirname "${BASH_SOURCE[0]}")/organize_dialog_lib.sh"
# The prefix keeps drive C from test to test: the folders start afresh.
rm -rf "$(win_to_unix 'C:\Data')"
mkdir -p "$(win_to_unix 'C:\Data\Docs\Sub')"
open_organize /ADD 'C:\Data\Docs'
wait_dialog "New Item" >/dev/null
press "New Item" OK
sleep 0.5
# The new row is selected in the list; the list pane takes the focus, so Properties shows that row.
organize_command $CMD_SWITCH_PANE
organize_command $CMD_PROPERTIES
dialog=$(wait_dialog Properties)
sleep 0.5
screenshot properties-item
expect_eq "$(control_text Properties 2503)" "Docs" "caption"
expect_eq "$(control_text Properties 2507)" 'C:\Data\Docs' "Target Folder"
select_tab Properties 2501 1
screenshot properties-folder
expect_eq "$(control_text Properties 2521)" "Docs" "folder name"
expect_eq "$(control_text Properties 2523)" 'C:\Data' "folder location"
expect_eq "$(control_checked Properties 2529)" 0 "Hidden before"
check_control Properties 2529 1
press Properties Apply
press Properties OK
wait_window_gone "$dialog" 5

organize_command $CMD_PROPERTIES
dialog=$(wait_dialog Properties)
select_tab Properties 2501 1
expect_eq "$(control_checked Properties 2529)" 1 "Hidden as stored on disk"
set_control_text Properties 2521 "Papers"
press Properties Apply
expect_contains "$(messagebox_text Karvello)" 'rename the folder on disc from C:\Data\Docs to C:\Data\Papers ?'
answer_messagebox Karvello Yes
sleep 0.5
press Properties OK
wait_window_gone "$dialog" 5
[ -d "$(win_to_unix 'C:\Data\Papers\Sub')" ] || e2e_fail "the folder was not renamed in the prefix"
[ ! -e "$(win_to_unix 'C:\Data\Docs')" ] || e2e_fail "the old folder is still there"
expect_contains "$(list_items "$ORGANIZE" $ORG_LIST)" $'Docs\tFolder Shortcut\t\tC:\\Data\\Papers' "shortcut"

# Change on the item tab opens the item dialog for the item; what it accepts shows at once.
organize_command $CMD_PROPERTIES
dialog=$(wait_dialog Properties)
press Properties Change
change=$(wait_dialog "Change Shortcut Docs")
set_control_text "Change Shortcut Docs" 2011 "Papers"
press "Change Shortcut Docs" OK
wait_window_gone "$change" 5
expect_eq "$(control_text Properties 2503)" "Papers" "caption after Change"
# The item dialog was owned by the properties dialog: the editor stays disabled under it.
expect_eq "$(window_property "$ORGANIZE" enabled)" 0 "the editor under the properties"
expect_eq "$(window_property "$dialog" enabled)" 1 "the properties after Change"
press Properties OK
wait_window_gone "$dialog" 5
expect_contains "$(list_items "$ORGANIZE" $ORG_LIST)" $'Papers\tFolder Shortcut\t\tC:\\Data\\Papers' "changed shortcut"
