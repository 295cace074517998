#include "menu/modKeyboardHook.h"

#include <gtest/gtest.h>

#include "unit/menu/ResidentFixture.h"

namespace krv {
namespace {

using Strings = std::vector<std::string>;

class KeyboardHookTest : public ResidentTest {};

TEST_F(KeyboardHookTest, ALaterItemLosesACodeThatAnEarlierItemHas) {
    clsMenuItem& first = AddShortcut("Alpha", "C:\\Data", MIT_GROUP_USER, MIT_PATH_SHORTCUT, 53);
    clsMenuItem& second = AddShortcut("Beta", "C:\\Work", MIT_GROUP_USER, MIT_PATH_SHORTCUT, 53);
    clsMenuItem& third = AddShortcut("Gamma", "C:\\Work", MIT_GROUP_USER, MIT_PATH_SHORTCUT, 48);
    AddShortcut("Delta", "C:\\Work", MIT_GROUP_USER);

    state.KeyboardItems.BuildShortcutList(state.MenuItems);
    EXPECT_EQ(first.KeyboardCode(), 53);
    EXPECT_EQ(second.KeyboardCode(), -1);
    EXPECT_EQ(third.KeyboardCode(), 48);
    ASSERT_EQ(state.KeyboardItems.Items().size(), 2u);
    EXPECT_EQ(state.KeyboardItems.Items()[0].Name(), first.Name());
    EXPECT_EQ(state.KeyboardItems.Items()[1].Name(), third.Name());

    const clsMenuItem* found = nullptr;
    EXPECT_TRUE(state.KeyboardItems.FindShortcutItem(48, found));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Caption(), "Gamma");
    EXPECT_FALSE(state.KeyboardItems.FindShortcutItem(49, found));
    EXPECT_FALSE(state.KeyboardItems.IsShortcutRegistered(-1));

    // Rebuilding replaces the table: a code given up is free again.
    first.SetKeyboardCode(-1);
    second.SetKeyboardCode(53);
    state.KeyboardItems.BuildShortcutList(state.MenuItems);
    ASSERT_TRUE(state.KeyboardItems.FindShortcutItem(53, found));
    EXPECT_EQ(found->Caption(), "Beta");
}

TEST_F(KeyboardHookTest, TheTableOutlivesTheTreeItWasBuiltFrom) {
    {
        clsMenuCollection working;
        working.AddNewMenuItem({.Caption = "Temp", .OwnerName = MIT_GROUP_USER, .FolderPath = "C:\\Data",
                                .KeyboardCode = 50});
        state.KeyboardItems.BuildShortcutList(working);
    }
    const clsMenuItem* found = nullptr;
    ASSERT_TRUE(state.KeyboardItems.FindShortcutItem(50, found));
    EXPECT_EQ(found->Caption(), "Temp");
    OpenShortcutKey(context, 50);
    EXPECT_EQ(ExplorerArguments(), (Strings{",C:\\Data"}));
}

TEST_F(KeyboardHookTest, OnlyShiftCtrlWithAMainKeyboardDigitOnKeyDownIsAShortcut) {
    EXPECT_TRUE(IsShortcutKeyStroke(0, 256, 53, true, true));
    EXPECT_TRUE(IsShortcutKeyStroke(0, 256, 48, true, true));
    EXPECT_TRUE(IsShortcutKeyStroke(0, 256, 57, true, true));
    EXPECT_FALSE(IsShortcutKeyStroke(0, 256, 47, true, true));
    EXPECT_FALSE(IsShortcutKeyStroke(0, 256, 58, true, true));
    EXPECT_FALSE(IsShortcutKeyStroke(0, 256, 53, true, false)); // Ctrl+5
    EXPECT_FALSE(IsShortcutKeyStroke(0, 256, 53, false, true)); // Shift+5
    EXPECT_FALSE(IsShortcutKeyStroke(0, 256, 101, true, true)); // numeric keypad 5
    EXPECT_FALSE(IsShortcutKeyStroke(0, 257, 53, true, true));  // key up
    EXPECT_FALSE(IsShortcutKeyStroke(0, 260, 53, true, true));  // with Alt (system key down)
    EXPECT_FALSE(IsShortcutKeyStroke(3, 256, 53, true, true));  // not an action
}

TEST_F(KeyboardHookTest, AShortcutKeyOpensItsFolderOrItsOpenAllGroup) {
    AddGroup("M1", "Projects", MIT_GROUP_USER);
    AddShortcut("Alpha", "C:\\Data", "M1");
    AddShortcut("Beta", "C:\\Work", "M1", MIT_PATH_EXPLORER);
    clsMenuItem& single = AddShortcut("Gamma", "C:\\Work", MIT_GROUP_USER, MIT_PATH_SHORTCUT, 53);
    clsMenuItem* openAll =
        state.MenuItems.AddNewMenuItem({.OwnerName = "M1", .ItemType = MIT_OPENALL, .KeyboardCode = 49});
    ASSERT_NE(openAll, nullptr);
    state.KeyboardItems.BuildShortcutList(state.MenuItems);

    OpenShortcutKey(context, 53);
    EXPECT_FALSE(single.TimeAccessed().IsZero()); // the program's own item is the one opened
    OpenShortcutKey(context, 49);
    OpenShortcutKey(context, 50); // bound to nothing
    EXPECT_EQ(ExplorerArguments(), (Strings{",C:\\Work", ",C:\\Data", "/e,C:\\Work"}));
}

TEST_F(KeyboardHookTest, AShortcutToAMissingFolderCanBeDeletedFromTheKeyboard) {
    AddShortcut("Gone", "C:\\Gone", MIT_GROUP_USER, MIT_PATH_SHORTCUT, 55);
    state.KeyboardItems.BuildShortcutList(state.MenuItems);
    messageBox.Answer(MessageAnswer::Yes);
    OpenShortcutKey(context, 55);
    EXPECT_EQ(state.MenuItems.Count(), 0);
    EXPECT_FALSE(state.KeyboardItems.IsShortcutRegistered(55));
    OpenShortcutKey(context, 55);
    EXPECT_EQ(messageBox.Shown().size(), 1u);
}

} // namespace
} // namespace krv
