# The Exit button asks first: No keeps the dialog and the program, Yes ends the program.
source "$(dirname "${BASH_SOURCE[0]}")/options_lib.sh"
start_karvello
open_options
press_button Exit
expect_eq "$(messagebox_text 'Exit Karvello')" "Are you sure you want to exit and close Karvello?" "question"
screenshot question
question=$(wait_window --class '#32770' --title 'Exit Karvello' --visible)
answer_messagebox 'Exit Karvello' No
wait_window_gone "$question"
expect_running
window_exists --class '#32770' --title Options --visible || e2e_fail "the dialog closed on No"

press_button Exit
answer_messagebox 'Exit Karvello' Yes
wait_exit 10 0
