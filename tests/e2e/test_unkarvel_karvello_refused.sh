# Refusing to close the running Karvello (No, and likewise Cancel) stops the uninstaller with its notice:
# nothing is sent, nothing deleted, and the uninstall command does not start.
source "$(dirname "${BASH_SOURCE[0]}")/unkarvel_lib.sh"
store_uninstall_command
make_recorded_folder DirDesktop 'C:\krv\Desktop\Organized Folders'
record='C:\krv\standin.txt'
start_standin "$record"

for answer in No Cancel; do
    start_program Unkarvel.exe
    expect_eq "$(messagebox_text "$REMOVAL_TITLE")" "$CLOSE_QUESTION" "question"
    answer_messagebox "$REMOVAL_TITLE" "$answer"
    expect_eq "$(messagebox_text "$REMOVAL_TITLE")" "$CLOSE_REFUSED" "notice after $answer"
    screenshot "refused-$answer"
    answer_messagebox "$REMOVAL_TITLE" OK
    wait_exit 10 0
done

expect_command_not_started
expect_no_reg_value "$KARVELLO_KEY" TRANSFER
expect_file 'C:\krv\Desktop\Organized Folders\A.lnk'
expect_no_file "$record"
E2E_PID=$STANDIN_PID
expect_running
