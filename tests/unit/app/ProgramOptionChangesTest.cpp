// The Options dialog's decisions carried out by the program's own modules on a built menu.
#include "app/ProgramOptionChanges.h"

#include <gtest/gtest.h>

#include "fakes/FakeMenuHost.h"
#include "fakes/FakeOptionChanges.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeSystem.h"
#include "model/MenuVocabulary.h"
#include "organized/modShortcuts.h"
#include "settings/OptionsDialogLogic.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

using Strings = std::vector<std::string>;
constexpr const char* kExe = "\"C:\\Karvello\\Karvello.exe\"";
constexpr const char* kDesktop = "C:\\Users\\me\\Desktop";

class ProgramOptionChangesTest : public ::testing::Test {
protected:
    ProgramOptionChangesTest() {
        InitOptionNames(options);
        LoadOptions(options, regHandler, false);
        fake.AddTypicalSystemFolders();
        fake.AddDiskWithFolders('C', "SYSTEM", 2);
        fake.files.AddFolder(kDesktop);
        shellFolders.Set(ShellFolder::Desktop, kDesktop);
        shortcuts.InitOrganizedFoldersPaths(kExe);

        const MenuSetupOptions menuOptions;
        CreatePersonalGroup(tree, PERSONAL_GROUP_EMPTY, fake.Services());
        AddRootEntries(tree, true, fake.Services(), menuOptions);
        BuildPopupMenu(window, menus, tree, "");
    }

    // The texts of the top-level popup, separators as "-".
    Strings TopLevel() {
        Strings texts;
        for (const auto& entry : menus.Entries(menus.TopLevelPopup()))
            texts.push_back(entry.IsSeparator() ? "-" : entry.text);
        return texts;
    }
    void Apply(std::initializer_list<std::pair<const char*, bool>> changes) {
        OptionsDialogLogic dialog({options, regHandler, kExe, true, services, messages});
        dialog.Init(tree, true);
        for (const auto& [name, on] : changes)
            dialog.SetChecked(name, on);
        dialog.Apply();
    }

    FakeSystem fake;
    FakeMenuHost menus;
    FakeMenuWindow window;
    clsRegHandler regHandler{fake.registry};
    FakeShellLinkWriter links{fake.files};
    FakeShellFolders shellFolders;
    FakeMessageBox messages;
    Windows1252CodePage codePage;
    modShortcuts shortcuts{{fake.files, links, shellFolders, messages, regHandler, codePage}};
    Options options;
    std::vector<clsDrive> knownDrives;
    clsMenuCollection tree;
    ProgramOptionChanges program{
        {window, menus, fake.Services(), knownDrives, shortcuts, regHandler, options, kExe}};
    FakeOptionChanges hook;
    OptionChangeServices services{program, program, program, program, hook};
};

TEST_F(ProgramOptionChangesTest, HelpLeavesTheMenuAndComesBackBeforePersonal) {
    const Strings full = {"Help", "-", "Personal", "System Folders", "-", "Options", "Organize Folders"};
    ASSERT_EQ(TopLevel(), full);
    Apply({{"AC2", false}});
    EXPECT_EQ(TopLevel(), (Strings{"Personal", "System Folders", "-", "Options", "Organize Folders"}));
    EXPECT_FALSE(tree.ItemExists(MIT_HF_HELP));
    EXPECT_FALSE(tree.ItemExists(MIT_HF_HELP_SEP));
    Apply({{"AC2", true}});
    EXPECT_EQ(TopLevel(), full);

    Apply({{"AC3", false}, {"AC0", false}});
    EXPECT_EQ(TopLevel(), (Strings{"Help", "-", "Personal", "-", "Organize Folders"}));
    EXPECT_FALSE(tree.ItemExists(MIT_PATHS_SYSTEM_P));
}

TEST_F(ProgramOptionChangesTest, DrivesGroupFollowsItsOption) {
    Apply({{"AC1", false}});
    Apply({{"AC1", true}});
    EXPECT_EQ(TopLevel(), (Strings{"Help", "-", "Personal", "System Folders", "Drives", "-", "Options",
                                   "Organize Folders"}));
    ASSERT_EQ(knownDrives.size(), 1u);
    EXPECT_EQ(knownDrives[0].Name, "SYSTEM (C:)");
    Apply({{"AC1", false}});
    EXPECT_FALSE(tree.ItemExists(MIT_PATHS_DRIVES));
    EXPECT_EQ(TopLevel().size(), 7u);
}

TEST_F(ProgramOptionChangesTest, OrganizedFoldersAndExplorerVerbsFollowTheirOptions) {
    const std::string directory = std::string(kDesktop) + "\\Organized Folders";
    Apply({{"ADVC2", true}, {"ADVC1", true}});
    EXPECT_TRUE(fake.files.FolderExists(directory));
    EXPECT_TRUE(fake.files.FileExists(directory + "\\Desktop.ini"));
    EXPECT_EQ(fake.registry.String(RegistryRoot::CurrentUser,
                                   "Software\\Classes\\Directory\\shell\\Organize Folder\\command", ""),
              std::string(kExe) + " /ADD %L");
    Apply({{"ADVC2", false}});
    EXPECT_FALSE(fake.files.FolderExists(directory));
}

TEST_F(ProgramOptionChangesTest, TheOrganizeWindowsTreeChangesWithoutTouchingTheMenu) {
    clsMenuCollection organize;
    CopyCollection(tree, organize);
    menus.ClearCalls();
    OptionsDialogLogic dialog({options, regHandler, kExe, true, services, messages});
    dialog.Init(organize, false);
    dialog.SetChecked("AC2", false);
    dialog.Finish();
    EXPECT_FALSE(organize.ItemExists(MIT_HF_HELP));
    EXPECT_TRUE(tree.ItemExists(MIT_HF_HELP));
    EXPECT_TRUE(menus.Calls().empty());
    EXPECT_EQ(TopLevel().front(), "Help");
}

} // namespace
} // namespace krv
