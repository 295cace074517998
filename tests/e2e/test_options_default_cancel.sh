# "Default" followed by Cancel leaves the options as they were when the dialog opened: OK in a second
# dialog saves them as they stand in memory. The dialog keeps its place under "frmSet".
source "$(dirname "${BASH_SOURCE[0]}")/options_lib.sh"
settings='HKCU\Software\Tessary\Karvello\Settings'
start_karvello
open_options
options_tab 0
toggle_option 0
press_button Apply
expect_reg_value "$settings" GC0 0
press_button Default
screenshot after-default
press_button Cancel
wait_window_gone "$OPTIONS_DIALOG" 5
expect_reg_value "$settings" GC0 0

open_options
press_button OK
wait_window_gone "$OPTIONS_DIALOG" 5
expect_reg_value "$settings" GC0 0
expect_reg_value "$settings" ADVC0 0
expect_reg_value "$settings" ADVC1 0
expect_no_reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' Karvello
# The dialog's place is kept in twips under its short name; its size is fixed, so only the place.
[[ $(reg_query 'HKCU\Software\Tessary\Karvello\frmSet' L) =~ ^-?[0-9]+$ ]] || e2e_fail "no stored place"
expect_no_reg_value 'HKCU\Software\Tessary\Karvello\frmSet' W

post_message "$OPTIONS_MAIN" WM_CLOSE
wait_exit 10 0
