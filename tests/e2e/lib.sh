# Helpers of the end-to-end tests, sourced by tests/e2e/run.sh into each test's own shell.
# A test is a bash file tests/e2e/test_NAME.sh that uses these functions; see tests/e2e/README.md.
#
# Set by run.sh for each test:
#   E2E_ARTIFACTS  folder for this test's screenshots and logs (inside the build tree)
#   E2E_HELPER     the built e2e_helper.exe
#   E2E_PROGRAM_DIR, E2E_PROGRAM_DIR_WIN  the program folder in the Wine prefix (unix and Windows path)
#   WINEPREFIX, DISPLAY and the rest of the Wine environment

# --- Failing ----------------------------------------------------------------------------------------------

e2e_fail() {
    echo "FAILED: $*" >&2
    exit 1
}

expect_eq() { # ACTUAL EXPECTED [WHAT]
    if [ "$1" != "$2" ]; then
        e2e_fail "${3:-value}: expected '$2', got '$1'"
    fi
}

expect_contains() { # TEXT PART [WHAT]
    if [[ $1 != *"$2"* ]]; then
        e2e_fail "${3:-text} does not contain '$2': $1"
    fi
}

# --- Programs ---------------------------------------------------------------------------------------------

# Starts a program of the program folder under Wine in the background; E2E_PID is its process.
# Its console output goes to E2E_ARTIFACTS/NAME.log.
start_program() { # NAME.exe [ARGUMENTS...]
    local name=$1
    shift
    [ -f "$E2E_PROGRAM_DIR/$name" ] || e2e_fail "$name is not in the program folder"
    (cd "$E2E_PROGRAM_DIR" && exec wine "$E2E_PROGRAM_DIR_WIN\\$name" "$@") >>"$E2E_ARTIFACTS/$name.log" 2>&1 &
    E2E_PID=$!
}

_process_running() {
    local state
    [ -r "/proc/$1/stat" ] || return 1
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)
    [ -n "$state" ] && [ "$state" != Z ]
}

# Waits for the program started last to end; E2E_EXIT_CODE is its exit code. Fails after TIMEOUT seconds,
# or when EXPECTED is given and the code differs. Call it directly, not inside $(...).
wait_exit() { # [TIMEOUT=10] [EXPECTED]
    local timeout=${1:-10} tenths=0
    while _process_running "$E2E_PID"; do
        if [ $tenths -ge $((timeout * 10)) ]; then
            e2e_fail "the program (pid $E2E_PID) is still running after ${timeout} s"
        fi
        sleep 0.1
        tenths=$((tenths + 1))
    done
    E2E_EXIT_CODE=0
    wait "$E2E_PID" || E2E_EXIT_CODE=$?
    if [ $# -ge 2 ]; then
        expect_eq "$E2E_EXIT_CODE" "$2" "exit code"
    fi
}

expect_running() {
    _process_running "$E2E_PID" || e2e_fail "the program (pid $E2E_PID) is not running"
}

# Copies a file into the program folder, as an installation would put it beside the programs.
install_file() { # SOURCE [NAME]
    cp "$1" "$E2E_PROGRAM_DIR/${2:-$(basename "$1")}"
}

# --- Windows and messages ---------------------------------------------------------------------------------

_helper() {
    wine "$E2E_HELPER" "$@"
}

# Prints the handle (decimal, as the programs store it in the registry) of the first top-level window that
# matches; hidden windows count unless --visible is given. Fails when none appears within the timeout.
wait_window() { # [--class NAME] [--title TEXT] [--visible] [--timeout SECONDS=10]
    local args=() timeout=10
    while [ $# -gt 0 ]; do
        case $1 in
        --class | --title) args+=("$1" "$2") && shift 2 ;;
        --visible) args+=(--visible 1) && shift ;;
        --timeout) timeout=$2 && shift 2 ;;
        *) e2e_fail "wait_window: unknown argument $1" ;;
        esac
    done
    # The helper once came back at once in CI, long before its time was up, while a menu was opening; it
    # is asked again for the time that is left.
    local deadline left
    deadline=$(($(date +%s%N) / 1000000 + timeout * 1000))
    while :; do
        left=$((deadline - $(date +%s%N) / 1000000))
        [ "$left" -gt 0 ] || e2e_fail "no window ${args[*]} within ${timeout} s"
        _helper find-window "${args[@]}" --timeout "$left" && return 0
        sleep 0.2
    done
}

# True when a matching window exists right now (no waiting).
window_exists() { # [--class NAME] [--title TEXT] [--visible]
    local args=()
    while [ $# -gt 0 ]; do
        case $1 in
        --class | --title) args+=("$1" "$2") && shift 2 ;;
        --visible) args+=(--visible 1) && shift ;;
        *) e2e_fail "window_exists: unknown argument $1" ;;
        esac
    done
    _helper find-window "${args[@]}" --timeout 0 >/dev/null
}

expect_no_window() { # [--class NAME] [--title TEXT] [--visible]
    if window_exists "$@"; then
        e2e_fail "a window $* exists"
    fi
}

# One property of a window: class, title, visible (1 or 0) or pid (the Windows process id).
window_property() { # HWND PROPERTY
    local line
    line=$(_helper window-info "$1" | grep "^$2=") || e2e_fail "window $1 does not exist"
    echo "${line#*=}"
}

wait_window_gone() { # HWND [TIMEOUT=10]
    _helper wait-gone "$1" --timeout $((${2:-10} * 1000)) || e2e_fail "window $1 still exists after ${2:-10} s"
}

# MESSAGE is a number, a name (WM_CLOSE, WM_NULL, WM_ENDSESSION, WM_QUERYENDSESSION, WM_COMMAND, WM_USER)
# or registered:NAME for a registered window message.
post_message() { # HWND MESSAGE [WPARAM] [LPARAM]
    _helper post "$@" || e2e_fail "could not post $2 to window $1"
}

# Sends and prints the window's answer.
send_message() { # HWND MESSAGE [WPARAM] [LPARAM]
    _helper send "$@" || e2e_fail "window $1 did not answer $2"
}

# Presses a button of a visible dialog (a message box too) by its caption, without the '&' of its access key.
answer_messagebox() { # TITLE BUTTON [TIMEOUT=10]
    _helper click-button --title "$1" --button "$2" --timeout $((${3:-10} * 1000)) ||
        e2e_fail "no dialog '$1' with a button '$2'"
}

# Prints the texts of a visible dialog, one a line (a message box's text is its only one).
messagebox_text() { # TITLE [TIMEOUT=10]
    _helper dialog-text --title "$1" --timeout $((${2:-10} * 1000)) || e2e_fail "no dialog '$1'"
}

# --- Registry (through Wine's own reg.exe, a witness independent of the programs) ------------------------

# Prints a value's data as reg.exe shows it (REG_DWORD as 0x2a); returns 1 when the key or value is missing.
reg_query() { # KEY VALUE
    local output line rest type
    output=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r') || return 1
    while IFS= read -r line; do
        line=${line#"    "}
        if [[ $line == "$2    REG_"* ]]; then
            rest=${line#"$2    "}
            type=${rest%%    *}
            rest=${rest#"$type"}
            printf '%s\n' "${rest#"    "}"
            return 0
        fi
    done <<<"$output"
    return 1
}

# A value the program writes after a posted click may come a moment later, so a missing or different value
# is read again for up to 5 s before the test fails.
expect_reg_value() { # KEY VALUE EXPECTED
    local actual tries
    for tries in $(seq 25); do
        actual=$(reg_query "$1" "$2") && [ "$actual" = "$3" ] && return 0
        sleep 0.2
    done
    actual=$(reg_query "$1" "$2") || e2e_fail "registry value $1\\$2 is missing"
    expect_eq "$actual" "$3" "registry value $1\\$2"
}

expect_no_reg_value() { # KEY VALUE
    if reg_query "$1" "$2" >/dev/null; then
        e2e_fail "registry value $1\\$2 exists"
    fi
}

reg_add() { # KEY VALUE DATA [TYPE=REG_SZ]
    wine reg add "$1" /v "$2" /t "${4:-REG_SZ}" /d "$3" /f >/dev/null 2>&1 || e2e_fail "reg add $1\\$2 failed"
}

reg_delete() { # KEY [VALUE]  (without VALUE the whole key goes)
    if [ $# -ge 2 ]; then
        wine reg delete "$1" /v "$2" /f >/dev/null 2>&1
    else
        wine reg delete "$1" /f >/dev/null 2>&1
    fi
}

# True when the key exists.
reg_key_exists() { # KEY
    wine reg query "$1" >/dev/null 2>&1
}

expect_no_reg_key() { # KEY
    if reg_key_exists "$1"; then
        e2e_fail "registry key $1 exists"
    fi
}

# Writes the key as a .reg file (Wine's regedit /E) into the artifacts and prints its path.
reg_export() { # KEY NAME
    local file=$E2E_ARTIFACTS/$2.reg
    wine regedit /E "$(unix_to_win "$file")" "$1" >/dev/null 2>&1 || e2e_fail "regedit could not export $1"
    echo "$file"
}

# --- Files ------------------------------------------------------------------------------------------------

# C:\... inside the prefix, Z:\... anywhere on this machine.
win_to_unix() { # WINDOWS_PATH
    local path=$1 drive rest
    drive=${path:0:1}
    rest=${path:2}
    rest=${rest//\\//}
    case $drive in
    [cC]) echo "$WINEPREFIX/drive_c$rest" ;;
    [zZ]) echo "$rest" ;;
    *) e2e_fail "win_to_unix: no mapping for drive $drive:" ;;
    esac
}

unix_to_win() { # UNIX_PATH
    local path=$1
    case $path in
    "$WINEPREFIX/drive_c"*) path="C:${path#"$WINEPREFIX/drive_c"}" ;;
    *) path="Z:$path" ;;
    esac
    echo "${path//\//\\}"
}

# Looked for again for up to 5 s, as a registry value is: the program may write it a moment after a click.
expect_file() { # WINDOWS_PATH
    local path tries
    path=$(win_to_unix "$1")
    for tries in $(seq 25); do
        [ -e "$path" ] && return 0
        sleep 0.2
    done
    e2e_fail "$1 does not exist"
}

expect_no_file() { # WINDOWS_PATH
    [ ! -e "$(win_to_unix "$1")" ] || e2e_fail "$1 exists"
}

# --- Pictures ---------------------------------------------------------------------------------------------

# Saves the whole screen as E2E_ARTIFACTS/NAME.png and prints the path.
screenshot() { # NAME
    local file=$E2E_ARTIFACTS/$1.png
    import -display "$DISPLAY" -window root "$file" || e2e_fail "screenshot $1 failed"
    echo "$file"
}

# --- Menus ------------------------------------------------------------------------------------------------

# Prints the entries of the first popup of a window's menu bar, one a line: kind (item, popup, separator),
# owner-drawn (1 or 0) and text, separated by tabs; a submenu's entries follow its entry, indented by two
# blanks a level.
window_menu() { # HWND
    _helper window-menu "$1" || e2e_fail "window $1 has no popup menu"
}

# --- Notification area and started programs ---------------------------------------------------------------

# Clicks the first icon of the notification area, Wine's own tray window at the top left of the display,
# whose icons are squares as high as the window (larger at higher DPI); BUTTON 1 is the left, 3 the right
# mouse button.
click_tray_icon() { # [BUTTON=1]
    local tray X Y HEIGHT
    tray=$(xdotool search --onlyvisible --name 'Wine System Tray' 2>/dev/null | head -n 1)
    [ -n "$tray" ] || e2e_fail "no notification area"
    eval "$(xdotool getwindowgeometry --shell "$tray" | grep -E '^(X|Y|HEIGHT)=')"
    xdotool mousemove $((X + HEIGHT / 2)) $((Y + HEIGHT / 2)) click "${1:-1}"
}

# True while Wine shows its tray window, which it does only while some program has an icon there.
tray_icon_shown() {
    [ -n "$(xdotool search --onlyvisible --name 'Wine System Tray' 2>/dev/null)" ]
}

# Prints the command lines of the running Windows programs (those whose program is a Windows path, which
# leaves out the test's own grep and shell), one a line, their arguments separated by blanks.
command_lines() {
    local file line
    for file in /proc/[0-9]*/cmdline; do
        line=$({ tr '\0' ' ' <"$file"; } 2>/dev/null) || continue
        case $line in
        [A-Za-z]:\\*) printf '%s\n' "$line" ;;
        esac
    done
}

# Waits until a process whose command line contains TEXT runs; fails after TIMEOUT seconds.
wait_command_line() { # TEXT [TIMEOUT=10]
    local tenths=0
    # grep reads every line (no -q), so that the listing never ends early on a closed pipe.
    until command_lines | grep -F -- "$1" >/dev/null; do
        [ $tenths -lt $((${2:-10} * 10)) ] || e2e_fail "no process with '$1' in its command line"
        sleep 0.1
        tenths=$((tenths + 1))
    done
}

# Prints the records of a configuration file (.krvc), one a line.
config_records() { # WINDOWS_PATH
    tr '\0' '\n' <"$(win_to_unix "$1")"
}

# One figure of a running program's process: private (bytes), workingset (bytes), gdi or user (objects).
# The Linux process that runs the program of E2E_PID in this test's prefix (the other architecture's tests
# run beside it), found by its Windows command line: the process wine was started as may still be a loader
# standing in between, whose memory is not the program's.
program_process() { # NAME.exe
    local pid found=$E2E_PID command="Karvello\\$1"
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        [ "$pid" -gt "$found" ] || continue
        { tr '\0' '\n' <"/proc/$pid/cmdline"; } 2>/dev/null | grep -qF "$command" || continue
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        found=$pid
    done
    echo "$found"
}

# The memory Windows calls private, taken from Linux: the process's private pages, Wine's own libraries in
# it included, in KB.
private_kb() { # PID
    awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb }' "/proc/$1/smaps_rollup"
}

process_figure() { # HWND FIGURE
    local line
    line=$(_helper process-info "$(window_property "$1" pid)" | grep "^$2=") || e2e_fail "no $2 of window $1"
    echo "${line#*=}"
}
