# Helpers of the Options tests, sourced by them after lib.sh.

# Starts Karvello and waits for its icon; OPTIONS_MAIN is the main window.
start_karvello() {
    start_program Karvello.exe
    OPTIONS_MAIN=$(wait_window --class KarvelloMain)
    local _
    for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
}

# Opens the Options dialog through the popup menu's Options entry, the last but one of the menu;
# OPTIONS_DIALOG is the dialog.
open_options() {
    click_tray_icon 1
    wait_window --class '#32768' --visible >/dev/null
    xdotool key Up Up Return
    OPTIONS_DIALOG=$(wait_window --class '#32770' --title Options --visible)
    sleep 0.5
    # Without a window manager nothing gives the new window the keyboard; the X server is asked directly.
    xdotool search --onlyvisible --name '^Options$' windowfocus --sync
    sleep 0.2
}

# The dialog opens with the focus on its tab control. Goes to tab INDEX (0 General, 1 Appearance,
# 2 Advanced) and into its list of options, on the first option.
options_tab() { # INDEX
    local i
    xdotool key Home
    for ((i = 0; i < $1; i++)); do xdotool key Right; done
    xdotool key Tab
    sleep 0.3
}

# Switches the option at POSITION (0-based) of the current tab's list with the space bar.
toggle_option() { # POSITION
    local i
    xdotool key Home
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    xdotool key space
    sleep 0.3
}

press_button() { # CAPTION
    _helper click-button --title Options --button "$1" >/dev/null || e2e_fail "no button $1 in Options"
    sleep 0.5
}

# The top level of the main window's popup menu, one entry a line ("-" for a separator).
menu_top_level() {
    window_menu "$OPTIONS_MAIN" | grep -v '^ ' | awk -F'\t' '{ print ($1 == "separator") ? "-" : $3 }'
}

# The default value of a key, as reg.exe shows it; fails when it is missing.
reg_default() { # KEY
    local line
    while IFS= read -r line; do
        line=${line#"    "}
        if [[ $line == "(Default)    REG_SZ    "* ]]; then
            printf '%s\n' "${line#"(Default)    REG_SZ    "}"
        fi
    done < <(wine reg query "$1" /ve 2>/dev/null | tr -d '\r')
}

# Read again for up to 5 s, as expect_reg_value does.
expect_reg_default() { # KEY EXPECTED
    local actual tries
    for tries in $(seq 25); do
        actual=$(reg_default "$1")
        [ "$actual" = "$2" ] && return 0
        sleep 0.2
    done
    [ -n "$actual" ] || e2e_fail "the default value of $1 is missing"
    expect_eq "$actual" "$2" "default value of $1"
}
