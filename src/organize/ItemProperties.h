#pragma once
// ItemProperties: the decisions of the item properties dialog (frmProperties): what its two tabs show, and
// what Apply, Delete and Copy Shortcut do to the Target Folder on disk and to the working collection.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileDetails.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

namespace krv {

class clsMenuCollection;
struct ItemDialogResult;
class clsMenuItem;
class modRegionalSettings;

inline constexpr const char* PROPERTIES_WARNING_TEXT =
    "WARNING: Chaning any of these properties will affect the target folder on disc and all applications "
    "that use it. There is NO UNDO function.";
inline constexpr const char* RENAME_ERROR_TITLE = "Error Renaming Target Folder";

// Applies what the item dialog accepted for a change of the item named itemName: its caption, Target
// Folder, kind, keyboard shortcut and description, the time of the change, and the tree paths of the item
// and of everything below it (a group's caption is part of them). False when there is no such item.
bool ApplyItemChange(clsMenuCollection& collection, std::string_view itemName,
                     const ItemDialogResult& result);

// The text of the item tab's type label.
std::string ItemTypeText(const clsMenuItem& item);
// A time as the dialogs show it: the local date and time, or "Never" for a time that was never set.
std::string ItemTimeText(const DateTime& time, modRegionalSettings& regional);

// A Target Folder split into its parent and its own name. A drive root or a share root has no name of its
// own (it cannot be renamed): its location is the root itself.
struct FolderParts {
    std::string Location;
    std::string Name;
};
FolderParts SplitFolderPath(std::string_view folderPath);
// The root of a path: "C:\" for a drive path, "\\server\share" for a UNC path; empty for any other text (a
// relative path has no root).
std::string PathRoot(std::string_view path);
// Whether two paths name the same folder: compared without regard to ASCII case, "/" and "\" alike, and a
// trailing separator ignored.
bool SameFolderPath(std::string_view a, std::string_view b);

// The message that refuses a new folder name, or empty when the name can be used. A name with one of the
// nine characters Windows forbids, an empty name, "." and "..", a name that ends in a dot or a blank
// (which Windows would silently cut off, so the folder would get another name than the one asked for) and
// the reserved device names (CON, NUL, COM1 ...) are all refused with the same message.
std::string InvalidFolderNameMessage(std::string_view name);

// The check boxes of the Target Folder tab.
enum class FolderAttribute { ReadOnly, Archive, Hidden, System };
inline constexpr FolderAttribute kFolderAttributes[] = {FolderAttribute::ReadOnly, FolderAttribute::Archive,
                                                        FolderAttribute::Hidden, FolderAttribute::System};
uint32_t AttributeBit(FolderAttribute attribute);

// What the Target Folder tab shows. Shown is false when the item has no Target Folder or its drive is
// missing: the tab is then empty.
struct TargetFolderTab {
    bool Shown = false;
    bool Exists = false;       // the folder itself exists (its details are filled)
    bool NameEditable = false; // a root has no name of its own
    std::string Name;
    std::string Location;
    std::string ShortName;
    std::string Created;
    std::string Modified;
    std::string Accessed;
    uint32_t Attributes = 0; // the four FolderAttribute bits
    bool Has(FolderAttribute attribute) const { return (Attributes & AttributeBit(attribute)) != 0; }
};

// What the item tab shows.
struct ItemTab {
    std::string Caption;
    std::string Type;
    std::string TargetFolder;
    std::string Location;
    std::string Created;
    std::string Modified;
    std::string Accessed;
    int32_t IconID = 0;
};

struct ItemPropertiesServices {
    IFileSystem& Files;
    IFileDetails& Details;
    IShell& Shell;
    IMessageBox& Messages;
    modRegionalSettings& Regional;
};

// How an Apply ended.
enum class ApplyOutcome {
    Done,    // every pending change was made (or there was none, or the user said No); the flags are cleared
    Refused, // the new name was refused with a message; nothing changed and the dialog stays open
    Failed,  // the file system refused a change; what was done before stays, and the dialog stays open
};

class ItemProperties {
public:
    // The item is looked up by name in collection at each use, so that a change through the item dialog
    // shows at once.
    ItemProperties(clsMenuCollection& collection, std::string itemName,
                   const ItemPropertiesServices& services);

    // The item that the dialog shows (nullptr when it has gone from the collection).
    clsMenuItem* DohvatiMenuItem() const;

    // Fills both tabs from the item and its folder on disk, and forgets pending changes.
    void Refill();
    const ItemTab& Item() const { return itemTab_; }
    const TargetFolderTab& Folder() const { return folderTab_; }

    // The user's edits of the Target Folder tab.
    void SetAttributeChecked(FolderAttribute attribute, bool checked);
    bool AttributeChecked(FolderAttribute attribute) const {
        return (checkedAttributes_ & AttributeBit(attribute)) != 0;
    }
    void SetNewName(std::string_view name);
    const std::string& NewName() const { return newName_; }
    bool ApplyEnabled() const { return attributesChanged_ || nameChanged_ || itemChanged_; }

    // Makes the pending changes: the attributes first, then the rename (checked, asked, done on disk and in
    // every item whose Target Folder is that same folder).
    ApplyOutcome Apply();
    // Deletes the Target Folder to the Recycle Bin with the shell's own confirmation; true when it is gone,
    // and both tabs are then filled again.
    bool DeleteTargetFolder();
    // The item dialog accepted a change of the item: both tabs are filled again and Apply is enabled.
    void ItemChanged();
    // The text Copy Shortcut puts on the clipboard: the Target Folder, or the location for an item without
    // one.
    std::string CopyShortcutText() const;

    // Whether anything in the collection changed since the dialog opened (the editor then marks its tree
    // modified and shows it again).
    bool CollectionChanged() const { return collectionChanged_; }

private:
    void FillItemTab(const clsMenuItem& item);
    void FillFolderTab(const clsMenuItem& item);
    void ClearFlags();
    bool ApplyAttributes(const std::string& folder);
    ApplyOutcome ApplyRename(const std::string& folder);
    void RedirectItems(const std::string& from, const std::string& to);

    clsMenuCollection& collection_;
    std::string itemName_;
    ItemPropertiesServices services_;
    ItemTab itemTab_;
    TargetFolderTab folderTab_;
    uint32_t checkedAttributes_ = 0;
    std::string newName_;
    bool attributesChanged_ = false;
    bool nameChanged_ = false;
    bool itemChanged_ = false;
    bool collectionChanged_ = false;
};

} // namespace krv
