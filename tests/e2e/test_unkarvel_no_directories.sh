# Karvello is not running ("HWND" names no window) and none of the recorded directories exists: no question
# is asked and the uninstall command starts.
source "$(dirname "${BASH_SOURCE[0]}")/unkarvel_lib.sh"
store_uninstall_command
reg_add "$KARVELLO_KEY" HWND 1
reg_add "$SETTINGS_KEY" DirDesktop 'C:\krv\Desktop\Organized Folders' # deleted by hand since

start_program Unkarvel.exe
wait_exit 10 0 # a question would keep it waiting

expect_command_started
expect_no_reg_value "$KARVELLO_KEY" TRANSFER
