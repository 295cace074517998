# "DirDesktop" names a folder of the user's that is no Organized Folders directory (any program of the user can
# write that value): it survives, while the real directory in Send To goes, read-only file and all.
source "$(dirname "${BASH_SOURCE[0]}")/unkarvel_lib.sh"
store_uninstall_command
reg_add "$KARVELLO_KEY" HWND 1
make_recorded_folder DirDesktop 'C:\krv\Documents'
make_recorded_folder DirSendTo 'C:\krv\SendTo\Organized Folders'

start_program Unkarvel.exe
expect_eq "$(messagebox_text "$REMOVAL_TITLE")" "$DIRECTORIES_QUESTION" "question"
screenshot directories-question
answer_messagebox "$REMOVAL_TITLE" Yes
wait_exit 10 0

expect_file 'C:\krv\Documents\A.lnk'
expect_file 'C:\krv\Documents\kept by hand.txt'
expect_no_file 'C:\krv\SendTo\Organized Folders'
expect_file 'C:\krv\SendTo'
expect_command_started
