# The Tools and Help entries of the Organize window: Refresh Organized Folders on the Desktop writes the
# directory from the editor's tree, Open Windows Explorer opens the selected shortcut's folder, and Help >
# Contents opens the help file in the viewer.
source "$(dirname "${BASH_SOURCE[0]}")/organize_lib.sh"
install_file "$E2E_BUILD/Karvello.chm"
make_root_folders "AAA Kept"
reg_add 'HKCU\Software\Tessary\Karvello\Settings' ADVC2 True
start_karvello
directory='C:\users\root\Desktop\Organized Folders'
rm -rf "$(win_to_unix "$directory")"
expect_no_file "$directory"
open_organize
organize_command 1405
for _ in $(seq 50); do [ -e "$(win_to_unix "$directory\\Desktop.ini")" ] && break; sleep 0.2; done
expect_file "$directory\\C_AAA Kept.lnk"
expect_file "$directory\\Desktop.ini"
sleep 0.5
expect_no_window --title 'Refresh Organized Folders...' --visible

tree_select "C_AAA Kept"
organize_command 1401
wait_command_line 'AAA Kept'
screenshot explorer

organize_command 1500
viewer=$(wait_window --class 'HH Parent' --title 'Karvello Help' --visible)
post_message "$viewer" WM_CLOSE
post_message "$ORGANIZE" WM_CLOSE
wait_window_gone "$ORGANIZE" 10
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 10 0
