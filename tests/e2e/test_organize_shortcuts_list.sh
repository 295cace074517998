# Tools > Folder Shortcuts List lists the personal group's folder shortcuts; deleting the ones whose
# folders are gone takes them out of the editor's tree at once.
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
make_root_folders "AAA Kept" "AAA Gone"
start_karvello
rmdir "$WINEPREFIX/drive_c/AAA Gone"
open_organize
organize_command 1400
list=$(wait_window --title 'Folder Shortcuts List' --visible)
sleep 0.5
screenshot shortcuts-list
_helper list-items "$list" 5 >rows.txt
cat rows.txt
expect_contains "$(cat rows.txt)" $'AAA Gone\tPersonal\t\tC:\\AAA Gone\tMissing' "the missing folder"
expect_contains "$(cat rows.txt)" $'AAA Kept\tPersonal\t\tC:\\AAA Kept\tOK' "the folder that is there"
_helper click-button --title 'Folder Shortcuts List' --button 'Delete Missing' >/dev/null
answer_messagebox Karvello Yes
expect_contains "$(messagebox_text Karvello)" "All folder shortcuts with missing target folders have been deleted."
answer_messagebox Karvello OK
sleep 1.5
_helper list-items "$list" 5 >rows-after.txt
if grep -q "AAA Gone" rows-after.txt; then e2e_fail "the missing folder is still listed"; fi
screenshot shortcuts-list-after
_helper click-button --title 'Folder Shortcuts List' --button Close >/dev/null
wait_window_gone "$list" 5
tree_select Personal
list_items >personal.txt
expect_contains "$(cat personal.txt)" "AAA Kept" "the kept shortcut in the editor"
if grep -q "AAA Gone" personal.txt; then e2e_fail "the deleted shortcut is still in the editor"; fi
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 10 0
