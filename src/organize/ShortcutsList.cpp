#include "organize/ShortcutsList.h"

#include <algorithm>
#include <unordered_set>

#include "menu/modKeyboardHook.h"
#include "menu/modMenuAction.h"
#include "model/clsMenuCollection.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"

namespace krv {
namespace {

constexpr const char* kConfirmDelete = "Confirm Delete";

// The user's folder shortcuts: generated entries (the fixed menu entries, the drives) are not the user's
// to delete here.
bool IsFolderShortcut(const clsMenuItem& item) {
    return item.ItemType() == MIT_PATH && !item.Separator() && !item.SubMenu() &&
           item.Remark() != REMARK_AUTO;
}

bool HasKeyboardShortcut(const clsMenuItem& item) {
    return item.KeyboardCode() >= KEY_CODE_DIGIT_0 && item.KeyboardCode() <= KEY_CODE_DIGIT_9;
}

} // namespace

ShortcutsList::ShortcutsList(clsMenuCollection& collection, IFileSystem& fileSystem, IMessageBox& prompts)
    : collection_(collection), fileSystem_(fileSystem), prompts_(prompts) {
    Refresh();
}

void ShortcutsList::Refresh() {
    rows_.clear();
    for (const clsMenuItem& item : collection_) {
        if (!IsFolderShortcut(item))
            continue;
        ShortcutsListRow row;
        row.Name = item.Name();
        row.Caption = item.Caption();
        if (const clsMenuItem* group = collection_.GetMenuItemFromName(item.OwnerName()))
            row.GroupCaption = group->Caption();
        if (HasKeyboardShortcut(item))
            row.KeyboardShortcut = "Shift+Ctrl+" + std::string(1, static_cast<char>(item.KeyboardCode()));
        row.FolderPath = item.FolderPath();
        row.TargetExists = !row.FolderPath.empty() && fileSystem_.FolderExists(row.FolderPath);
        rows_.push_back(std::move(row));
    }
    // In caption order, so that shortcuts of the same name from different groups stand together.
    std::stable_sort(rows_.begin(), rows_.end(), [](const ShortcutsListRow& a, const ShortcutsListRow& b) {
        return CompareUpperCase(a.Caption, b.Caption) < 0;
    });
}

std::string ShortcutsList::Summary() const {
    const auto withKeys = std::count_if(rows_.begin(), rows_.end(), [](const ShortcutsListRow& row) {
        return !row.KeyboardShortcut.empty();
    });
    const bool allPresent =
        std::all_of(rows_.begin(), rows_.end(), [](const ShortcutsListRow& row) { return row.TargetExists; });
    return std::to_string(rows_.size()) + " shortcut(s), " + std::to_string(withKeys) +
           " with keyboard shortcut     " +
           (allPresent ? "All target folders are OK     "
                       : "Some shortcuts have missing target folders     ");
}

bool ShortcutsList::Ask(const std::string& text, const char* title) const {
    return prompts_.Show(text, title, MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
}

void ShortcutsList::Tell(const std::string& text, bool failed) const {
    prompts_.Show(text, PROGRAM_TITLE, MessageButtons::Ok,
                  failed ? MessageIcon::Critical : MessageIcon::Information);
}

void ShortcutsList::RemoveItems(const std::vector<std::string>& names) {
    const std::unordered_set<std::string> doomed(names.begin(), names.end());
    std::vector<std::string> keys;
    for (auto it = collection_.begin(); it != collection_.end(); ++it)
        if (doomed.contains(it->Name()))
            keys.push_back(it.Key());
    for (const std::string& key : keys)
        collection_.Remove(key);
    if (!keys.empty())
        changed_ = true;
    Refresh();
}

bool ShortcutsList::DeleteShortcut(size_t row) {
    if (row >= rows_.size())
        return false;
    const ShortcutsListRow chosen = rows_[row];
    if (!Ask("Do you want to delete " + chosen.Caption + " shortcut?", kConfirmDelete))
        return false;
    std::vector<std::string> names = {chosen.Name};
    std::vector<std::string> sameTarget;
    for (const ShortcutsListRow& other : rows_)
        if (other.Name != chosen.Name && !chosen.FolderPath.empty() &&
            CompareUpperCase(other.FolderPath, chosen.FolderPath) == 0)
            sameTarget.push_back(other.Name);
    if (!sameTarget.empty() &&
        Ask("Do you want to delete all shortcuts with the same Target Folder?", kConfirmDelete))
        names.insert(names.end(), sameTarget.begin(), sameTarget.end());
    RemoveItems(names);
    return true;
}

bool ShortcutsList::DeleteAllKeyboardShortcuts() {
    // The question keeps the program's own spelling, which users and their documentation know.
    if (!Ask("Do you want to delete the keyboard shorcuts for all folder shortcuts?", PROGRAM_TITLE))
        return false;
    bool any = false;
    for (clsMenuItem& item : collection_) {
        if (IsFolderShortcut(item) && item.KeyboardCode() != -1) {
            item.SetKeyboardCode(-1);
            any = true;
        }
    }
    changed_ = changed_ || any;
    Refresh();
    const bool failed = std::any_of(rows_.begin(), rows_.end(), [](const ShortcutsListRow& row) {
        return !row.KeyboardShortcut.empty();
    });
    Tell(failed ? "Error deleting the keyboard shortcuts for all folder shortcuts."
                : "The keyboard shortcuts for all folder shortcuts have been deleted.",
         failed);
    return !failed;
}

bool ShortcutsList::DeleteMissingTargets() {
    if (!Ask("Do you want to delete all folder shortcuts with missing target folders?", PROGRAM_TITLE))
        return false;
    std::vector<std::string> names;
    for (const ShortcutsListRow& row : rows_)
        if (!row.TargetExists)
            names.push_back(row.Name);
    RemoveItems(names);
    const bool failed = std::any_of(rows_.begin(), rows_.end(),
                                    [](const ShortcutsListRow& row) { return !row.TargetExists; });
    Tell(failed ? "Error deleting folder shortcuts with missing target folders."
                : "All folder shortcuts with missing target folders have been deleted.",
         failed);
    return !failed;
}

} // namespace krv
