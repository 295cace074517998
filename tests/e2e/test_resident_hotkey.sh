# With keyboard shortcuts on, Shift+Ctrl+5 opens the shortcut bound to the digit 5 (key code 53); Ctrl+5
# alone does not.
config='C:\Program Files\Karvello\default.krvc'
start_program Karvello.exe
hwnd=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do [ -s "$(win_to_unix "$config")" ] && break; sleep 0.1; done
post_message "$hwnd" WM_CLOSE
wait_exit 10 0

# Bind "C_windows" to the digit 5: an item's keyboard code is its 18th record, its caption the 3rd.
file=$(win_to_unix "$config")
tr '\0' '\n' <"$file" | awk '$0 == "C_windows" { code = NR + 15 } { print (NR == code ? "53" : $0) }' |
    tr '\n' '\0' >"$file.new"
mv "$file.new" "$file"
expect_contains "$(config_records "$config")" $'\n53\n' "the bound key code"
reg_add 'HKCU\Software\Tessary\Karvello\Settings' ADVC7 -1

start_program Karvello.exe
hwnd=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
# Wine hears the keyboard only through a window of its own that has the focus: Notepad stands in for
# whatever application the user works in.
(wine notepad.exe >/dev/null 2>&1 &)
notepad=$(wait_window --class Notepad --visible)
xdotool search --sync --onlyvisible --name Notepad windowactivate --sync 2>/dev/null ||
    xdotool search --onlyvisible --name Notepad windowfocus 2>/dev/null || true
sleep 0.5
xdotool key ctrl+5
sleep 1
if command_lines | grep -F 'EXPLORER.EXE' | grep -F 'C:\windows' >/dev/null; then
    e2e_fail "Ctrl+5 alone opened the shortcut"
fi
xdotool key ctrl+shift+5
wait_command_line 'EXPLORER.EXE /e,C:\windows'
screenshot opened

post_message "$hwnd" WM_CLOSE
wait_exit 10 0
