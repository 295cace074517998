#include "groups/modSetupSystemFolders.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "fakes/FakeSystem.h"
#include "groups/modSetupDrives.h"
#include "model/clsMenuCollection.h"

namespace krv {
namespace {

using Strings = std::vector<std::string>;

struct SystemFoldersTest : ::testing::Test {
    FakeSystem fake;
    clsMenuCollection c;

    void SetUp() override {
        fake.AddTypicalSystemFolders();
        for (const char* name : {MIT_GROUP_USER, MIT_HF_DRIVES_SEP, MIT_HF_ORGANIZE}) {
            clsMenuItem item;
            item.SetName(name);
            item.SetOwnerName(TOP_LEVEL_OWNER);
            c.AddOne(item, true, false);
        }
    }

    void Add(bool importantFirst) {
        AddSystemFolders(c, fake.registry, fake.system, fake.files, importantFirst);
    }

    Strings CaptionsIn(const std::string& owner) const {
        Strings captions;
        for (const clsMenuItem& item : c) {
            if (item.OwnerName() == owner) {
                captions.push_back(item.Caption());
            }
        }
        return captions;
    }

    // The shortcut (not the subgroup) with that caption.
    const clsMenuItem* Find(const std::string& owner, const std::string& caption) const {
        for (const clsMenuItem& item : c) {
            if (item.OwnerName() == owner && item.Caption() == caption && !item.SubMenu()) {
                return &item;
            }
        }
        return nullptr;
    }
};

TEST_F(SystemFoldersTest, ImportantFoldersStandInTheGroupItself) {
    Add(true);

    EXPECT_EQ(CaptionsIn(MIT_PATHS_SYSTEM),
              (Strings{"All Users", "Personal", "Windows", "Desktop", "Favorites", "History", "My Documents",
                       "Program Files", "Send To", "Windows"}));
    EXPECT_EQ(CaptionsIn(MIT_PATHS_SYSTEM_P),
              (Strings{"Start Menu", "Administrative Tools", "Application Data", "Cache", "Local AppData",
                       "Local Settings", "My Pictures", "NetHood", "PrintHood", "Recent"}));
    EXPECT_EQ(CaptionsIn(MIT_PATHS_SYSTEM_PSM), (Strings{"Programs", "Start Menu", "Startup"}));
    EXPECT_EQ(CaptionsIn(MIT_PATHS_SYSTEM_W),
              (Strings{"Common Files", "Cookies", "Cursors", "Downloaded Program Files", "Fonts", "Inf",
                       "Java", "Media", "Offline Web Pages", "Speech", "System", "System32",
                       "System32-drivers", "System32-drivers-etc", "Tasks", "Temp", "Templates"}));
    EXPECT_EQ(CaptionsIn(MIT_PATHS_SYSTEM_A),
              (Strings{"Start Menu", "Application Data", "Desktop", "Documents", "Templates"}));
    EXPECT_EQ(CaptionsIn(MIT_PATHS_SYSTEM_ASM), (Strings{"Common Administrative Tools", "Common Programs",
                                                         "Common Start Menu", "Common Startup"}));

    const clsMenuItem* group = c.GetMenuItemFromName(MIT_PATHS_SYSTEM);
    EXPECT_EQ(group->ItemType(), MIT_PATHS_SYSTEM);
    EXPECT_EQ(group->Caption(), "System Folders");
    EXPECT_EQ(group->UserDescription(), "Contains shortcuts to system folders");
    EXPECT_EQ(c.Item(2)->Name(), MIT_PATHS_SYSTEM); // before the separator of the Drives group
    EXPECT_EQ(c.GetMenuItemFromName(MIT_PATHS_SYSTEM_PSM)->UserDescription(),
              "Shortcuts to Personal Start Menu folders");

    const clsMenuItem* windows = Find(MIT_PATHS_SYSTEM, "Windows");
    ASSERT_NE(windows, nullptr);
    EXPECT_FALSE(windows->SubMenu());
    EXPECT_EQ(windows->FolderPath(), "C:\\WINDOWS");
    EXPECT_EQ(windows->ItemType(), MIT_PATH);
    EXPECT_EQ(windows->OpenType(), MIT_PATH_EXPLORER);
    EXPECT_EQ(windows->ItemPath(), "\\System Folders");
}

TEST_F(SystemFoldersTest, WithoutImportantFirstEveryFolderStaysInItsSubgroup) {
    Add(false);

    EXPECT_EQ(CaptionsIn(MIT_PATHS_SYSTEM), (Strings{"All Users", "Personal", "Windows"}));
    const Strings personal = CaptionsIn(MIT_PATHS_SYSTEM_P);
    for (const char* caption :
         {"Desktop", "Favorites", "History", "My Documents", "Program Files", "Send To"}) {
        EXPECT_NE(std::find(personal.begin(), personal.end(), caption), personal.end()) << caption;
    }
    ASSERT_NE(Find(MIT_PATHS_SYSTEM_W, "Windows"), nullptr);
    EXPECT_EQ(Find(MIT_PATHS_SYSTEM_W, "Windows")->FolderPath(), "C:\\WINDOWS");
    EXPECT_EQ(Find(MIT_PATHS_SYSTEM_W, "Windows")->ItemPath(), "\\System Folders\\Windows");
}

TEST_F(SystemFoldersTest, PathsComeFromTheShellFolderSettings) {
    Add(false);

    EXPECT_EQ(Find(MIT_PATHS_SYSTEM_PSM, "Start Menu")->FolderPath(),
              "C:\\Documents and Settings\\Ann\\Start Menu");
    EXPECT_EQ(Find(MIT_PATHS_SYSTEM_P, "My Documents")->FolderPath(),
              "C:\\Documents and Settings\\Ann\\My Documents");
    EXPECT_EQ(Find(MIT_PATHS_SYSTEM_A, "Desktop")->FolderPath(),
              "C:\\Documents and Settings\\All Users\\Common Desktop");
    EXPECT_EQ(Find(MIT_PATHS_SYSTEM_W, "System32-drivers-etc")->FolderPath(),
              "C:\\WINDOWS\\system32\\drivers\\etc");
    EXPECT_EQ(Find(MIT_PATHS_SYSTEM_P, "Program Files")->FolderPath(), "C:\\Program Files");
    EXPECT_EQ(GetSystemFolderPath(fake.registry, fake.system, "SystemRoot"), "C:\\WINDOWS");
    EXPECT_EQ(GetSystemFolderPath(fake.registry, fake.system, "No Such Folder"), "");
}

TEST_F(SystemFoldersTest, AnExpandableSettingIsExpanded) {
    fake.system.environment["SystemRoot"] = "C:\\WINDOWS";
    fake.registry.Put(RegistryRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "MediaPath",
                      {RegistryValueType::ExpandString, EncodeRegistryString("%SystemRoot%\\Media")});
    EXPECT_EQ(GetSystemFolderPath(fake.registry, fake.system, "MediaPath"), "C:\\WINDOWS\\Media");
}

TEST_F(SystemFoldersTest, MissingFoldersAreLeftOut) {
    // No "My Pictures" setting at all, and a "Cookies" setting whose folder is gone.
    fake.registry.DeleteValue(RegistryRoot::CurrentUser,
                              "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                              "My Pictures");
    fake.AddShellFolder("Cookies", "C:\\Gone\\Cookies", false, false);
    Add(true);

    const Strings personal = CaptionsIn(MIT_PATHS_SYSTEM_P);
    EXPECT_EQ(std::find(personal.begin(), personal.end(), "My Pictures"), personal.end());
    EXPECT_NE(std::find(personal.begin(), personal.end(), "NetHood"), personal.end());
    EXPECT_EQ(Find(MIT_PATHS_SYSTEM_W, "Cookies"), nullptr);
    EXPECT_NE(Find(MIT_PATHS_SYSTEM_W, "Fonts"), nullptr);
}

TEST_F(SystemFoldersTest, GoesBeforeTheDrivesGroupAndComesOutWhole) {
    std::vector<clsDrive> driveList;
    fake.system.AddDrive({.Letter = 'C', .Type = DRIVE_TYPE_FIXED});
    AddDrives(c, fake.system, driveList);
    Add(true);
    EXPECT_EQ(c.Item(2)->Name(), MIT_PATHS_SYSTEM);
    EXPECT_EQ(c.GetNextMenuItem(*c.GetMenuItemFromName(MIT_PATHS_SYSTEM)), MIT_PATHS_DRIVES);

    const int32_t withGroup = c.Count();
    Add(true); // a second call adds nothing
    EXPECT_EQ(c.Count(), withGroup);

    RemoveSystemFolders(c);
    EXPECT_EQ(c.Count(), 3 + 2); // the three fixed items, the Drives group and its drive
    for (const clsMenuItem& item : c) {
        EXPECT_EQ(item.Name().rfind(MIT_PATHS_SYSTEM, 0), std::string::npos) << item.Name();
    }
}

TEST_F(SystemFoldersTest, TableListsSubgroupsBeforeTheirEntries) {
    const auto table = SystemFolderTable(fake.registry, fake.system, true);
    ASSERT_EQ(table.size(), 3u + 44u + 2u);
    EXPECT_EQ(table[0].Name, MIT_PATHS_SYSTEM_A);
    EXPECT_EQ(table[1].Name, MIT_PATHS_SYSTEM_P);
    EXPECT_EQ(table[2].Name, MIT_PATHS_SYSTEM_W);
    EXPECT_EQ(table[3].Description, "Desktop");
    EXPECT_EQ(table[3].OwnerName, MIT_PATHS_SYSTEM);
    auto at = [&](const std::string& name) {
        return std::find_if(table.begin(), table.end(), [&](const auto& row) { return row.Name == name; });
    };
    EXPECT_EQ((at(MIT_PATHS_SYSTEM_PSM) + 1)->Description, "Programs");
    EXPECT_EQ(at(MIT_PATHS_SYSTEM_PSM)->OwnerName, MIT_PATHS_SYSTEM_P);
    EXPECT_EQ((at(MIT_PATHS_SYSTEM_ASM) + 1)->Description, "Common Administrative Tools");
    EXPECT_EQ(table.back().OwnerName, MIT_PATHS_SYSTEM_ASM);
}

} // namespace
} // namespace krv
