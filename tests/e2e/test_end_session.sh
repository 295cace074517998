# When Windows ends the session, Karvello agrees and ends with it.
start_program Karvello.exe
hwnd=$(wait_window --class KarvelloMain)
expect_eq "$(send_message "$hwnd" WM_QUERYENDSESSION)" 1 "answer to WM_QUERYENDSESSION"
expect_running

post_message "$hwnd" WM_ENDSESSION 1
wait_exit 10 0
