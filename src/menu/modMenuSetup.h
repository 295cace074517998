#pragma once
// modMenuSetup: the fixed entries of the popup menu, the personal group's default content, and turning a tree
// into the Windows popup menu (and emptying that menu again).

#include <cstdint>
#include <functional>
#include <string_view>

namespace krv {

class clsMenuCollection;
class IFileSystem;
class IMenuHost;
class IMenuWindow;
class IMessagePump;
class IRegistry;
class ISystemInfo;

// The appearance options the menu skeleton reads, by their registry value names.
struct MenuSetupOptions {
    bool ShowSystemFolders = true;           // "AC0"
    bool ShowDrives = true;                  // "AC1"
    bool ShowHelp = true;                    // "AC2"
    bool ShowOptions = true;                 // "AC3"
    bool ImportantSystemFoldersFirst = true; // "AC5"
};

// The parts of the system that the generated content reads.
struct SystemServices {
    ISystemInfo& System;
    IFileSystem& Files;
    IRegistry& Registry;
    IMessagePump& Pump;
};

// The content CreatePersonalGroup puts into the personal group.
enum PersonalGroupKind : int {
    PERSONAL_GROUP_EMPTY = 0,
    PERSONAL_GROUP_SAMPLE = 1,         // My Group with Desktop, Start Menu and Open-All; My Documents
    PERSONAL_GROUP_DISK_FOLDERS = 2,   // up to 25 first-level folders of the fixed disks, "C_Windows"
    PERSONAL_GROUP_GROUP_PER_DISK = 3, // one group per fixed disk with up to 24 of its first-level folders
};

// Empties menuItems (a fresh tree, counters reset) and fills it with the default content: the personal group
// with the folders of the fixed disks and the fixed entries. The busy pointer shows meanwhile.
void CreateDefaultConfiguration(IMenuWindow& form, clsMenuCollection& menuItems, const SystemServices& services,
                                const MenuSetupOptions& options);

// Adds the separator "MIT_HF_DRIVES_SEP" and "Organize Folders", then Help and Options as the options say,
// then the System Folders group when showSystemFolders is true.
void AddRootEntries(clsMenuCollection& collection, bool showSystemFolders, const SystemServices& services,
                    const MenuSetupOptions& options);

// What the configuration reader calls after its last record.
using RootEntriesHook = std::function<void(clsMenuCollection& collection, bool showSystemFolders)>;
// AddRootEntries bound to the system and to the options as they stand at each call.
RootEntriesHook MakeRootEntriesHook(const SystemServices& services,
                                    std::function<MenuSetupOptions()> currentOptions);

// "Help" and its separator before the personal group (nothing when that group is missing), and back out.
// The Remove functions delete the entries from the built menu too when given its host.
void AddHelpEntries(clsMenuCollection& collection);
void RemoveHelpEntries(clsMenuCollection& collection, IMenuHost* alsoFromMenu);
// "Options" before "Organize Folders", and back out.
void AddOptionsEntry(clsMenuCollection& collection);
void RemoveOptionsEntry(clsMenuCollection& collection, IMenuHost* alsoFromMenu);

// Creates the personal group "MIT_GROUP_USER" and the content of the given kind (any other kind: the group
// alone).
void CreatePersonalGroup(clsMenuCollection& collection, int kind, const SystemServices& services);

// Builds the menu entries of the tree in the main window's top-level popup, which must hold only its
// placeholder for a full build. With startName empty the whole tree is built and the window's menu handler
// is removed before and installed after; otherwise only the item startName and its direct children are
// inserted (the Drives group after it was refilled). Returns the top-level popup's handle, which is also
// stored as the tree's FileMenuHandle.
int32_t BuildPopupMenu(IMenuWindow& form, IMenuHost& menus, clsMenuCollection& collection,
                       std::string_view startName);

// Deletes every entry of the tree from the menus, empties the tree, puts the placeholder "Dummy" (identifier
// 50) back into the top-level popup and resets the tree's counters.
void ClearPopupMenu(IMenuHost& menus, clsMenuCollection& collection);

// Copies every item of source, in order, to the end of target, then the counters and FileMenuHandle.
void CopyCollection(const clsMenuCollection& source, clsMenuCollection& target);

} // namespace krv
