# Every dialog of the Organize window at 150 % scaling, photographed for a look at clipped texts: the item
# dialog, the conflict dialog, both tabs of Properties, the three of Information, the restore wizard and
# the tip of the day.
source "$(dirname "${BASH_SOURCE[0]}")/organize_dialog_lib.sh"
use_150_percent
install_file "$E2E_BUILD/TIPOFDAY.TXT"
# The prefix keeps drive C from test to test: the folders start afresh.
rm -rf "$(win_to_unix 'C:\Data')"
mkdir -p "$(win_to_unix 'C:\Data\Docs')"
open_organize /ADD 'C:\Data\Docs'
wait_dialog "New Item" >/dev/null
sleep 0.5
screenshot item-dialog-150
paste_docs_twice_into_projects
dialog=$(wait_dialog "Replace or Rename Existing Item")
sleep 0.5
screenshot conflict-150
press "Replace or Rename Existing Item" Cancel
wait_window_gone "$dialog" 5

organize_command $CMD_PROPERTIES
dialog=$(wait_dialog Properties)
sleep 0.5
screenshot properties-item-150
select_tab Properties 2501 1
screenshot properties-folder-150
press Properties Cancel
wait_window_gone "$dialog" 5

organize_command 1104 # File > Save
answer_messagebox Karvello OK
organize_command $CMD_INFORMATION
dialog=$(wait_dialog Information)
sleep 0.5
screenshot information-general-150
select_tab Information 2701 1
screenshot information-summary-150
select_tab Information 2701 2
screenshot information-statistics-150
press Information Cancel
wait_window_gone "$dialog" 5

organize_command $CMD_RESTORE_PERSONAL
dialog=$(wait_dialog "Restore Personal Group Wizard")
sleep 0.5
screenshot wizard-150
press "Restore Personal Group Wizard" Cancel
wait_window_gone "$dialog" 5

organize_command $CMD_TIP
dialog=$(wait_dialog "Tip of the Day")
sleep 0.5
screenshot tip-150
press "Tip of the Day" OK
wait_window_gone "$dialog" 5
expect_running
