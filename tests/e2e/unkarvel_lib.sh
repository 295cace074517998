# Shared set-up of the uninstaller's end-to-end tests, sourced by the test_unkarvel_*.sh files.
# The uninstall command is a harmless stand-in that leaves a marker file, so that a test sees whether and
# when it was started.

KARVELLO_KEY='HKCU\Software\Tessary\Karvello'
SETTINGS_KEY='HKCU\Software\Tessary\Karvello\Settings'
MARKER='C:\users\Public\unkarvel-command-ran.txt'
REMOVAL_TITLE='Karvello Removal'
CLOSE_QUESTION='Do you want to close Karvello application so the uninstallation process can proceed?'
CLOSE_REFUSED='Please close Karvello before continuing with the uninstallation!'
DIRECTORIES_QUESTION='Do you want to delete directories with Organized Folders shortcuts from Desktop, Send To and Favorites?'

# Stores the uninstall command the installation would have stored.
store_uninstall_command() {
    rm -f "$(win_to_unix "$MARKER")"
    reg_add "$SETTINGS_KEY" UninstallString "cmd.exe /c echo uninstalled>$MARKER"
}

# Makes a folder with a shortcut file and a read-only file in it and records it under VALUE.
make_recorded_folder() { # VALUE WINDOWS_PATH
    local folder
    folder=$(win_to_unix "$2")
    mkdir -p "$folder"
    echo link >"$folder/A.lnk"
    echo mine >"$folder/kept by hand.txt"
    reg_add "$SETTINGS_KEY" "$1" "$2"
    wine attrib +r "$2\\kept by hand.txt" >/dev/null 2>&1 || true
}

# Waits for the uninstall command's marker; the command runs on its own after Unkarvel has ended.
expect_command_started() { # [TIMEOUT=15]
    local tenths=0
    while [ ! -f "$(win_to_unix "$MARKER")" ]; do
        [ $tenths -ge $((${1:-15} * 10)) ] && e2e_fail "the uninstall command did not run"
        sleep 0.1
        tenths=$((tenths + 1))
    done
}

# Gives a wrongly started command time to show itself, then checks that it never ran.
expect_command_not_started() {
    sleep 3
    expect_no_file "$MARKER"
}

# A window that plays the resident Karvello: it takes the hand-over message, writes down what arrived (with
# "TRANSFER" as it stood then) to the file RECORD, and ends. Its handle is stored in "HWND" as Karvello
# stores its own; STANDIN_PID is its process.
start_standin() { # RECORD (Windows path)
    install_file "$E2E_HELPER" standin.exe
    start_program standin.exe standin --record "$1"
    STANDIN_PID=$E2E_PID
    reg_add "$KARVELLO_KEY" HWND "$(wait_window --class KarvelloStandIn)"
}
