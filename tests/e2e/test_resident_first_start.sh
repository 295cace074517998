# A first start without a configuration file writes default.krvc beside the program with the personal group
# holding the first-level folders of the fixed disks, stores its window handle and shows its icon.
config='C:\Program Files\Karvello\default.krvc'
start_program Karvello.exe
hwnd=$(wait_window --class KarvelloMain)
for _ in $(seq 50); do [ -s "$(win_to_unix "$config")" ] && break; sleep 0.1; done
expect_file "$config"
expect_reg_value 'HKCU\Software\Tessary\Karvello' HWND "$hwnd"
for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done
tray_icon_shown || e2e_fail "no icon in the notification area"
screenshot started

records=$(config_records "$config")
expect_eq "$(head -n 1 <<<"$records")" "[MIT_GROUP_USER:]" "first record"
expect_contains "$records" $'\nPersonal\n' "personal group"
# Every visible first-level folder of C: is a shortcut "C_" + its name, and so are at most 25 folders in all.
count=0
for folder in "$WINEPREFIX"/drive_c/*/; do
    name=$(basename "$folder")
    expect_contains "$records" $'\n'"C_$name"$'\n' "shortcut of C:\\$name"
    expect_contains "$records" $'\n'"C:\\$name"$'\n' "folder path of C:\\$name"
done
shortcuts=$(grep -c '^C_\|^Z_' <<<"$records" || true)
[ "$shortcuts" -ge 1 ] && [ "$shortcuts" -le 25 ] || e2e_fail "$shortcuts folder shortcuts in the personal group"
# The fixed entries and the drives are never stored.
if grep -qx 'MIT_HF_ORGANIZE\|MIT_PATHS_DRIVES' <<<"$records"; then
    e2e_fail "fixed entries in the configuration file"
fi

post_message "$hwnd" WM_CLOSE
wait_exit 10 0
