# "Show Drives" switched off takes the Drives group out of the menu at once.
source "$(dirname "${BASH_SOURCE[0]}")/options_lib.sh"
start_karvello
open_options
options_tab 1
toggle_option 1
press_button OK
wait_window_gone "$OPTIONS_DIALOG" 5
expect_eq "$(menu_top_level | tr '\n' '|')" "Help|-|Personal|System Folders|-|Options|Organize Folders|" \
    "menu without Drives"
expect_reg_value 'HKCU\Software\Tessary\Karvello\Settings' AC1 0
# The menu opens without it, too.
click_tray_icon 1
menu=$(wait_window --class '#32768' --visible)
expect_eq "$(menu_top_level | grep -c Drives || true)" 0 "Drives entries"
xdotool key Escape
wait_window_gone "$menu" 5

post_message "$OPTIONS_MAIN" WM_CLOSE
wait_exit 10 0
