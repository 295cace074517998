# With "TIP" on, the Organize window opened from the popup menu shows the tip of the day from the tips file
# beside the program; unticking its check box writes "0" at once. Help > Show Tip of the Day opens it again,
# and Help > About shows the About box over the window.
source "$(dirname "${BASH_SOURCE[0]}")/organize_dialog_lib.sh"
install_file "$E2E_BUILD/TIPOFDAY.TXT"
reg_add 'HKCU\Software\Tessary\Karvello\Settings' TIP -1
start_program Karvello.exe
main=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
window_menu "$main" | grep -v '^ ' >menu.txt
position=$(awk -F'\t' '$3 ~ /Organize Folders/ { print NR; exit }' menu.txt)
[ -n "$position" ] || e2e_fail "no Organize Folders entry in the menu"
click_tray_icon 1
wait_window --class '#32768' --visible >/dev/null
# From the bottom of the menu up to the entry: separators are skipped by the keys.
ups=$(awk -F'\t' -v from="$position" 'NR >= from && $1 != "separator"' menu.txt | wc -l)
for _ in $(seq "$ups"); do xdotool key Up; done
xdotool key Return
ORGANIZE=$(wait_window --class KarvelloOrganize --visible)
dialog=$(wait_dialog "Tip of the Day")
sleep 0.5
screenshot tip
tip=$(control_text "Tip of the Day" 2803)
grep -qxF "$tip" "$E2E_PROGRAM_DIR/TIPOFDAY.TXT" || e2e_fail "the tip shown is not a line of the tips file: $tip"
expect_eq "$(control_checked "Tip of the Day" 2804)" 1 "check box with TIP on"
check_control "Tip of the Day" 2804 0
expect_reg_value 'HKCU\Software\Tessary\Karvello\Settings' TIP 0
press "Tip of the Day" OK
wait_window_gone "$dialog" 5

organize_command $CMD_TIP
dialog=$(wait_dialog "Tip of the Day")
expect_eq "$(control_checked "Tip of the Day" 2804)" 0 "check box with TIP off"
press "Tip of the Day" OK
wait_window_gone "$dialog" 5

organize_command 1506 # Help > About
dialog=$(wait_dialog "About Karvello")
sleep 0.5
screenshot about
press "About Karvello" OK
wait_window_gone "$dialog" 5
