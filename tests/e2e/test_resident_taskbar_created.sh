# When the notification area is made anew (Explorer restarted, the "TaskbarCreated" message), the program
# adds its icon again. Wine's restarted tray does not take icons back, so the witness is Wine's own trace of
# the shell's notify-icon call in the program: one "add" at the start, one more for the message.
export WINEDEBUG=+systray
log=$E2E_ARTIFACTS/Karvello.exe.log
adds() { grep -c 'Shell_NotifyIconW dwMessage = 0,' "$log" || true; }

start_program Karvello.exe
hwnd=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
expect_eq "$(adds)" 1 "icon additions at the start"

post_message "$hwnd" 'registered:TaskbarCreated'
for _ in $(seq 50); do [ "$(adds)" -ge 2 ] && break; sleep 0.1; done
expect_eq "$(adds)" 2 "icon additions after TaskbarCreated"
expect_running

post_message "$hwnd" WM_CLOSE
wait_exit 10 0
# Deleting at the end is the notify-icon call with message 2.
grep -q 'Shell_NotifyIconW dwMessage = 2,' "$log" || e2e_fail "the icon was not deleted at the end"
