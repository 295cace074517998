#pragma once
// The resident program's popup menu over its life: the configuration it starts from, rebuilding the menu
// after the tree changed, and bringing the Drives group up to date before each showing.

#include <functional>
#include <string_view>

namespace krv {

class clsMenuCollection;
class IFileSystem;
class IMenuHost;
class IMenuWindow;
class ISystemInfo;
class modFileHandler;
struct ProgramState;

// The start-up's choice of configuration: the current file when it exists, else "default.krvc" beside the
// program (which then becomes the current file, also in the registry), else the default configuration; a
// file that cannot be loaded also gives the default configuration. A current file that does not exist
// afterwards is written from the tree.
void LoadStartupConfiguration(modFileHandler& files, IFileSystem& fileSystem, IMenuWindow& form,
                              clsMenuCollection& menuItems, std::string_view applicationPath,
                              const std::function<void()>& createDefaultConfiguration);

// Empties the built menu, lets change act on the tree, and builds the whole menu again. The menu's entries
// are removed while the tree still describes them, so no entry of a removed item stays behind.
void RebuildPopupMenu(IMenuWindow& form, IMenuHost& menus, clsMenuCollection& menuItems,
                      const std::function<void(clsMenuCollection&)>& change);

// Before the menu shows, with "Show Drives" on: builds the Drives group at the first showing of the run, and
// later builds it again when the drives differ from those it was filled with.
void RefreshDrivesGroup(ProgramState& state, ISystemInfo& system, IMenuWindow& form, IMenuHost& menus);

} // namespace krv
