# Closing the Organize window after an edit of the program's own file writes the file and hands the tree to
# the running program without a question: the popup menu shows the change at once.
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
make_root_folders "AAA Kept" "AAA Gone"
start_karvello
expect_contains "$(personal_menu)" "C_AAA Gone" "the entry in the menu before"
open_organize
delete_node "C_AAA Gone"
if tree_items | grep -q "C_AAA Gone"; then e2e_fail "the node is still in the tree"; fi
screenshot after-delete
post_message "$ORGANIZE" WM_CLOSE
wait_window_gone "$ORGANIZE" 10
expect_no_window --title Karvello --visible
records=$(config_records "$CONFIG")
if grep -q "C_AAA Gone" <<<"$records"; then e2e_fail "the deleted shortcut is still in the file"; fi
expect_contains "$records" "C_AAA Kept" "the other shortcuts in the file"
menu=$(personal_menu)
expect_contains "$menu" "C_AAA Kept" "the kept entry in the menu"
if grep -q "C_AAA Gone" <<<"$menu"; then e2e_fail "the deleted shortcut is still in the menu"; fi
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 10 0
