# The popup menu with a submenu of 1,000 entries, run by tests/e2e/run.sh as a test is (in the e2e prefix).
#
# The tree is the personal group with one group, "Group 000", of 1,000 folder shortcuts. Each showing is made
# with real input: a click on the tray icon opens the menu, the pointer moves over "Personal" (Wine opens a
# group's submenu as soon as the pointer is over its entry) and then over "Group 000", whose submenu of
# 1,000 entries opens; a click on the empty screen closes the menus again. The timing half of the menu probe
# (tests/e2e/probe/MenuTiming.cpp, started by `e2e_helper menu-timing`) measures inside the program, for the
# submenu of 1,000 entries, the time from the moment the menu loop took the pointer's move from the queue,
# and from the WM_MENUSELECT of "Group 000", until the submenu window's first WM_PAINT has returned, with the
# owner-draw requests answered meanwhile.
#
# ROUNDS rounds (KARVELLO_BENCH_ROUNDS, default 7) each start the program afresh and time its first showing
# (cold) and WARM more (KARVELLO_BENCH_WARM, default 10). Then one more start shows the menu SHOWINGS times
# (KARVELLO_BENCH_SHOWINGS, default 1000) after 10 showings to settle, reading the program's private memory
# (and that of the wineserver, which keeps the windows and menus) before, every 100 showings and after.
# timings.txt gets a line "ROUND KIND" + the probe's "shown" line per timed showing (KIND cold, warm or
# memory), memory.txt "SHOWINGS PROGRAM_KB SERVER_KB GDI USER", passon.txt the probe's own cost per timed
# request at each start; bench/scripts/menu_frame.sh summarises them.
rounds=${KARVELLO_BENCH_ROUNDS:-7}
warm=${KARVELLO_BENCH_WARM:-10}
showings=${KARVELLO_BENCH_SHOWINGS:-1000}
here=$(dirname "${BASH_SOURCE[0]}")
record=$E2E_BUILD/e2e_menu_probe.dll.timing.txt
stop=$E2E_BUILD/e2e_menu_probe.dll.timing.stop

python3 "$here/../../tests/e2e/make_large_config.py" large-group.krvc 1 1000
install_file large-group.krvc default.krvc

record_lines() {
    if [ -f "$record" ]; then wc -l <"$record"; else echo 0; fi
}

# Waits until the probe has written a line matching PATTERN after line SINCE and prints it.
probe_line() { # PATTERN SINCE [SECONDS=20]
    local deadline=$((SECONDS + ${3:-20})) found
    until found=$(tail -n +"$(($2 + 1))" "$record" 2>/dev/null | grep -m 1 -E "$1"); do
        [ $SECONDS -lt $deadline ] || e2e_fail "the probe wrote no '$1' after line $2"
        sleep 0.01
    done
    printf '%s\n' "$found"
}

# The screen centre "X Y" of the entry TEXT of the popup the probe reported after line SINCE.
entry_centre() { # TEXT SINCE
    tail -n +"$(($2 + 1))" "$record" | awk -v text="$1" '
        $1 == "entry" { caption = $7; for (i = 8; i <= NF; i++) caption = caption " " $i
                        if (caption == text) { print int(($3 + $5) / 2), int(($4 + $6) / 2); exit } }'
}

# Starts the program and the probe's timing in it; the entries' places are found on the first showing.
start_timed_program() {
    start_program Karvello.exe
    MAIN=$(wait_window --class KarvelloMain)
    for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
    # The helper empties the record too, but only once it runs: a record left from before must not count.
    rm -f "$record" "$stop"
    _helper menu-timing "$MAIN" >menu-timing.log 2>&1 &
    TIMING_PID=$!
    probe_line '^ready$' 0 >/dev/null
    probe_line '^passon_ns ' 0 >>passon.txt
    PERSONAL=""
}

stop_timed_program() {
    touch "$stop"
    wait "$TIMING_PID" || e2e_fail "the timing helper failed: $(cat menu-timing.log)"
    post_message "$MAIN" WM_CLOSE
    wait_exit 30 0
}

# A click on the empty screen far from the menus closes all of them at once, as the menu loop holds the
# pointer; a click that went unheard within a second is repeated.
close_menus() {
    local clicks since
    for clicks in $(seq 5); do
        since=$(record_lines)
        xdotool mousemove 1000 700 click 1
        probe_line '^closed$' "$since" 2 >/dev/null 2>&1 && return 0
    done
    e2e_fail "the menu did not close on a click beside it"
}

# One showing through real input; prints the probe's line for the submenu of 1,000 entries. With a NAME the
# screen is saved as NAME.png while the submenu is open.
show_menu_once() { # [NAME]
    local since shown
    since=$(record_lines)
    click_tray_icon 1
    probe_line '^shown 8 ' "$since" >/dev/null
    if [ -z "$PERSONAL" ]; then
        PERSONAL=$(entry_centre Personal "$since")
        [ -n "$PERSONAL" ] || e2e_fail "no entry Personal in the menu"
    fi
    since=$(record_lines)
    # shellcheck disable=SC2086
    xdotool mousemove $PERSONAL
    probe_line '^shown 1 ' "$since" >/dev/null
    if [ -z "${GROUP:-}" ] || [ "$GROUP_OF" != "$PERSONAL" ]; then
        GROUP=$(entry_centre 'Group 000' "$since")
        GROUP_OF=$PERSONAL
        [ -n "$GROUP" ] || e2e_fail "no entry Group 000 in the personal group"
    fi
    since=$(record_lines)
    # shellcheck disable=SC2086
    xdotool mousemove $GROUP
    shown=$(probe_line '^shown 1000 ' "$since")
    if [ -n "${1:-}" ]; then
        sleep 0.3
        screenshot "$1" >/dev/null
    fi
    close_menus
    printf '%s\n' "$shown"
}

server_kb() {
    local pid
    for pid in $(pgrep wineserver); do
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        private_kb "$pid"
        return 0
    done
    echo 0
}

memory_line() { # SHOWINGS LAST_SHOWN_LINE
    local objects
    objects=$(awk '{ print $10, $11 }' <<<"$2")
    echo "$1 $(private_kb "$(program_process Karvello.exe)") $(server_kb) $objects" >>memory.txt
}

: >timings.txt
: >passon.txt
for round in $(seq "$rounds"); do
    start_timed_program
    # A failing showing must end the run, so its line is taken by an assignment, never inside echo.
    shown=$(show_menu_once "$([ "$round" -eq 1 ] && echo submenu-1000)")
    echo "$round cold $shown" >>timings.txt
    for _ in $(seq "$warm"); do
        shown=$(show_menu_once)
        echo "$round warm $shown" >>timings.txt
    done
    stop_timed_program
    echo "round $round of $rounds done"
done

: >memory.txt
start_timed_program
for _ in $(seq 10); do last=$(show_menu_once); done
memory_line 0 "$last"
for showing in $(seq "$showings"); do
    last=$(show_menu_once)
    echo "memory memory $last" >>timings.txt
    if [ $((showing % 100)) -eq 0 ] || [ "$showing" -eq "$showings" ]; then
        memory_line "$showing" "$last"
    fi
done
stop_timed_program
cat memory.txt
