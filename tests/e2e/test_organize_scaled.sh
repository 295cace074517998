# The Organize window at 100 % and 150 % scaling, with its View menu open and with the folder shortcuts
# list over it: the screenshots are for a look at clipped texts and pictures. The toolbar's buttons and the
# status bar grow with the DPI.
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
organize_at() { # DPI
    reg_add 'HKCU\Control Panel\Desktop' LogPixels "$1" REG_DWORD
    reg_add 'HKCU\Software\Wine\Fonts' LogPixels "$1" REG_DWORD
    wineserver -k 2>/dev/null || true
    start_karvello
    open_organize
    tree_select Personal
    screenshot "organize-$1"
    xdotool search --onlyvisible --name '^Organize Folders$' windowfocus --sync
    sleep 0.3
    xdotool key alt+v
    sleep 0.5
    screenshot "organize-view-menu-$1"
    xdotool key Escape Escape
    organize_command 1400
    local list
    list=$(wait_window --title 'Folder Shortcuts List' --visible)
    sleep 0.5
    screenshot "shortcuts-list-$1"
    _helper click-button --title 'Folder Shortcuts List' --button Close >/dev/null
    wait_window_gone "$list" 5
    post_message "$ORGANIZE" WM_CLOSE
    wait_window_gone "$ORGANIZE" 10
    post_message "$ORGANIZE_MAIN" WM_CLOSE
    wait_exit 10 0
}
organize_at 96
# The place is kept in twips, which at 150 % are half as many pixels again: the run at 150 % starts from the
# default place, 4/5 of the screen.
reg_delete "$ORGANIZE_KEY"
# The shortcuts list kept its place under its short name.
reg_query 'HKCU\Software\Tessary\Karvello\frmLST' L >/dev/null || e2e_fail "no place of the shortcuts list"
reg_delete 'HKCU\Software\Tessary\Karvello\frmLST'
organize_at 144
