#pragma once
// The decisions of the folder shortcuts list (frmShortcutsList): which folder shortcuts of the working
// collection it lists, with their keyboard shortcuts and whether their target folders exist, its summary
// line, and its three deletions with their questions and messages.

#include <string>
#include <vector>

namespace krv {

class clsMenuCollection;
class IFileSystem;
class IMessageBox;

// One folder shortcut as the list shows it.
struct ShortcutsListRow {
    std::string Name; // the item's Name, for the deletions
    std::string Caption;
    std::string GroupCaption;     // the caption of the group that holds it
    std::string KeyboardShortcut; // "Shift+Ctrl+1", empty without one
    std::string FolderPath;
    bool TargetExists = true;
};

class ShortcutsList {
public:
    ShortcutsList(clsMenuCollection& collection, IFileSystem& fileSystem, IMessageBox& prompts);

    // Reads the folder shortcuts of the collection again, in caption order.
    void Refresh();
    const std::vector<ShortcutsListRow>& Rows() const { return rows_; }
    // "3 shortcut(s), 1 with keyboard shortcut     All target folders are OK     ".
    std::string Summary() const;
    // True once any deletion changed the collection.
    bool Changed() const { return changed_; }

    // Deletes the shortcut of row (after "Confirm Delete"), and when others share its Target Folder and the
    // user agrees, those as well. True when something was deleted.
    bool DeleteShortcut(size_t row);
    // Clears the keyboard shortcut of every folder shortcut, after a question.
    bool DeleteAllKeyboardShortcuts();
    // Deletes every folder shortcut whose target folder is missing, after a question.
    bool DeleteMissingTargets();

private:
    bool Ask(const std::string& text, const char* title) const;
    void Tell(const std::string& text, bool failed) const;
    void RemoveItems(const std::vector<std::string>& names);

    clsMenuCollection& collection_;
    IFileSystem& fileSystem_;
    IMessageBox& prompts_;
    std::vector<ShortcutsListRow> rows_;
    bool changed_ = false;
};

} // namespace krv
