# The installer's wizard page by page, each page photographed, with "Start Karvello now" on its last page;
# then the whole road of a removal while Karvello runs: Apps & features starts Unkarvel, which closes
# Karvello, and the uninstaller, told not to keep the configuration file and settings, leaves nothing behind.
source "$(dirname "${BASH_SOURCE[0]}")/install_lib.sh"

(exec wine "$INSTALLER") >>"$E2E_ARTIFACTS/installer.log" 2>&1 &
installer_pid=$!
wait_page "$SETUP_TITLE" "Welcome to"
sleep 1
screenshot 1-welcome
answer_messagebox "$WIZARD" "Next >"
wait_page "$SETUP_TITLE" "Choose Install Location"
sleep 1
screenshot 2-directory
answer_messagebox "$WIZARD" "Next >"
wait_page "$SETUP_TITLE" "Choose Components"
sleep 1
screenshot 3-components
answer_messagebox "$WIZARD" Install
wait_page "$SETUP_TITLE" "Completing" 60
sleep 1
screenshot 4-finish
answer_messagebox "$WIZARD" Finish
E2E_PID=$installer_pid
wait_exit 30 0
expect_installed_files
expect_installation_registry "$INSTALL_DIR_WIN"
expect_start_menu_shortcut "$INSTALL_DIR_WIN"
# "Start with Windows" is not chosen unless asked for.
expect_no_reg_value "$RUN_KEY" Karvello

# The finish page started Karvello from the installed folder.
hwnd=$(wait_window --class KarvelloMain --timeout 30)
expect_reg_value "$KARVELLO_KEY" HWND "$hwnd"
wait_file "$INSTALL_DIR_WIN\\default.krvc"
sleep 1

start_apps_and_features_uninstall
expect_eq "$(messagebox_text "Karvello Removal" 30)" \
    "Do you want to close Karvello application so the uninstallation process can proceed?" "Unkarvel's question"
answer_messagebox "Karvello Removal" Yes
drive_uninstaller No remove
wait_window_gone "$hwnd" 10
expect_no_installed_files
expect_no_file "$INSTALL_DIR_WIN\\default.krvc"
expect_no_file "$INSTALL_DIR_WIN"
expect_no_file "$START_MENU_LINK_WIN"
expect_no_reg_key "$UNINSTALL_KEY"
expect_no_reg_key "$KARVELLO_KEY"
