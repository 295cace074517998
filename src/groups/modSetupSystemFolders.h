#pragma once
// modSetupSystemFolders: the generated System Folders group, shortcuts to the well-known Windows folders.

#include <string>
#include <string_view>
#include <vector>

#include "groups/clsSystemFolder.h"

namespace krv {

class clsMenuCollection;
class IFileSystem;
class IMenuHost;
class IRegistry;
class ISystemInfo;

// The folder of a shell-folder setting: "SystemRoot" and "System32" are the Windows folder and its system
// folder, "Start Menu" the folder above "Programs", and any other name a value of the Explorer's
// "Shell Folders" keys (or of the CurrentVersion key for the program folders). Empty when it cannot be read.
std::string GetSystemFolderPath(IRegistry& registry, ISystemInfo& system, std::string_view source);

// The rows of the group in the order they are added: the three top subgroups, then the folder entries with
// the two Start Menu subgroups before their first entries. With importantFirst the most used folders belong
// to the group itself instead of their subgroups.
std::vector<clsSystemFolder> SystemFolderTable(IRegistry& registry, ISystemInfo& system, bool importantFirst);

// Adds the group "MIT_PATHS_SYSTEM" before the Drives group (or the separator "MIT_HF_DRIVES_SEP") with its
// subgroups and a shortcut for every folder that exists. Does nothing when the group is already there.
void AddSystemFolders(clsMenuCollection& collection, IRegistry& registry, ISystemInfo& system, IFileSystem& files,
                      bool importantFirst);

// Removes the group with its subgroups and all their entries; with a menu host their entries go first.
void RemoveSystemFolders(clsMenuCollection& collection, IMenuHost* alsoFromMenu = nullptr);

} // namespace krv
