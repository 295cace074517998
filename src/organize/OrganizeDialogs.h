#pragma once
// The windows the Organize Folders window opens over itself, as the presenter sees them: one function per
// window, taking plain data and returning the user's answer. The Win32 program implements it with the real
// dialogs (frmOrganizeDialogs); unit tests pass a fake that answers from a script.

#include <cstdint>
#include <optional>
#include <string>

namespace krv {

class clsMenuCollection;
class clsMenuItem;

// What the item dialog is opened for.
struct ItemDialogRequest {
    enum class Mode { New, Change };
    Mode DialogMode = Mode::New;
    // For a new item the kind the type list starts at: "MIT_GROUP_GENERAL", "MIT_PATH_SHORTCUT",
    // "MIT_PATH_EXPLORER" or "MIT_OPENALL".
    std::string RequestedType;
    // For a change, the Name of the item being changed; empty for a new item.
    std::string ItemName;
    // The Name of the group that holds (or will hold) the item.
    std::string TargetGroupName;
    // The Target Folder the dialog starts with (the folder of "/ADD"); empty otherwise.
    std::string InitialPath;
};

// The values the user accepted in the item dialog; the caller applies them to the collection.
struct ItemDialogResult {
    std::string ItemType; // "MIT_GROUP_GENERAL", "MIT_PATH" or "MIT_OPENALL"
    std::string OpenType; // "MIT_PATH_SHORTCUT" or "MIT_PATH_EXPLORER" for a folder shortcut
    std::string Caption;
    std::string FolderPath;
    int32_t KeyboardCode = -1; // 48 to 57 for Shift+Ctrl+0 to 9, -1 for none
    std::string UserDescription;
};

// The restore wizard's answer: which group, and for the Personal group the kind of content (0 to 3).
struct RestoreChoice {
    std::string GroupName; // "MIT_GROUP_USER" or "MIT_PATHS_SYSTEM"
    int Choice = 0;
};

enum class RestoreMode { PersonalGroup = 0, SystemFolders = 1 };

// The item-exists conflict dialog's answers.
enum class ItemExistsAnswer { Replace, Rename, Cancel };

// What the Options dialog reports when it has closed.
struct OrganizeOptionsOutcome {
    bool SettingsChanged = false;
    bool ExitRequested = false;
};

class IOrganizeDialogs {
public:
    virtual ~IOrganizeDialogs() = default;

    // The item dialog (new item or change of an item) over the working collection; nothing when cancelled.
    // The dialog may take a keyboard shortcut away from another item of collection when the user agrees.
    virtual std::optional<ItemDialogResult> ShowItemDialog(clsMenuCollection& collection,
                                                           const ItemDialogRequest& request) = 0;
    // The properties of the item named itemName; true when the dialog changed the collection (the item
    // itself through Change, or the Target Folders of shortcuts after a rename on disk).
    virtual bool ShowItemProperties(clsMenuCollection& collection, const std::string& itemName) = 0;
    // The configuration file information dialog for the working collection.
    virtual void ShowConfigFileInformation(const clsMenuCollection& collection) = 0;
    // The restore wizard; nothing when cancelled.
    virtual std::optional<RestoreChoice> ShowRestoreWizard(RestoreMode mode) = 0;
    virtual void ShowTipOfTheDay() = 0;
    // The folder shortcuts list over the working collection, modal.
    virtual void ShowShortcutsList(clsMenuCollection& collection) = 0;
    // The Options dialog over this window for the working collection.
    virtual OrganizeOptionsOutcome ShowOptions(clsMenuCollection& collection) = 0;
    virtual void ShowAbout() = 0;
    // The conflict question of a paste: the group already holds existing, and incoming is being pasted.
    virtual ItemExistsAnswer AskItemExists(const clsMenuItem& existing, const clsMenuItem& incoming) = 0;
};

} // namespace krv
