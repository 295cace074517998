# Shared set-up of the installer's end-to-end tests, sourced by the test_install_*.sh files.
# The installer of the build tree under test (x64 or x86, whichever the tree built) installs for the user who
# runs the tests, into the default folder of the Wine prefix's user unless a test says otherwise.

INSTALLER=$(find "$E2E_BUILD" -maxdepth 1 -name 'Karvello-*-setup-*.exe' | sort | tail -1)
[ -n "$INSTALLER" ] || e2e_fail "no installer in $E2E_BUILD (cmake --build $E2E_BUILD --target installer)"
VERSION=$(basename "$INSTALLER" | sed -E 's/^Karvello-(.*)-setup-.*$/\1/')
SETUP_TITLE="Karvello $VERSION Setup"
UNINSTALL_TITLE="Karvello $VERSION Uninstall"
KEEP_TITLE='Karvello Uninstall'
USER_DIR_WIN="C:\\users\\$(id -un)"
INSTALL_DIR_WIN="$USER_DIR_WIN\\AppData\\Local\\Programs\\Karvello"
START_MENU_LINK_WIN="$USER_DIR_WIN\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Karvello.lnk"
KARVELLO_KEY='HKCU\Software\Tessary\Karvello'
SETTINGS_KEY='HKCU\Software\Tessary\Karvello\Settings'
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Karvello'
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
INSTALLED_FILES=(Karvello.exe Unkarvel.exe krvc.exe Karvello.chm TIPOFDAY.TXT Uninstall.exe)

# Runs the installer to its end (a silent one with /S); fails on another exit code than 0.
run_installer() { # ARGUMENTS...
    local status=0
    timeout 180 wine "$INSTALLER" "$@" >>"$E2E_ARTIFACTS/installer.log" 2>&1 || status=$?
    expect_eq "$status" 0 "exit code of the installer $*"
}

expect_installed_files() { # [FOLDER_WIN=INSTALL_DIR_WIN]
    local file
    for file in "${INSTALLED_FILES[@]}"; do
        expect_file "${1:-$INSTALL_DIR_WIN}\\$file"
    done
    # The installed programs are the ones of this build, byte for byte.
    cmp -s "$E2E_BUILD/Karvello.exe" "$(win_to_unix "${1:-$INSTALL_DIR_WIN}\\Karvello.exe")" ||
        e2e_fail "the installed Karvello.exe is not the one built"
    cmp -s "$E2E_BUILD/Karvello.chm" "$(win_to_unix "${1:-$INSTALL_DIR_WIN}\\Karvello.chm")" ||
        e2e_fail "the installed Karvello.chm is not the one built"
}

expect_no_installed_files() { # [FOLDER_WIN=INSTALL_DIR_WIN]
    local file
    for file in "${INSTALLED_FILES[@]}"; do
        expect_no_file "${1:-$INSTALL_DIR_WIN}\\$file"
    done
}

# The values the installer writes, for an installation in FOLDER.
expect_installation_registry() { # FOLDER_WIN
    expect_reg_value "$SETTINGS_KEY" UninstallString "\"$1\\Uninstall.exe\""
    expect_reg_value "$UNINSTALL_KEY" DisplayName Karvello
    expect_reg_value "$UNINSTALL_KEY" DisplayVersion "$VERSION"
    expect_reg_value "$UNINSTALL_KEY" Publisher Tessary
    expect_reg_value "$UNINSTALL_KEY" DisplayIcon "$1\\Karvello.exe,0"
    expect_reg_value "$UNINSTALL_KEY" UninstallString "\"$1\\Unkarvel.exe\""
    expect_reg_value "$UNINSTALL_KEY" NoModify 0x1
    expect_reg_value "$UNINSTALL_KEY" NoRepair 0x1
    # The size in KB of what was installed, within a tenth of what lies in the folder.
    local size kilobytes
    size=$(reg_query "$UNINSTALL_KEY" EstimatedSize) || e2e_fail "no EstimatedSize"
    kilobytes=$(du -sk --apparent-size "$(win_to_unix "$1")" | cut -f1)
    [ $((size)) -gt $((kilobytes * 9 / 10)) ] && [ $((size)) -le $((kilobytes * 11 / 10)) ] ||
        e2e_fail "EstimatedSize $size KB for a folder of $kilobytes KB"
}

# The Start menu shortcut, read by lnkinfo rather than by Windows: it starts the installed Karvello.
expect_start_menu_shortcut() { # FOLDER_WIN
    expect_file "$START_MENU_LINK_WIN"
    local target
    target=$(lnkinfo "$(win_to_unix "$START_MENU_LINK_WIN")" | sed -n 's/^[[:space:]]*Local path[[:space:]]*: //p' | tr -d '\r')
    expect_eq "${target,,}" "${1,,}\\karvello.exe" "target of the Start menu shortcut"
}

# Waits for a file to appear.
wait_file() { # WINDOWS_PATH [TIMEOUT=20]
    local tenths=0
    while [ ! -e "$(win_to_unix "$1")" ]; do
        [ $tenths -ge $((${2:-20} * 10)) ] && e2e_fail "$1 did not appear"
        sleep 0.1
        tenths=$((tenths + 1))
    done
}

# Waits until a wizard page that shows TEXT is on screen and sets WIZARD to the wizard's caption as it reads
# then: the pages between the first and the last add an empty subcaption, a blank, to the caption.
wait_page() { # CAPTION TEXT [TIMEOUT=30]
    local waited=0 text title
    while :; do
        for title in "$1" "$1 "; do
            text=$(_helper dialog-text --title "$title" --timeout 0 2>/dev/null) || continue
            if [[ $text == *"$2"* ]]; then
                WIZARD=$title
                return 0
            fi
        done
        [ $waited -ge $((${3:-30} * 2)) ] && e2e_fail "no page of '$1' showing '$2'"
        sleep 0.5
        waited=$((waited + 1))
    done
}

# Starts the command of the Apps & features entry, as Windows does when the user chooses Uninstall.
start_apps_and_features_uninstall() {
    local command
    command=$(reg_query "$UNINSTALL_KEY" UninstallString) || e2e_fail "no UninstallString in the Apps & features entry"
    command=${command#\"}
    command=${command%\"}
    (exec wine "$command") >>"$E2E_ARTIFACTS/uninstall.log" 2>&1 &
    E2E_PID=$!
}

# Drives the uninstaller that Unkarvel started: the confirmation page, the question whether to keep the
# configuration file and settings (ANSWER Yes or No), and the last page.
drive_uninstaller() { # ANSWER SCREENSHOT_PREFIX
    wait_page "$UNINSTALL_TITLE" "will be uninstalled from the following folder" 30
    sleep 1
    screenshot "$2-confirm"
    answer_messagebox "$WIZARD" Uninstall
    expect_contains "$(messagebox_text "$KEEP_TITLE" 30)" "keep your Karvello configuration file and settings" "question"
    screenshot "$2-keep-question"
    answer_messagebox "$KEEP_TITLE" "$1"
    wait_page "$UNINSTALL_TITLE" "Completed" 30
    sleep 1
    screenshot "$2-completed"
    answer_messagebox "$WIZARD" Close
    local tenths=0
    while window_exists --title "$WIZARD"; do
        [ $tenths -ge 200 ] && e2e_fail "the uninstaller did not end"
        sleep 0.1
        tenths=$((tenths + 1))
    done
}
