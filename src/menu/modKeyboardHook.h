#pragma once
// modKeyboardHook: the Shift+Ctrl+digit shortcuts that open folder shortcuts from anywhere in the system.

#include <cstdint>
#include <vector>

#include "model/clsMenuCollection.h"

namespace krv {

struct ProgramContext;

// Virtual-key codes of the digit keys 0 to 9 of the main keyboard.
inline constexpr int32_t KEY_CODE_DIGIT_0 = 48;
inline constexpr int32_t KEY_CODE_DIGIT_9 = 57;
inline constexpr int32_t NO_KEYBOARD_CODE = -1;

// KeyboardItems: the items of the last tree given to BuildShortcutList that carry a shortcut, in tree order,
// each code at most once. It keeps copies, not references, so that a tree that changes or goes away
// afterwards never leaves it pointing at freed items.
class KeyboardShortcuts {
public:
    // Rebuilds the table from collection. A later item whose code an earlier item already has loses it: its
    // KeyboardCode in collection becomes -1.
    void BuildShortcutList(clsMenuCollection& collection);
    bool IsShortcutRegistered(int32_t code) const;
    // True, with item pointing at the table's copy, when an item of the table has code.
    bool FindShortcutItem(int32_t code, const clsMenuItem*& item) const;
    const std::vector<clsMenuItem>& Items() const { return items_; }
    void Clear() { items_.clear(); }

private:
    std::vector<clsMenuItem> items_;
};

// The hook procedure's decision: an action (hook code 0) of a key-down message (256, never the system-key
// messages that Alt makes) of a main-keyboard digit while both Ctrl and Shift are down.
bool IsShortcutKeyStroke(int hookCode, uint32_t message, uint32_t virtualKey, bool ctrlDown, bool shiftDown);

// Opens every item of the table bound to virtualKey as the popup menu would: an Open-All shortcut opens its
// group, any other item its folder. The program's own item of that name is opened when it is still there,
// so that its access time is recorded and a missing folder can be removed from the tree.
void OpenShortcutKey(ProgramContext& context, uint32_t virtualKey);

} // namespace krv
