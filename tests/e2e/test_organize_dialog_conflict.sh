# A shortcut copied into a group that already holds one of that caption asks with the conflict dialog;
# Rename adds it as "Docs2" beside the first copy.
source "$(dirname "${BASH_SOURCE[0]}")/organize_dialog_lib.sh"
# The prefix keeps drive C from test to test: the folders start afresh.
rm -rf "$(win_to_unix 'C:\Data')"
mkdir -p "$(win_to_unix 'C:\Data\Docs')"
open_organize /ADD 'C:\Data\Docs'
wait_dialog "New Item" >/dev/null
title="Replace or Rename Existing Item"
paste_docs_twice_into_projects
dialog=$(wait_dialog "$title")
sleep 0.5
screenshot conflict
expect_contains "$(_helper dialog-text --title "$title")" "This group already contains an item named Docs."
expect_eq "$(control_text "$title" 2105)" 'C:\Data\Docs' "existing item's folder"
expect_contains "$(control_text "$title" 2106)" "created: " "existing item's times"
press "$title" Rename
wait_window_gone "$dialog" 5
rows=$(list_items "$ORGANIZE" $ORG_LIST | cut -f1 | sort | tr '\n' ' ')
expect_eq "$rows" "Docs Docs2 " "the Projects group"
