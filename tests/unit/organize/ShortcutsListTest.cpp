#include "organize/ShortcutsList.h"

#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeShell.h"
#include "menu/modMenuSetup.h"
#include "model/clsMenuCollection.h"

namespace krv {
namespace {

class ShortcutsListTest : public ::testing::Test {
protected:
    ShortcutsListTest() {
        files.AddFolder("C:\\Docs");
        files.AddFolder("C:\\Music");
        Add({.Caption = "Personal", .OwnerName = "-1", .Name = MIT_GROUP_USER, .SubMenu = true});
        Add({.Caption = "Work", .OwnerName = MIT_GROUP_USER, .Name = "W", .SubMenu = true});
        Add({.Caption = "Docs", .OwnerName = "W", .Name = "D", .FolderPath = "C:\\Docs", .KeyboardCode = 49});
        Add({.Caption = "Docs again", .OwnerName = MIT_GROUP_USER, .Name = "D2", .FolderPath = "c:\\docs"});
        Add({.Caption = "Music",
             .OwnerName = MIT_GROUP_USER,
             .Name = "M",
             .FolderPath = "C:\\Music",
             .KeyboardCode = 50});
        Add({.Caption = "Gone", .OwnerName = MIT_GROUP_USER, .Name = "G", .FolderPath = "C:\\Gone"});
        Add({.Caption = "All", .OwnerName = MIT_GROUP_USER, .Name = "OA", .ItemType = MIT_OPENALL});
        Add({.Caption = "Organize",
             .OwnerName = "-1",
             .Name = MIT_HF_ORGANIZE,
             .FolderPath = "C:\\Nowhere",
             .Remark = REMARK_AUTO});
    }
    void Add(const NewMenuItemArgs& args) { ASSERT_NE(work.AddNewMenuItem(args), nullptr); }
    std::vector<std::string> Captions(const ShortcutsList& list) const {
        std::vector<std::string> captions;
        for (const ShortcutsListRow& row : list.Rows())
            captions.push_back(row.Caption);
        return captions;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const ShownMessage& shown : prompts.Shown())
            texts.push_back(shown.title + "|" + shown.text);
        return texts;
    }

    clsMenuCollection work;
    FakeFileSystem files;
    FakeMessageBox prompts;
};

TEST_F(ShortcutsListTest, ListsTheUsersFolderShortcutsWithKeysAndTargetState) {
    ShortcutsList list(work, files, prompts);
    ASSERT_EQ(Captions(list), (std::vector<std::string>{"Docs", "Docs again", "Gone", "Music"}));
    EXPECT_EQ(list.Rows()[0].KeyboardShortcut, "Shift+Ctrl+1");
    EXPECT_EQ(list.Rows()[0].GroupCaption, "Work");
    EXPECT_EQ(list.Rows()[1].KeyboardShortcut, "");
    EXPECT_TRUE(list.Rows()[1].TargetExists);
    EXPECT_FALSE(list.Rows()[2].TargetExists);
    EXPECT_EQ(list.Summary(),
              "4 shortcut(s), 2 with keyboard shortcut     Some shortcuts have missing target "
              "folders     ");
    files.AddFolder("C:\\Gone");
    list.Refresh();
    EXPECT_EQ(list.Summary(), "4 shortcut(s), 2 with keyboard shortcut     All target folders are OK     ");
    EXPECT_FALSE(list.Changed());
}

TEST_F(ShortcutsListTest, DeletingOneShortcutAsksAndOffersTheOthersWithTheSameTarget) {
    const std::string confirm = "Confirm Delete|Do you want to delete Docs shortcut?";
    const std::string same =
        "Confirm Delete|Do you want to delete all shortcuts with the same Target Folder?";
    struct Case {
        std::vector<MessageAnswer> answers;
        std::vector<std::string> questions;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {{MessageAnswer::No}, {confirm}, {"Docs", "Docs again", "Gone", "Music"}},
        {{MessageAnswer::Yes, MessageAnswer::No}, {confirm, same}, {"Docs again", "Gone", "Music"}},
        {{MessageAnswer::Yes, MessageAnswer::Yes}, {confirm, same}, {"Gone", "Music"}},
    };
    for (const Case& c : cases) {
        clsMenuCollection copy;
        CopyCollection(work, copy);
        prompts = FakeMessageBox();
        for (MessageAnswer answer : c.answers)
            prompts.Answer(answer);
        ShortcutsList list(copy, files, prompts);
        EXPECT_EQ(list.DeleteShortcut(0), c.answers.front() == MessageAnswer::Yes);
        EXPECT_EQ(Texts(), c.questions);
        EXPECT_EQ(Captions(list), c.left);
        EXPECT_EQ(list.Changed(), c.answers.front() == MessageAnswer::Yes);
    }
    // A shortcut of its own target is deleted after the first question alone.
    prompts = FakeMessageBox();
    prompts.Answer(MessageAnswer::Yes);
    ShortcutsList list(work, files, prompts);
    EXPECT_TRUE(list.DeleteShortcut(3));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Confirm Delete|Do you want to delete Music shortcut?"});
    EXPECT_EQ(work.GetMenuItemFromName("M"), nullptr);
    EXPECT_FALSE(list.DeleteShortcut(9));
}

TEST_F(ShortcutsListTest, DeletingAllKeyboardShortcutsAndMissingTargets) {
    ShortcutsList list(work, files, prompts);
    EXPECT_FALSE(list.DeleteAllKeyboardShortcuts()); // No: the default answer
    EXPECT_EQ(work.GetMenuItemFromName("D")->KeyboardCode(), 49);
    prompts = FakeMessageBox();
    prompts.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(list.DeleteAllKeyboardShortcuts());
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           "Karvello|Do you want to delete the keyboard shorcuts for all folder shortcuts?",
                           "Karvello|The keyboard shortcuts for all folder shortcuts have been deleted."}));
    EXPECT_EQ(work.GetMenuItemFromName("D")->KeyboardCode(), -1);
    EXPECT_EQ(work.GetMenuItemFromName("M")->KeyboardCode(), -1);
    EXPECT_TRUE(list.Changed());

    prompts = FakeMessageBox();
    prompts.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(list.DeleteMissingTargets());
    EXPECT_EQ(Texts(), (std::vector<std::string>{
                           "Karvello|Do you want to delete all folder shortcuts with missing target folders?",
                           "Karvello|All folder shortcuts with missing target folders have been deleted."}));
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"Docs", "Docs again", "Music"}));
    // Generated entries stay, whatever their folder.
    EXPECT_NE(work.GetMenuItemFromName(MIT_HF_ORGANIZE), nullptr);
    EXPECT_NE(work.GetMenuItemFromName("OA"), nullptr);
}

} // namespace
} // namespace krv
