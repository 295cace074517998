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

# The Linux process that runs Karvello.exe in this test's prefix (the other architecture's tests run beside
# it), found by its Windows command line: the process wine was started as may still be a loader standing in
# between, whose memory is not the program's.
program_process() {
    local pid found=$E2E_PID
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        [ "$pid" -gt "$found" ] || continue
        tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null | grep -q 'Karvello\\Karvello\.exe' || continue
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        found=$pid
    done
    echo "$found"
}
program_pid=$(program_process)
echo "measured process $program_pid: $(tr '\0' ' ' <"/proc/$program_pid/cmdline")"
# The first menu builds the Drives group and loads the icons; the counting starts after it.
private_kb() {
    awk '/^Private_(Clean|Dirty):/ { kb += $2 } END { print kb }' "/proc/$program_pid/smaps_rollup"
}
private_at_start=$(private_kb)
show_menu_once
private_start=$(private_kb)
gdi_before=$(process_figure "$hwnd" gdi)
user_before=$(process_figure "$hwnd" user)
for _ in $(seq 100); do show_menu_once; done
sleep 0.5
private_after=$(private_kb)
gdi_after=$(process_figure "$hwnd" gdi)
user_after=$(process_figure "$hwnd" user)

echo "start to icon: ${to_icon_ms} ms"
echo "private memory: ${private_at_start} KB after the start, ${private_start} KB after the first menu," \
    "${private_after} KB after 100 more"
echo "GDI objects: $gdi_before before, $gdi_after after; USER objects: $user_before before, $user_after after"
expect_eq "$gdi_after" "$gdi_before" "GDI objects after 100 menus"
expect_eq "$user_after" "$user_before" "USER objects after 100 menus"
[ $((private_after - private_start)) -lt 1024 ] ||
    e2e_fail "private memory grew from $private_start KB to $private_after KB over 100 menus"

post_message "$hwnd" WM_CLOSE
wait_exit 10 0
