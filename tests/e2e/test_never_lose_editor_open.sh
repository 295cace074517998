# The Organize window is told to open a file that holds no Personal group ("/OPEN", the road that opens a
# file without the other messages): the user hears once that it was not loaded completely and where its
# bytes were kept, and is not told that it opened successfully; the copy holds the file's bytes.
file='C:\users\Public\random.krvc'
head -c 4096 /dev/urandom >"$(win_to_unix "$file")"
cp "$(win_to_unix "$file")" original

start_program Karvello.exe
first=$E2E_PID
hwnd=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
start_program Karvello.exe /OPEN "$file"
wait_exit 10 0

text=$(messagebox_text Karvello 20)
screenshot editor-message
expect_eq "$text" "The configuration file $file was not loaded completely: it holds no Personal group.

Its content was kept unchanged in $file.bad." "message"
cmp original "$(win_to_unix "$file.bad")" || e2e_fail "the copy differs from the file"
box=$(wait_window --class '#32770' --title Karvello --visible)
answer_messagebox Karvello OK
wait_window_gone "$box" 10
organize=$(wait_window --class KarvelloOrganize --visible)
sleep 1
# No second message: the file is neither reported again nor called successfully opened.
expect_no_window --class '#32770' --title Karvello
screenshot editor-opened

E2E_PID=$first
post_message "$organize" WM_CLOSE
wait_window_gone "$organize" 10
post_message "$hwnd" WM_CLOSE
wait_exit 20 0
cmp original "$(win_to_unix "$file.bad")" || e2e_fail "the copy changed"
