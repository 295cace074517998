#pragma once
// modShortcuts: the Organized Folders, directories of .lnk files that mirror the personal group on the
// Desktop, in the Send To menu and in the Favorites.

#include "model/clsMenuCollection.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ShellLink.h"
#include "platform/Text.h"

#include <array>
#include <string>
#include <string_view>

namespace krv {

class clsRegHandler;

// The name of every Organized Folders directory, and the registry key where their paths are recorded.
inline constexpr std::string_view kOrganizedFoldersDirectoryName = "Organized Folders";
inline constexpr std::string_view kKarvelloSettingsKey = "Software\\Tessary\\Karvello\\Settings";

// The three places an Organized Folders directory can be shown, in the order they are always handled.
enum class OrganizedFoldersLocation { Desktop, SendTo, Favorites };
inline constexpr std::array<OrganizedFoldersLocation, 3> kOrganizedFoldersLocations = {
    OrganizedFoldersLocation::Desktop, OrganizedFoldersLocation::SendTo, OrganizedFoldersLocation::Favorites};

// The options that decide where directories are shown and what they mirror.
struct OrganizedFoldersOptions {
    bool onDesktop = false;         // ADVC2
    bool inSendTo = false;          // ADVC3
    bool inFavorites = false;       // ADVC4
    bool withSystemFolders = false; // ADVC5: mirror the whole tree, System Folders group included

    bool IsShown(OrganizedFoldersLocation location) const;
};

// The registry value (under the settings key) that records where a location's directory was made.
std::string_view OrganizedFoldersRegistryValue(OrganizedFoldersLocation location);

// What the Organized Folders need of the system.
struct OrganizedFoldersServices {
    IFileSystem& fileSystem;
    IShellLinkWriter& shellLinks;
    IShellFolders& shellFolders;
    IMessageBox& messageBox;
    clsRegHandler& registry;
    const ICodePage& codePage;
};

// Deletes a folder with everything in it, read-only files included. Links to other places (junctions,
// symbolic links) inside it are removed as links; what they point at is never touched.
// True when the folder is gone afterwards.
bool DeleteFolderTree(IFileSystem& fileSystem, std::string_view folder);

class modShortcuts {
public:
    explicit modShortcuts(const OrganizedFoldersServices& services);

    // Looks up the three shell folders and remembers the directory paths and the directory icon for the
    // whole run. A location whose shell folder the system does not know gets no directory at all.
    void InitOrganizedFoldersPaths(std::string_view quotedExePath);
    // The location's directory; empty when it has none.
    const std::string& Directory(OrganizedFoldersLocation location) const;

    void CreateOrganizedFoldersDir(OrganizedFoldersLocation location);
    void RefreshOrganizedFolders(OrganizedFoldersLocation location, const clsMenuCollection& collection,
                                 bool withSystemFolders);
    void WriteDesktopIni(OrganizedFoldersLocation location);
    void DeleteOrganizedFoldersDir(OrganizedFoldersLocation location);
    // Create the directory, fill it and mark it: what every caller wants.
    void RestoreOrganizedFolders(OrganizedFoldersLocation location, const clsMenuCollection& collection,
                                 bool withSystemFolders);
    // At start-up: each shown location whose directory is missing gets it, filled from collection.
    void RestoreMissingOrganizedFolders(const clsMenuCollection& collection,
                                        const OrganizedFoldersOptions& options);

private:
    void ClearOrganizedFoldersDir(const std::string& directory);
    void CreateGroupFolder(const std::string& directory, const clsMenuItem& group);
    void CreateFolderShortcut(const std::string& directory, const clsMenuItem& item);
    bool DirectoryExists(OrganizedFoldersLocation location) const;

    OrganizedFoldersServices services_;
    std::array<std::string, 3> directories_;
    std::string iconPath_;
};

} // namespace krv
