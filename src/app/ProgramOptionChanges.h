#pragma once
// The option changes of the running program: the menu skeleton, the generated groups, the Organized Folders
// and the Explorer verbs, each through the module that owns it.

#include <string>
#include <vector>

#include "groups/clsDrive.h"
#include "menu/modMenuSetup.h"
#include "settings/OptionChanges.h"

namespace krv {

class IMenuHost;
class IMenuWindow;
class clsRegHandler;
class modShortcuts;

class ProgramOptionChanges final : public IMenuSkeleton,
                                   public IGeneratedGroups,
                                   public IOrganizedFolders,
                                   public IExplorerVerbs {
public:
    struct Parts {
        IMenuWindow& MainWindow;
        IMenuHost& Menus;
        SystemServices System;
        // The drives the Drives group was filled with, the program's baseline for noticing new drives.
        std::vector<clsDrive>& KnownDrives;
        modShortcuts& Shortcuts;
        clsRegHandler& Registry;
        const Options& CurrentOptions;
        std::string QuotedExePath;
    };
    explicit ProgramOptionChanges(const Parts& parts) : parts_(parts) {}

    // The tree actions change the tree only. The popup menu is not touched: for the program's own tree the
    // whole menu is built again afterwards, and the Organize window's tree has no menu of its own, so
    // deleting entries by its positions would take entries out of the program's menu.
    void AddHelpEntries(clsMenuCollection& collection) override;
    void RemoveHelpEntries(clsMenuCollection& collection) override;
    void AddOptionsEntry(clsMenuCollection& collection) override;
    void RemoveOptionsEntry(clsMenuCollection& collection) override;
    void RebuildPopupMenu(clsMenuCollection& menuItems,
                          const std::function<void(clsMenuCollection& scratch)>& change) override;

    void AddSystemFolders(clsMenuCollection& collection) override;
    void RemoveSystemFolders(clsMenuCollection& collection) override;
    void AddDrives(clsMenuCollection& collection) override;
    void RemoveDrives(clsMenuCollection& collection) override;

    void DeleteOrganizedFoldersDir(OrganizedFoldersLocation location) override;
    void RestoreOrganizedFolders(OrganizedFoldersLocation location, const clsMenuCollection& collection,
                                 bool withSystemFolders) override;

    bool AddExplorerVerbs() override;
    ExplorerVerbRemoval RemoveExplorerVerbs() override;

private:
    Parts parts_;
};

} // namespace krv
