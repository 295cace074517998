# Karvello starts with its main window hidden and ends when that window is asked to close.
start_program Karvello.exe
hwnd=$(wait_window --class KarvelloMain)
expect_eq "$(window_property "$hwnd" title)" "Karvello" "window title"
expect_eq "$(window_property "$hwnd" visible)" 0 "main window visible"
screenshot running

post_message "$hwnd" WM_CLOSE
wait_exit 10 0
expect_no_window --class KarvelloMain
