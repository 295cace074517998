#include "menu/modMenuAction.h"

#include <vector>

#include "app/Program.h"
#include "app/modMain.h"

namespace krv {
namespace {

void StartExplorer(ProgramContext& context, std::string_view argument) {
    context.shell.Execute("open", context.state.ExplorerPath, argument, SHOW_COMMAND_SHOW);
}

// Removes the stored item whose Name is name, whatever key it was stored under.
void RemoveItemNamed(clsMenuCollection& collection, std::string_view name) {
    for (auto it = collection.begin(); it != collection.end(); ++it) {
        if (it->Name() == name) {
            collection.Remove(it.Key());
            return;
        }
    }
}

// Asks whether a shortcut whose folder is missing goes; on Yes it leaves the tree, the menu, the shortcut
// table and the configuration file at once, so that it does not come back at the next start.
void OfferToDeleteMissingShortcut(ProgramContext& context, const std::string& name, const std::string& folderPath) {
    const MessageAnswer answer = context.messageBox.Show(
        "The path '" + folderPath + "' does not exist or is not a directory. Do you want to delete the shortcut "
        "from the list?",
        PROGRAM_TITLE, MessageButtons::YesNoCancel, MessageIcon::Exclamation);
    if (answer != MessageAnswer::Yes)
        return;
    context.host.RebuildPopupMenu([&name](clsMenuCollection& items) { RemoveItemNamed(items, name); });
    context.state.KeyboardItems.BuildShortcutList(context.state.MenuItems);
    context.host.SaveConfiguration();
}

} // namespace

std::string QuoteForExplorer(std::string_view folder) {
    if (folder.find(',') == std::string_view::npos)
        return std::string(folder);
    return "\"" + std::string(folder) + "\"";
}

std::string ExplorerArgument(std::string_view folder, bool doublePane) {
    std::string argument = doublePane ? "/e" : "";
    if (!folder.empty())
        argument += "," + QuoteForExplorer(folder);
    return argument;
}

void ExecuteMenuItem(ProgramContext& context, clsMenuItem& item) {
    if (item.Name() == MIT_HF_HELP)
        ShowHelp(context, HELP_COMMAND_CONTENTS);
    else if (item.Name() == MIT_HF_SETTINGS)
        ShowOptions(context, context.state.MenuItems, true);
    else if (item.Name() == MIT_HF_ORGANIZE)
        OpenOrganizer(context, false, {});
    else if (item.ItemType() == MIT_OPENALL)
        OpenAllInGroup(context, item);
    else if (item.ItemType() == MIT_PATH || item.ItemType() == MIT_DRIVE)
        OpenMenuItem(context, item);
}

bool OpenMenuItem(ProgramContext& context, clsMenuItem& item) {
    if (item.ItemType() != MIT_DRIVE && !PathExists(context.fileSystem, context.systemInfo, item.FolderPath())) {
        if (context.state.General(GC1_ASK_DELETING_MISSING_FOLDERS)) {
            // The item may be deleted and freed by the question's answer, so it is not touched afterwards.
            OfferToDeleteMissingShortcut(context, item.Name(), item.FolderPath());
        } else {
            context.messageBox.Show("Cannot open shortcut " + item.Caption() + ". The path '" + item.FolderPath() +
                                        "' does not exist or is not a directory.",
                                    PROGRAM_TITLE, MessageButtons::Ok, MessageIcon::Exclamation);
        }
        return false;
    }
    const std::string argument = ExplorerArgument(item.FolderPath(), item.OpenType() == MIT_PATH_EXPLORER);
    item.SetTimeAccessed(DateTime::Now());
    StartExplorer(context, argument);
    return true;
}

void OpenAllInGroup(ProgramContext& context, const clsMenuItem& openAllItem) {
    // Opening one shortcut can delete another from the tree (a missing folder), which rebuilds the tree;
    // so the group's shortcuts are noted by name first and looked up again one by one.
    const std::string owner = openAllItem.OwnerName();
    std::vector<std::string> names;
    for (const clsMenuItem& item : context.state.MenuItems)
        if (item.OwnerName() == owner && item.ItemType() == MIT_PATH)
            names.push_back(item.Name());
    for (const std::string& name : names)
        if (clsMenuItem* item = context.state.MenuItems.GetMenuItemFromName(name))
            OpenMenuItem(context, *item);
}

void ShowHelp(ProgramContext& context, int command) {
    const std::string& helpFile = context.state.HelpFilePath;
    if (!FileExists(context.fileSystem, helpFile)) {
        context.messageBox.Show("Karvello help file is missing. Unable to display help.", PROGRAM_TITLE,
                                MessageButtons::Ok, MessageIcon::Critical);
        return;
    }
    if (!context.shell.OpenHtmlHelp(helpFile, command))
        context.shell.Execute("open", helpFile, "", SHOW_COMMAND_SHOW);
}

void ShowOptions(ProgramContext& context, clsMenuCollection& collection, bool mainCollection) {
    ProgramState& state = context.state;
    if (state.OptionsWindowOpen)
        return;
    state.OptionsWindowOpen = true;
    context.host.ShowOptionsDialog(collection, mainCollection);
    state.OptionsWindowOpen = false;
    if (state.ExitRequested)
        context.host.UnloadMainWindow();
}

void OpenInExplorer(ProgramContext& context, std::string_view path, bool doublePane) {
    const std::string folder = QuoteForExplorer(path.empty() ? context.state.PersonalDirectory : path);
    StartExplorer(context, doublePane ? "/e," + folder : folder);
}

void FindInFolder(ProgramContext& context, std::string_view path) {
    context.shell.Execute("find", path.empty() ? std::string_view("C:\\") : path, "", SHOW_COMMAND_SHOW);
}

int64_t OpenWithShell(ProgramContext& context, std::string_view path) {
    return context.shell.Execute("open", path, "", SHOW_COMMAND_SHOW);
}

void OpenOrganizer(ProgramContext& context, bool fromCommand, std::string command) {
    ProgramState& state = context.state;
    if (fromCommand && command.empty()) {
        command = ReadTransferCommand(context.registry);
        if (ParseCommand(command).kind == CommandKind::Exit) {
            state.ExitRequested = true;
            context.host.UnloadMainWindow();
            return;
        }
    }
    if (state.OrganizeWindowOpen && (!fromCommand || command.empty())) {
        context.host.BringOrganizeWindowToFront();
        return;
    }
    if (!state.OrganizeWindowOpen) {
        state.OrganizeOpenedByCommand = fromCommand;
        state.OrganizeWindowOpen = true;
        // A window that could not be loaded must not count as open, or the tray icon would keep trying to
        // bring it to the front instead of showing the menu.
        if (!context.host.LoadOrganizeWindow()) {
            state.OrganizeWindowOpen = false;
            return;
        }
    }
    if (state.ItemDialogOpen) {
        context.host.BringItemDialogToFront();
        return;
    }
    context.host.BringOrganizeWindowToFront();
    if (fromCommand)
        context.host.InitOrganizeWindow(command);
}

} // namespace krv
