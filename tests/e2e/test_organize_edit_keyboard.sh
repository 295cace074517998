# Editing the tree with the keyboard in the Organize window: a group cut and pasted into another group
# (ghosted until pasted), a shortcut renamed in place with F2, a shortcut deleted and brought back with
# Ctrl+Z; closing writes the file and the tray menu shows the result.
source "$(dirname "${BASH_SOURCE[0]}")/organize_edit_lib.sh"
open_organize

click_item "$organize" tree "All Users"
xdotool key ctrl+x
sleep 0.5
expect_contains "$(item_flags "$organize" tree "All Users")" c "cut group ghosted"
expect_contains "$(item_flags "$organize" tree "Common Programs")" c "node inside the cut group ghosted"
screenshot cut
click_item "$organize" tree "Personal"
xdotool key ctrl+v
sleep 1
# Groups come first in a group: the pasted group stands right after Personal.
expect_eq "$(pane_texts "$organize" tree | sed -n 2,3p | tr '\n' '|')" "Personal|All Users|" "pasted group"
expect_eq "$(item_flags "$organize" tree "All Users")" "" "ghosting gone after the paste"
expect_eq "$(pane_texts "$organize" tree | grep -c '^All Users$')" 1 "the cut group moved, not copied"
screenshot pasted

# F2 in the list renames in place; the tree follows.
click_item "$organize" list "Z_tmp"
xdotool key F2
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 50 "Scratch"
xdotool key Return
sleep 1
screenshot renamed
expect_eq "$(pane_item "$organize" tree "Z_tmp")" "" "old caption in the tree"
[ -n "$(pane_item "$organize" tree "Scratch")" ] || e2e_fail "renamed node not in the tree"
[ -n "$(pane_item "$organize" list "Scratch")" ] || e2e_fail "renamed row not in the list"

# F2 in the tree: a caption with a slash is refused and the edit cancelled; a good one is taken and the
# list follows.
click_item "$organize" tree "Templates"
xdotool key F2
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 50 "a/b"
xdotool key Return
sleep 1
screenshot rename-refused
expect_contains "$(messagebox_text "Rename Error")" "An item's name cannot contain any of the following characters:"

answer_messagebox "Rename Error" OK
sleep 0.5
[ -n "$(pane_item "$organize" tree "Templates")" ] || e2e_fail "a refused rename changed the node"
click_item "$organize" tree "Templates"
xdotool key F2
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 50 "Forms"
xdotool key Return
sleep 1
[ -n "$(pane_item "$organize" tree "Forms")" ] || e2e_fail "renamed node not in the tree"
click_item "$organize" tree "All Users"
[ -n "$(pane_item "$organize" list "Forms")" ] || e2e_fail "the list did not follow the tree's rename"

# Delete asks first; Ctrl+Z brings the shortcut back.
click_item "$organize" tree "Personal"
click_item "$organize" list "Z_srv"
xdotool key Delete
expect_contains "$(messagebox_text "Confirm Delete")" "Are you sure you want to delete 'Z_srv'?"
answer_messagebox "Confirm Delete" Yes
sleep 1
expect_eq "$(pane_item "$organize" list "Z_srv")" "" "deleted row"
xdotool key ctrl+z
sleep 1
[ -n "$(pane_item "$organize" list "Z_srv")" ] || e2e_fail "Undo did not bring Z_srv back"
screenshot undone

# Closing saves: the file and the tray program's menu hold the moved group and the new caption.
post_message "$organize" WM_CLOSE
wait_window_gone "$organize"
records=$(config_records "$ORGANIZE_CONFIG")
expect_contains "$records" "Scratch" "renamed shortcut in the file"
expect_contains "$records" "Z_srv" "restored shortcut in the file"
menu=$(window_menu "$(wait_window --class KarvelloMain)")
printf '%s\n' "$menu" >tray-menu.txt
expect_contains "$menu" "Scratch" "renamed shortcut in the tray menu"
# The moved group is a submenu of Personal now: indented one level deeper than Personal's entry.
expect_contains "$(grep -A1 -P '^\s*popup\t\d\tPersonal' <<<"$menu")" "All Users" "moved group in Personal"
expect_running
