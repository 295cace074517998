#include "app/ResidentMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Program.h"
#include "config/modFileHandler.h"
#include "fakes/FakeMenuHost.h"
#include "fakes/FakeSystem.h"
#include "groups/modSetupDrives.h"
#include "menu/modMenuSetup.h"
#include "platform/Text.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

using Strings = std::vector<std::string>;

Strings TextsOf(const FakeMenuHost& host, int32_t menu) {
    Strings texts;
    for (const auto& entry : host.Entries(menu))
        texts.push_back(entry.text);
    return texts;
}

class StartupConfigurationTest : public ::testing::Test {
protected:
    StartupConfigurationTest() {
        InitOptionNames(options);
        options.AppearanceOptions.fill(true);
        files.GetConfigFileName(false);
    }

    // The default configuration as a marker: one group named after the call.
    void CreateDefault() {
        ++defaultsCreated;
        menuItems.Clear();
        menuItems.AddNewMenuItem({.Caption = "Personal", .OwnerName = TOP_LEVEL_OWNER, .Name = MIT_GROUP_USER,
                                  .SubMenu = true});
    }
    void Load() {
        LoadStartupConfiguration(files, fake.files, window, menuItems, "C:\\Karvello", [this] { CreateDefault(); });
    }
    // A configuration file with the personal group and one shortcut.
    std::string SavedTree() {
        clsMenuCollection tree;
        tree.AddNewMenuItem({.Caption = "Personal", .OwnerName = TOP_LEVEL_OWNER, .Name = MIT_GROUP_USER,
                             .SubMenu = true});
        tree.AddNewMenuItem({.Caption = "Data", .OwnerName = MIT_GROUP_USER, .FolderPath = "C:\\Data"});
        return files.ConfigurationBytes(tree);
    }
    std::string StoredConfigFileName() {
        std::string value;
        regHandler.GetKeyValue(RegistryRoot::CurrentUser, "Software\\Tessary\\Karvello\\Settings", "ConfigFile",
                               value);
        return value;
    }

    FakeSystem fake;
    FakeMenuWindow window;
    Windows1252CodePage codePage;
    clsRegHandler regHandler{fake.registry};
    Options options;
    modFileHandler files{fake.files, codePage, regHandler, "C:\\Karvello", options, nullptr};
    clsMenuCollection menuItems;
    int defaultsCreated = 0;
};

TEST_F(StartupConfigurationTest, TheCurrentFileIsLoadedWithTheBusyPointer) {
    fake.files.AddFile("C:\\Karvello\\default.krvc", SavedTree());
    Load();
    EXPECT_EQ(defaultsCreated, 0);
    EXPECT_TRUE(menuItems.GetMenuItemFromName(MIT_GROUP_USER) != nullptr);
    EXPECT_EQ(menuItems.Count(), 2);
    EXPECT_EQ(window.calls, (Strings{"busy", "normal"}));
}

TEST_F(StartupConfigurationTest, AMissingCurrentFileFallsBackToTheDefaultFileAndRemembersIt) {
    regHandler.SetKeyValue(RegistryRoot::CurrentUser, "Software\\Tessary\\Karvello\\Settings", "ConfigFile",
                           std::string_view("D:\\Gone\\mine.krvc"));
    files.GetConfigFileName(false);
    fake.files.AddFile("C:\\Karvello\\default.krvc", SavedTree());
    Load();
    EXPECT_EQ(defaultsCreated, 0);
    EXPECT_EQ(files.CurrentConfigFile(), "C:\\Karvello\\default.krvc");
    EXPECT_EQ(StoredConfigFileName(), "C:\\Karvello\\default.krvc");
    EXPECT_EQ(menuItems.Count(), 2);
}

TEST_F(StartupConfigurationTest, WithoutAnyFileTheDefaultConfigurationIsCreatedAndWritten) {
    regHandler.SetKeyValue(RegistryRoot::CurrentUser, "Software\\Tessary\\Karvello\\Settings", "ConfigFile",
                           std::string_view("C:\\Mine\\mine.krvc"));
    fake.files.AddFolder("C:\\Mine");
    files.GetConfigFileName(false);
    Load();
    EXPECT_EQ(defaultsCreated, 1);
    EXPECT_TRUE(window.calls.empty());
    // Written to the current file, which stays the current one.
    ASSERT_TRUE(fake.files.Content("C:\\Mine\\mine.krvc"));
    EXPECT_NE(fake.files.Content("C:\\Mine\\mine.krvc")->find("[MIT_GROUP_USER:]"), std::string::npos);
    EXPECT_FALSE(fake.files.Exists("C:\\Karvello\\default.krvc"));
}

TEST_F(StartupConfigurationTest, AnEmptyFileGivesTheDefaultConfigurationWrittenInItsPlace) {
    fake.files.AddFile("C:\\Karvello\\default.krvc", "");
    Load();
    EXPECT_EQ(defaultsCreated, 1);
    ASSERT_TRUE(fake.files.Content("C:\\Karvello\\default.krvc"));
    EXPECT_FALSE(fake.files.Content("C:\\Karvello\\default.krvc")->empty());
}

class ResidentMenuTest : public ::testing::Test {
protected:
    ResidentMenuTest() {
        InitOptionNames(state.options);
        state.options.AppearanceOptions.fill(true);
        state.options.AppearanceOptions[AC0_SHOW_SYSTEM_FOLDERS] = false;
        fake.system.AddDrive({.Letter = 'A', .Type = DRIVE_TYPE_REMOVABLE, .HasMedium = false});
        fake.AddDiskWithFolders('C', "SYSTEM", 2);
        CreateDefaultConfiguration(window, state.MenuItems, fake.Services(), MenuSetupOptions{.ShowSystemFolders = false});
        BuildPopupMenu(window, host, state.MenuItems, "");
        window.calls.clear();
    }
    int32_t Top() { return host.TopLevelPopup(); }
    int32_t SubmenuOf(const std::string& name) { return state.MenuItems.GetMenuItemFromName(name)->ID(); }

    FakeSystem fake;
    FakeMenuWindow window;
    FakeMenuHost host;
    ProgramState state;
};

TEST_F(ResidentMenuTest, RebuildingWithoutAnItemLeavesNoEntryOfItBehind) {
    ASSERT_EQ(TextsOf(host, SubmenuOf(MIT_GROUP_USER)), (Strings{"C_Folder01", "C_Folder02"}));
    const std::string removed = state.MenuItems.CaptionExists2("C_Folder01", MIT_GROUP_USER, false, "")->Name();

    RebuildPopupMenu(window, host, state.MenuItems,
                     [&](clsMenuCollection& items) { items.Remove(removed); });
    EXPECT_FALSE(state.MenuItems.ItemExists(removed));
    EXPECT_EQ(TextsOf(host, Top()), (Strings{"Help", "", "Personal", "", "Options", "Organize Folders"}));
    EXPECT_EQ(TextsOf(host, SubmenuOf(MIT_GROUP_USER)), (Strings{"C_Folder02"}));
    EXPECT_EQ(window.calls, (Strings{"remove", "install"}));
    for (const auto& entry : host.Entries(Top()))
        EXPECT_TRUE(entry.OwnerDrawn());
}

TEST_F(ResidentMenuTest, TheDrivesGroupIsBuiltAtTheFirstShowingAndAgainOnlyWhenDrivesChange) {
    RefreshDrivesGroup(state, fake.system, window, host);
    EXPECT_FALSE(state.DrivesNeedBuild);
    EXPECT_EQ(TextsOf(host, Top()), (Strings{"Help", "", "Personal", "Drives", "", "Options", "Organize Folders"}));
    EXPECT_EQ(TextsOf(host, SubmenuOf(MIT_PATHS_DRIVES)), (Strings{"3.5-Inch Floppy Disk (A:)", "SYSTEM (C:)"}));
    EXPECT_TRUE(window.calls.empty()); // the handler stays installed

    host.ClearCalls();
    RefreshDrivesGroup(state, fake.system, window, host);
    EXPECT_TRUE(host.Calls().empty());

    fake.system.AddDrive({.Letter = 'E', .Type = DRIVE_TYPE_FIXED, .Label = "BACKUP"});
    RefreshDrivesGroup(state, fake.system, window, host);
    EXPECT_EQ(TextsOf(host, SubmenuOf(MIT_PATHS_DRIVES)),
              (Strings{"3.5-Inch Floppy Disk (A:)", "SYSTEM (C:)", "BACKUP (E:)"}));
    EXPECT_EQ(TextsOf(host, Top()), (Strings{"Help", "", "Personal", "Drives", "", "Options", "Organize Folders"}));
    EXPECT_EQ(state.KnownDrives.size(), 3u);
}

TEST_F(ResidentMenuTest, WithDrivesOffNothingIsBuilt) {
    state.options.AppearanceOptions[AC1_SHOW_DRIVES] = false;
    host.ClearCalls();
    RefreshDrivesGroup(state, fake.system, window, host);
    EXPECT_TRUE(host.Calls().empty());
    EXPECT_TRUE(state.DrivesNeedBuild);
}

} // namespace
} // namespace krv
