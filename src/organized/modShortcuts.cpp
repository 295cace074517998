#include "organized/modShortcuts.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

constexpr std::string_view kLinkDescription = "Organized Folder Shortcut";
constexpr int kShowNormal = 1;

// Longest paths the W calls accept without the long-path prefix, in UTF-16 units and without the
// terminator: a folder must leave room for an 8.3 file name (MAX_PATH - 12), a file may use MAX_PATH - 1.
constexpr size_t kMaxFolderPathLength = 247;
constexpr size_t kMaxFilePathLength = 259;

size_t Index(OrganizedFoldersLocation location) {
    return static_cast<size_t>(location);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    path += name;
    return path;
}

size_t Utf16Length(std::string_view path) {
    return Utf8ToUtf16(path).size();
}

std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return upper;
}

// Device names that Windows reserves in every folder, whatever extension follows them.
bool IsReservedDeviceName(std::string_view name) {
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    const std::string upper = AsciiUpper(stem);
    static constexpr std::string_view kFixed[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    if (std::find(std::begin(kFixed), std::end(kFixed), upper) != std::end(kFixed))
        return true;
    if (upper.size() < 4 || (upper.compare(0, 3, "COM") != 0 && upper.compare(0, 3, "LPT") != 0))
        return false;
    const std::string_view digit = std::string_view(upper).substr(3);
    static constexpr std::string_view kDigits[] = {"1", "2", "3", "4",        "5",        "6",
                                                   "7", "8", "9", "\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};
    return std::find(std::begin(kDigits), std::end(kDigits), digit) != std::end(kDigits);
}

// True when name can be one component of a Windows path and means what it says: Windows would refuse
// other names, strip their trailing dots and blanks (landing in another folder), or open a device.
bool IsUsableFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    }
    if (name.back() == '.' || name.back() == ' ')
        return false;
    return !IsReservedDeviceName(name);
}

// An ItemPath ("\G\H", or empty) whose every component is a usable file name.
bool IsUsableRelativePath(std::string_view relative) {
    if (relative.empty())
        return true;
    if (relative.front() != '\\')
        return false;
    relative.remove_prefix(1);
    while (true) {
        const size_t slash = relative.find('\\');
        if (!IsUsableFileName(relative.substr(0, slash)))
            return false;
        if (slash == std::string_view::npos)
            return true;
        relative.remove_prefix(slash + 1);
    }
}

bool ClearReadOnly(IFileSystem& fileSystem, const std::string& path, uint32_t attributes) {
    if (!(attributes & FILE_ATTR_READONLY))
        return true;
    return fileSystem.SetAttributes(path, attributes & ~uint32_t{FILE_ATTR_READONLY});
}

// Appends the item and its descendants in menu order, each group before what it holds.
void AppendSubtree(const clsMenuCollection& collection, const clsMenuItem& item,
                   std::vector<const clsMenuItem*>& items) {
    items.push_back(&item);
    for (const clsMenuItem* child : collection.Children(item.Name()))
        AppendSubtree(collection, *child, items);
}

// What a refresh mirrors: the personal group with its subtree, or the whole tree.
std::vector<const clsMenuItem*> ItemsToMirror(const clsMenuCollection& collection, bool withSystemFolders) {
    std::vector<const clsMenuItem*> items;
    if (withSystemFolders) {
        for (const clsMenuItem& item : collection)
            items.push_back(&item);
    } else if (const clsMenuItem* personal = collection.GetMenuItemFromName(MIT_GROUP_USER)) {
        AppendSubtree(collection, *personal, items);
    }
    return items;
}

} // namespace

bool OrganizedFoldersOptions::IsShown(OrganizedFoldersLocation location) const {
    switch (location) {
    case OrganizedFoldersLocation::Desktop:
        return onDesktop;
    case OrganizedFoldersLocation::SendTo:
        return inSendTo;
    case OrganizedFoldersLocation::Favorites:
        return inFavorites;
    }
    return false;
}

std::string_view OrganizedFoldersRegistryValue(OrganizedFoldersLocation location) {
    static constexpr std::string_view kValues[] = {REG_VALUE_DIR_DESKTOP, REG_VALUE_DIR_SEND_TO,
                                                   REG_VALUE_DIR_FAVORITES};
    return kValues[Index(location)];
}

bool DeleteFolderTree(IFileSystem& fileSystem, std::string_view folder) {
    const std::string path(folder);
    const auto attributes = fileSystem.GetAttributes(path);
    if (!attributes || !(*attributes & FILE_ATTR_DIRECTORY))
        return false;
    if (!(*attributes & FILE_ATTR_REPARSE_POINT)) {
        for (const DirectoryEntry& entry : fileSystem.ListFolder(path)) {
            const std::string child = JoinPath(path, entry.name);
            if (entry.attributes & FILE_ATTR_DIRECTORY) {
                DeleteFolderTree(fileSystem, child);
            } else if (ClearReadOnly(fileSystem, child, entry.attributes)) {
                fileSystem.DeleteFile(child);
            }
        }
    }
    ClearReadOnly(fileSystem, path, *attributes);
    return fileSystem.RemoveFolder(path);
}

modShortcuts::modShortcuts(const OrganizedFoldersServices& services) : services_(services) {}

void modShortcuts::InitOrganizedFoldersPaths(std::string_view quotedExePath) {
    static constexpr ShellFolder kShellFolders[] = {ShellFolder::Desktop, ShellFolder::SendTo,
                                                    ShellFolder::Favorites};
    for (const OrganizedFoldersLocation location : kOrganizedFoldersLocations) {
        // Without the shell folder the path would start at the root of the current drive, a place the
        // user never chose; such a location is left without a directory.
        const auto shellFolder = services_.shellFolders.ShellFolderPath(kShellFolders[Index(location)]);
        directories_[Index(location)] = shellFolder && !shellFolder->empty()
                                            ? JoinPath(*shellFolder, kOrganizedFoldersDirectoryName)
                                            : std::string();
    }
    iconPath_ = quotedExePath;
}

const std::string& modShortcuts::Directory(OrganizedFoldersLocation location) const {
    return directories_[Index(location)];
}

bool modShortcuts::DirectoryExists(OrganizedFoldersLocation location) const {
    const std::string& directory = Directory(location);
    return !directory.empty() && services_.fileSystem.FolderExists(directory);
}

void modShortcuts::CreateOrganizedFoldersDir(OrganizedFoldersLocation location) {
    const std::string& directory = Directory(location);
    if (directory.empty())
        return;
    if (!services_.fileSystem.FolderExists(directory) && !services_.fileSystem.CreateFolder(directory))
        return;
    services_.registry.SetKeyValue(RegistryRoot::CurrentUser, REG_KEY_SETTINGS,
                                   OrganizedFoldersRegistryValue(location), directory);
}

void modShortcuts::RefreshOrganizedFolders(OrganizedFoldersLocation location,
                                           const clsMenuCollection& collection, bool withSystemFolders) {
    if (!DirectoryExists(location))
        return;
    const std::string& directory = Directory(location);
    ClearOrganizedFoldersDir(directory);
    for (const clsMenuItem* item : ItemsToMirror(collection, withSystemFolders)) {
        if (item->Separator())
            continue;
        if (item->ItemType() == MIT_PATH) {
            CreateFolderShortcut(directory, *item);
        } else if (item->SubMenu() && item->Name() != MIT_PATHS_DRIVES && item->Name() != MIT_GROUP_USER) {
            CreateGroupFolder(directory, *item);
        }
    }
}

void modShortcuts::ClearOrganizedFoldersDir(const std::string& directory) {
    const std::vector<DirectoryEntry> entries = services_.fileSystem.ListFolder(directory);
    // Files first and without force, so that a file the user made read-only survives the refresh.
    for (const DirectoryEntry& entry : entries) {
        if (!(entry.attributes & (FILE_ATTR_DIRECTORY | FILE_ATTR_READONLY)))
            services_.fileSystem.DeleteFile(JoinPath(directory, entry.name));
    }
    for (const DirectoryEntry& entry : entries) {
        if (entry.attributes & FILE_ATTR_DIRECTORY)
            DeleteFolderTree(services_.fileSystem, JoinPath(directory, entry.name));
    }
}

void modShortcuts::CreateGroupFolder(const std::string& directory, const clsMenuItem& group) {
    const std::string& relative = group.ItemPath();
    if (relative.empty() || !IsUsableRelativePath(relative))
        return;
    const std::string path = directory + relative;
    if (services_.fileSystem.FolderExists(path)) {
        // Only an earlier group of this walk with the same caption under the same parent can have made it.
        services_.messageBox.Show("Folder " + group.Caption() +
                                      " already exists. Its contents will be overwritten.\r\n"
                                      "To fix this problem change the group's name.",
                                  "Refresh Organized Folders - Group Name Conflict", MessageButtons::Ok,
                                  MessageIcon::Exclamation);
        return;
    }
    if (Utf16Length(path) <= kMaxFolderPathLength && services_.fileSystem.FolderExists(FolderOfPath(path)))
        services_.fileSystem.CreateFolder(path);
}

void modShortcuts::CreateFolderShortcut(const std::string& directory, const clsMenuItem& item) {
    if (item.OpenType() != MIT_PATH_SHORTCUT && item.OpenType() != MIT_PATH_EXPLORER)
        return;
    const std::string fileName = item.Caption() + ".lnk";
    if (!IsUsableRelativePath(item.ItemPath()) || !IsUsableFileName(fileName))
        return;
    const std::string folder = directory + item.ItemPath();
    const std::string linkPath = JoinPath(folder, fileName);
    if (Utf16Length(linkPath) > kMaxFilePathLength || !services_.fileSystem.FolderExists(folder) ||
        !services_.fileSystem.FolderExists(item.FolderPath()))
        return;
    services_.shellLinks.WriteShellLink(linkPath, {.target = item.FolderPath(),
                                                   .showCommand = kShowNormal,
                                                   .description = std::string(kLinkDescription)});
}

void modShortcuts::WriteDesktopIni(OrganizedFoldersLocation location) {
    if (!DirectoryExists(location))
        return;
    const std::string& directory = Directory(location);
    const std::string iniPath = JoinPath(directory, "Desktop.ini");
    const std::string lines[] = {"[.ShellClassInfo]", "IconFile = " + iconPath_,
                                 "IconIndex = 0",     "ConfirmFileOp = 0",
                                 "OriginalIcon = %",  "InfoTip = Stores shortcuts to your favorite folders"};
    std::string content;
    for (const std::string& line : lines)
        content += line + "\r\n";
    IFileSystem& fileSystem = services_.fileSystem;
    if (!fileSystem.ReplaceFileAtomically(iniPath, services_.codePage.ToAnsi(content)))
        return;
    if (!fileSystem.SetAttributes(iniPath, FILE_ATTR_HIDDEN | FILE_ATTR_SYSTEM))
        return;
    fileSystem.SetAttributes(directory, FILE_ATTR_SYSTEM);
}

void modShortcuts::DeleteOrganizedFoldersDir(OrganizedFoldersLocation location) {
    if (DirectoryExists(location))
        DeleteFolderTree(services_.fileSystem, Directory(location));
}

void modShortcuts::RestoreOrganizedFolders(OrganizedFoldersLocation location,
                                           const clsMenuCollection& collection, bool withSystemFolders) {
    CreateOrganizedFoldersDir(location);
    RefreshOrganizedFolders(location, collection, withSystemFolders);
    WriteDesktopIni(location);
}

void modShortcuts::RestoreMissingOrganizedFolders(const clsMenuCollection& collection,
                                                  const OrganizedFoldersOptions& options) {
    for (const OrganizedFoldersLocation location : kOrganizedFoldersLocations) {
        if (options.IsShown(location) && !Directory(location).empty() && !DirectoryExists(location))
            RestoreOrganizedFolders(location, collection, options.withSystemFolders);
    }
}

} // namespace krv
