# Dragging in the Organize window: a shortcut dragged from the list onto another group's node moves
# there, with the node under the mouse highlighted while it is dragged; Escape cancels a drag.
source "$(dirname "${BASH_SOURCE[0]}")/organize_edit_lib.sh"
open_organize

# Drags the list row FROM onto the tree node TO, pausing over the target; "escape" cancels before the drop.
drag_row_to_node() { # FROM TO [escape]
    local from to
    from=$(pane_item "$organize" list "$1")
    to=$(pane_item "$organize" tree "$2")
    [ -n "$from" ] && [ -n "$to" ] || e2e_fail "no row '$1' or node '$2'"
    xdotool mousemove "$(cut -f3 <<<"$from")" "$(cut -f4 <<<"$from")" mousedown 1
    for step in 10 20 30 40; do
        xdotool mousemove_relative -- -"$step" 0
        sleep 0.1
    done
    xdotool mousemove "$(cut -f3 <<<"$to")" "$(cut -f4 <<<"$to")"
    sleep 0.3
    xdotool mousemove_relative 2 1
    sleep 0.5
    DRAG_TARGET_FLAGS=$(item_flags "$organize" tree "$2")
    screenshot "dragging-$2"
    if [ "${3:-}" = escape ]; then
        xdotool key Escape
        sleep 0.3
    fi
    xdotool mouseup 1
    sleep 1
}

click_item "$organize" tree "Personal"
drag_row_to_node "Z_srv" "Start Menu" escape
expect_contains "$DRAG_TARGET_FLAGS" d "drop target highlighted"
[ -n "$(pane_item "$organize" list "Z_srv")" ] || e2e_fail "a cancelled drag moved the shortcut"
expect_eq "$(item_flags "$organize" tree "Start Menu")" "" "highlight gone after the drag"

drag_row_to_node "Z_srv" "Start Menu"
screenshot dropped
expect_eq "$(pane_item "$organize" list "Z_srv")" "" "moved row still in Personal"
click_item "$organize" tree "Start Menu"
[ -n "$(pane_item "$organize" list "Z_srv")" ] || e2e_fail "Z_srv not in Start Menu"

post_message "$organize" WM_CLOSE
wait_window_gone "$organize"
expect_contains "$(config_records "$ORGANIZE_CONFIG")" "Z_srv" "moved shortcut saved"
expect_running
