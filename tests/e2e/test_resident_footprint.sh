# Opening and closing the popup menu 100 times leaves the program's GDI and USER object counts where they
# were and its private memory within 1 MB of where it was. Prints the figures of docs/performance.md: the
# time from the start to the icon, private memory after the start and after the 100 menus, and the object
# counts. Wine counts no GDI or USER objects (GetGuiResources answers 0), and the memory Windows calls
# private is taken from Linux: the process's private pages, Wine's own libraries in it included.
started=$(date +%s%N)
start_program Karvello.exe
until tray_icon_shown; do sleep 0.02; done
to_icon_ms=$((($(date +%s%N) - started) / 1000000))
hwnd=$(wait_window --class KarvelloMain)
sleep 1

show_menu_once() {
    click_tray_icon 1
    local menu
    menu=$(wait_window --class '#32768' --visible)
    xdotool key Escape
    wait_window_gone "$menu" 5
}

program_pid=$(program_process Karvello.exe)
echo "measured process $program_pid: $(tr '\0' ' ' <"/proc/$program_pid/cmdline")"
# The first menu builds the Drives group and loads the icons; the counting starts after it.
private_at_start=$(private_kb "$program_pid")
show_menu_once
private_start=$(private_kb "$program_pid")
gdi_before=$(process_figure "$hwnd" gdi)
user_before=$(process_figure "$hwnd" user)
for _ in $(seq 100); do show_menu_once; done
sleep 0.5
private_after=$(private_kb "$program_pid")
gdi_after=$(process_figure "$hwnd" gdi)
user_after=$(process_figure "$hwnd" user)

echo "start to icon: ${to_icon_ms} ms"
echo "private memory: ${private_at_start} KB after the start, ${private_start} KB after the first menu," \
    "${private_after} KB after 100 more"
echo "GDI objects: $gdi_before before, $gdi_after after; USER objects: $user_before before, $user_after after"
expect_eq "$gdi_after" "$gdi_before" "GDI objects after 100 menus"
# The common controls, the file dialogs and the network library serve the windows, the dialogs and network
# drives (the test prefix has none); the icon and the menu need none of them, and under Wine the common
# controls alone cost some 1.7 MB at load.
expect_eq "$(grep -ioE '(comctl32|comdlg32|mpr)\.dll' "/proc/$program_pid/maps" | sort -u | tr '\n' ' ')" "" \
    "libraries loaded for the icon and 101 menus"
expect_eq "$user_after" "$user_before" "USER objects after 100 menus"
[ $((private_after - private_start)) -lt 1024 ] ||
    e2e_fail "private memory grew from $private_start KB to $private_after KB over 100 menus"

post_message "$hwnd" WM_CLOSE
wait_exit 10 0
