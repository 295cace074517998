# Choosing a folder shortcut starts Explorer with the shortcut's argument; a shortcut whose folder has gone
# shows the question, and Yes takes it out of the menu and out of the configuration file at once.
config='C:\Program Files\Karvello\default.krvc'
mkdir -p "$WINEPREFIX/drive_c/AAA Gone"
start_program Karvello.exe
hwnd=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
expect_contains "$(config_records "$config")" $'\nC_AAA Gone\n' "the shortcut in the file"

# The personal group is sorted by caption: "C_AAA Gone" first, "C_Program Files" second; both open in
# Explorer's double pane, as the default content does.
open_personal_entry() { # POSITION (1-based)
    click_tray_icon 1
    wait_window --class '#32768' --visible >/dev/null
    xdotool key Down Down Right
    sleep 0.3
    local i
    for ((i = 1; i < $1; i++)); do xdotool key Down; done
    xdotool key Return
}

open_personal_entry 2
wait_command_line 'EXPLORER.EXE /e,C:\Program Files'
screenshot explorer
# Explorer's window opens over the notification area; it goes before the next click there.
explorer=$(wait_window --class ExplorerWClass --visible)
post_message "$explorer" WM_CLOSE
wait_window_gone "$explorer"

rmdir "$WINEPREFIX/drive_c/AAA Gone"
open_personal_entry 1
text=$(messagebox_text Karvello)
expect_eq "$text" "The path 'C:\\AAA Gone' does not exist or is not a directory. Do you want to delete the shortcut from the list?" "question"
screenshot question
answer_messagebox Karvello Yes
sleep 1
if command_lines | grep -F 'AAA Gone' >/dev/null; then
    e2e_fail "Explorer was started for the missing folder"
fi
entries=$(window_menu "$hwnd")
if grep -q 'C_AAA Gone' <<<"$entries"; then
    e2e_fail "the deleted shortcut is still in the menu"
fi
expect_contains "$entries" $'popup\t1\tPersonal\n  item\t1\tC_Program Files' "the personal group after the deletion"
if config_records "$config" | grep -qx 'C_AAA Gone'; then
    e2e_fail "the deleted shortcut is still in the configuration file"
fi

post_message "$hwnd" WM_CLOSE
wait_exit 10 0
