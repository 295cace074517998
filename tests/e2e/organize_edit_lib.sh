# Helpers of the Organize window's editing tests: the window opened by a second start, and its nodes and
# rows found by their text, clicked and checked through the e2e helper's organize-panes.

# Starts Karvello and opens the Organize window by a second start; its handle goes to $organize and
# E2E_PID names the running Karvello again.
open_organize() {
    local main
    start_program Karvello.exe
    main=$E2E_PID
    wait_window --class KarvelloMain >/dev/null
    start_program Karvello.exe
    wait_exit 10 0
    E2E_PID=$main
    organize=$(wait_window --class KarvelloOrganize --visible)
    sleep 1
}

# Every node and row: pane, text, screen x, screen y and flags (c cut, s selected, d drop highlight).
# Reading the panes once failed on a loaded machine while a drag held the pointer: it asks again.
organize_panes() { # HWND
    local attempt
    for attempt in 1 2 3; do
        _helper organize-panes "$1" && return 0
        sleep 0.5
    done
    e2e_fail "cannot read the panes of window $1"
}

# The line of the first node (tree) or row (list) with TEXT; empty when there is none.
pane_item() { # HWND PANE TEXT
    organize_panes "$1" | awk -F'\t' -v pane="$2" -v text="$3" '$1 == pane && $2 == text { print; exit }'
}

# Clicks the node or row with TEXT (a double click with CLICKS=2).
click_item() { # HWND PANE TEXT [CLICKS=1]
    local line
    line=$(pane_item "$1" "$2" "$3")
    [ -n "$line" ] || e2e_fail "no $2 item '$3'"
    xdotool mousemove "$(cut -f3 <<<"$line")" "$(cut -f4 <<<"$line")" click --repeat "${4:-1}" 1
    sleep 0.5
}

# The flags of the node or row with TEXT; fails when there is none.
item_flags() { # HWND PANE TEXT
    local line
    line=$(pane_item "$1" "$2" "$3")
    [ -n "$line" ] || e2e_fail "no $2 item '$3'"
    cut -f5 <<<"$line"
}

# The texts of one pane in order, one a line.
pane_texts() { # HWND PANE
    organize_panes "$1" | awk -F'\t' -v pane="$2" '$1 == pane { print $2 }'
}

# The configuration file the program keeps beside itself.
ORGANIZE_CONFIG='C:\Program Files\Karvello\default.krvc'
