#include "settings/OptionsDialogLogic.h"

#include <gtest/gtest.h>

#include "fakes/FakeOptionChanges.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "model/MenuVocabulary.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr const char* kExe = "\"C:\\Karvello\\Karvello.exe\"";
using Log = std::vector<std::string>;

class OptionsDialogLogicTest : public ::testing::Test {
protected:
    OptionsDialogLogicTest() {
        InitOptionNames(options);
        LoadOptions(options, reg, false); // the defaults of an empty settings key
        fake.Name(main, "main");
        fake.Name(organize, "organize");
        main.AddNewMenuItem({.Caption = "Personal",
                             .OwnerName = TOP_LEVEL_OWNER,
                             .Name = MIT_GROUP_USER,
                             .ItemType = MIT_GROUP_GENERAL,
                             .SubMenu = true});
    }
    OptionsDialogServices Services(bool hotKeysAvailable = true) {
        return {options, reg, kExe, hotKeysAvailable, fake.Services(), messageBox};
    }
    bool InRun() { return registry.ValueExists(HKCU, REG_KEY_RUN, REG_VALUE_RUN_KARVELLO); }

    FakeRegistry registry;
    clsRegHandler reg{registry};
    Options options;
    FakeOptionChanges fake;
    FakeMessageBox messageBox;
    clsMenuCollection main;
    clsMenuCollection organize;
};

TEST_F(OptionsDialogLogicTest, TabsShowTheirNodesInTableOrder) {
    OptionsDialogLogic dialog(Services());
    std::vector<std::string> names;
    for (OptionsTab tab : kOptionsTabs) {
        for (const OptionNode* node : dialog.Nodes(tab))
            names.push_back(node->ValueName);
        names.push_back("|");
    }
    EXPECT_EQ(names, (std::vector<std::string>{"GC0",   "GC1",   "GC2",   "GC3",   "GC4",   "|",
                                               "AC0",   "AC1",   "AC2",   "AC3",   "AC4",   "AC5",
                                               "AC6",   "|",     "ADVC0", "ADVC1", "ADVC2", "ADVC3",
                                               "ADVC4", "ADVC5", "ADVC6", "ADVC7", "|"}));
    EXPECT_STREQ(FindOptionNode("AC6")->Caption, "Display shortcuts in menu with alternate color");
    EXPECT_STREQ(
        FindOptionNode("AC6")->Description,
        "Specifies whether to paint red the currently selected shortcut in the application's main menu.");
    EXPECT_STREQ(TabDescription(OptionsTab::Appearance), "Use this dialog to adjust Karvello appearance.");
}

TEST_F(OptionsDialogLogicTest, WithoutHotKeysTheirNodeIsHiddenAndDefaultLeavesItAlone) {
    OptionsDialogLogic dialog(Services(false));
    const auto advanced = dialog.Nodes(OptionsTab::Advanced);
    ASSERT_EQ(advanced.size(), 7u);
    EXPECT_STREQ(advanced.back()->ValueName, "ADVC6");
    dialog.RestoreDefaults();
    EXPECT_FALSE(options.Get("ADVC7"));
    dialog.SetChecked("ADVC7", true);
    EXPECT_FALSE(options.Get("ADVC7"));

    OptionsDialogLogic withHotKeys(Services(true));
    withHotKeys.RestoreDefaults();
    EXPECT_TRUE(options.Get("ADVC7"));
}

TEST_F(OptionsDialogLogicTest, DoubleClickOptionsExcludeEachOther) {
    OptionsDialogLogic dialog(Services());
    EXPECT_FALSE(dialog.ApplyEnabled());
    dialog.SetChecked("GC2", true);
    EXPECT_TRUE(dialog.IsChecked("GC2"));
    EXPECT_FALSE(dialog.IsChecked("GC3"));
    EXPECT_TRUE(dialog.ApplyEnabled());
    dialog.SetChecked("GC2", false);
    EXPECT_TRUE(dialog.IsChecked("GC3"));
    dialog.SetChecked("GC3", false);
    EXPECT_TRUE(dialog.IsChecked("GC2"));
    dialog.SetChecked("GC3", true);
    EXPECT_FALSE(dialog.IsChecked("GC2"));
    // Other options stand alone.
    dialog.SetChecked("GC0", false);
    EXPECT_FALSE(options.Get("GC0"));
    EXPECT_TRUE(options.Get("GC1"));
}

TEST_F(OptionsDialogLogicTest, DefaultThenCancelRestoresTheBaseline) {
    options.Set("AC4", false);
    options.Set("ADVC4", true);
    const Options opened = options;
    OptionsDialogLogic dialog(Services());
    dialog.RestoreDefaults();
    EXPECT_TRUE(options.Get("AC4"));
    EXPECT_FALSE(options.Get("ADVC4"));
    EXPECT_TRUE(options.Get("ADVC0"));
    EXPECT_TRUE(dialog.ApplyEnabled());
    EXPECT_EQ(registry.ChangeCount(), 0); // nothing saved yet
    dialog.Cancel();
    EXPECT_EQ(options, opened);
    EXPECT_TRUE(fake.Log().empty());
}

TEST_F(OptionsDialogLogicTest, ApplySavesEveryTimeAndTheStartUpEntryFollowsItsOption) {
    OptionsDialogLogic dialog(Services());
    dialog.Init(main, true);
    dialog.SetChecked("ADVC0", true);
    dialog.Apply();
    EXPECT_EQ(registry.String(HKCU, REG_KEY_RUN, REG_VALUE_RUN_KARVELLO), kExe);
    EXPECT_EQ(registry.String(HKCU, REG_KEY_SETTINGS, "ADVC0"), "-1");
    EXPECT_FALSE(dialog.ApplyEnabled());
    EXPECT_TRUE(fake.Log().empty()); // the start-up entry is all that option does
    EXPECT_FALSE(dialog.SettingsChanged());

    // Removed by hand: the next Apply writes it again although "ADVC0" did not change.
    registry.DeleteValue(HKCU, REG_KEY_RUN, REG_VALUE_RUN_KARVELLO);
    dialog.SetChecked("GC0", false);
    dialog.Apply();
    EXPECT_TRUE(InRun());

    dialog.SetChecked("ADVC0", false);
    dialog.Finish();
    EXPECT_FALSE(InRun());
    EXPECT_EQ(registry.String(HKCU, REG_KEY_SETTINGS, "GC0"), "0");
}

TEST_F(OptionsDialogLogicTest, MainCollectionIsRebuiltFromTheChangedScratchCopy) {
    OptionsDialogLogic dialog(Services());
    dialog.Init(main, true);
    main.SetIDCounter(120);
    dialog.SetChecked("AC2", false);
    dialog.SetChecked("AC3", false);
    fake.AddHelpEntries(main);
    fake.ClearLog();
    dialog.Apply();
    EXPECT_EQ(fake.Log(), (Log{"RebuildPopupMenu@main", "RemoveHelpEntries@scratch",
                               "RemoveOptionsEntry@scratch", "BuildPopupMenu@main"}));
    EXPECT_FALSE(main.ItemExists(MIT_HF_HELP));
    EXPECT_TRUE(main.ItemExists(MIT_GROUP_USER));
    EXPECT_EQ(main.Count(), 1);
    EXPECT_EQ(main.IDCounter(), 120);
    EXPECT_TRUE(dialog.SettingsChanged());

    // A second Apply in the same dialog starts from the tree as it is now.
    fake.ClearLog();
    dialog.SetChecked("AC2", true);
    dialog.Apply();
    EXPECT_EQ(fake.Log(), (Log{"RebuildPopupMenu@main", "AddHelpEntries@scratch", "BuildPopupMenu@main"}));
    EXPECT_EQ(main.Count(), 2);
    EXPECT_TRUE(main.ItemExists(MIT_HF_HELP));

    // Nothing changed since the last Apply: nothing is carried out.
    fake.ClearLog();
    dialog.Apply();
    EXPECT_TRUE(fake.Log().empty());
}

TEST_F(OptionsDialogLogicTest, OrganizeWindowsCollectionIsChangedDirectly) {
    OptionsDialogLogic dialog(Services());
    dialog.Init(organize, false);
    dialog.SetChecked("AC1", false);
    dialog.SetChecked("ADVC2", true);
    dialog.Finish();
    EXPECT_EQ(fake.Log(), (Log{"RemoveDrives@organize", "RestoreOrganizedFolders Desktop@organize"}));
    EXPECT_TRUE(dialog.SettingsChanged());
}

TEST_F(OptionsDialogLogicTest, HotKeysAreSwitchedBeforeTheOtherActions) {
    OptionsDialogLogic dialog(Services());
    dialog.Init(organize, false);
    dialog.SetChecked("ADVC7", true);
    dialog.SetChecked("ADVC1", true);
    dialog.Apply();
    EXPECT_EQ(fake.Log(), (Log{"InstallKeyboardHook", "AddExplorerVerbs"}));

    fake.ClearLog();
    OptionsDialogLogic again(Services());
    again.Init(organize, false);
    again.SetChecked("ADVC7", false);
    again.Finish();
    EXPECT_EQ(fake.Log(), (Log{"RemoveKeyboardHook"}));
    EXPECT_TRUE(again.SettingsChanged());
}

// Switching the Explorer option off tells the user only when the verbs stay because they are the machine's.
TEST_F(OptionsDialogLogicTest, VerbsKeptForAllUsersAreToldOnceTheOptionIsOff) {
    const std::pair<ExplorerVerbRemoval, size_t> cases[] = {{ExplorerVerbRemoval::Removed, 0},
                                                            {ExplorerVerbRemoval::Failed, 0},
                                                            {ExplorerVerbRemoval::KeptForAllUsers, 1}};
    for (const auto& [removal, shown] : cases) {
        for (const bool mainCollection : {true, false}) {
            options.Set("ADVC1", true);
            fake.verbRemoval = removal;
            FakeMessageBox box;
            OptionsDialogLogic dialog({options, reg, kExe, true, fake.Services(), box});
            dialog.Init(mainCollection ? main : organize, mainCollection);
            dialog.SetChecked("ADVC1", false);
            dialog.Apply();
            ASSERT_EQ(box.Shown().size(), shown) << static_cast<int>(removal);
            if (shown != 0) {
                EXPECT_EQ(box.Shown()[0].text, VERBS_KEPT_FOR_ALL_USERS);
                EXPECT_EQ(box.Shown()[0].title, "Karvello");
                EXPECT_EQ(box.Shown()[0].icon, MessageIcon::Information);
                EXPECT_EQ(box.Shown()[0].buttons, MessageButtons::Ok);
            }
            EXPECT_FALSE(options.AdvancedOptions[ADVC1_EXPLORER_CONTEXT_MENU]);
        }
    }
}

TEST_F(OptionsDialogLogicTest, ExitAsksAndOnlyYesEndsTheProgram) {
    OptionsDialogLogic dialog(Services());
    messageBox.Answer(MessageAnswer::No);
    EXPECT_FALSE(dialog.ConfirmExit());
    messageBox.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(dialog.ConfirmExit());
    EXPECT_FALSE(dialog.ExitRequested());
    messageBox.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(dialog.ConfirmExit());
    EXPECT_TRUE(dialog.ExitRequested());
    ASSERT_EQ(messageBox.Shown().size(), 3u);
    EXPECT_EQ(messageBox.Shown()[0].text, "Are you sure you want to exit and close Karvello?");
    EXPECT_EQ(messageBox.Shown()[0].title, "Exit Karvello");
    EXPECT_EQ(messageBox.Shown()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(messageBox.Shown()[0].icon, MessageIcon::Exclamation);
}

} // namespace
} // namespace krv
