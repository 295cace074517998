# Tools > Restore > Personal Group with the fourth choice puts one group per fixed disk into the Personal
# group, tells so, and leaves the file alone until the tree is saved.
source "$(dirname "${BASH_SOURCE[0]}")/organize_dialog_lib.sh"
open_organize
select_tree_node Personal
before=$(list_items "$ORGANIZE" $ORG_LIST)
file=$(win_to_unix 'C:\Program Files\Karvello\default.krvc')
file_before=$(md5sum <"$file" 2>/dev/null || echo none)
organize_command $CMD_RESTORE_PERSONAL
wizard="Restore Personal Group Wizard"
dialog=$(wait_dialog "$wizard")
sleep 0.5
screenshot wizard
expect_contains "$(control_text "$wizard" 2604)" "select how you want to restore Personal group"
check_control "$wizard" 2613 1
press "$wizard" Finish
expect_eq "$(messagebox_text Karvello)" "Content of Personal group has been successfully restored."
answer_messagebox Karvello OK
wait_window_gone "$dialog" 5
select_tree_node Personal
after=$(list_items "$ORGANIZE" $ORG_LIST)
echo "$after"
[ "$after" != "$before" ] || e2e_fail "the Personal group is unchanged"
expect_eq "$(awk -F'\t' '$2 != "Group"' <<<"$after" | wc -l)" 0 "rows that are no group"
expect_contains "$(cut -f1 <<<"$after" | tr '\n' ' ')" "C " "the groups of the fixed disks"
expect_eq "$(md5sum <"$file" 2>/dev/null || echo none)" "$file_before" "the file after restoring"
