# A second start opens the Organize Folders window in the running instance; a third brings it to the
# front instead of opening another.
start_program Karvello.exe
first=$E2E_PID
wait_window --class KarvelloMain >/dev/null
start_program Karvello.exe
wait_exit 10 0
organize=$(wait_window --class KarvelloOrganize --visible)
expect_eq "$(window_property "$organize" title)" "Organize Folders" "caption"
sleep 1
screenshot organize
E2E_PID=$first
expect_running
