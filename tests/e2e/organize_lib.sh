# Helpers of the Organize window's tests, sourced by them after lib.sh.

ORGANIZE_KEY='HKCU\Software\Tessary\Karvello\frmOrg'
CONFIG='C:\Program Files\Karvello\default.krvc'

# Starts Karvello and waits for its icon; ORGANIZE_MAIN is the main window.
start_karvello() { # [ARGUMENTS...]
    start_program Karvello.exe "$@"
    ORGANIZE_MAIN=$(wait_window --class KarvelloMain)
    local _
    for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
}

# Opens the Organize window through the popup menu's last entry; ORGANIZE is the window.
open_organize() {
    click_tray_icon 1
    wait_window --class '#32768' --visible >/dev/null
    xdotool key Up Return
    ORGANIZE=$(wait_window --class KarvelloOrganize --visible)
    sleep 0.5
}

# Sends the window one of its commands, as its menu, toolbar or accelerator would (posted, so that a dialog
# the command opens does not hold the test).
organize_command() { # ID
    post_message "$ORGANIZE" WM_COMMAND "$1"
    sleep 0.3
}

tree_items() { _helper tree-items "$ORGANIZE" || e2e_fail "no tree in the Organize window"; }
tree_select() { # TEXT
    _helper tree-select "$ORGANIZE" "$1" || e2e_fail "no node $1"
    sleep 0.2
}
list_items() { _helper list-items "$ORGANIZE" "${1:-1}" || e2e_fail "no list in the Organize window"; }
status_text() { _helper status-text "$ORGANIZE" || e2e_fail "no status bar in the Organize window"; }

# The captions of the popup menu's Personal group, one a line.
personal_menu() {
    window_menu "$ORGANIZE_MAIN" | awk -F'\t' '
        /^popup\t1\tPersonal$/ { inside = 1; next }
        inside && /^  / && !/^    / { print $3; next }
        inside && !/^ / { inside = 0 }'
}

# Deletes the tree's node with that caption through Edit > Delete, answering the question.
delete_node() { # CAPTION
    tree_select "$1"
    organize_command 1206
    answer_messagebox 'Confirm Delete' Yes 5
    sleep 0.3
}

# A copy of the default configuration file in which "AAA Kept" reads "AAA Été" (written in the file's
# code page, Windows-1252), so that the panes show a caption beyond ASCII.
write_other_file() { # WINDOWS_PATH
    sed 's/AAA Kept/AAA \xc9t\xe9/g' "$(win_to_unix "$CONFIG")" >"$(win_to_unix "$1")"
}

# Makes folders at the root of drive C, which the default content turns into shortcuts of the personal
# group; they go again when the test ends, since the prefix's reset between tests leaves drive C alone.
make_root_folders() { # NAME...
    local name
    ORGANIZE_ROOT_FOLDERS=()
    for name in "$@"; do
        mkdir -p "$WINEPREFIX/drive_c/$name"
        ORGANIZE_ROOT_FOLDERS+=("$WINEPREFIX/drive_c/$name")
    done
    trap 'rm -rf "${ORGANIZE_ROOT_FOLDERS[@]}"' EXIT
}
