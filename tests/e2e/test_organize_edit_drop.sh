# Folders dropped from another program on the Organize window's list become Windows Explorer shortcuts
# in the group the list shows; a dropped file is refused with its message and adds nothing. The drop is a
# real OLE drag: the e2e helper's drop-files drags the paths out of its own process with DoDragDrop, as
# Windows Explorer does, and Wine carries it to the window's registered drop target.
source "$(dirname "${BASH_SOURCE[0]}")/organize_edit_lib.sh"
dropped=$(win_to_unix 'C:\Dropped')
# The folders live on drive C:, which the prefix's reset leaves alone: they go again at the end.
trap 'rm -rf "$dropped"' EXIT
mkdir -p "$dropped/Holiday Photos"
echo note >"$dropped/note.txt"
open_organize
click_item "$organize" tree "Personal"

# A point of the list's free space, below its last row.
last=$(organize_panes "$organize" | awk -F'\t' '$1 == "list"' | tail -n 1)
x=$(cut -f3 <<<"$last")
y=$(($(cut -f4 <<<"$last") + 40))

_helper drop-files "$x" "$y" 'C:\Dropped\Holiday Photos' >drop.log || e2e_fail "the folder drag did not drop: $(cat drop.log)"
sleep 1
screenshot folder-dropped
[ -n "$(pane_item "$organize" list "Holiday Photos")" ] || e2e_fail "no row for the dropped folder"

_helper drop-files "$x" "$y" 'C:\Dropped\note.txt' >>drop.log || e2e_fail "the file drag did not drop"
expect_eq "$(messagebox_text Karvello | tr -d '\r' | tr '\n' ' ')" \
    "Cannot add C:\\Dropped\\note.txt. Only folders can be added to Karvello. " "file refused"
screenshot file-refused
answer_messagebox Karvello OK
expect_eq "$(pane_item "$organize" list "note.txt")" "" "row for a dropped file"

post_message "$organize" WM_CLOSE
wait_window_gone "$organize"
expect_contains "$(config_records "$ORGANIZE_CONFIG")" 'C:\Dropped\Holiday Photos' "dropped folder saved"
expect_running
