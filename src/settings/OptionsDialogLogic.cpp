#include "settings/OptionsDialogLogic.h"

#include <algorithm>

#include "settings/clsRegHandler.h"

namespace krv {
namespace {

struct NodeDescription {
    OptionsTab Tab;
    const char* Description;
};

// The description of each option, in the order of the option table.
constexpr std::array<NodeDescription, 20> kNodeDescriptions = {{
    {OptionsTab::General,
     "Specifies that when working in Organize Folders window you will have to confirm deleting"
     " an item or a group. If you don't select this, groups and shortcuts will be"
     " automatically deleted without a warning message.Enable this option to avoid"
     " unintentional errors when editing Organized Folders."},
    {OptionsTab::General,
     "Specifies that you will be able to confirm deleting a shortcut with missing path when"
     " trying to open it from main menu. If you don't select this, when you will open a folder"
     " shortcut with missing path just a warning message will be is displayed on the screen."},
    {OptionsTab::General,
     "Specifies that double-clicking an item in Organize Folders window opens Change dialog."
     " In Organize Folders window, Change dialog is accessible from the window's main and"
     " context menus, toolbar and by right-clicking a shortcut. This option is mutually"
     " exclusive with the next setting."},
    {OptionsTab::General,
     "Specifies that double-clicking an item in Organize Folders window opens Windows Explorer"
     " in the item's Target Folder. In Organize Folders window, Windows Explorer can also be"
     " open by clicking on its button in the toolbar, or by pushing CTRL+E keys. This option"
     " is mutually exclusive with the previous setting."},
    {OptionsTab::General,
     "Specifies that Change dialog will be displayed when dragging and dropping one folder or"
     " drive in Organize Folders window. Don't select this option if you want to add paths to"
     " Organized Folders faster."},
    {OptionsTab::Appearance,
     "Specifies whether to display System Folders group, or not. If you don't select this"
     " System Folders group won't be accessible and it's contents won't be stored in the"
     " configuration file."},
    {OptionsTab::Appearance,
     "Specifies whether to display Drives group, or not. If you don't select this Drives group"
     " will not be accessible."},
    {OptionsTab::Appearance,
     "Specifies whether to display Help item in the application's main menu, or not. If you"
     " select this, use the item to gain access full help on Karvello features from the main"
     " menu."},
    {OptionsTab::Appearance,
     "Specifies whether to display Options item in the application's main menu, or not. If you"
     " don't select this, Options dialog (i.e. this dialog) is also accessible from Organize"
     " Folders window's main menu (Files-Options)."},
    {OptionsTab::Appearance,
     "It specifies whether you want menu icons to be displayed next to the shortcuts in the"
     " main menu. Icons of groups and Open-All shortcuts will always be displayed."},
    {OptionsTab::Appearance,
     "Specifies whether to move more important system shortcuts in the root of the System"
     " Folders group. Select this if you want faster access to the most often used system"
     " shortcuts such as Desktop, Favorites, My Documents, Windows, Program Files, and Send"
     " To."},
    {OptionsTab::Appearance,
     "Specifies whether to paint red the currently selected shortcut in the application's main"
     " menu."},
    {OptionsTab::Advanced,
     "Specifies whether to have Karvello available immediately after Windows startup. If you"
     " select this Karvello will load automatically to your Taskbar tray."},
    {OptionsTab::Advanced,
     "Specifies whether you want to add drives and folders to Karvello directly from Windows"
     " Explorer. If selected, to add a drive or a folder to Karvello from Windows Explorer,"
     " right-click drive or folder and choose 'Organize Folder' from the context menu."},
    {OptionsTab::Advanced,
     "Specifies whether you want to have Organized Folders on the Desktop. This feature is"
     " very useful when you are opening files and folders from others applications and they"
     " are in your Organized Folders."},
    {OptionsTab::Advanced,
     "Specifies whether you want to have Organized Folders in the Send To menu. This feature"
     " is very useful when you want to copy files to another folder very fast."},
    {OptionsTab::Advanced,
     "Specifies whether you want to have Organized Folders in the Favorites Menu. This option"
     " is handy when you are opening files or folders in your Organized Folders from Internet"
     " Explorer."},
    {OptionsTab::Advanced, "Specifies whether you want to have System Folders group's folder shortcuts on the"
                           " Desktop, in Send To menu and Favorites."},
    {OptionsTab::Advanced,
     "Specifies whether to refresh Organized Folders on the Desktop, Send To and Favorties"
     " Menu each time you close Organize Folders window. Don't select this if you want"
     " Organize Folders window to close faster after editing Organized Folders. You can always"
     " manually refresh Organized Folders from Organize Folders window's main menu."
     " (Tools-Refresh Organized Folders-...)"},
    {OptionsTab::Advanced,
     "Specifies whether you want to be able to use keyboard shortcuts (or so called hot keys)"
     " to open folders by pushing keys SHIFT+CTRL and a number key. This feature is NOT"
     " available on Windows 95, 95 OSR 2, 98, 98 SE and ME operating systems."},
}};

constexpr const char* kGeneralTabDescription = "Use this dialog to adjust general Karvello settings.";
constexpr const char* kAppearanceTabDescription = "Use this dialog to adjust Karvello appearance.";
constexpr const char* kAdvancedTabDescription =
    "Use this dialog to adjust advanced Karvello options and integration with Windows"
    " operating system.";

constexpr std::string_view kHotKeys = "ADVC7";
constexpr std::string_view kDoubleClickOpensChange = "GC2";
constexpr std::string_view kDoubleClickOpensExplorer = "GC3";

} // namespace

const std::array<OptionNode, 20>& OptionNodes() {
    static const std::array<OptionNode, 20> nodes = [] {
        std::array<OptionNode, 20> result{};
        for (size_t i = 0; i < result.size(); ++i) {
            const OptionDefinition& option = OptionTable()[i];
            result[i] = {option.ValueName, option.Caption, kNodeDescriptions[i].Description,
                         kNodeDescriptions[i].Tab};
        }
        return result;
    }();
    return nodes;
}

const OptionNode* FindOptionNode(std::string_view valueName) {
    const auto& nodes = OptionNodes();
    const auto found = std::find_if(nodes.begin(), nodes.end(), [valueName](const OptionNode& node) {
        return node.ValueName == valueName;
    });
    return found == nodes.end() ? nullptr : &*found;
}

const char* TabCaption(OptionsTab tab) {
    switch (tab) {
    case OptionsTab::General:
        return "General";
    case OptionsTab::Appearance:
        return "Appearance";
    case OptionsTab::Advanced:
        break;
    }
    return "Advanced";
}

const char* TabDescription(OptionsTab tab) {
    switch (tab) {
    case OptionsTab::General:
        return kGeneralTabDescription;
    case OptionsTab::Appearance:
        return kAppearanceTabDescription;
    case OptionsTab::Advanced:
        break;
    }
    return kAdvancedTabDescription;
}

OptionsDialogLogic::OptionsDialogLogic(const OptionsDialogServices& services) : services_(services) {
    CopyOptions(false);
}

void OptionsDialogLogic::Init(clsMenuCollection& collection, bool forMainCollection) {
    collection_ = &collection;
    forMainCollection_ = forMainCollection;
}

std::vector<const OptionNode*> OptionsDialogLogic::Nodes(OptionsTab tab) const {
    std::vector<const OptionNode*> nodes;
    for (const OptionNode& node : OptionNodes()) {
        if (node.Tab == tab && IsShown(node.ValueName))
            nodes.push_back(&node);
    }
    return nodes;
}

bool OptionsDialogLogic::IsShown(std::string_view valueName) const {
    return FindOptionNode(valueName) != nullptr && (services_.HotKeysAvailable || valueName != kHotKeys);
}

bool OptionsDialogLogic::IsChecked(std::string_view valueName) const {
    return services_.CurrentOptions.Get(valueName);
}

void OptionsDialogLogic::SetChecked(std::string_view valueName, bool checked) {
    if (!IsShown(valueName))
        return;
    Options& options = services_.CurrentOptions;
    options.Set(valueName, checked);
    if (valueName == kDoubleClickOpensChange)
        options.Set(kDoubleClickOpensExplorer, !checked);
    else if (valueName == kDoubleClickOpensExplorer)
        options.Set(kDoubleClickOpensChange, !checked);
    applyEnabled_ = true;
}

void OptionsDialogLogic::RestoreDefaults() {
    for (const OptionDefinition& option : OptionTable()) {
        if (IsShown(option.ValueName))
            services_.CurrentOptions.Set(option.ValueName, option.DefaultButton);
    }
    applyEnabled_ = true;
}

void OptionsDialogLogic::Apply() {
    SaveOptions();
    ApplyOptionChanges();
    CopyOptions(false);
    applyEnabled_ = false;
}

void OptionsDialogLogic::Finish() {
    SaveOptions();
    ApplyOptionChanges();
}

void OptionsDialogLogic::Cancel() {
    CopyOptions(true);
}

bool OptionsDialogLogic::ConfirmExit() {
    const MessageAnswer answer = services_.MessageBox.Show(
        EXIT_QUESTION, EXIT_QUESTION_TITLE, MessageButtons::YesNoCancel, MessageIcon::Exclamation);
    if (answer == MessageAnswer::Yes)
        exitRequested_ = true;
    return exitRequested_;
}

void OptionsDialogLogic::CopyOptions(bool revert) {
    Options& current = services_.CurrentOptions;
    if (revert) {
        current.GeneralOptions = baseline_.GeneralOptions;
        current.AppearanceOptions = baseline_.AppearanceOptions;
        current.AdvancedOptions = baseline_.AdvancedOptions;
    } else {
        baseline_.GeneralOptions = current.GeneralOptions;
        baseline_.AppearanceOptions = current.AppearanceOptions;
        baseline_.AdvancedOptions = current.AdvancedOptions;
    }
}

void OptionsDialogLogic::ApplyOptionChanges() {
    const OptionChangePlan plan = DecideOptionChanges(services_.CurrentOptions, baseline_);
    if (plan.HotKeys) {
        if (*plan.HotKeys)
            services_.Changes.KeyboardHook.InstallKeyboardHook();
        else
            services_.Changes.KeyboardHook.RemoveKeyboardHook();
        settingsChanged_ = true;
    }
    if (!plan.Any() || collection_ == nullptr)
        return;

    // The program's own tree changes on a scratch copy, so that the popup menu is built once from the
    // finished tree; the Organize window's tree changes in place.
    OptionActionsOutcome outcome;
    if (forMainCollection_) {
        services_.Changes.Menu.RebuildPopupMenu(*collection_, [&](clsMenuCollection& scratch) {
            outcome = CarryOutOptionActions(plan, scratch, services_.CurrentOptions, services_.Changes);
        });
    } else {
        outcome = CarryOutOptionActions(plan, *collection_, services_.CurrentOptions, services_.Changes);
    }
    settingsChanged_ = true;
    if (outcome.ExplorerVerbsKeptForAllUsers)
        services_.MessageBox.Show(VERBS_KEPT_FOR_ALL_USERS, VERBS_KEPT_FOR_ALL_USERS_TITLE,
                                  MessageButtons::Ok, MessageIcon::Information);
}

void OptionsDialogLogic::SaveOptions() {
    krv::SaveOptions(services_.CurrentOptions, services_.Registry, services_.QuotedExePath);
}

} // namespace krv
