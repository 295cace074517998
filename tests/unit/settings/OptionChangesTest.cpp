#include "settings/OptionChanges.h"

#include <gtest/gtest.h>

#include "fakes/FakeOptionChanges.h"
#include "model/clsMenuCollection.h"

namespace krv {
namespace {

using A = OptionAction;
using Actions = std::vector<OptionAction>;

class OptionChangesTest : public ::testing::Test {
protected:
    OptionChangesTest() {
        InitOptionNames(baseline);
        InitOptionNames(current);
    }
    Actions Decide() const { return DecideOptionChanges(current, baseline).InOrder(); }
    // Sets an option in both, then switches it in the current options only.
    void Switch(const char* name, bool on) {
        baseline.Set(name, !on);
        current.Set(name, on);
    }

    Options baseline;
    Options current;
};

TEST_F(OptionChangesTest, EachSwitchCallsForItsOwnAction) {
    struct Case {
        const char* option;
        bool on;
        Actions expected;
    };
    const Case cases[] = {
        {"AC2", false, {A::RemoveHelp}},
        {"AC2", true, {A::AddHelp}},
        {"AC3", false, {A::RemoveOptions}},
        {"AC3", true, {A::AddOptions}},
        {"AC0", false, {A::RemoveSystemFolders}},
        {"AC0", true, {A::AddSystemFolders}},
        {"AC1", false, {A::RemoveDrives}},
        {"AC1", true, {A::AddDrives}},
        {"ADVC2", false, {A::DeleteDesktopDirectory}},
        {"ADVC2", true, {A::RestoreDesktopDirectory}},
        {"ADVC3", false, {A::DeleteSendToDirectory}},
        {"ADVC3", true, {A::RestoreSendToDirectory}},
        {"ADVC4", false, {A::DeleteFavoritesDirectory}},
        {"ADVC4", true, {A::RestoreFavoritesDirectory}},
        {"ADVC1", false, {A::RemoveExplorerVerbs}},
        {"ADVC1", true, {A::AddExplorerVerbs}},
        // Options that only other parts read call for nothing here.
        {"GC0", true, {}},
        {"AC4", false, {}},
        {"AC6", false, {}},
        {"ADVC0", true, {}},
        {"ADVC6", true, {}},
    };
    for (const Case& c : cases) {
        Options before = baseline;
        Options after = current;
        before.Set(c.option, !c.on);
        after.Set(c.option, c.on);
        // Keep the other options equal so that only this one changes.
        const OptionChangePlan plan = DecideOptionChanges(after, before);
        EXPECT_EQ(plan.InOrder(), c.expected) << c.option << (c.on ? " on" : " off");
        EXPECT_FALSE(plan.HotKeys) << c.option;
    }
}

TEST_F(OptionChangesTest, HotKeysChangeTheHookButAreNoAction) {
    Switch("ADVC7", true);
    OptionChangePlan plan = DecideOptionChanges(current, baseline);
    EXPECT_EQ(plan.HotKeys, true);
    EXPECT_FALSE(plan.Any());
    Switch("ADVC7", false);
    plan = DecideOptionChanges(current, baseline);
    EXPECT_EQ(plan.HotKeys, false);
}

TEST_F(OptionChangesTest, SystemFolderSettingsRemakeTheGroupAndTheShownDirectories) {
    // "AC5" alone with the group hidden and no directory shown changes nothing.
    current.Set("AC0", false);
    baseline.Set("AC0", false);
    Switch("AC5", false);
    EXPECT_EQ(Decide(), Actions{});

    current.Set("AC0", true);
    baseline.Set("AC0", true);
    EXPECT_EQ(Decide(), (Actions{A::RemoveSystemFolders, A::AddSystemFolders}));

    // "ADVC5" remakes every shown directory, and the group when it is shown.
    current = baseline;
    current.Set("ADVC2", true);
    current.Set("ADVC4", true);
    baseline.Set("ADVC2", true);
    baseline.Set("ADVC4", true);
    Switch("ADVC5", true);
    EXPECT_EQ(Decide(), (Actions{A::RemoveSystemFolders, A::AddSystemFolders, A::DeleteDesktopDirectory,
                                 A::RestoreDesktopDirectory, A::DeleteFavoritesDirectory,
                                 A::RestoreFavoritesDirectory}));
}

TEST_F(OptionChangesTest, ActionsRunInTheirFixedOrder) {
    for (const char* name : {"ADVC1", "ADVC4", "ADVC3", "ADVC2", "AC1", "AC0", "AC3", "AC2"})
        Switch(name, true);
    EXPECT_EQ(Decide(), (Actions{A::AddHelp, A::AddOptions, A::AddSystemFolders, A::AddDrives,
                                 A::RestoreDesktopDirectory, A::RestoreSendToDirectory,
                                 A::RestoreFavoritesDirectory, A::AddExplorerVerbs}));

    // A directory switched on while "ADVC5" changes is deleted and restored, in that order.
    Switch("ADVC5", false);
    Switch("AC2", false);
    EXPECT_EQ(Decide(),
              (Actions{A::RemoveHelp, A::AddOptions, A::RemoveSystemFolders, A::AddSystemFolders,
                       A::AddDrives, A::DeleteDesktopDirectory, A::RestoreDesktopDirectory,
                       A::DeleteSendToDirectory, A::RestoreSendToDirectory, A::DeleteFavoritesDirectory,
                       A::RestoreFavoritesDirectory, A::AddExplorerVerbs}));
}

TEST_F(OptionChangesTest, CarryingOutCallsTheServicesOnTheCollection) {
    FakeOptionChanges fake;
    clsMenuCollection tree;
    fake.Name(tree, "tree");
    Switch("AC1", false);
    Switch("ADVC3", true);
    Switch("ADVC1", false);
    current.Set("ADVC5", true);
    baseline.Set("ADVC5", true);
    CarryOutOptionActions(DecideOptionChanges(current, baseline), tree, current, fake.Services());
    EXPECT_EQ(fake.Log(), (std::vector<std::string>{"RemoveDrives@tree",
                                                    "RestoreOrganizedFolders SendTo with System Folders@tree",
                                                    "RemoveExplorerVerbs"}));
}

} // namespace
} // namespace krv
