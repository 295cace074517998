# The harness itself: it reads a message box's text and presses its buttons by caption, in another process,
# as the tests of the programs' own message boxes will.
install_file "$E2E_HELPER" msgbox.exe
start_program msgbox.exe messagebox --title "Karvello Test" --text "Close it now?" --buttons yesnocancel
expect_eq "$(messagebox_text "Karvello Test")" "Close it now?" "message box text"
screenshot messagebox
answer_messagebox "Karvello Test" "No"
wait_exit 10 7 # IDNO

start_program msgbox.exe messagebox --title "Karvello Test" --text "Again?" --buttons yesnocancel
answer_messagebox "Karvello Test" "Yes"
wait_exit 10 6 # IDYES
