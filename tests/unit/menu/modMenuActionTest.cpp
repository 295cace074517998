#include "menu/modMenuAction.h"

#include <gtest/gtest.h>

#include "unit/menu/ResidentFixture.h"

namespace krv {
namespace {

using Calls = std::vector<std::string>;
using Strings = std::vector<std::string>;

class MenuActionTest : public ResidentTest {};

TEST_F(MenuActionTest, FixedEntriesAreDispatchedByNameAndShortcutsByType) {
    fileSystem.AddFile(state.HelpFilePath, "help");
    ExecuteMenuItem(context, AddItem(MIT_HF_HELP, MIT_HF_HELP, TOP_LEVEL_OWNER));
    ASSERT_EQ(shell.HelpOpened().size(), 1u);
    EXPECT_EQ(shell.HelpOpened()[0].first, state.HelpFilePath);
    EXPECT_EQ(shell.HelpOpened()[0].second, 1);

    ExecuteMenuItem(context, AddItem(MIT_HF_SETTINGS, MIT_HF_SETTINGS, TOP_LEVEL_OWNER));
    ExecuteMenuItem(context, AddItem(MIT_HF_ORGANIZE, MIT_HF_ORGANIZE, TOP_LEVEL_OWNER));
    EXPECT_EQ(host.calls, (Calls{"ShowOptionsDialog main true", "LoadOrganizeWindow", "BringOrganizeWindowToFront"}));

    AddGroup(MIT_GROUP_USER, "Personal", TOP_LEVEL_OWNER);
    ExecuteMenuItem(context, AddShortcut("Data", "C:\\Data", MIT_GROUP_USER));
    clsMenuItem& drive = AddItem("CD", MIT_DRIVE, TOP_LEVEL_OWNER);
    drive.SetFolderPath("D:\\");
    drive.SetOpenType(MIT_PATH_EXPLORER);
    ExecuteMenuItem(context, drive);
    // Groups and anything else carry out nothing.
    ExecuteMenuItem(context, *state.MenuItems.GetMenuItemFromName(MIT_GROUP_USER));
    ExecuteMenuItem(context, AddItem("Other", "MIT_PATHS_SYSTEM", TOP_LEVEL_OWNER));
    EXPECT_EQ(ExplorerArguments(), (Strings{",C:\\Data", "/e,D:\\"}));
    EXPECT_TRUE(messageBox.Shown().empty());
}

TEST_F(MenuActionTest, OpenMenuItemBuildsExplorersArgumentFromTheOpenType) {
    clsMenuItem& single = AddShortcut("Data", "C:\\Data", MIT_GROUP_USER);
    clsMenuItem& dual = AddShortcut("Work", "C:\\Work", MIT_GROUP_USER, MIT_PATH_EXPLORER);
    EXPECT_TRUE(single.TimeAccessed().IsZero());
    EXPECT_TRUE(OpenMenuItem(context, single));
    EXPECT_TRUE(OpenMenuItem(context, dual));
    EXPECT_EQ(ExplorerArguments(), (Strings{",C:\\Data", "/e,C:\\Work"}));
    EXPECT_FALSE(single.TimeAccessed().IsZero());
    EXPECT_FALSE(dual.TimeAccessed().IsZero());
}

TEST_F(MenuActionTest, ExplorerArgumentsOfEmptyAndCommaHoldingFolders) {
    EXPECT_EQ(ExplorerArgument("", true), "/e");
    EXPECT_EQ(ExplorerArgument("", false), "");
    // Explorer splits its argument at commas; such a folder is opened only when quoted.
    EXPECT_EQ(ExplorerArgument("C:\\Smith, John", false), ",\"C:\\Smith, John\"");
    EXPECT_EQ(ExplorerArgument("C:\\Smith, John", true), "/e,\"C:\\Smith, John\"");
    fileSystem.AddFolder("C:\\Smith, John");
    OpenMenuItem(context, AddShortcut("Smith", "C:\\Smith, John", MIT_GROUP_USER, MIT_PATH_EXPLORER));
    OpenInExplorer(context, "C:\\Smith, John", false);
    EXPECT_EQ(ExplorerArguments(), (Strings{"/e,\"C:\\Smith, John\"", "\"C:\\Smith, John\""}));
}

TEST_F(MenuActionTest, DrivesAreNotTestedForExistence) {
    clsMenuItem& drive = AddItem("E", MIT_DRIVE, TOP_LEVEL_OWNER);
    drive.SetFolderPath("E:\\"); // no such drive at all: handed to Explorer unchanged
    drive.SetOpenType(MIT_PATH_EXPLORER);
    EXPECT_TRUE(OpenMenuItem(context, drive));
    drive.SetFolderPath("");
    EXPECT_TRUE(OpenMenuItem(context, drive));
    EXPECT_EQ(ExplorerArguments(), (Strings{"/e,E:\\", "/e"}));
}

TEST_F(MenuActionTest, ShortcutToADriveWithoutMediumCountsAsExisting) {
    EXPECT_TRUE(OpenMenuItem(context, AddShortcut("CD", "D:\\", MIT_GROUP_USER)));
    EXPECT_FALSE(OpenMenuItem(context, AddShortcut("Gone", "Q:\\", MIT_GROUP_USER)));
    EXPECT_EQ(ExplorerArguments(), (Strings{",D:\\"}));
}

TEST_F(MenuActionTest, MissingFolderIsOnlyReportedWhenTheOptionIsOff) {
    state.options.GeneralOptions[GC1_ASK_DELETING_MISSING_FOLDERS] = false;
    clsMenuItem& missing = AddShortcut("Old Stuff", "C:\\Old", MIT_GROUP_USER);
    EXPECT_FALSE(OpenMenuItem(context, missing));
    ASSERT_EQ(messageBox.Shown().size(), 1u);
    const ShownMessage& shown = messageBox.Shown()[0];
    EXPECT_EQ(shown.text, "Cannot open shortcut Old Stuff. The path 'C:\\Old' does not exist or is not a directory.");
    EXPECT_EQ(shown.title, "Karvello");
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
    EXPECT_TRUE(shell.Executed().empty());
    EXPECT_TRUE(state.MenuItems.ItemExists(missing.Name()));
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(MenuActionTest, MissingFolderIsDeletedFromTreeMenuShortcutsAndFileOnYes) {
    clsMenuItem& missing = AddShortcut("Old", "C:\\Old", MIT_GROUP_USER, MIT_PATH_SHORTCUT, 53);
    const std::string name = missing.Name();
    state.KeyboardItems.BuildShortcutList(state.MenuItems);
    ASSERT_TRUE(state.KeyboardItems.IsShortcutRegistered(53));
    messageBox.Answer(MessageAnswer::Yes);

    EXPECT_FALSE(OpenMenuItem(context, missing));
    ASSERT_EQ(messageBox.Shown().size(), 1u);
    EXPECT_EQ(messageBox.Shown()[0].text,
              "The path 'C:\\Old' does not exist or is not a directory. Do you want to delete the shortcut from the "
              "list?");
    EXPECT_EQ(messageBox.Shown()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(messageBox.Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(state.MenuItems.ItemExists(name));
    EXPECT_FALSE(state.KeyboardItems.IsShortcutRegistered(53));
    EXPECT_EQ(host.calls, (Calls{"RebuildPopupMenu", "SaveConfiguration"}));
    EXPECT_TRUE(shell.Executed().empty());
}

TEST_F(MenuActionTest, MissingFolderStaysOnNoAndOnCancel) {
    clsMenuItem& missing = AddShortcut("Old", "C:\\Old", MIT_GROUP_USER);
    messageBox.Answer(MessageAnswer::No);
    messageBox.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(OpenMenuItem(context, missing));
    EXPECT_FALSE(OpenMenuItem(context, missing));
    EXPECT_EQ(messageBox.Shown().size(), 2u);
    EXPECT_TRUE(state.MenuItems.ItemExists(missing.Name()));
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(MenuActionTest, OpenAllOpensTheFolderShortcutsOfItsGroupInTreeOrder) {
    state.options.GeneralOptions[GC1_ASK_DELETING_MISSING_FOLDERS] = false;
    AddGroup("M1", "Projects", MIT_GROUP_USER);
    AddShortcut("Alpha", "C:\\Data", "M1");
    AddShortcut("Beta", "C:\\Missing", "M1");
    AddShortcut("Gamma", "C:\\Work", "M1", MIT_PATH_EXPLORER);
    AddGroup("M2", "Nested", "M1");
    AddShortcut("Elsewhere", "C:\\Data", MIT_GROUP_USER);
    clsMenuItem* openAll = state.MenuItems.AddNewMenuItem({.OwnerName = "M1", .ItemType = MIT_OPENALL});
    ASSERT_NE(openAll, nullptr);

    ExecuteMenuItem(context, *openAll);
    EXPECT_EQ(ExplorerArguments(), (Strings{",C:\\Data", "/e,C:\\Work"}));
    ASSERT_EQ(messageBox.Shown().size(), 1u);
    EXPECT_NE(messageBox.Shown()[0].text.find("Cannot open shortcut Beta."), std::string::npos);
}

TEST_F(MenuActionTest, OpenAllGoesOnAfterAMissingShortcutWasDeleted) {
    AddShortcut("Alpha", "C:\\Missing", MIT_GROUP_USER);
    AddShortcut("Beta", "C:\\Data", MIT_GROUP_USER);
    clsMenuItem* openAll = state.MenuItems.AddNewMenuItem({.OwnerName = MIT_GROUP_USER, .ItemType = MIT_OPENALL});
    ASSERT_NE(openAll, nullptr);
    const clsMenuItem openAllCopy = *openAll;
    messageBox.Answer(MessageAnswer::Yes);

    OpenAllInGroup(context, openAllCopy);
    EXPECT_EQ(ExplorerArguments(), (Strings{",C:\\Data"}));
    EXPECT_EQ(state.MenuItems.Count(), 2);
}

TEST_F(MenuActionTest, HelpOpensInTheViewerOrWithTheShellOrIsReportedMissing) {
    ShowHelp(context, 1);
    ASSERT_EQ(messageBox.Shown().size(), 1u);
    EXPECT_EQ(messageBox.Shown()[0].text, "Karvello help file is missing. Unable to display help.");
    EXPECT_EQ(messageBox.Shown()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(shell.HelpOpened().empty());

    fileSystem.AddFile(state.HelpFilePath, "help");
    shell.SetHelpViewerWorks(false);
    ShowHelp(context, 1);
    ASSERT_EQ(shell.Executed().size(), 1u);
    EXPECT_EQ(shell.Executed()[0], (ExecutedCommand{"open", state.HelpFilePath, "", 5}));
}

TEST_F(MenuActionTest, OptionsDialogOpensOnceAndItsExitEndsTheProgram) {
    ShowOptions(context, state.MenuItems, true);
    EXPECT_TRUE(host.optionsWindowOpenDuringDialog);
    EXPECT_FALSE(state.OptionsWindowOpen);
    EXPECT_EQ(host.calls, (Calls{"ShowOptionsDialog main true"}));

    state.OptionsWindowOpen = true;
    ShowOptions(context, state.MenuItems, true);
    EXPECT_EQ(host.calls.size(), 1u);

    state.OptionsWindowOpen = false;
    host.exitFromOptions = true;
    clsMenuCollection other;
    ShowOptions(context, other, false);
    EXPECT_EQ(host.calls, (Calls{"ShowOptionsDialog main true", "ShowOptionsDialog other false", "UnloadMainWindow"}));
}

TEST_F(MenuActionTest, ExplorerFindAndOpenShellOperations) {
    OpenInExplorer(context, "", false);
    OpenInExplorer(context, "C:\\Data", true);
    EXPECT_EQ(ExplorerArguments(), (Strings{"C:\\Users\\Ann\\Documents", "/e,C:\\Data"}));
    FindInFolder(context, "");
    FindInFolder(context, "C:\\Work");
    EXPECT_EQ(OpenWithShell(context, "C:\\Data\\notes.txt"), 42);
    EXPECT_EQ(shell.Executed()[2], (ExecutedCommand{"find", "C:\\", "", 5}));
    EXPECT_EQ(shell.Executed()[3], (ExecutedCommand{"find", "C:\\Work", "", 5}));
    EXPECT_EQ(shell.Executed()[4], (ExecutedCommand{"open", "C:\\Data\\notes.txt", "", 5}));
}

class OpenOrganizerTest : public ResidentTest {
protected:
    void Transfer(const std::string& command) {
        registry.PutString(RegistryRoot::CurrentUser, "Software\\Tessary\\Karvello", "TRANSFER", command);
    }
};

TEST_F(OpenOrganizerTest, ExitThroughTransferEndsTheProgramExactlyWhenUpperCase) {
    Transfer("/EXIT");
    OpenOrganizer(context, true, "");
    EXPECT_TRUE(state.ExitRequested);
    EXPECT_EQ(host.calls, (Calls{"UnloadMainWindow"}));

    state.ExitRequested = false;
    host.calls.clear();
    Transfer("/exit");
    OpenOrganizer(context, true, "");
    EXPECT_FALSE(state.ExitRequested);
    EXPECT_EQ(host.calls, (Calls{"LoadOrganizeWindow", "BringOrganizeWindowToFront", "InitOrganizeWindow /exit"}));
    EXPECT_TRUE(state.OrganizeWindowOpen);
    EXPECT_TRUE(state.OrganizeOpenedByCommand);
}

TEST_F(OpenOrganizerTest, ExitOnTheFirstInstancesOwnCommandLineOpensTheOrganizeWindow) {
    OpenOrganizer(context, true, "/EXIT");
    EXPECT_FALSE(state.ExitRequested);
    EXPECT_EQ(host.calls, (Calls{"LoadOrganizeWindow", "BringOrganizeWindowToFront", "InitOrganizeWindow /EXIT"}));
}

TEST_F(OpenOrganizerTest, AnOpenOrganizeWindowIsOnlyBroughtToTheFront) {
    state.OrganizeWindowOpen = true;
    OpenOrganizer(context, false, "");       // the menu's Organize Folders entry
    OpenOrganizer(context, true, "");        // a second start without arguments (no TRANSFER value)
    OpenOrganizer(context, true, "/ADD C:\\Data"); // a command goes on to the window
    EXPECT_EQ(host.calls, (Calls{"BringOrganizeWindowToFront", "BringOrganizeWindowToFront",
                                 "BringOrganizeWindowToFront", "InitOrganizeWindow /ADD C:\\Data"}));
}

TEST_F(OpenOrganizerTest, TransferredCommandGoesToTheOrganizeWindowUnlessTheItemDialogIsOpen) {
    Transfer("/ADD C:\\Data");
    OpenOrganizer(context, true, "");
    EXPECT_EQ(host.calls,
              (Calls{"LoadOrganizeWindow", "BringOrganizeWindowToFront", "InitOrganizeWindow /ADD C:\\Data"}));
    host.calls.clear();
    state.ItemDialogOpen = true;
    OpenOrganizer(context, true, "");
    EXPECT_EQ(host.calls, (Calls{"BringItemDialogToFront"}));
}

TEST_F(OpenOrganizerTest, FromTheMenuTheWindowIsNotMarkedAsOpenedByCommand) {
    state.OrganizeOpenedByCommand = true;
    OpenOrganizer(context, false, "");
    EXPECT_FALSE(state.OrganizeOpenedByCommand);
    EXPECT_EQ(host.calls, (Calls{"LoadOrganizeWindow", "BringOrganizeWindowToFront"}));
}

TEST_F(OpenOrganizerTest, AWindowThatCouldNotBeLoadedDoesNotCountAsOpen) {
    host.organizeWindowExists = false;
    OpenOrganizer(context, false, "");
    EXPECT_FALSE(state.OrganizeWindowOpen);
    EXPECT_EQ(host.calls, (Calls{"LoadOrganizeWindow"}));
}

} // namespace
} // namespace krv
