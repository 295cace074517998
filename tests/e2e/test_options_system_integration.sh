# The advanced options that reach outside the program: "Load Karvello on Windows startup" writes and deletes
# the start-up value, "Use Windows Explorer context menu extension" registers the verbs for the current
# user with the quoted program path (Windows shows the user's classes in HKEY_CLASSES_ROOT; Wine 8 does
# not, so the test reads them where they are written), and "Show Organized Folders on Desktop" creates the
# Desktop's directory and deletes it again.
source "$(dirname "${BASH_SOURCE[0]}")/options_lib.sh"
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
quoted='"C:\Program Files\Karvello\Karvello.exe"'
directory="C:\\users\\$(id -un)\\Desktop\\Organized Folders"

start_karvello
open_options
options_tab 2
toggle_option 0
toggle_option 1
toggle_option 2
screenshot advanced-checked
press_button Apply
expect_reg_value "$run" Karvello "$quoted"
expect_reg_default 'HKCU\Software\Classes\Directory\shell\Organize Folder' '&Organize Folder'
expect_reg_default 'HKCU\Software\Classes\Directory\shell\Organize Folder\command' "$quoted /ADD %L"
expect_reg_default 'HKCU\Software\Classes\Drive\shell\Organize Drive' '&Organize Drive'
expect_reg_default 'HKCU\Software\Classes\Drive\shell\Organize Drive\command' "$quoted /ADD %L"
expect_file "$directory"
expect_file "$directory\\Desktop.ini"
expect_reg_value 'HKCU\Software\Tessary\Karvello\Settings' DirDesktop "$directory"

toggle_option 0
toggle_option 1
toggle_option 2
press_button OK
wait_window_gone "$OPTIONS_DIALOG" 5
expect_no_reg_value "$run" Karvello
expect_no_reg_key 'HKCU\Software\Classes\Directory\shell\Organize Folder'
expect_no_reg_key 'HKCU\Software\Classes\Drive\shell\Organize Drive'
expect_no_file "$directory"
expect_reg_value 'HKCU\Software\Tessary\Karvello\Settings' ADVC2 0

post_message "$OPTIONS_MAIN" WM_CLOSE
wait_exit 10 0
