# With Karvello running (a stand-in window that takes the hand-over message), the uninstaller asks to close
# it; on Yes it writes "/EXIT" to "TRANSFER" and posts the registered message, then asks about the
# directories (No keeps them) and starts the uninstall command.
source "$(dirname "${BASH_SOURCE[0]}")/unkarvel_lib.sh"
store_uninstall_command
make_recorded_folder DirFavorites 'C:\krv\Favorites\Organized Folders'
record='C:\krv\standin.txt'
start_standin "$record"

start_program Unkarvel.exe
expect_eq "$(messagebox_text "$REMOVAL_TITLE")" "$CLOSE_QUESTION" "first question"
screenshot close-question
answer_messagebox "$REMOVAL_TITLE" Yes
expect_eq "$(messagebox_text "$REMOVAL_TITLE")" "$DIRECTORIES_QUESTION" "second question"
answer_messagebox "$REMOVAL_TITLE" No
wait_exit 10 0

E2E_PID=$STANDIN_PID
wait_exit 10
expect_eq "$(tr -d '\r' <"$(win_to_unix "$record")")" "received wParam=0 lParam=0 TRANSFER=/EXIT" "stand-in record"
expect_reg_value "$KARVELLO_KEY" TRANSFER /EXIT
expect_file 'C:\krv\Favorites\Organized Folders\A.lnk'
expect_command_started
