# Help in the popup menu opens the help file beside the program in the HTML help viewer at its table of
# contents. First with Wine's own viewer: it has no HTML engine here to show the pages, but it reads the
# compiled file and opens its window with the caption the file defines. Then with a stand-in for the viewer's
# library, which writes down what it was asked: the file and the command.
install_file "$E2E_BUILD/Karvello.chm"
start_program Karvello.exe
hwnd=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
# "h", the initial of Help, chooses it.
click_tray_icon 1
wait_window --class '#32768' --visible >/dev/null
xdotool key h
viewer=$(wait_window --class 'HH Parent' --title 'Karvello Help' --visible)
expect_eq "$(window_property "$viewer" pid)" "$(window_property "$hwnd" pid)" "process of Wine's viewer"
expect_no_window --title Karvello --visible
sleep 0.5
screenshot wine-viewer
post_message "$hwnd" WM_CLOSE
wait_exit 10 0

# The stand-in lies beside the program, and Wine is told to take it for the system's library.
install_file "$E2E_BUILD/e2e-standins/hhctrl.ocx"
record=$E2E_PROGRAM_DIR/hhctrl-calls.txt
saved_overrides=$WINEDLLOVERRIDES
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;hhctrl.ocx=n"
start_program Karvello.exe
export WINEDLLOVERRIDES=$saved_overrides
hwnd=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
click_tray_icon 1
wait_window --class '#32768' --visible >/dev/null
xdotool key h
viewer=$(wait_window --class KarvelloHelpStandIn --visible)
expect_eq "$(window_property "$viewer" pid)" "$(window_property "$hwnd" pid)" "process of the viewer's window"
expect_eq "$(cat "$record")" "command=1 file=$E2E_PROGRAM_DIR_WIN\\Karvello.chm data=0" "the viewer's call"
expect_no_window --title Karvello --visible

# A second Help opens the viewer again with the same file and command, and no fallback starts another viewer.
click_tray_icon 1
wait_window --class '#32768' --visible >/dev/null
xdotool key h
for _ in $(seq 50); do [ "$(wc -l <"$record")" -ge 2 ] && break; sleep 0.1; done
expect_eq "$(sed -n 2p "$record")" "command=1 file=$E2E_PROGRAM_DIR_WIN\\Karvello.chm data=0" "the second call"
if command_lines | grep -qi 'hh.exe'; then
    e2e_fail "the help file was also handed to hh.exe"
fi

# Ending the program closes its help windows through the viewer (HH_CLOSE_ALL) before the library goes.
post_message "$hwnd" WM_CLOSE
wait_exit 10 0
expect_eq "$(sed -n 3p "$record")" "command=18 file=(none) data=0" "the closing call"
