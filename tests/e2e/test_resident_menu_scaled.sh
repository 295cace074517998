# The popup menu at 100 %, 150 % and 200 % scaling: an entry's height and its highlight grow with the DPI
# (19, 29 and 38 pixels), measured on the red bar of a highlighted folder shortcut. The screenshots are for a
# look at clipped or blurred entries and icons.
red_bar_height() { # PNG: height of the box around the pure red pixels
    local box
    box=$(convert "$1" -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' -trim -format '%h' info:)
    echo "$box"
}

menu_at() { # DPI
    reg_add 'HKCU\Control Panel\Desktop' LogPixels "$1" REG_DWORD
    reg_add 'HKCU\Software\Wine\Fonts' LogPixels "$1" REG_DWORD
    wineserver -k 2>/dev/null || true
    start_program Karvello.exe
    local hwnd
    hwnd=$(wait_window --class KarvelloMain)
    for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
    click_tray_icon 1
    wait_window --class '#32768' --visible >/dev/null
    xdotool key Down Down Right
    sleep 0.5
    local picture
    picture=$(screenshot "menu-$1")
    expect_eq "$(red_bar_height "$picture")" "$2" "height of a highlighted entry at $1 DPI"
    xdotool key Escape Escape
    post_message "$hwnd" WM_CLOSE
    wait_exit 10 0
}

menu_at 96 19
menu_at 144 29
menu_at 192 38
