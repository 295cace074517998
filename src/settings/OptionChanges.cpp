#include "settings/OptionChanges.h"

#include <algorithm>

namespace krv {
namespace {

// Each Organized Folders location with its option and its two actions.
struct DirectoryRule {
    OrganizedFoldersLocation Location;
    AdvancedOption Option;
    OptionAction Delete;
    OptionAction Restore;
};
constexpr std::array<DirectoryRule, 3> kDirectoryRules = {{
    {OrganizedFoldersLocation::Desktop, ADVC2_ORGANIZED_FOLDERS_DESKTOP, OptionAction::DeleteDesktopDirectory,
     OptionAction::RestoreDesktopDirectory},
    {OrganizedFoldersLocation::SendTo, ADVC3_ORGANIZED_FOLDERS_SEND_TO, OptionAction::DeleteSendToDirectory,
     OptionAction::RestoreSendToDirectory},
    {OrganizedFoldersLocation::Favorites, ADVC4_ORGANIZED_FOLDERS_FAVORITES,
     OptionAction::DeleteFavoritesDirectory, OptionAction::RestoreFavoritesDirectory},
}};

// An on/off change of one option: switched on, switched off, or unchanged.
enum class Switch { Unchanged, On, Off };
Switch Compare(bool current, bool baseline) {
    if (current == baseline)
        return Switch::Unchanged;
    return current ? Switch::On : Switch::Off;
}

class PlanBuilder {
public:
    explicit PlanBuilder(OptionChangePlan& plan) : plan_(plan) {}
    void Decide(OptionAction action) { plan_.Actions[static_cast<size_t>(action)] = true; }
    // Switched off calls for the first action, switched on for the second.
    void OnSwitch(Switch change, OptionAction whenOff, OptionAction whenOn) {
        if (change == Switch::Off)
            Decide(whenOff);
        else if (change == Switch::On)
            Decide(whenOn);
    }

private:
    OptionChangePlan& plan_;
};

const DirectoryRule& RuleFor(OptionAction action) {
    return *std::find_if(kDirectoryRules.begin(), kDirectoryRules.end(), [action](const DirectoryRule& rule) {
        return rule.Delete == action || rule.Restore == action;
    });
}

} // namespace

bool OptionChangePlan::Any() const {
    return std::find(Actions.begin(), Actions.end(), true) != Actions.end();
}

std::vector<OptionAction> OptionChangePlan::InOrder() const {
    std::vector<OptionAction> actions;
    for (size_t i = 0; i < OPTION_ACTION_COUNT; ++i) {
        if (Actions[i])
            actions.push_back(static_cast<OptionAction>(i));
    }
    return actions;
}

OptionChangePlan DecideOptionChanges(const Options& current, const Options& baseline) {
    OptionChangePlan plan;
    PlanBuilder decide(plan);
    const auto appearance = [&](AppearanceOption option) {
        return Compare(current.AppearanceOptions[option], baseline.AppearanceOptions[option]);
    };
    const auto advanced = [&](AdvancedOption option) {
        return Compare(current.AdvancedOptions[option], baseline.AdvancedOptions[option]);
    };

    if (const Switch hotKeys = advanced(ADVC7_HOT_KEYS); hotKeys != Switch::Unchanged)
        plan.HotKeys = hotKeys == Switch::On;

    decide.OnSwitch(appearance(AC2_SHOW_HELP), OptionAction::RemoveHelp, OptionAction::AddHelp);
    decide.OnSwitch(appearance(AC3_SHOW_OPTIONS), OptionAction::RemoveOptions, OptionAction::AddOptions);
    decide.OnSwitch(appearance(AC0_SHOW_SYSTEM_FOLDERS), OptionAction::RemoveSystemFolders,
                    OptionAction::AddSystemFolders);
    decide.OnSwitch(appearance(AC1_SHOW_DRIVES), OptionAction::RemoveDrives, OptionAction::AddDrives);
    for (const DirectoryRule& rule : kDirectoryRules)
        decide.OnSwitch(advanced(rule.Option), rule.Delete, rule.Restore);

    // Both options change what the System Folders group holds or whether the directories mirror it, so the
    // group and every shown directory are made again.
    if (appearance(AC5_IMPORTANT_SYSTEM_SHORTCUTS_FIRST) != Switch::Unchanged ||
        advanced(ADVC5_SYSTEM_FOLDERS_IN_DIRECTORIES) != Switch::Unchanged) {
        if (current.AppearanceOptions[AC0_SHOW_SYSTEM_FOLDERS]) {
            decide.Decide(OptionAction::RemoveSystemFolders);
            decide.Decide(OptionAction::AddSystemFolders);
        }
        for (const DirectoryRule& rule : kDirectoryRules) {
            if (current.AdvancedOptions[rule.Option]) {
                decide.Decide(rule.Delete);
                decide.Decide(rule.Restore);
            }
        }
    }

    decide.OnSwitch(advanced(ADVC1_EXPLORER_CONTEXT_MENU), OptionAction::RemoveExplorerVerbs,
                    OptionAction::AddExplorerVerbs);
    return plan;
}

OptionActionsOutcome CarryOutOptionActions(const OptionChangePlan& plan, clsMenuCollection& collection,
                                           const Options& current, const OptionChangeServices& services) {
    OptionActionsOutcome outcome;
    const bool withSystemFolders = current.AdvancedOptions[ADVC5_SYSTEM_FOLDERS_IN_DIRECTORIES];
    for (OptionAction action : plan.InOrder()) {
        switch (action) {
        case OptionAction::RemoveHelp:
            services.Menu.RemoveHelpEntries(collection);
            break;
        case OptionAction::AddHelp:
            services.Menu.AddHelpEntries(collection);
            break;
        case OptionAction::RemoveOptions:
            services.Menu.RemoveOptionsEntry(collection);
            break;
        case OptionAction::AddOptions:
            services.Menu.AddOptionsEntry(collection);
            break;
        case OptionAction::RemoveSystemFolders:
            services.Groups.RemoveSystemFolders(collection);
            break;
        case OptionAction::AddSystemFolders:
            services.Groups.AddSystemFolders(collection);
            break;
        case OptionAction::RemoveDrives:
            services.Groups.RemoveDrives(collection);
            break;
        case OptionAction::AddDrives:
            services.Groups.AddDrives(collection);
            break;
        case OptionAction::DeleteDesktopDirectory:
        case OptionAction::DeleteSendToDirectory:
        case OptionAction::DeleteFavoritesDirectory:
            services.OrganizedFolders.DeleteOrganizedFoldersDir(RuleFor(action).Location);
            break;
        case OptionAction::RestoreDesktopDirectory:
        case OptionAction::RestoreSendToDirectory:
        case OptionAction::RestoreFavoritesDirectory:
            services.OrganizedFolders.RestoreOrganizedFolders(RuleFor(action).Location, collection,
                                                              withSystemFolders);
            break;
        case OptionAction::RemoveExplorerVerbs:
            outcome.ExplorerVerbsKeptForAllUsers =
                services.ExplorerVerbs.RemoveExplorerVerbs() == ExplorerVerbRemoval::KeptForAllUsers;
            break;
        case OptionAction::AddExplorerVerbs:
            services.ExplorerVerbs.AddExplorerVerbs();
            break;
        }
    }
    return outcome;
}

} // namespace krv
