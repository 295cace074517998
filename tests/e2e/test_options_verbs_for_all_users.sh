# The "Organize Folder" verb is registered for all users of the computer (HKEY_LOCAL_MACHINE, which a
# standard user cannot change): switching "Use Windows Explorer context menu extension" off cannot take it
# out of Explorer, and the user is told so once, when the options are applied; the machine's verb stays.
source "$(dirname "${BASH_SOURCE[0]}")/options_lib.sh"
machine_verb='HKLM\Software\Classes\Directory\shell\Organize Folder'
wine reg add "$machine_verb" /ve /d '&Organize Folder' /f >/dev/null 2>&1 || e2e_fail "reg add $machine_verb"
wine reg add "$machine_verb\\command" /ve /d 'C:\Other\Karvello.exe /ADD %L' /f >/dev/null 2>&1 ||
    e2e_fail "reg add $machine_verb\\command"

start_karvello
open_options
options_tab 2
toggle_option 1
press_button Apply
expect_no_window --title Karvello --visible
# Explorer already shows the machine's verb, so nothing is written for the user.
expect_no_reg_key 'HKCU\Software\Classes\Directory\shell\Organize Folder'

toggle_option 1
press_button OK
text=$(messagebox_text Karvello)
expect_contains "$text" "The \"Organize Folder\" entry of Explorer's context menu is set up for all users of this computer, so Karvello cannot remove it. An administrator can remove it." "message"
screenshot verbs-kept-for-all-users
answer_messagebox Karvello OK
wait_window_gone "$OPTIONS_DIALOG" 5
expect_reg_default "$machine_verb" '&Organize Folder'

post_message "$OPTIONS_MAIN" WM_CLOSE
wait_exit 10 0
