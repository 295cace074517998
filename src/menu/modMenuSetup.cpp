#include "menu/modMenuSetup.h"

#include <algorithm>

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "groups/modSetupDrives.h"
#include "groups/modSetupSystemFolders.h"
#include "menu/MenuEntryRemoval.h"
#include "model/clsMenuCollection.h"
#include "platform/FileSystem.h"
#include "platform/MenuHost.h"
#include "platform/MessagePump.h"
#include "platform/SystemInfo.h"
#include "platform/Text.h"

namespace krv {

namespace {

constexpr const char* kPersonalCaption = "Personal";
constexpr const char* kPersonalDescription = "Contains your own folder shortcuts";

// The placeholder entry of an empty top-level popup.
constexpr const char* kPlaceholderText = "Dummy";
constexpr int32_t kPlaceholderID = 50;

constexpr uint32_t kCommandFlags = MENU_FLAG_BY_POSITION;                         // 1024
constexpr uint32_t kGroupFlags = MENU_FLAG_BY_POSITION | MENU_FLAG_POPUP;         // 1040
constexpr uint32_t kSeparatorFlags = MENU_FLAG_BY_POSITION | MENU_FLAG_SEPARATOR; // 3072
constexpr uint32_t kOwnerDrawFlags = MENU_FLAG_BY_POSITION | MENU_FLAG_OWNERDRAW; // 1280

// A walk ends once its counter passes these. Kind 2 counts folders from 0 over all disks (25 in all), kind 3
// from 1 on each disk (24 per disk), and its disks from 1 (24 disk groups, named M2 to M25).
constexpr int kFolderLimit = 24;
constexpr int kDiskGroupLimit = 24;
constexpr uint32_t kSkippedFolderAttributes = FILE_ATTR_HIDDEN | FILE_ATTR_SYSTEM | FILE_ATTR_COMPRESSED;

clsMenuItem FixedEntry(const char* name, const char* caption, const char* itemType) {
    clsMenuItem item;
    item.SetName(name);
    item.SetCaption(caption);
    item.SetItemType(itemType);
    item.SetOwnerName(TOP_LEVEL_OWNER);
    item.SetRemark(REMARK_AUTO);
    return item;
}

clsMenuItem FixedSeparator(const char* name) {
    clsMenuItem item;
    item.SetName(name);
    item.SetSeparator(true);
    item.SetOwnerName(TOP_LEVEL_OWNER);
    item.SetRemark(REMARK_AUTO);
    return item;
}

void AddGroup(clsMenuCollection& collection, const std::string& name, std::string_view caption,
              const std::string& ownerName) {
    clsMenuItem group;
    group.SetName(name);
    group.SetCaption(caption);
    group.SetOwnerName(ownerName);
    group.SetSubMenu(true);
    collection.AddOne(group, false, true);
}

void AddExplorerShortcut(clsMenuCollection& collection, const std::string& name, std::string_view caption,
                         const std::string& ownerName, std::string folderPath) {
    clsMenuItem shortcut;
    shortcut.SetName(name);
    shortcut.SetCaption(caption);
    shortcut.SetOwnerName(ownerName);
    shortcut.SetItemType(MIT_PATH);
    shortcut.SetOpenType(MIT_PATH_EXPLORER);
    shortcut.SetFolderPath(std::move(folderPath));
    collection.AddOne(shortcut, false, true);
}

void AddSampleContent(clsMenuCollection& collection, const SystemServices& services) {
    auto folder = [&](std::string_view source) {
        return GetSystemFolderPath(services.Registry, services.System, source);
    };
    AddGroup(collection, "M1", "My Group", MIT_GROUP_USER);
    AddExplorerShortcut(collection, "M2", "My Documents", MIT_GROUP_USER, folder("Personal"));
    AddExplorerShortcut(collection, "M3", "Desktop", "M1", folder("Desktop"));
    AddExplorerShortcut(collection, "M4", "Start Menu", "M1", folder("Start Menu"));
    clsMenuItem openAll;
    openAll.SetName("M5");
    openAll.SetItemType(MIT_OPENALL);
    openAll.SetCaption("Open-All");
    openAll.SetOwnerName("M1");
    collection.AddOne(openAll, false, true);
}

// Kinds 2 and 3: shortcuts to the first-level folders of the fixed disks, in the order the system lists them.
void AddDiskFolders(clsMenuCollection& collection, bool groupPerDisk, const SystemServices& services) {
    int diskCounter = 1;
    int folderCounter = 0;
    for (const std::string& entry : ReadDriveList(services.System)) {
        const DriveListEntry parts = SplitDriveListEntry(entry);
        const std::string drive = Utf8ToUpper(parts.DrivePart);
        const std::string root = drive + "\\";
        if (services.System.DriveType(root) != DRIVE_TYPE_FIXED) {
            continue;
        }
        std::string owner = MIT_GROUP_USER;
        if (groupPerDisk) {
            if (diskCounter > kDiskGroupLimit) {
                return;
            }
            ++diskCounter;
            owner = "M" + std::to_string(diskCounter);
            AddGroup(collection, owner, parts.HasLabel ? parts.Label + " (" + drive + ")" : drive,
                     MIT_GROUP_USER);
            folderCounter = 1;
        }
        for (const DirectoryEntry& folder : services.Files.ListFolder(root)) {
            if (!(folder.attributes & FILE_ATTR_DIRECTORY) ||
                (folder.attributes & kSkippedFolderAttributes)) {
                continue;
            }
            if (folderCounter > kFolderLimit) {
                if (!groupPerDisk) {
                    return;
                }
                break;
            }
            const std::string caption = groupPerDisk ? folder.name : drive + "_" + folder.name;
            AddExplorerShortcut(collection, "", caption, owner, root + folder.name);
            ++folderCounter;
            services.Pump.DoEvents();
        }
    }
}

bool IsSelected(const clsMenuItem& item, std::string_view startName) {
    return startName.empty() || item.Name() == startName || item.OwnerName() == startName;
}

void AssignIdentifierAndFlags(IMenuHost& menus, clsMenuCollection& collection, clsMenuItem& item) {
    if (item.Separator()) {
        item.SetID(collection.GetNextFreeID());
        item.Setflags(static_cast<int32_t>(kSeparatorFlags));
    } else if (item.SubMenu()) {
        item.SetID(menus.CreatePopup());
        item.Setflags(static_cast<int32_t>(kGroupFlags));
    } else {
        item.SetID(collection.GetNextFreeID());
        item.Setflags(static_cast<int32_t>(kCommandFlags));
    }
}

// Puts the item's plain entry into its owner menu; false when there is no such menu or Windows refuses.
bool PlaceEntry(IMenuHost& menus, const clsMenuItem& item, int32_t position, bool replacePlaceholder) {
    const auto flags = static_cast<uint32_t>(item.flags());
    return replacePlaceholder ? menus.ModifyEntry(item.OwnerID(), position, flags, item.ID(), item.Caption())
                              : menus.InsertEntry(item.OwnerID(), position, flags, item.ID(), item.Caption());
}

// First pass: identifiers, owners and positions, and one plain entry per selected item. The position of an
// item among its siblings is the number of earlier items with the same owner menu, counted in one pass. In
// a partial build the items that are not rebuilt are counted with the owners they already have, and their
// Position is brought up to date with the entries inserted before them.
std::vector<clsMenuItem*> InsertEntries(IMenuHost& menus, clsMenuCollection& collection,
                                        std::string_view startName) {
    // A whole build starts on a top-level popup that holds only the placeholder; the first top-level entry
    // takes its place.
    bool placeholderPending = startName.empty();
    std::unordered_map<int32_t, int32_t> nextPosition;
    std::vector<clsMenuItem*> placed;
    for (clsMenuItem& item : collection) {
        if (!IsSelected(item, startName)) {
            if (item.Position() >= 0) {
                item.SetPosition(nextPosition[item.OwnerID()]++);
            }
            continue;
        }
        AssignIdentifierAndFlags(menus, collection, item);
        bool ownerNotFound = false;
        item.SetOwnerID(collection.GetIDFromName(item.OwnerName(), ownerNotFound));
        const int32_t position = nextPosition[item.OwnerID()];
        const bool replacePlaceholder =
            placeholderPending && item.OwnerID() == collection.FileMenuHandle() && position == 0;
        if (ownerNotFound || !PlaceEntry(menus, item, position, replacePlaceholder)) {
            // No entry stands for the item, so nothing may later be deleted or modified at its place.
            if (item.SubMenu() && item.ID() != 0) {
                menus.DestroyPopup(item.ID());
            }
            item.SetPosition(-1);
            continue;
        }
        placeholderPending = placeholderPending && !replacePlaceholder;
        item.SetPosition(position);
        ++nextPosition[item.OwnerID()];
        placed.push_back(&item);
    }
    return placed;
}

// Second pass: every entry becomes owner-drawn in place and keeps its identifier and text. A group names its
// submenu again, since Windows detaches the submenu of an entry modified without one.
void MakeOwnerDrawn(IMenuHost& menus, const std::vector<clsMenuItem*>& placed) {
    for (clsMenuItem* item : placed) {
        const uint32_t flags = kOwnerDrawFlags | (item->Separator() ? MENU_FLAG_SEPARATOR : 0u);
        item->Setflags(static_cast<int32_t>(flags));
        const uint32_t entryFlags = flags | (item->SubMenu() ? MENU_FLAG_POPUP : 0u);
        menus.ModifyEntry(item->OwnerID(), item->Position(), entryFlags, item->ID(), item->Caption());
    }
}

} // namespace

void CreateDefaultConfiguration(IMenuWindow& form, clsMenuCollection& menuItems,
                                const SystemServices& services, const MenuSetupOptions& options) {
    menuItems.Clear();
    menuItems.ResetCounters();
    menuItems.SetFileMenuHandle(0);
    form.ShowBusyPointer();
    CreatePersonalGroup(menuItems, PERSONAL_GROUP_DISK_FOLDERS, services);
    AddRootEntries(menuItems, options.ShowSystemFolders, services, options);
    form.ShowNormalPointer();
}

void AddRootEntries(clsMenuCollection& collection, bool showSystemFolders, const SystemServices& services,
                    const MenuSetupOptions& options) {
    collection.AddOne(FixedSeparator(MIT_HF_DRIVES_SEP), true, false);
    collection.AddOne(FixedEntry(MIT_HF_ORGANIZE, "Organize Folders", MIT_HF_ORGANIZE), true, false);
    if (options.ShowHelp) {
        AddHelpEntries(collection);
    }
    if (options.ShowOptions) {
        AddOptionsEntry(collection);
    }
    if (showSystemFolders) {
        AddSystemFolders(collection, services.Registry, services.System, services.Files,
                         options.ImportantSystemFoldersFirst);
    }
}

RootEntriesHook MakeRootEntriesHook(const SystemServices& services,
                                    std::function<MenuSetupOptions()> currentOptions) {
    return [services, currentOptions = std::move(currentOptions)](clsMenuCollection& collection,
                                                                  bool showSystemFolders) {
        AddRootEntries(collection, showSystemFolders, services, currentOptions());
    };
}

// Help opens the menu, before the personal group. A tree without one (a file that held none) still gets Help
// at the top, before the first top-level entry, so that the user can reach it.
void AddHelpEntries(clsMenuCollection& collection) {
    std::string before = MIT_GROUP_USER;
    if (!collection.ItemExists(MIT_GROUP_USER)) {
        const auto first = std::find_if(collection.begin(), collection.end(),
                                        [](const clsMenuItem& item) { return item.IsTopLevel(); });
        if (first == collection.end())
            return;
        before = first->Name();
    }
    clsMenuItem help = FixedEntry(MIT_HF_HELP, "Help", MIT_HF_HELP);
    collection.AddBefore(help, before, false);
    clsMenuItem separator = FixedSeparator(MIT_HF_HELP_SEP);
    collection.AddBefore(separator, before, false);
}

void RemoveHelpEntries(clsMenuCollection& collection, IMenuHost* alsoFromMenu) {
    RemoveItemsAndEntries(collection, {MIT_HF_HELP, MIT_HF_HELP_SEP}, alsoFromMenu);
}

void AddOptionsEntry(clsMenuCollection& collection) {
    clsMenuItem options = FixedEntry(MIT_HF_SETTINGS, "Options", MIT_HF_SETTINGS);
    collection.AddBefore(options, MIT_HF_ORGANIZE, false);
}

void RemoveOptionsEntry(clsMenuCollection& collection, IMenuHost* alsoFromMenu) {
    RemoveItemsAndEntries(collection, {MIT_HF_SETTINGS}, alsoFromMenu);
}

void CreatePersonalGroup(clsMenuCollection& collection, int kind, const SystemServices& services) {
    clsMenuItem group;
    group.SetName(MIT_GROUP_USER);
    group.SetCaption(kPersonalCaption);
    group.SetOwnerName(TOP_LEVEL_OWNER);
    group.SetSubMenu(true);
    group.SetUserDescription(kPersonalDescription);
    if (collection.ItemExists(MIT_HF_HELP_SEP)) {
        collection.AddAfter(group, MIT_HF_HELP_SEP, true);
    } else {
        collection.AddOne(group, false, true);
    }
    switch (kind) {
    case PERSONAL_GROUP_SAMPLE:
        AddSampleContent(collection, services);
        break;
    case PERSONAL_GROUP_DISK_FOLDERS:
    case PERSONAL_GROUP_GROUP_PER_DISK:
        AddDiskFolders(collection, kind == PERSONAL_GROUP_GROUP_PER_DISK, services);
        break;
    default:
        break;
    }
}

int32_t BuildPopupMenu(IMenuWindow& form, IMenuHost& menus, clsMenuCollection& collection,
                       std::string_view startName) {
    const bool wholeTree = startName.empty();
    const int32_t fileMenu = menus.TopLevelPopup();
    collection.SetFileMenuHandle(fileMenu);
    if (wholeTree) {
        form.RemoveMenuHandler();
    }
    MakeOwnerDrawn(menus, InsertEntries(menus, collection, startName));
    if (wholeTree) {
        form.InstallMenuHandler();
    }
    return fileMenu;
}

void ClearPopupMenu(IMenuHost& menus, clsMenuCollection& collection) {
    if (collection.Count() == 0) {
        return;
    }
    // From the last item to the first: children go before their group, and later siblings before earlier
    // ones, so every recorded position still names its entry when it is deleted.
    for (auto it = collection.end(); it != collection.begin();) {
        --it;
        menus.DeleteEntry(it->OwnerID(), it->Position());
    }
    const int32_t fileMenu = collection.FileMenuHandle();
    collection.Clear();
    // Whatever a stale position left behind in the top-level popup goes too (submenus with their entries),
    // so that the placeholder is its only entry.
    for (int32_t count = menus.EntryCount(fileMenu); count > 0; --count) {
        menus.DeleteEntry(fileMenu, count - 1);
    }
    menus.InsertEntry(fileMenu, 0, kCommandFlags, kPlaceholderID, kPlaceholderText);
    collection.ResetCounters();
}

void CopyCollection(const clsMenuCollection& source, clsMenuCollection& target) {
    target.Reserve(target.Count() + source.Count());
    for (const clsMenuItem& item : source) {
        clsMenuItem copy{clsMenuItem::UnsetTimes{}};
        CopyMenuItem(item, copy);
        target.AddOne(std::move(copy), true, false);
    }
    target.SetIDCounter(source.IDCounter());
    target.SetMenuNameCounter(source.MenuNameCounter());
    target.SetFileMenuHandle(source.FileMenuHandle());
}

} // namespace krv
