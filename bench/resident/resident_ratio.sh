# The resident program against a bare tray program, run by tests/e2e/run.sh as a test is (in the e2e prefix):
# ROUNDS rounds (KARVELLO_BENCH_ROUNDS, default 7), each starting, in turn, BareTray.exe, Karvello.exe on its
# default tree and Karvello.exe on a tree of 5,000 items, and timing each from its start until the icon is
# in the notification area, then reading its private memory a second later. Each start's figures go to
# figures.txt among the artifacts as "PROGRAM TREE MS KB"; bench/scripts/resident_ratio.sh summarises them.
source "$(dirname "${BASH_SOURCE[0]}")/../../tests/e2e/organize_lib.sh"
install_file "$E2E_BUILD/BareTray.exe"
rounds=${KARVELLO_BENCH_ROUNDS:-7}
config=$(win_to_unix "$CONFIG")

# The default tree is the one the first start writes; the large one replaces it before each large start.
start_karvello
post_message "$ORGANIZE_MAIN" WM_CLOSE
wait_exit 30 0
cp "$config" default-tree.krvc
python3 "$(dirname "${BASH_SOURCE[0]}")/../../tests/e2e/make_large_config.py" large-tree.krvc 50

# Starts the program, waits for the tray's icon and prints "MS KB"; the program is closed again.
measure_start() { # NAME.exe WINDOW_CLASS
    local started to_icon_ms window kb
    until ! tray_icon_shown; do sleep 0.05; done
    started=$(date +%s%N)
    start_program "$1"
    until tray_icon_shown; do sleep 0.01; done
    to_icon_ms=$((($(date +%s%N) - started) / 1000000))
    window=$(wait_window --class "$2")
    sleep 1
    kb=$(private_kb "$(program_process "$1")")
    post_message "$window" WM_CLOSE
    wait_exit 30 0
    echo "$to_icon_ms $kb"
}

: >figures.txt
for round in $(seq "$rounds"); do
    echo "bare - $(measure_start BareTray.exe BareTray)" >>figures.txt
    cp default-tree.krvc "$config"
    echo "karvello default $(measure_start Karvello.exe KarvelloMain)" >>figures.txt
    cp large-tree.krvc "$config"
    echo "karvello 5000 $(measure_start Karvello.exe KarvelloMain)" >>figures.txt
    echo "round $round of $rounds done"
done
cat figures.txt
