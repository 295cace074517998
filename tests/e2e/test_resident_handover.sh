# A second start hands its command line to the running instance through "TRANSFER" and the registered
# message, and ends at once. "/EXIT" through that road ends the running instance and its icon; "/exit" and
# "/EXIT" on the first instance's own command line do not.
key='HKCU\Software\Tessary\Karvello'
start_program Karvello.exe
first=$E2E_PID
hwnd=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done

start_program Karvello.exe
wait_exit 10 0
expect_reg_value "$key" TRANSFER ""
E2E_PID=$first
expect_running
expect_eq "$(wait_window --class KarvelloMain)" "$hwnd" "the one main window"

# A second start with a command: the running instance reads it and, for "/EXIT", ends.
start_program Karvello.exe /exit
wait_exit 10 0
expect_reg_value "$key" TRANSFER "/exit"
sleep 1
E2E_PID=$first
expect_running

start_program Karvello.exe /EXIT
wait_exit 10 0
expect_reg_value "$key" TRANSFER "/EXIT"
E2E_PID=$first
wait_exit 10 0
expect_no_window --class KarvelloMain
for _ in $(seq 50); do tray_icon_shown || break; sleep 0.1; done
tray_icon_shown && e2e_fail "the icon is still in the notification area"
# "HWND" stays after the program ended.
expect_reg_value "$key" HWND "$hwnd"

# The same through the registry and the registered message, as Unkarvel sends it.
start_program Karvello.exe
hwnd=$(wait_window --class KarvelloMain)
reg_add "$key" TRANSFER "/exit"
post_message "$hwnd" 'registered:!KARVELLO!REGMSG!'
sleep 1
expect_running
reg_add "$key" TRANSFER "/EXIT"
post_message "$hwnd" 'registered:!KARVELLO!REGMSG!'
wait_exit 10 0

# "/EXIT" on the first instance's own command line does not end it.
start_program Karvello.exe /EXIT
hwnd=$(wait_window --class KarvelloMain)
sleep 1
expect_running
post_message "$hwnd" WM_CLOSE
wait_exit 10 0
