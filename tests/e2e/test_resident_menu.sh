# The icon's button-up opens the owner-drawn popup menu: Help, separator, Personal, System Folders, Drives,
# separator, Options, Organize Folders, with the drives in their group.
start_program Karvello.exe
hwnd=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done

click_tray_icon 1
menu=$(wait_window --class '#32768' --visible)
sleep 0.5
screenshot menu
entries=$(window_menu "$hwnd")
printf '%s\n' "$entries" >"$E2E_ARTIFACTS/menu.txt"
top=$(grep -v '^ ' <<<"$entries")
expected=$'item\t1\tHelp\nseparator\t1\t\npopup\t1\tPersonal\npopup\t1\tSystem Folders\npopup\t1\tDrives\nseparator\t1\t\nitem\t1\tOptions\nitem\t1\tOrganize Folders'
expect_eq "$top" "$expected" "top level of the menu"
expect_contains "$entries" $'popup\t1\tDrives\n  item\t1\tC:' "the Drives group"
if grep -q $'\t0\t' <<<"$entries"; then
    e2e_fail "an entry is not owner-drawn"
fi

# Escape closes it; the right button opens the same menu, also a second time.
xdotool key Escape
wait_window_gone "$menu" 5
click_tray_icon 3
menu=$(wait_window --class '#32768' --visible)
xdotool key Escape
wait_window_gone "$menu" 5
click_tray_icon 1
menu=$(wait_window --class '#32768' --visible)
xdotool key Escape
wait_window_gone "$menu" 5

post_message "$hwnd" WM_CLOSE
wait_exit 10 0
