#pragma once
// The decisions of the item dialog (frmAddModify), apart from its window: what it shows for a new or a
// changed item, what each of its buttons and boxes does, the keyboard shortcut conflict, the checks of OK
// in their order, and what an accepted dialog hands to its caller.

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/modBFF.h"
#include "model/clsMenuCollection.h"
#include "organize/OrganizeDialogs.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace krv {

// The entries of the type combo, in their order.
enum class ItemKind { Group, FolderShortcut, ExplorerShortcut, OpenAll };

struct ItemKindEntry {
    ItemKind Kind;
    const char* Text;     // the combo's entry
    const char* ItemType; // ItemType of an item of this kind
    const char* OpenType; // OpenType of an item of this kind (the default one where it does not matter)
};
const std::array<ItemKindEntry, 4>& ItemKindEntries();
const ItemKindEntry& EntryOf(ItemKind kind);
// The kind a caller asks for by "MIT_GROUP_GENERAL", "MIT_PATH_SHORTCUT", "MIT_PATH_EXPLORER" or
// "MIT_OPENALL"; nothing for any other text.
std::optional<ItemKind> KindOfRequestedType(std::string_view requestedType);
// The kind an existing item shows in the combo.
ItemKind KindOfItem(const clsMenuItem& item);
inline bool IsFolderKind(ItemKind kind) {
    return kind == ItemKind::FolderShortcut || kind == ItemKind::ExplorerShortcut;
}

// The keyboard combo: an empty entry (no shortcut), then "Shift+Ctrl+0" to "Shift+Ctrl+9".
inline constexpr int KEYBOARD_ENTRY_COUNT = 11;
std::string KeyboardEntryText(int index);
// -1 for the empty entry, else the virtual-key code of the entry's digit (48 to 57).
int32_t KeyboardCodeOfEntry(int index);
// The entry of a keyboard code; the empty entry for -1 and for any code that is no digit key.
int KeyboardEntryOfCode(int32_t code);

// The name Reset gives: the last component of a folder path, without the characters a name cannot hold
// ("C:\Work\Docs\" gives "Docs", "\\server\share" gives "share", "D:\" gives "D").
std::string NameFromPath(std::string_view path);
// Where a new or changed item stands: two backslashes and the captions of the group chain down to group
// ("\\" for the top level, "\\Personal\Work" for the group Work inside the personal group).
std::string LocationOfGroup(const clsMenuCollection& collection, std::string_view group);

// The texts of the dialog that its window shows as designed.
namespace item_dialog_text {
inline constexpr const char* TYPE_HINT = "Defines function of the item.";
inline constexpr const char* NAME_HINT =
    "Name of the item. If omitted, the item is named after its path. Name of "
    "Open-All items is fixed and cannot be changed.";
inline constexpr const char* PATH_HINT =
    "Path of the folder this menu item opens. Applies to Folder and Windows Explorer shortcuts.";
inline constexpr const char* LOCATION_HINT = "Location of this item within Organized Folders.";
inline constexpr const char* KEYBOARD_HINT = "Combination of keys that open this item.";
inline constexpr const char* DESCRIPTION_HINT = "Your own personal description of the item.";
inline constexpr const char* RESET_TIP = "Copy the name of Target Folder";
inline constexpr const char* BROWSE_TIP = "Browse for Targer Folder";
inline constexpr const char* ERASE_TIP = "Erase Keyboard Shortcut";
inline constexpr const char* FINISH_TIP = "Accept changes";
inline constexpr const char* CANCEL_TIP = "Don't accept changes";
inline constexpr const char* OPEN_ALL_NAME = "Open-All";
} // namespace item_dialog_text

// What an accepted dialog hands back (GetParameters).
// The caller's request is the Organize window's ItemDialogRequest: a new item of RequestedType in
// TargetGroupName ("-1" for the top level; anything but the four kinds starts at the Windows Explorer
// shortcut), or a change of the item named ItemName in its own group.
struct ItemParameters : ItemDialogResult {
    // The items whose keyboard shortcut the user agreed to give to this item; they lose theirs.
    std::vector<std::string> KeyboardTakenFrom;

    bool IsGroup() const;
};

struct ItemDialogServices {
    const clsMenuCollection& Collection;
    IFileSystem& Files;
    IMessageBox& MessageBox;
    IFolderBrowser& FolderBrowser;
    // The window the folder browser is shown over.
    intptr_t Owner = 0;
};

class ItemDialogLogic {
public:
    ItemDialogLogic(const ItemDialogServices& services, const ItemDialogRequest& request);

    // --- What the window shows.
    std::string Caption() const;
    ItemKind Kind() const { return kind_; }
    int KindIndex() const { return static_cast<int>(kind_); }
    int32_t IconID() const;
    // The type name beside the icon.
    std::string TypeName() const;
    // The name box: the fixed name for an Open-All shortcut, otherwise what the user typed.
    std::string Name() const;
    const std::string& Path() const { return path_; }
    const std::string& Location() const { return location_; }
    int KeyboardIndex() const { return keyboardIndex_; }
    const std::string& Description() const { return description_; }
    bool NameEditable() const { return kind_ != ItemKind::OpenAll; }
    bool PathEditable() const { return IsFolderKind(kind_); }

    // --- What the user did.
    void ChooseKind(int index);
    void SetName(std::string name);
    void SetPath(std::string path);
    void SetDescription(std::string description) { description_ = std::move(description); }
    // Reset: the name from the path.
    void ResetName();
    // The path box lost the focus: an empty name is filled from the path.
    void PathLostFocus();
    // The keyboard combo got the focus: the entry it shows is the one No and Cancel return to.
    void KeyboardFocused();
    // An entry was chosen; returns the entry the combo shows afterwards (the previous one when the user
    // would not take the shortcut from the item that has it).
    int ChooseKeyboard(int index);
    // Erase: no keyboard shortcut.
    void EraseKeyboard();
    // Browse (also Enter in the path box): true when a folder was chosen and put into the path.
    bool Browse();
    // Paths dropped on the path or the name box: the first folder among them becomes the path (and names
    // the item when it has no name yet). False when none of them is a folder.
    bool DropPaths(const std::vector<std::string>& paths);
    // OK: runs the checks in order; the first that fails tells the user and keeps the dialog open (false).
    bool Finish();

    bool Accepted() const { return accepted_; }
    ItemParameters GetParameters() const;

private:
    bool CheckPath();
    bool CheckName(const std::string& name);
    bool CheckPlace(const std::string& name);
    bool Refuse(const std::string& text);
    const clsMenuItem* ChangedItem() const;
    std::string ChangedItemName() const;
    // The item other than the changed one that has the keyboard code, if any.
    const clsMenuItem* HolderOfCode(int32_t code) const;

    ItemDialogServices services_;
    ItemDialogRequest request_;
    std::string targetGroup_{};
    std::string location_{};
    ItemKind kind_ = ItemKind::ExplorerShortcut;
    std::string name_{};
    std::string path_{};
    std::string description_{};
    int keyboardIndex_ = 0;
    int previousKeyboardIndex_ = 0;
    // The keyboard codes the user agreed to take from other items.
    std::set<int32_t> takenCodes_;
    bool accepted_ = false;
};

// The items the user agreed to take the keyboard shortcut from (KeyboardTakenFrom) lose theirs.
void TakeKeyboardShortcuts(clsMenuCollection& collection, const ItemParameters& parameters);
// Applies an accepted dialog for a new item: adds it to group in its sorted place, clears the keyboard
// code of the items it took the shortcut from, and returns the stored item (nullptr when nothing could be
// stored).
clsMenuItem* AddItemFromParameters(clsMenuCollection& collection, std::string_view group,
                                   const ItemParameters& parameters);
// Applies an accepted dialog for a change of the item stored under itemName; the paths of the item and of
// its descendants follow a new caption. False when there is no such item.
bool ChangeItemFromParameters(clsMenuCollection& collection, std::string_view itemName,
                              const ItemParameters& parameters);

} // namespace krv
