#include "groups/modSetupSystemFolders.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "menu/MenuEntryRemoval.h"
#include "model/clsMenuCollection.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace krv {

namespace {

constexpr const char* kGroupCaption = "System Folders";
constexpr const char* kGroupDescription = "Contains shortcuts to system folders";
constexpr const char* kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

constexpr const char* kWindowsFolder = "SystemRoot";
constexpr const char* kSystemFolder = "System32";

struct SubgroupRow {
    const char* Name;
    const char* Caption;
    const char* Owner;
    const char* UserDescription;
};

constexpr std::array<SubgroupRow, 5> kSubgroups{{
    {MIT_PATHS_SYSTEM_A, "All Users", MIT_PATHS_SYSTEM, "Contains shortcuts to All Users system folders"},
    {MIT_PATHS_SYSTEM_P, "Personal", MIT_PATHS_SYSTEM, "Contains shortcuts to Personal system folders"},
    {MIT_PATHS_SYSTEM_W, "Windows", MIT_PATHS_SYSTEM, "Contains shortcuts to Windows system folders"},
    {MIT_PATHS_SYSTEM_PSM, "Start Menu", MIT_PATHS_SYSTEM_P, "Shortcuts to Personal Start Menu folders"},
    {MIT_PATHS_SYSTEM_ASM, "Start Menu", MIT_PATHS_SYSTEM_A, "Shortcuts to All Users Start Menu folders"},
}};
// The first three stand at the head of the table; the Start Menu subgroups come before their first entry.
constexpr size_t kTopSubgroups = 3;

struct FolderRow {
    const char* Caption;
    const char* Source; // the name given to the path resolver
    const char* Suffix; // appended to the resolved folder
    const char* Subgroup;
    bool Important;
};

constexpr std::array<FolderRow, 44> kFolders{{
    {"Desktop", "Desktop", "", MIT_PATHS_SYSTEM_P, true},
    {"Favorites", "Favorites", "", MIT_PATHS_SYSTEM_P, true},
    {"History", "History", "", MIT_PATHS_SYSTEM_P, true},
    {"My Documents", "Personal", "", MIT_PATHS_SYSTEM_P, true},
    {"Program Files", "ProgramFilesDir", "", MIT_PATHS_SYSTEM_P, true},
    {"Send To", "SendTo", "", MIT_PATHS_SYSTEM_P, true},
    {"Windows", kWindowsFolder, "", MIT_PATHS_SYSTEM_W, true},
    {"Application Data", "AppData", "", MIT_PATHS_SYSTEM_P, false},
    {"Administrative Tools", "Administrative Tools", "", MIT_PATHS_SYSTEM_P, false},
    {"Cache", "Cache", "", MIT_PATHS_SYSTEM_P, false},
    {"Local AppData", "Local AppData", "", MIT_PATHS_SYSTEM_P, false},
    {"Local Settings", "Local Settings", "", MIT_PATHS_SYSTEM_P, false},
    {"My Pictures", "My Pictures", "", MIT_PATHS_SYSTEM_P, false},
    {"NetHood", "NetHood", "", MIT_PATHS_SYSTEM_P, false},
    {"PrintHood", "PrintHood", "", MIT_PATHS_SYSTEM_P, false},
    {"Recent", "Recent", "", MIT_PATHS_SYSTEM_P, false},
    {"Programs", "Programs", "", MIT_PATHS_SYSTEM_PSM, false},
    {"Start Menu", "Start Menu", "", MIT_PATHS_SYSTEM_PSM, false},
    {"Startup", "Startup", "", MIT_PATHS_SYSTEM_PSM, false},
    {"Common Files", "CommonFilesDir", "", MIT_PATHS_SYSTEM_W, false},
    {"Cookies", "Cookies", "", MIT_PATHS_SYSTEM_W, false},
    {"Cursors", kWindowsFolder, "\\Cursors", MIT_PATHS_SYSTEM_W, false},
    {"Downloaded Program Files", kWindowsFolder, "\\Downloaded Program Files", MIT_PATHS_SYSTEM_W, false},
    {"Fonts", "Fonts", "", MIT_PATHS_SYSTEM_W, false},
    {"Inf", kWindowsFolder, "\\Inf", MIT_PATHS_SYSTEM_W, false},
    {"Java", kWindowsFolder, "\\Java", MIT_PATHS_SYSTEM_W, false},
    {"Media", "MediaPath", "", MIT_PATHS_SYSTEM_W, false},
    {"Offline Web Pages", kWindowsFolder, "\\Offline Web Pages", MIT_PATHS_SYSTEM_W, false},
    {"Speech", kWindowsFolder, "\\Speech", MIT_PATHS_SYSTEM_W, false},
    {"System", kWindowsFolder, "\\System", MIT_PATHS_SYSTEM_W, false},
    {"System32", kSystemFolder, "", MIT_PATHS_SYSTEM_W, false},
    {"System32-drivers", kSystemFolder, "\\drivers", MIT_PATHS_SYSTEM_W, false},
    {"System32-drivers-etc", kSystemFolder, "\\drivers\\etc", MIT_PATHS_SYSTEM_W, false},
    {"Tasks", kWindowsFolder, "\\Tasks", MIT_PATHS_SYSTEM_W, false},
    {"Temp", kWindowsFolder, "\\Temp", MIT_PATHS_SYSTEM_W, false},
    {"Templates", "Templates", "", MIT_PATHS_SYSTEM_W, false},
    {"Application Data", "Common AppData", "", MIT_PATHS_SYSTEM_A, false},
    {"Desktop", "Common Desktop", "", MIT_PATHS_SYSTEM_A, false},
    {"Documents", "Common Documents", "", MIT_PATHS_SYSTEM_A, false},
    {"Templates", "Common Templates", "", MIT_PATHS_SYSTEM_A, false},
    {"Common Administrative Tools", "Common Administrative Tools", "", MIT_PATHS_SYSTEM_ASM, false},
    {"Common Programs", "Common Programs", "", MIT_PATHS_SYSTEM_ASM, false},
    {"Common Start Menu", "Common Start Menu", "", MIT_PATHS_SYSTEM_ASM, false},
    {"Common Startup", "Common Startup", "", MIT_PATHS_SYSTEM_ASM, false},
}};

constexpr std::array<std::string_view, 3> kCurrentVersionValues{"ProgramFilesDir", "CommonFilesDir",
                                                                "MediaPath"};
constexpr std::array<std::string_view, 8> kCommonShellFolders{
    "Common Administrative Tools", "Common Desktop", "Common Documents", "Common AppData", "Common Programs",
    "Common Start Menu",           "Common Startup", "Common Templates"};

template <size_t N> bool IsOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A registry text as UTF-8, up to its first NUL; values of the expandable type have their %NAME% references
// replaced, as the shell does when it reads them.
std::string ReadRegistryText(IRegistry& registry, ISystemInfo& system, RegistryRoot root,
                             std::string_view key, std::string_view name) {
    const auto value = registry.QueryValue(root, key, name);
    if (!value ||
        (value->type != RegistryValueType::String && value->type != RegistryValueType::ExpandString)) {
        return {};
    }
    std::string text = DecodeRegistryString(value->data);
    text.erase(std::min(text.find('\0'), text.size()));
    return value->type == RegistryValueType::ExpandString ? system.ExpandEnvironment(text) : text;
}

clsSystemFolder SubgroupEntry(const SubgroupRow& row) {
    return {.Description = row.Caption,
            .OwnerName = row.Owner,
            .Name = row.Name,
            .SubMenu = true,
            .UserDescription = row.UserDescription};
}

const SubgroupRow* FindSubgroup(std::string_view name) {
    for (const SubgroupRow& row : kSubgroups) {
        if (name == row.Name) {
            return &row;
        }
    }
    return nullptr;
}

void AddTableRow(clsMenuCollection& collection, IFileSystem& files, const clsSystemFolder& row) {
    if (row.SubMenu || row.Separator) {
        collection.AddNewMenuItem({.Caption = row.Description,
                                   .OwnerName = row.OwnerName,
                                   .Name = row.Name,
                                   .SubMenu = row.SubMenu,
                                   .Separator = row.Separator,
                                   .Remark = row.Remark,
                                   .ComputePath = true,
                                   .UserDescription = row.UserDescription});
        return;
    }
    if (row.Path.empty() || !files.FolderExists(row.Path)) {
        return;
    }
    collection.AddNewMenuItem({.Caption = row.Description,
                               .OwnerName = row.OwnerName,
                               .Name = row.Name,
                               .FolderPath = row.Path,
                               .ItemType = MIT_PATH,
                               .OpenType = MIT_PATH_EXPLORER,
                               .Remark = row.Remark,
                               .ComputePath = true,
                               .UserDescription = row.UserDescription});
}

} // namespace

std::string GetSystemFolderPath(IRegistry& registry, ISystemInfo& system, std::string_view source) {
    if (source == kWindowsFolder) {
        return system.WindowsFolder();
    }
    if (source == kSystemFolder) {
        return system.SystemFolder();
    }
    if (source == "Start Menu") {
        return std::string(FolderOfPath(GetSystemFolderPath(registry, system, "Programs")));
    }
    if (IsOneOf(source, kCurrentVersionValues)) {
        return ReadRegistryText(registry, system, RegistryRoot::LocalMachine, kCurrentVersionKey, source);
    }
    if (IsOneOf(source, kCommonShellFolders)) {
        return ReadRegistryText(registry, system, RegistryRoot::LocalMachine, kShellFoldersKey, source);
    }
    return ReadRegistryText(registry, system, RegistryRoot::CurrentUser, kShellFoldersKey, source);
}

std::vector<clsSystemFolder> SystemFolderTable(IRegistry& registry, ISystemInfo& system,
                                               bool importantFirst) {
    std::vector<clsSystemFolder> table;
    std::unordered_set<std::string_view> subgroupsPlaced;
    for (size_t i = 0; i < kTopSubgroups; ++i) {
        table.push_back(SubgroupEntry(kSubgroups[i]));
        subgroupsPlaced.insert(kSubgroups[i].Name);
    }
    for (const FolderRow& row : kFolders) {
        if (!subgroupsPlaced.contains(row.Subgroup)) {
            if (const SubgroupRow* subgroup = FindSubgroup(row.Subgroup)) {
                table.push_back(SubgroupEntry(*subgroup));
            }
            subgroupsPlaced.insert(row.Subgroup);
        }
        clsSystemFolder entry{.Description = row.Caption};
        // A suffix is only meaningful below a folder that was found; alone it would name a folder of the
        // current drive's root.
        const std::string base = GetSystemFolderPath(registry, system, row.Source);
        entry.Path = base.empty() ? std::string() : base + row.Suffix;
        entry.OwnerName = importantFirst && row.Important ? MIT_PATHS_SYSTEM : row.Subgroup;
        table.push_back(std::move(entry));
    }
    return table;
}

void AddSystemFolders(clsMenuCollection& collection, IRegistry& registry, ISystemInfo& system,
                      IFileSystem& files, bool importantFirst) {
    if (collection.ItemExists(MIT_PATHS_SYSTEM)) {
        return;
    }
    clsMenuItem group;
    group.SetName(MIT_PATHS_SYSTEM);
    group.SetCaption(kGroupCaption);
    group.SetOwnerName(TOP_LEVEL_OWNER);
    // SubMenu makes any item a general group, so the group's own type is set after it.
    group.SetSubMenu(true);
    group.SetItemType(MIT_PATHS_SYSTEM);
    group.SetUserDescription(kGroupDescription);
    const char* beforeKey = collection.ItemExists(MIT_PATHS_DRIVES) ? MIT_PATHS_DRIVES : MIT_HF_DRIVES_SEP;
    if (collection.ItemExists(beforeKey)) {
        collection.AddBefore(group, beforeKey, true);
    } else {
        collection.AddOne(group, true, true);
    }
    if (!collection.ItemExists(MIT_PATHS_SYSTEM)) {
        return;
    }
    for (const clsSystemFolder& row : SystemFolderTable(registry, system, importantFirst)) {
        AddTableRow(collection, files, row);
    }
}

void RemoveSystemFolders(clsMenuCollection& collection, IMenuHost* alsoFromMenu) {
    RemoveItemsAndEntries(collection, SubtreeNames(collection, MIT_PATHS_SYSTEM), alsoFromMenu);
}

} // namespace krv
