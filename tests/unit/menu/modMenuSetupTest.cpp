#include "menu/modMenuSetup.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "fakes/FakeMenuHost.h"
#include "fakes/FakeSystem.h"
#include "groups/modSetupDrives.h"
#include "model/clsMenuCollection.h"

namespace krv {
namespace {

using Strings = std::vector<std::string>;

// The names, or with captions the captions, of the children of owner in list order.
Strings ChildrenOf(const clsMenuCollection& c, const std::string& owner, bool captions) {
    Strings result;
    for (const clsMenuItem& item : c) {
        if (item.OwnerName() == owner) {
            result.push_back(captions ? item.Caption() : item.Name());
        }
    }
    return result;
}

Strings NamesOf(const clsMenuCollection& c, const std::string& owner) {
    return ChildrenOf(c, owner, false);
}

Strings CaptionsOf(const clsMenuCollection& c, const std::string& owner) {
    return ChildrenOf(c, owner, true);
}

Strings TextsOf(const FakeMenuHost& host, int32_t menu) {
    Strings texts;
    for (const auto& entry : host.Entries(menu)) {
        texts.push_back(entry.text);
    }
    return texts;
}

// Every built item stands in its owner's menu at its Position with its identifier; groups hold their submenu.
// With skipUnplaced, items that were left out of the menu (Position -1) are passed over.
void ExpectMenuMatchesTree(const FakeMenuHost& host, const clsMenuCollection& c, bool skipUnplaced = false) {
    for (const clsMenuItem& item : c) {
        if (skipUnplaced && item.Position() == -1) {
            continue;
        }
        const auto& entries = host.Entries(item.OwnerID());
        ASSERT_GE(item.Position(), 0) << item.Name();
        ASSERT_LT(static_cast<size_t>(item.Position()), entries.size()) << item.Name();
        const auto& entry = entries[static_cast<size_t>(item.Position())];
        EXPECT_EQ(entry.identifier, item.ID()) << item.Name();
        EXPECT_EQ(entry.text, item.Caption()) << item.Name();
        EXPECT_EQ(entry.submenu != 0, item.SubMenu()) << item.Name();
        EXPECT_EQ(entry.IsSeparator(), item.Separator()) << item.Name();
    }
}

struct MenuSetupTest : ::testing::Test {
    FakeSystem fake;
    FakeMenuWindow window;
    FakeMenuHost host;
    clsMenuCollection menuItems;
    MenuSetupOptions options;
    std::vector<clsDrive> driveList;

    void AddStandardDrives() {
        fake.system.AddDrive({.Letter = 'A', .Type = DRIVE_TYPE_REMOVABLE, .HasMedium = false});
        fake.AddDiskWithFolders('C', "SYSTEM", 3);
        fake.system.AddDrive({.Letter = 'D', .Type = DRIVE_TYPE_CDROM, .HasMedium = false});
    }
};

TEST_F(MenuSetupTest, DefaultConfigurationHasTheFixedEntriesAroundPersonalAndTheGeneratedGroups) {
    AddStandardDrives();
    fake.AddTypicalSystemFolders();
    clsMenuItem stale;
    stale.SetName("OLD");
    stale.SetOwnerName(TOP_LEVEL_OWNER);
    menuItems.AddOne(stale, true, false);
    menuItems.SetIDCounter(400);

    CreateDefaultConfiguration(window, menuItems, fake.Services(), options);
    AddDrives(menuItems, fake.system, driveList);

    EXPECT_EQ(NamesOf(menuItems, TOP_LEVEL_OWNER),
              (Strings{MIT_HF_HELP, MIT_HF_HELP_SEP, MIT_GROUP_USER, MIT_PATHS_SYSTEM, MIT_PATHS_DRIVES,
                       MIT_HF_DRIVES_SEP, MIT_HF_SETTINGS, MIT_HF_ORGANIZE}));
    EXPECT_EQ(CaptionsOf(menuItems, TOP_LEVEL_OWNER), (Strings{"Help", "", "Personal", "System Folders",
                                                               "Drives", "", "Options", "Organize Folders"}));
    EXPECT_EQ(window.calls, (Strings{"busy", "normal"}));
    EXPECT_EQ(menuItems.GetNextFreeID(), 50);

    const clsMenuItem* personal = menuItems.GetMenuItemFromName(MIT_GROUP_USER);
    ASSERT_NE(personal, nullptr);
    EXPECT_TRUE(personal->SubMenu());
    EXPECT_EQ(personal->ItemType(), MIT_GROUP_GENERAL);
    EXPECT_EQ(personal->UserDescription(), "Contains your own folder shortcuts");
    // The folders of C: and of the typical installation on it, named after the drive.
    const Strings shortcuts = CaptionsOf(menuItems, MIT_GROUP_USER);
    EXPECT_EQ(shortcuts.front(), "C_Documents and Settings");
    EXPECT_NE(std::find(shortcuts.begin(), shortcuts.end(), "C_Folder01"), shortcuts.end());
    for (const char* name :
         {MIT_HF_HELP, MIT_HF_HELP_SEP, MIT_HF_DRIVES_SEP, MIT_HF_SETTINGS, MIT_HF_ORGANIZE}) {
        EXPECT_EQ(menuItems.GetMenuItemFromName(name)->Remark(), REMARK_AUTO) << name;
    }
}

TEST_F(MenuSetupTest, RootEntriesFollowTheOptions) {
    options = {.ShowSystemFolders = false, .ShowHelp = false, .ShowOptions = false};
    CreatePersonalGroup(menuItems, PERSONAL_GROUP_EMPTY, fake.Services());
    AddRootEntries(menuItems, false, fake.Services(), options);
    EXPECT_EQ(NamesOf(menuItems, TOP_LEVEL_OWNER),
              (Strings{MIT_GROUP_USER, MIT_HF_DRIVES_SEP, MIT_HF_ORGANIZE}));

    // The configuration reader's hook reads the options as they stand when it is called.
    options.ShowHelp = true;
    RootEntriesHook hook = MakeRootEntriesHook(fake.Services(), [this] { return options; });
    clsMenuCollection loaded;
    CreatePersonalGroup(loaded, PERSONAL_GROUP_EMPTY, fake.Services());
    hook(loaded, true);
    EXPECT_EQ(NamesOf(loaded, TOP_LEVEL_OWNER),
              (Strings{MIT_HF_HELP, MIT_HF_HELP_SEP, MIT_GROUP_USER, MIT_PATHS_SYSTEM, MIT_HF_DRIVES_SEP,
                       MIT_HF_ORGANIZE}));
}

// A file that held no personal group still gives a menu the user can reach Help, Options and the editor
// from, each in its place.
TEST_F(MenuSetupTest, RootEntriesWithoutAPersonalGroupKeepTheirPlaces) {
    for (const bool systemFolders : {false, true}) {
        SCOPED_TRACE(systemFolders);
        clsMenuCollection loaded;
        fake.AddTypicalSystemFolders();
        AddRootEntries(loaded, systemFolders, fake.Services(), options);
        Strings expected{MIT_HF_HELP, MIT_HF_HELP_SEP, MIT_HF_DRIVES_SEP, MIT_HF_SETTINGS, MIT_HF_ORGANIZE};
        if (systemFolders)
            expected.insert(expected.begin() + 2, MIT_PATHS_SYSTEM);
        EXPECT_EQ(NamesOf(loaded, TOP_LEVEL_OWNER), expected);
    }
}

TEST_F(MenuSetupTest, SampleContentIsMyGroupWithDesktopStartMenuOpenAllAndMyDocuments) {
    fake.AddTypicalSystemFolders();
    CreatePersonalGroup(menuItems, PERSONAL_GROUP_SAMPLE, fake.Services());

    EXPECT_EQ(NamesOf(menuItems, MIT_GROUP_USER), (Strings{"M1", "M2"}));
    EXPECT_EQ(CaptionsOf(menuItems, MIT_GROUP_USER), (Strings{"My Group", "My Documents"}));
    EXPECT_EQ(CaptionsOf(menuItems, "M1"), (Strings{"Desktop", "Start Menu", "Open-All"}));
    EXPECT_TRUE(menuItems.GetMenuItemFromName("M1")->SubMenu());
    EXPECT_EQ(menuItems.GetMenuItemFromName("M2")->FolderPath(),
              "C:\\Documents and Settings\\Ann\\My Documents");
    EXPECT_EQ(menuItems.GetMenuItemFromName("M3")->FolderPath(), "C:\\Documents and Settings\\Ann\\Desktop");
    EXPECT_EQ(menuItems.GetMenuItemFromName("M4")->FolderPath(),
              "C:\\Documents and Settings\\Ann\\Start Menu");
    EXPECT_EQ(menuItems.GetMenuItemFromName("M5")->ItemType(), MIT_OPENALL);
    for (const char* name : {"M2", "M3", "M4"}) {
        EXPECT_EQ(menuItems.GetMenuItemFromName(name)->ItemType(), MIT_PATH) << name;
        EXPECT_EQ(menuItems.GetMenuItemFromName(name)->OpenType(), MIT_PATH_EXPLORER) << name;
    }
    EXPECT_EQ(menuItems.GetMenuItemFromName("M3")->ItemPath(), "\\My Group");
}

TEST_F(MenuSetupTest, DiskFoldersStopAtTwentyFiveInAllAndSkipHiddenSystemAndCompressedFolders) {
    fake.system.AddDrive({.Letter = 'A', .Type = DRIVE_TYPE_REMOVABLE, .HasMedium = false});
    fake.AddDiskWithFolders('C', "SYSTEM", 30);
    fake.AddDiskWithFolders('E', "", 5);
    fake.files.AddFolder("C:\\RECYCLER");
    fake.files.SetAttributes("C:\\RECYCLER", FILE_ATTR_HIDDEN | FILE_ATTR_SYSTEM);
    fake.files.SetAttributes("C:\\Folder02", FILE_ATTR_HIDDEN);
    fake.files.SetAttributes("C:\\Folder03", FILE_ATTR_SYSTEM);
    fake.files.SetAttributes("C:\\Folder04", FILE_ATTR_COMPRESSED);
    fake.files.AddFile("C:\\boot.ini", "[boot loader]");
    // Folders are walked in the order the system lists them, not by name.
    fake.files.AddFolder("C:\\Archive");

    CreatePersonalGroup(menuItems, PERSONAL_GROUP_DISK_FOLDERS, fake.Services());

    const Strings captions = CaptionsOf(menuItems, MIT_GROUP_USER);
    ASSERT_EQ(captions.size(), 25u);
    EXPECT_EQ(captions.front(), "C_Folder01");
    EXPECT_EQ(captions[1], "C_Folder05");
    EXPECT_EQ(captions.back(), "C_Folder28");
    for (const std::string& caption : captions) {
        EXPECT_NE(caption, "C_RECYCLER");
        EXPECT_NE(caption, "C_Archive");
    }
    const clsMenuItem* first = menuItems.GetMenuItemFromName(NamesOf(menuItems, MIT_GROUP_USER).front());
    EXPECT_EQ(first->FolderPath(), "C:\\Folder01");
    EXPECT_EQ(first->OpenType(), MIT_PATH_EXPLORER);
    EXPECT_EQ(fake.pump.calls, 25);
}

TEST_F(MenuSetupTest, DiskFoldersContinueOnTheNextFixedDiskOnly) {
    fake.AddDiskWithFolders('C', "", 20);
    fake.system.AddDrive({.Letter = 'D', .Type = DRIVE_TYPE_CDROM, .Label = "MOVIE"});
    fake.files.AddFolder("D:\\VIDEO_TS");
    fake.system.AddDrive({.Letter = 'Z', .Type = DRIVE_TYPE_REMOTE, .Share = "\\\\server\\docs"});
    fake.files.AddFolder("Z:\\Shared");
    fake.AddDiskWithFolders('E', "DATA", 10);

    CreatePersonalGroup(menuItems, PERSONAL_GROUP_DISK_FOLDERS, fake.Services());

    const Strings captions = CaptionsOf(menuItems, MIT_GROUP_USER);
    ASSERT_EQ(captions.size(), 25u);
    EXPECT_EQ(captions[19], "C_Folder20");
    EXPECT_EQ(captions[20], "E_Folder01");
    EXPECT_EQ(captions.back(), "E_Folder05");
}

TEST_F(MenuSetupTest, GroupPerDiskHoldsTwentyFourFoldersOfEachDisk) {
    fake.AddDiskWithFolders('C', "SYSTEM", 30);
    fake.AddDiskWithFolders('E', "", 2);

    CreatePersonalGroup(menuItems, PERSONAL_GROUP_GROUP_PER_DISK, fake.Services());

    EXPECT_EQ(NamesOf(menuItems, MIT_GROUP_USER), (Strings{"M3", "M2"})); // sorted: "E" before "SYSTEM (C)"
    EXPECT_EQ(menuItems.GetMenuItemFromName("M2")->Caption(), "SYSTEM (C)");
    EXPECT_EQ(menuItems.GetMenuItemFromName("M3")->Caption(), "E");
    const Strings onC = CaptionsOf(menuItems, "M2");
    ASSERT_EQ(onC.size(), 24u);
    EXPECT_EQ(onC.front(), "Folder01");
    EXPECT_EQ(onC.back(), "Folder24");
    EXPECT_EQ(menuItems.GetMenuItemFromName(NamesOf(menuItems, "M3").back())->FolderPath(), "E:\\Folder02");
}

TEST_F(MenuSetupTest, GroupPerDiskStopsAfterTwentyFourDisks) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        fake.AddDiskWithFolders(letter, "", 1);
    }
    CreatePersonalGroup(menuItems, PERSONAL_GROUP_GROUP_PER_DISK, fake.Services());

    const Strings groups = NamesOf(menuItems, MIT_GROUP_USER);
    ASSERT_EQ(groups.size(), 24u);
    EXPECT_TRUE(menuItems.ItemExists("M2"));
    EXPECT_TRUE(menuItems.ItemExists("M25"));
    EXPECT_FALSE(menuItems.ItemExists("M26"));
    EXPECT_EQ(menuItems.GetMenuItemFromName("M25")->Caption(), "X");
}

TEST_F(MenuSetupTest, UnknownKindCreatesThePersonalGroupAlone) {
    fake.AddDiskWithFolders('C', "", 3);
    CreatePersonalGroup(menuItems, 7, fake.Services());
    EXPECT_EQ(menuItems.Count(), 1);
    EXPECT_TRUE(menuItems.ItemExists(MIT_GROUP_USER));
}

// A small tree with every kind of entry, as a user's configuration would have it.
struct BuiltMenuTest : MenuSetupTest {
    void SetUp() override {
        AddStandardDrives();
        fake.AddTypicalSystemFolders();
        CreatePersonalGroup(menuItems, PERSONAL_GROUP_SAMPLE, fake.Services());
        AddRootEntries(menuItems, true, fake.Services(), options);
    }
    int32_t Build() { return BuildPopupMenu(window, host, menuItems, ""); }
};

TEST_F(BuiltMenuTest, BuildsEveryItemAsAnOwnerDrawnEntryAtItsPosition) {
    const int32_t fileMenu = Build();

    EXPECT_EQ(fileMenu, host.TopLevelPopup());
    EXPECT_EQ(menuItems.FileMenuHandle(), fileMenu);
    EXPECT_EQ(window.calls, (Strings{"remove", "install"}));
    EXPECT_EQ(TextsOf(host, fileMenu),
              (Strings{"Help", "", "Personal", "System Folders", "", "Options", "Organize Folders"}));
    ExpectMenuMatchesTree(host, menuItems);

    // Identifiers from 50 in tree order; groups carry their submenu handle instead.
    EXPECT_EQ(menuItems.GetMenuItemFromName(MIT_HF_HELP)->ID(), 50);
    EXPECT_EQ(menuItems.GetMenuItemFromName(MIT_HF_HELP_SEP)->ID(), 51);
    const clsMenuItem* personal = menuItems.GetMenuItemFromName(MIT_GROUP_USER);
    EXPECT_TRUE(host.IsMenu(personal->ID()));
    EXPECT_EQ(personal->flags(), 1280);
    EXPECT_EQ(menuItems.GetMenuItemFromName(MIT_HF_HELP_SEP)->flags(), 3328);
    EXPECT_EQ(TextsOf(host, personal->ID()), (Strings{"My Group", "My Documents"}));
    EXPECT_EQ(TextsOf(host, menuItems.GetMenuItemFromName("M1")->ID()),
              (Strings{"Desktop", "Start Menu", "Open-All"}));
    for (const clsMenuItem& item : menuItems) {
        const auto& entries = host.Entries(item.OwnerID());
        ASSERT_LT(static_cast<size_t>(item.Position()), entries.size()) << item.Name();
        EXPECT_TRUE(entries[static_cast<size_t>(item.Position())].OwnerDrawn()) << item.Name();
    }
    // The placeholder became the first entry instead of staying beside it.
    EXPECT_EQ(host.Calls().front().operation, FakeMenuHost::Operation::Modify);
}

TEST_F(BuiltMenuTest, ClearingLeavesOnlyThePlaceholderAndRestartsIdentifiersAtFifty) {
    Build();
    ClearPopupMenu(host, menuItems);

    EXPECT_EQ(menuItems.Count(), 0);
    ASSERT_EQ(host.Entries(host.TopLevelPopup()).size(), 1u);
    EXPECT_EQ(host.Entries(host.TopLevelPopup())[0].text, "Dummy");
    EXPECT_EQ(host.Entries(host.TopLevelPopup())[0].identifier, 50);
    EXPECT_EQ(host.MenuCount(), 1u); // every submenu was destroyed with its entry
    EXPECT_EQ(menuItems.GetNextFreeID(), 50);

    // Rebuilding a copy gives the same menu again.
    clsMenuCollection fresh;
    CreatePersonalGroup(fresh, PERSONAL_GROUP_SAMPLE, fake.Services());
    AddRootEntries(fresh, true, fake.Services(), options);
    CopyCollection(fresh, menuItems);
    Build();
    EXPECT_EQ(host.Entries(host.TopLevelPopup()).size(), 7u);
    ExpectMenuMatchesTree(host, menuItems);
}

TEST_F(BuiltMenuTest, DrivesGroupIsBuiltAloneWithoutTouchingOtherEntries) {
    Build();
    AddDrives(menuItems, fake.system, driveList);
    host.ClearCalls();
    window.calls.clear();

    BuildPopupMenu(window, host, menuItems, MIT_PATHS_DRIVES);

    const clsMenuItem* drives = menuItems.GetMenuItemFromName(MIT_PATHS_DRIVES);
    EXPECT_TRUE(window.calls.empty());
    for (const auto& call : host.Calls()) {
        if (call.menu == host.TopLevelPopup()) {
            EXPECT_EQ(call.position, drives->Position());
            EXPECT_NE(call.operation, FakeMenuHost::Operation::Delete);
        } else if (call.operation != FakeMenuHost::Operation::CreatePopup) {
            EXPECT_EQ(call.menu, drives->ID());
        }
    }
    EXPECT_EQ(TextsOf(host, host.TopLevelPopup()), (Strings{"Help", "", "Personal", "System Folders",
                                                            "Drives", "", "Options", "Organize Folders"}));
    EXPECT_EQ(TextsOf(host, drives->ID()),
              (Strings{"3.5-Inch Floppy Disk (A:)", "SYSTEM (C:)", "Compact Disc (D:)"}));
    // The entries after the group moved down one place, and their items know it.
    ExpectMenuMatchesTree(host, menuItems);
}

TEST_F(BuiltMenuTest, ChangedDrivesAreRebuiltInPlace) {
    AddDrives(menuItems, fake.system, driveList);
    Build();
    EXPECT_FALSE(DrivesChanged(fake.system, driveList));

    fake.system.FindDrive('D')->HasMedium = true;
    fake.system.FindDrive('D')->Label = "MOVIE";
    ASSERT_TRUE(DrivesChanged(fake.system, driveList));
    RemoveDrives(menuItems, &host);
    AddDrives(menuItems, fake.system, driveList);
    BuildPopupMenu(window, host, menuItems, MIT_PATHS_DRIVES);

    EXPECT_FALSE(DrivesChanged(fake.system, driveList));
    EXPECT_EQ(TextsOf(host, menuItems.GetMenuItemFromName(MIT_PATHS_DRIVES)->ID()),
              (Strings{"3.5-Inch Floppy Disk (A:)", "SYSTEM (C:)", "MOVIE (D:)"}));
    ExpectMenuMatchesTree(host, menuItems);
    ClearPopupMenu(host, menuItems);
    EXPECT_EQ(host.MenuCount(), 1u);
}

TEST_F(BuiltMenuTest, HelpAndOptionsComeAndGoWithTheirMenuEntries) {
    Build();
    RemoveHelpEntries(menuItems, &host);
    RemoveOptionsEntry(menuItems, &host);

    EXPECT_FALSE(menuItems.ItemExists(MIT_HF_HELP));
    EXPECT_FALSE(menuItems.ItemExists(MIT_HF_HELP_SEP));
    EXPECT_FALSE(menuItems.ItemExists(MIT_HF_SETTINGS));
    EXPECT_EQ(TextsOf(host, host.TopLevelPopup()),
              (Strings{"Personal", "System Folders", "", "Organize Folders"}));
    ExpectMenuMatchesTree(host, menuItems);

    AddHelpEntries(menuItems);
    AddOptionsEntry(menuItems);
    EXPECT_EQ(NamesOf(menuItems, TOP_LEVEL_OWNER),
              (Strings{MIT_HF_HELP, MIT_HF_HELP_SEP, MIT_GROUP_USER, MIT_PATHS_SYSTEM, MIT_HF_DRIVES_SEP,
                       MIT_HF_SETTINGS, MIT_HF_ORGANIZE}));
}

TEST_F(BuiltMenuTest, ClearingCleansUpAfterEntriesRemovedThroughACopy) {
    // The options dialog removes entries from a copy of the tree, so the tree itself keeps stale positions.
    Build();
    clsMenuCollection scratch;
    CopyCollection(menuItems, scratch);
    RemoveHelpEntries(scratch, &host);
    RemoveOptionsEntry(scratch, &host);
    // An entry that no item records, left by a build that went wrong, goes as well.
    host.InsertEntry(host.TopLevelPopup(), 99, MENU_FLAG_BY_POSITION, 999, "Stray");

    ClearPopupMenu(host, menuItems);
    EXPECT_EQ(TextsOf(host, host.TopLevelPopup()), (Strings{"Dummy"}));
    EXPECT_EQ(host.MenuCount(), 1u);

    CopyCollection(scratch, menuItems);
    Build();
    EXPECT_EQ(TextsOf(host, host.TopLevelPopup()),
              (Strings{"Personal", "System Folders", "", "Organize Folders"}));
    ExpectMenuMatchesTree(host, menuItems);
}

TEST_F(BuiltMenuTest, AGroupWithoutSubmenuIsLeftOutAndTheRestStillBuilds) {
    host.FailNextCreatePopup(); // the personal group, the first group of the tree
    Build();

    const clsMenuItem* personal = menuItems.GetMenuItemFromName(MIT_GROUP_USER);
    EXPECT_EQ(personal->Position(), -1);
    EXPECT_EQ(menuItems.GetMenuItemFromName("M2")->Position(), -1);
    EXPECT_EQ(TextsOf(host, host.TopLevelPopup()),
              (Strings{"Help", "", "System Folders", "", "Options", "Organize Folders"}));
    EXPECT_EQ(menuItems.GetMenuItemFromName(MIT_HF_ORGANIZE)->Position(), 5);

    ClearPopupMenu(host, menuItems);
    EXPECT_EQ(TextsOf(host, host.TopLevelPopup()), (Strings{"Dummy"}));
}

TEST_F(BuiltMenuTest, WhenTheFirstEntryFailsTheNextTopLevelEntryTakesThePlaceholdersPlace) {
    RemoveHelpEntries(menuItems, nullptr);
    host.FailNextCreatePopup(); // the personal group, now the first item
    Build();

    EXPECT_EQ(TextsOf(host, host.TopLevelPopup()),
              (Strings{"System Folders", "", "Options", "Organize Folders"}));
    ExpectMenuMatchesTree(host, menuItems, /*skipUnplaced=*/true);
}

TEST(CopyCollectionTest, CopiesItemsInOrderAndTheCountersIndependently) {
    clsMenuCollection source;
    source.AddNewMenuItem({.Caption = "Group", .OwnerName = TOP_LEVEL_OWNER, .Name = "G", .SubMenu = true});
    source.AddNewMenuItem({.Caption = "Docs", .OwnerName = "G", .FolderPath = "C:\\Docs"});
    source.AddNewMenuItem({.Caption = "SYSTEM (C:)",
                           .OwnerName = MIT_PATHS_DRIVES,
                           .ItemType = MIT_DRIVE,
                           .KeepCaptionCharacters = true});
    source.SetIDCounter(77);
    source.SetFileMenuHandle(4096);
    // The times are the source's, whatever the clock says at the copy: an unrecorded one stays unrecorded.
    const DateTime created{2001, 2, 3, 4, 5, 6};
    source.Item(2)->SetTimeCreated(created);
    source.Item(3)->SetTimeCreated(DateTime::Zero());

    clsMenuCollection target;
    CopyCollection(source, target);

    ASSERT_EQ(target.Count(), 3);
    EXPECT_EQ(target.Item(1)->Name(), "G");
    EXPECT_EQ(target.Item(2)->FolderPath(), "C:\\Docs");
    EXPECT_EQ(target.Item(3)->Caption(), "SYSTEM (C:)");
    EXPECT_EQ(target.IDCounter(), 77);
    EXPECT_EQ(target.MenuNameCounter(), source.MenuNameCounter());
    EXPECT_EQ(target.FileMenuHandle(), 4096);
    for (int32_t index = 1; index <= 3; ++index)
        EXPECT_TRUE(clsMenuCollection::MenuItemsEqual(*source.Item(index), *target.Item(index))) << index;
    EXPECT_EQ(target.Item(2)->TimeCreated().Year, created.Year);
    EXPECT_EQ(target.Item(2)->TimeCreated().Second, created.Second);
    EXPECT_TRUE(target.Item(3)->TimeCreated().IsZero());

    target.Item(2)->SetFolderPath("D:\\Other");
    EXPECT_EQ(source.Item(2)->FolderPath(), "C:\\Docs");
}

} // namespace
} // namespace krv
