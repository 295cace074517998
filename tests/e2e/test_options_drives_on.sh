# "Show Drives" switched on while the program runs fills the Drives group at once; the next showing of
# the menu does not fill it a second time.
source "$(dirname "${BASH_SOURCE[0]}")/options_lib.sh"
reg_add 'HKCU\Software\Tessary\Karvello\Settings' AC1 0
start_karvello
open_options
options_tab 1
toggle_option 1
press_button OK
wait_window_gone "$OPTIONS_DIALOG" 5
expect_eq "$(menu_top_level | grep -c '^Drives$' || true)" 1 "Drives groups after OK"
click_tray_icon 1
menu=$(wait_window --class '#32768' --visible)
entries=$(window_menu "$OPTIONS_MAIN")
xdotool key Escape
wait_window_gone "$menu" 5
printf '%s\n' "$entries" >"$E2E_ARTIFACTS/menu.txt"
expect_eq "$(grep -c $'^popup\t1\tDrives$' <<<"$entries" || true)" 1 "Drives groups in the shown menu"
expect_eq "$(grep -c $'^  item\t1\tC:' <<<"$entries" || true)" 1 "entries of drive C"

post_message "$OPTIONS_MAIN" WM_CLOSE
wait_exit 10 0
