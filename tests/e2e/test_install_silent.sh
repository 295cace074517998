# A silent installation (/S) into the fresh prefix: the files, the registry values and the Start menu
# shortcut are there, Karvello starts from the installed folder, an update over the running Karvello stops it
# through the hand-over and keeps the modified configuration file and settings, and the removal that the
# Apps & features entry starts (Unkarvel, then the uninstaller, keeping the configuration) removes what was
# installed and nothing else.
source "$(dirname "${BASH_SOURCE[0]}")/install_lib.sh"

run_installer /S /STARTWITHWINDOWS
expect_installed_files
expect_installation_registry "$INSTALL_DIR_WIN"
expect_reg_value "$RUN_KEY" Karvello "\"$INSTALL_DIR_WIN\\Karvello.exe\""
expect_reg_value "$SETTINGS_KEY" ADVC0 -1
expect_start_menu_shortcut "$INSTALL_DIR_WIN"
reg_export "$UNINSTALL_KEY" apps-and-features >/dev/null

# Karvello runs from the installed folder: it stores its window and writes its first tree beside itself.
(cd "$(win_to_unix "$INSTALL_DIR_WIN")" && exec wine "$INSTALL_DIR_WIN\\Karvello.exe") >>"$E2E_ARTIFACTS/karvello.log" 2>&1 &
E2E_PID=$!
hwnd=$(wait_window --class KarvelloMain --timeout 30)
expect_reg_value "$KARVELLO_KEY" HWND "$hwnd"
config="$INSTALL_DIR_WIN\\default.krvc"
wait_file "$config"
sleep 1

# The user's own changes: a summary title in the configuration file and an option.
printf '[SUMMARY_TITLE:]\0My own tree\0[END:]\0' >>"$(win_to_unix "$config")"
cp "$(win_to_unix "$config")" modified.krvc
reg_add "$SETTINGS_KEY" GC0 0

# The update closes the running Karvello first, the way Unkarvel does.
run_installer /S
wait_exit 20
expect_reg_value "$KARVELLO_KEY" TRANSFER /EXIT
expect_installed_files
cmp -s modified.krvc "$(win_to_unix "$config")" || e2e_fail "the update changed the configuration file"
expect_reg_value "$SETTINGS_KEY" GC0 0
expect_reg_value "$RUN_KEY" Karvello "\"$INSTALL_DIR_WIN\\Karvello.exe\""

# A file of the user's own in the program folder.
echo "my notes" >"$(win_to_unix "$INSTALL_DIR_WIN")/notes.txt"

# Apps & features starts Unkarvel; Karvello is not running and there are no Organized Folders, so it asks
# nothing and starts the uninstaller, which is told to keep the configuration file and settings.
start_apps_and_features_uninstall
drive_uninstaller Yes uninstall
expect_no_installed_files
expect_no_file "$START_MENU_LINK_WIN"
expect_no_reg_key "$UNINSTALL_KEY"
expect_no_reg_value "$SETTINGS_KEY" UninstallString
expect_no_reg_value "$RUN_KEY" Karvello
# Kept: the user's file (and so the folder), the configuration file and the settings.
expect_eq "$(cat "$(win_to_unix "$INSTALL_DIR_WIN")/notes.txt")" "my notes" "the user's file"
cmp -s modified.krvc "$(win_to_unix "$config")" || e2e_fail "the kept configuration file changed"
expect_reg_value "$SETTINGS_KEY" GC0 0
