# Helpers of the tests of the Organize window's dialogs (test_organize_dialog_*.sh), sourced after lib.sh.
# The window's commands are posted as WM_COMMAND with their identifiers, the dialogs' controls are driven
# through e2e_helper's control commands (controls, set-text, check, combo-select,
# list-rows, select-tab, select-node).

# Command identifiers of the Organize window (src/organize/OrganizeCommands.h).
CMD_NEW_ITEM=1100
CMD_INFORMATION=1106
CMD_EXIT=1109
CMD_COPY=1203
CMD_PASTE=1205
CMD_NEW_GROUP=1220
CMD_PROPERTIES=1332
CMD_RESTORE_PERSONAL=1403
CMD_TIP=1505
CMD_SWITCH_PANE=1611
# Child windows of the Organize window (resources/OrganizeIds.h).
ORG_TREE=1011
ORG_LIST=1012

# Starts Karvello and opens the Organize window by a second start with ARGUMENTS; ORGANIZE is the window
# and E2E_PID the resident program again.
open_organize() { # [ARGUMENTS...]
    start_program Karvello.exe
    KARVELLO_PID=$E2E_PID
    wait_window --class KarvelloMain >/dev/null
    start_program Karvello.exe "$@"
    wait_exit 10 0
    E2E_PID=$KARVELLO_PID
    ORGANIZE=$(wait_window --class KarvelloOrganize --visible)
}

organize_command() { # COMMAND_ID
    post_message "$ORGANIZE" WM_COMMAND "$1"
}

# The window titled TITLE, waited for; fails when it does not appear.
wait_dialog() { # TITLE [TIMEOUT=10]
    wait_window --title "$1" --visible --timeout "${2:-10}"
}

# Every control of a window: id, class, visible, enabled, checked, text (tab-separated).
dialog_controls() { # TITLE
    _helper controls --title "$1" || e2e_fail "no window $1"
}

# The text of the control with identifier ID.
control_text() { # TITLE ID
    dialog_controls "$1" | awk -F'\t' -v id="$2" '$1 == id' | head -1 | cut -f6-
}

# Whether the check box ID is ticked (1) or not (0).
control_checked() { # TITLE ID
    dialog_controls "$1" | awk -F'\t' -v id="$2" '$1 == id { print $5; exit }'
}

set_control_text() { # TITLE ID TEXT
    _helper set-text --title "$1" --id "$2" --text "$3" || e2e_fail "cannot set the text of $2 in $1"
    sleep 0.3
}

check_control() { # TITLE ID STATE
    _helper check --title "$1" --id "$2" --state "$3" || e2e_fail "cannot tick $2 in $1"
    sleep 0.3
}

select_combo_entry() { # TITLE ID INDEX
    _helper combo-select --title "$1" --id "$2" --index "$3" || e2e_fail "cannot pick entry $3 of $2 in $1"
    sleep 0.3
}

select_tab() { # TITLE ID INDEX
    _helper select-tab --title "$1" --id "$2" --index "$3" || e2e_fail "cannot pick tab $3 in $1"
    sleep 0.3
}

# The rows of a list view, columns tab-separated: of the dialog titled TITLE, or of the window HWND.
list_items() { # TITLE|HWND ID
    if [[ $1 =~ ^[0-9]+$ ]]; then
        _helper list-rows --window "$1" --id "$2"
    else
        _helper list-rows --title "$1" --id "$2"
    fi
}

# Selects the Organize window's tree node captioned TEXT.
select_tree_node() { # TEXT
    _helper select-node --window "$ORGANIZE" --id "$ORG_TREE" --text "$1" || e2e_fail "no tree node $1"
    sleep 0.3
}

press() { # TITLE BUTTON
    _helper click-button --title "$1" --button "$2" >/dev/null || e2e_fail "no button $2 in $1"
    sleep 0.3
}

# Runs the rest of a test at 150 % scaling: Wine reads the figure when it starts.
use_150_percent() {
    reg_add 'HKCU\Control Panel\Desktop' LogPixels 144 REG_DWORD
    reg_add 'HKCU\Software\Wine\Fonts' LogPixels 144 REG_DWORD
    wineserver -k 2>/dev/null || true
}

# From the item dialog of "/ADD C:\Data\Docs" that is open: adds the shortcut, copies it, makes a group
# "Projects" and pastes the copy there twice, so that the second paste asks with the conflict dialog.
paste_docs_twice_into_projects() {
    press "New Item" OK
    sleep 0.5
    organize_command $CMD_SWITCH_PANE
    organize_command $CMD_COPY
    organize_command $CMD_NEW_GROUP
    wait_dialog "New Item" >/dev/null
    set_control_text "New Item" 2011 "Projects"
    press "New Item" OK
    sleep 0.5
    select_tree_node Projects
    organize_command $CMD_PASTE
    sleep 0.5
    organize_command $CMD_PASTE
}
