# File > Open and File > Save As show the common file dialogs, whose library the program loads only when one
# is first shown: a file chosen in the Open dialog is the one the editor then shows, and Cancel in the Save
# As dialog writes nothing.
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
other='C:\users\Public\other.krvc'
make_root_folders "AAA Kept"
start_karvello
write_other_file "$other"
open_organize
organize_command 1101
dialog=$(wait_window --class '#32770' --title 'Open Configuration File' --visible)
screenshot open-dialog
# 1148 is the file name box of the common dialog (cmb13).
_helper set-text --window "$dialog" --id 1148 --text "$other" || e2e_fail "no file name box in the Open dialog"
answer_messagebox 'Open Configuration File' Open
wait_window_gone "$dialog" 10
sleep 0.5
expect_eq "$(window_property "$ORGANIZE" title)" "Organize Folders - other.krvc" "caption after Open"
expect_contains "$(tree_items)" "C_AAA Été" "the chosen file's shortcut"

listing_before=$(ls "$(win_to_unix 'C:\users\Public')")
organize_command 1105
dialog=$(wait_window --class '#32770' --title 'Save Configuration File As' --visible)
answer_messagebox 'Save Configuration File As' Cancel
wait_window_gone "$dialog" 10
expect_eq "$(ls "$(win_to_unix 'C:\users\Public')")" "$listing_before" "the folder after Cancel"
expect_eq "$(window_property "$ORGANIZE" title)" "Organize Folders - other.krvc" "caption after Cancel"
post_message "$ORGANIZE" WM_CLOSE
wait_window_gone "$ORGANIZE" 10
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 30 0
