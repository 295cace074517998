# File > Information shows the size of the saved file and the tree's statistics; Accept Changes writes the
# edited summary texts into the file, Cancel leaves it as it was.
source "$(dirname "${BASH_SOURCE[0]}")/organize_dialog_lib.sh"
open_organize
organize_command 1104 # File > Save
answer_messagebox Karvello OK
file=$(win_to_unix 'C:\Program Files\Karvello\default.krvc')
bytes=$(stat -c %s "$file")
organize_command $CMD_INFORMATION
dialog=$(wait_dialog Information)
sleep 0.5
screenshot information-general
grouped=$(sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$bytes")
kilobytes=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1024 }')
expect_eq "$(control_text Information 2709)" "$kilobytes KB ($grouped bytes)" "size"
statistics=$(list_items Information 2750)
echo "$statistics"
expect_eq "$(wc -l <<<"$statistics")" 9 "statistics rows"
expect_eq "$(cut -f1 <<<"$statistics" | tr '\n' '|')" "Number of shortcuts|Number of Folder Shortcuts|Number of Windows Explorer Shortcuts|Number of Open-All shortcuts|Number of groups|Show System Folders group|Show Drives group in menu|Show Help in menu|Show Options in menu|" "statistic names"
select_tab Information 2701 1
set_control_text Information 2740 "Work tree"
set_control_text Information 2741 "Ann"
screenshot information-summary
select_tab Information 2701 2
screenshot information-statistics
press Information "Accept Changes"
wait_window_gone "$dialog" 5
grep -a -A1 'SUMMARY_TITLE' "$file" | grep -q "Work tree" || e2e_fail "the title is not in the file"
grep -a -A1 'SUMMARY_AUTHOR' "$file" | grep -q "Ann" || e2e_fail "the author is not in the file"
saved=$(md5sum <"$file")

organize_command $CMD_INFORMATION
dialog=$(wait_dialog Information)
select_tab Information 2701 1
expect_eq "$(control_text Information 2740)" "Work tree" "title read back"
set_control_text Information 2740 "Discarded"
press Information Cancel
wait_window_gone "$dialog" 5
expect_eq "$(md5sum <"$file")" "$saved" "the file after Cancel"
