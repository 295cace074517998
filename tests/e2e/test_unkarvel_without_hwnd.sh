# Without "HWND" (Karvello never ran for this user) the uninstaller does nothing at all: no question, no
# directory deleted, and not even the uninstall command.
source "$(dirname "${BASH_SOURCE[0]}")/unkarvel_lib.sh"
store_uninstall_command
make_recorded_folder DirDesktop 'C:\krv\Desktop\Organized Folders'

start_program Unkarvel.exe
wait_exit 10 0

expect_command_not_started
expect_file 'C:\krv\Desktop\Organized Folders\A.lnk'
expect_no_reg_value "$KARVELLO_KEY" TRANSFER
