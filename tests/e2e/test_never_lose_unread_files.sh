# Two configuration files the program cannot read whole, each named by "ConfigFile": random bytes (no
# Personal group at all) and a file of 40,000 items (more than a tree holds). Each survives start-up, the
# deletion of a shortcut whose folder is missing (a save) and the end of the program: its bytes are kept in
# "NAME.krvc.bad" before anything is written over it, and the user is told so once, at start-up.
SETTINGS_KEY='HKCU\Software\Tessary\Karvello\Settings'

# Prints the positions (1-based, separators not counted, as the arrow keys go) of the entries along a path
# of captions through the main window's popup menu, one a line.
menu_positions() { # HWND CAPTION...
    local path
    path=$(printf '%s\t' "${@:2}")
    window_menu "$1" | awk -F'\t' -v path="$path" '
        BEGIN { depth = split(path, want, "\t") - 1; level = 1 }
        {
            indent = match($0, /[^ ]/) - 1
            entry = indent / 2 + 1
            if (entry < level) exit
            if (entry != level) next
            if ($1 ~ /separator$/) next
            count[level]++
            if ($3 == want[level]) {
                print count[level]
                if (level == depth) exit
                level++
            }
        }'
}

# Chooses the entry at the end of a path of captions through the tray icon's menu with the keyboard.
choose_menu_entry() { # HWND CAPTION...
    local positions position first=1 i
    positions=$(menu_positions "$@")
    [ "$(wc -l <<<"$positions")" -eq $(($# - 1)) ] || e2e_fail "no menu entry ${*:2}"
    click_tray_icon 1
    wait_window --class '#32768' --visible >/dev/null
    for position in $positions; do
        if [ $first = 1 ]; then
            for ((i = 0; i < position; i++)); do xdotool key Down; done
            first=0
        else
            xdotool key Right
            sleep 0.3
            for ((i = 1; i < position; i++)); do xdotool key Down; done
        fi
    done
    xdotool key Return
}

# Starts the program on FILE, checks the message and the copy, deletes the shortcut at the end of the caption
# path after removing its FOLDER (both Windows paths), and ends the program.
survive() { # NAME FILE FOLDER CAPTION...
    local name=$1 file=$2 folder=$3 original text hwnd
    original="$E2E_ARTIFACTS/$name.original"
    cp "$(win_to_unix "$file")" "$original"
    mkdir -p "$(win_to_unix "$folder")"
    reg_add "$SETTINGS_KEY" ConfigFile "$file"

    start_program Karvello.exe
    hwnd=$(wait_window --class KarvelloMain)
    text=$(messagebox_text Karvello 60)
    screenshot "$name-message"
    expect_contains "$text" "The configuration file $file was not loaded completely" "message"
    expect_contains "$text" "Its content was kept unchanged in $file.bad." "message"
    answer_messagebox Karvello OK
    cmp "$original" "$(win_to_unix "$file.bad")" || e2e_fail "the copy differs from the file"
    for _ in $(seq 50); do tray_icon_shown && break; sleep 0.1; done

    # Help, Options and Organize Folders keep their places, with or without a Personal group.
    window_menu "$hwnd" >"$E2E_ARTIFACTS/$name-menu.txt"
    expect_eq "$(grep -v '^ ' "$E2E_ARTIFACTS/$name-menu.txt" | cut -f3 | sed -n '1p;$p' | paste -sd,)" \
        "Help,Organize Folders" "first and last entries of the menu"
    expect_eq "$(grep -v '^ ' "$E2E_ARTIFACTS/$name-menu.txt" | tail -2 | head -1 | cut -f3)" Options \
        "the entry before Organize Folders"
    rm -rf "$(win_to_unix "$folder")"
    choose_menu_entry "$hwnd" "${@:4}"
    text=$(messagebox_text Karvello)
    expect_eq "$text" "The path '$folder' does not exist or is not a directory. Do you want to delete the shortcut from the list?" "question"
    screenshot "$name-question"
    answer_messagebox Karvello Yes
    for _ in $(seq 100); do
        cmp -s "$original" "$(win_to_unix "$file")" || break
        sleep 0.1
    done
    # The deletion saved the tree over the file, after the copy was made; the previous bytes are also the
    # newest backup.
    expect_contains "$(config_records "$file" | head -1)" "[MIT_GROUP_USER:]" "the file saved after the copy"
    if config_records "$file" | grep -qxF "$folder"; then
        e2e_fail "the deleted shortcut is still in $file"
    fi
    cmp "$original" "$(win_to_unix "$file.bak1")" || e2e_fail "the newest backup differs from the file"

    post_message "$hwnd" WM_CLOSE
    wait_exit 20 0
    cmp "$original" "$(win_to_unix "$file.bad")" || e2e_fail "the copy changed"
    expect_no_file "$file.bad2"
    expect_contains "$(config_records "$file" | head -1)" "[MIT_GROUP_USER:]" "the file at the end"
}

random='C:\users\Public\random.krvc'
head -c 65536 /dev/urandom >"$(win_to_unix "$random")"
survive random "$random" 'C:\windows\Java' "System Folders" Windows Java

big='C:\users\Public\big.krvc'
awk 'BEGIN {
    record("[MIT_GROUP_USER:]")
    item("MIT_GROUP_USER", "Personal", "-1", "", "True", "MIT_GROUP_GENERAL")
    for (n = 1; n < 40000; n++)
        item("N" n, "Folder " n, "MIT_GROUP_USER", "C:\\Folders\\" n, "False", "MIT_PATH")
    record("[END:]")
}
function record(text) { printf "%s%c", text, 0 }
function item(name, caption, owner, path, group, type) {
    record(0); record(name); record(caption); record(0); record(owner); record(3); record("False")
    record(group); record(type); record("MIT_PATH_SHORTCUT"); record(3); record(""); record(path)
    record(""); record(""); record(""); record(""); record(-1); record(""); record(""); record(""); record("")
}' >"$(win_to_unix "$big")"
survive big "$big" 'C:\AAA Gone' Personal "C_AAA Gone"
