# "/OPEN FILE" shows that file's tree in the Organize window, with its name in the caption. Closing after an
# edit asks whether to save that file; No leaves both files and the running menu as they were. A caption
# beyond ASCII shows in both panes.
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
other='C:\users\Public\other.krvc'
make_root_folders "AAA Kept"
start_karvello
write_other_file "$other"
default_before=$(md5sum <"$(win_to_unix "$CONFIG")")
other_before=$(md5sum <"$(win_to_unix "$other")")
start_program Karvello.exe /OPEN "$other"
wait_exit 10 0
ORGANIZE=$(wait_window --class KarvelloOrganize --visible)
sleep 0.5
expect_eq "$(window_property "$ORGANIZE" title)" "Organize Folders - other.krvc" "caption"
tree=$(tree_items)
expect_contains "$tree" "C_AAA Été" "the other file's shortcut"
if grep -q "C_AAA Kept" <<<"$tree"; then e2e_fail "the tree is the default file's"; fi
expect_no_window --title Karvello --visible
tree_select Personal
expect_contains "$(list_items 4)" $'C_AAA Été\tFolder Shortcut\t\tC:\\AAA Été' "the row in the list"
screenshot other-file
delete_node "C_AAA Été"
post_message "$ORGANIZE" WM_CLOSE
expect_eq "$(messagebox_text Karvello)" "Do you want to save the changes you made to other.krvc?" "question"
answer_messagebox Karvello No
wait_window_gone "$ORGANIZE" 10
expect_eq "$(md5sum <"$(win_to_unix "$CONFIG")")" "$default_before" "the default file"
expect_eq "$(md5sum <"$(win_to_unix "$other")")" "$other_before" "the other file"
menu=$(personal_menu)
expect_contains "$menu" "C_AAA Kept" "the running menu"
if grep -q "C_AAA Été" <<<"$menu"; then e2e_fail "the menu shows the other file"; fi
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 10 0
