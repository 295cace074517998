# The installation stored its uninstall command as an expandable text (REG_EXPAND_SZ), as installers often
# do: Unkarvel starts it with its %NAME% references replaced, and the type of the value is left as it was.
source "$(dirname "${BASH_SOURCE[0]}")/unkarvel_lib.sh"
rm -f "$(win_to_unix "$MARKER")"
reg_add "$SETTINGS_KEY" UninstallString '%SystemRoot%\system32\cmd.exe /c echo uninstalled>%SystemDrive%\users\Public\unkarvel-command-ran.txt' REG_EXPAND_SZ
reg_add "$KARVELLO_KEY" HWND 1

start_program Unkarvel.exe
wait_exit 10 0

expect_command_started
expect_contains "$(wine reg query "$SETTINGS_KEY" /v UninstallString 2>/dev/null | tr -d '\r')" REG_EXPAND_SZ \
    "type of the stored command"
