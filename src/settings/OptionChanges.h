#pragma once
// What changing an option does: the decisions taken when options are applied, and the small interfaces
// through which they are carried out (menu entries, generated groups, Organized Folders, Explorer verbs,
// keyboard hook).

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "organized/modShortcuts.h"
#include "settings/ExplorerVerbs.h"
#include "settings/modOptions.h"

namespace krv {

class clsMenuCollection;

// The fixed entries of the popup menu and the popup menu itself.
class IMenuSkeleton {
public:
    virtual ~IMenuSkeleton() = default;
    virtual void AddHelpEntries(clsMenuCollection& collection) = 0;
    virtual void RemoveHelpEntries(clsMenuCollection& collection) = 0;
    virtual void AddOptionsEntry(clsMenuCollection& collection) = 0;
    virtual void RemoveOptionsEntry(clsMenuCollection& collection) = 0;
    // Lets change act on a scratch copy of the program's tree, then empties the popup menu and the tree,
    // copies the scratch tree back and builds the whole popup menu from it.
    virtual void RebuildPopupMenu(clsMenuCollection& menuItems,
                                  const std::function<void(clsMenuCollection& scratch)>& change) = 0;
};

// The groups whose content the program computes.
class IGeneratedGroups {
public:
    virtual ~IGeneratedGroups() = default;
    virtual void AddSystemFolders(clsMenuCollection& collection) = 0;
    virtual void RemoveSystemFolders(clsMenuCollection& collection) = 0;
    virtual void AddDrives(clsMenuCollection& collection) = 0;
    virtual void RemoveDrives(clsMenuCollection& collection) = 0;
};

// The Organized Folders directories.
class IOrganizedFolders {
public:
    virtual ~IOrganizedFolders() = default;
    virtual void DeleteOrganizedFoldersDir(OrganizedFoldersLocation location) = 0;
    virtual void RestoreOrganizedFolders(OrganizedFoldersLocation location,
                                         const clsMenuCollection& collection, bool withSystemFolders) = 0;
};

// Explorer's context-menu verbs. Failures are not shown to the user; verbs that stay because they are the
// machine's are.
class IExplorerVerbs {
public:
    virtual ~IExplorerVerbs() = default;
    virtual bool AddExplorerVerbs() = 0;
    virtual ExplorerVerbRemoval RemoveExplorerVerbs() = 0;
};

// The keyboard hook that carries the hot keys.
class IKeyboardHook {
public:
    virtual ~IKeyboardHook() = default;
    virtual void InstallKeyboardHook() = 0;
    virtual void RemoveKeyboardHook() = 0;
};

struct OptionChangeServices {
    IMenuSkeleton& Menu;
    IGeneratedGroups& Groups;
    IOrganizedFolders& OrganizedFolders;
    IExplorerVerbs& ExplorerVerbs;
    IKeyboardHook& KeyboardHook;
};

// The actions an option change can call for, in the one order in which they are carried out.
enum class OptionAction {
    RemoveHelp,
    AddHelp,
    RemoveOptions,
    AddOptions,
    RemoveSystemFolders,
    AddSystemFolders,
    RemoveDrives,
    AddDrives,
    DeleteDesktopDirectory,
    RestoreDesktopDirectory,
    DeleteSendToDirectory,
    RestoreSendToDirectory,
    DeleteFavoritesDirectory,
    RestoreFavoritesDirectory,
    RemoveExplorerVerbs,
    AddExplorerVerbs,
};
inline constexpr size_t OPTION_ACTION_COUNT = 16;

// What a set of option changes calls for.
struct OptionChangePlan {
    // Hot keys switched on (true) or off (false); nothing when unchanged.
    std::optional<bool> HotKeys;
    std::array<bool, OPTION_ACTION_COUNT> Actions{};

    bool Has(OptionAction action) const { return Actions[static_cast<size_t>(action)]; }
    bool Any() const;
    // The decided actions in their fixed order.
    std::vector<OptionAction> InOrder() const;
};

// Compares the current options with the baseline (the options when the dialog opened or was last applied).
OptionChangePlan DecideOptionChanges(const Options& current, const Options& baseline);

// What carrying out the actions found that the user should hear of.
struct OptionActionsOutcome {
    // The option was switched off, but Explorer keeps showing the verbs registered for all users.
    bool ExplorerVerbsKeptForAllUsers = false;
};

// Carries the tree and directory actions of a plan out on collection, in the fixed order.
OptionActionsOutcome CarryOutOptionActions(const OptionChangePlan& plan, clsMenuCollection& collection,
                                           const Options& current, const OptionChangeServices& services);

} // namespace krv
