#include "menu/modKeyboardHook.h"

#include <string>

#include "app/Program.h"
#include "menu/modMenuAction.h"

namespace krv {
namespace {

constexpr int HOOK_ACTION = 0;           // HC_ACTION
constexpr uint32_t MESSAGE_KEY_DOWN = 256; // WM_KEYDOWN

} // namespace

void KeyboardShortcuts::BuildShortcutList(clsMenuCollection& collection) {
    items_.clear();
    for (clsMenuItem& item : collection) {
        if (item.KeyboardCode() <= NO_KEYBOARD_CODE)
            continue;
        if (IsShortcutRegistered(item.KeyboardCode()))
            item.SetKeyboardCode(NO_KEYBOARD_CODE);
        else
            items_.push_back(item);
    }
}

bool KeyboardShortcuts::IsShortcutRegistered(int32_t code) const {
    const clsMenuItem* item = nullptr;
    return FindShortcutItem(code, item);
}

bool KeyboardShortcuts::FindShortcutItem(int32_t code, const clsMenuItem*& item) const {
    for (const clsMenuItem& candidate : items_) {
        if (candidate.KeyboardCode() == code) {
            item = &candidate;
            return true;
        }
    }
    return false;
}

bool IsShortcutKeyStroke(int hookCode, uint32_t message, uint32_t virtualKey, bool ctrlDown, bool shiftDown) {
    return hookCode == HOOK_ACTION && message == MESSAGE_KEY_DOWN &&
           virtualKey >= static_cast<uint32_t>(KEY_CODE_DIGIT_0) &&
           virtualKey <= static_cast<uint32_t>(KEY_CODE_DIGIT_9) && ctrlDown && shiftDown;
}

void OpenShortcutKey(ProgramContext& context, uint32_t virtualKey) {
    // Opening an item can rebuild the table (a deleted missing folder), so the matching entries are copied
    // before any of them is opened.
    std::vector<clsMenuItem> bound;
    for (const clsMenuItem& item : context.state.KeyboardItems.Items())
        if (item.KeyboardCode() == static_cast<int32_t>(virtualKey))
            bound.push_back(item);
    for (clsMenuItem& entry : bound) {
        clsMenuItem* live = context.state.MenuItems.GetMenuItemFromName(entry.Name());
        clsMenuItem& item = live != nullptr ? *live : entry;
        if (item.ItemType() == MIT_OPENALL)
            OpenAllInGroup(context, item);
        else
            OpenMenuItem(context, item);
    }
}

} // namespace krv
