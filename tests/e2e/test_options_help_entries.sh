# Options from the popup menu: switching "Show Help" off and applying takes Help and its separator out of
# the menu (the Drives group, built at the first showing, stays); switching it on again puts them back
# before Personal. The dialog's three tabs are photographed.
source "$(dirname "${BASH_SOURCE[0]}")/options_lib.sh"
start_karvello
open_options
screenshot options-general
options_tab 1
screenshot options-appearance
toggle_option 2
expect_no_reg_value 'HKCU\Software\Tessary\Karvello\Settings' AC2
press_button Apply
expect_reg_value 'HKCU\Software\Tessary\Karvello\Settings' AC2 0
expect_eq "$(menu_top_level | tr '\n' '|')" "Personal|System Folders|Drives|-|Options|Organize Folders|" "menu without Help"

toggle_option 2
press_button Apply
expect_eq "$(menu_top_level | tr '\n' '|')" "Help|-|Personal|System Folders|Drives|-|Options|Organize Folders|" \
    "menu with Help again"
xdotool key shift+Tab Right
sleep 0.3
screenshot options-advanced
press_button OK
wait_window_gone "$OPTIONS_DIALOG" 5
expect_running

post_message "$OPTIONS_MAIN" WM_CLOSE
wait_exit 10 0
