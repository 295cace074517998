# The Options dialog at 150 % scaling: every tab photographed, for a look at clipped texts. (200 % needs a
# larger screen than the tests' virtual one: the dialog is then taller than 800 pixels.)
source "$(dirname "${BASH_SOURCE[0]}")/options_lib.sh"
reg_add 'HKCU\Control Panel\Desktop' LogPixels 144 REG_DWORD
reg_add 'HKCU\Software\Wine\Fonts' LogPixels 144 REG_DWORD
wineserver -k 2>/dev/null || true
start_karvello
open_options
screenshot options-general-150
options_tab 1
toggle_option 5
screenshot options-appearance-150
xdotool key shift+Tab Right Tab
toggle_option 6
screenshot options-advanced-150
press_button Cancel
wait_window_gone "$OPTIONS_DIALOG" 5
post_message "$OPTIONS_MAIN" WM_CLOSE
wait_exit 10 0
