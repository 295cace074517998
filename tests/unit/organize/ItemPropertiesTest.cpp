#include "organize/ItemProperties.h"

#include <gtest/gtest.h>

#include "dialogs/modRegionalSettings.h"
#include "fakes/FakeFileDetails.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocale.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShellExecute.h"
#include "model/clsMenuCollection.h"
#include "organize/OrganizeDialogs.h"

namespace krv {
namespace {

constexpr const char* kRenameQuestionStart = "Are you sure you want to rename the folder on disc from ";

class ItemPropertiesTest : public ::testing::Test {
protected:
    ItemPropertiesTest() {
        locale.items[LOCALE_ITEM_SHORT_DATE] = "dd.MM.yyyy";
        locale.items[LOCALE_ITEM_TIME_SEPARATOR] = ":";
        locale.items[LOCALE_ITEM_CLOCK_24H] = "1";
        locale.items[LOCALE_ITEM_HOUR_LEADING_ZERO] = "1";
        Add(MIT_GROUP_USER, "Personal", "-1", "", true);
        files.AddFolder("C:\\Data\\Docs\\Sub");
        files.AddFolder("C:\\Data\\Docs2");
        files.AddFolder("C:\\Data\\Documents");
    }

    clsMenuItem& Add(const std::string& name, const std::string& caption, const std::string& owner,
                     const std::string& folder, bool group = false) {
        clsMenuItem item;
        item.SetName(name);
        item.SetCaption(caption);
        item.SetOwnerName(owner);
        item.SetSubMenu(group);
        item.SetFolderPath(folder);
        EXPECT_TRUE(tree.AddOne(item, true, false));
        return *tree.GetMenuItemFromName(name);
    }

    ItemProperties Open(const std::string& name) {
        return ItemProperties(tree, name, ItemPropertiesServices{files, details, shell, messages, regional});
    }
    std::string FolderOf(const std::string& name) { return tree.GetMenuItemFromName(name)->FolderPath(); }

    clsMenuCollection tree;
    FakeFileSystem files;
    FakeFileDetails details;
    FakeShell shell;
    FakeMessageBox messages;
    FakeLocale locale;
    modRegionalSettings regional{locale};
};

TEST_F(ItemPropertiesTest, TabsShowTheItemAndItsFolderOrStayEmptyWithoutADrive) {
    clsMenuItem& docs = Add("N1", "Docs", MIT_GROUP_USER, "C:\\Data\\Docs");
    docs.SetTimeModified({2026, 12, 7, 9, 5, 7});
    docs.SetOpenType(MIT_PATH_EXPLORER);
    docs.SetTimeCreated(DateTime::Zero());
    Add("N2", "Lost", MIT_GROUP_USER, "Q:\\Projects\\Lost");
    Add("N3", "Gone", MIT_GROUP_USER, "C:\\Data\\Gone");
    files.SetAttributes("C:\\Data\\Docs", FILE_ATTR_DIRECTORY | FILE_ATTR_HIDDEN | FILE_ATTR_ARCHIVE);
    details.Set("C:\\Data\\Docs", {"DOCS~1", 0, {2025, 1, 2, 3, 4, 5}, {}, {}, 0});

    ItemProperties shown = Open("N1");
    EXPECT_EQ(shown.Item().Type, "Folder Shortcut (double pane)");
    EXPECT_EQ(shown.Item().Modified, "07.12.2026 09:05:07");
    EXPECT_EQ(shown.Item().Created, "Never");
    const TargetFolderTab& folder = shown.Folder();
    EXPECT_TRUE(folder.Shown && folder.Exists && folder.NameEditable);
    EXPECT_EQ(folder.Name, "Docs");
    EXPECT_EQ(folder.Location, "C:\\Data");
    EXPECT_EQ(folder.ShortName, "DOCS~1");
    EXPECT_EQ(folder.Created, "02.01.2025 03:04:05");
    EXPECT_TRUE(folder.Has(FolderAttribute::Hidden) && folder.Has(FolderAttribute::Archive));
    EXPECT_FALSE(folder.Has(FolderAttribute::ReadOnly) || folder.Has(FolderAttribute::System));
    EXPECT_FALSE(shown.ApplyEnabled());

    const TargetFolderTab lost = Open("N2").Folder();
    EXPECT_FALSE(lost.Shown);
    EXPECT_EQ(lost.Name, "");
    EXPECT_EQ(lost.Location, "");
    const TargetFolderTab gone = Open("N3").Folder();
    EXPECT_TRUE(gone.Shown && !gone.Exists) << "the drive is there, the folder is not";
    EXPECT_EQ(gone.Name, "Gone");
}

TEST(ItemPropertiesTypeText, NamesEveryKindOfItem) {
    struct Case {
        const char* type;
        const char* openType;
        bool group;
        const char* expected;
    };
    const Case cases[] = {
        {MIT_GROUP_GENERAL, MIT_PATH_SHORTCUT, true, "Group"},
        {MIT_OPENALL, MIT_PATH_SHORTCUT, false, "Open-All"},
        {MIT_PATH, MIT_PATH_SHORTCUT, false, "Folder Shortcut (single pane)"},
        {MIT_PATH, MIT_PATH_EXPLORER, false, "Folder Shortcut (double pane)"},
    };
    for (const Case& c : cases) {
        clsMenuItem item;
        item.SetItemType(c.type);
        item.SetOpenType(c.openType);
        if (c.group)
            item.SetSubMenu(true);
        EXPECT_EQ(ItemTypeText(item), c.expected) << c.type << " " << c.openType;
    }
}

TEST(ItemPropertiesPaths, SplitRootAndSameFolder) {
    struct Split {
        const char* path;
        const char* location;
        const char* name;
    };
    for (const Split& c : {Split{"C:\\Data\\Docs", "C:\\Data", "Docs"}, Split{"C:\\Data\\", "C:\\", "Data"},
                           Split{"C:\\", "C:\\", ""}, Split{"\\\\srv\\share", "\\\\srv\\share", ""},
                           Split{"\\\\srv\\share\\Team", "\\\\srv\\share", "Team"}}) {
        const FolderParts parts = SplitFolderPath(c.path);
        EXPECT_EQ(parts.Location, c.location) << c.path;
        EXPECT_EQ(parts.Name, c.name) << c.path;
    }
    EXPECT_EQ(PathRoot("d:\\x"), "d:\\");
    EXPECT_EQ(PathRoot("Data\\x"), "");
    EXPECT_EQ(PathRoot("\\\\srv"), "");
    EXPECT_TRUE(SameFolderPath("C:\\Data\\Docs", "c:/data/DOCS\\"));
    EXPECT_FALSE(SameFolderPath("C:\\Data\\Docs", "C:\\Data\\Docs2"));
    EXPECT_FALSE(SameFolderPath("C:\\Data\\Docs", "C:\\Data\\Docs\\Sub"));
}

TEST(ItemPropertiesNames, RefusesWhatWindowsWouldRejectOrChange) {
    const std::string message = "Name of the Target Folder cannot contain any of the following characters: "
                                "\r\n\t\\ / : * ? \" < > |";
    for (const char* bad : {"a\\b", "a/b", "a:b", "a*", "a?", "a\"b", "a<b", "a>b", "a|b", "", "name.",
                            "name ", "..", "CON", "nul.txt", "com1", "LPT9", "tab\tname"})
        EXPECT_EQ(InvalidFolderNameMessage(bad), message) << "'" << bad << "'";
    for (const char* good : {"Docs", ".hidden", "Con tracts", "COM10", "a.b", "\xC3\x89t\xC3\xA9"})
        EXPECT_EQ(InvalidFolderNameMessage(good), "") << good;
}

TEST_F(ItemPropertiesTest, RenameMovesExactlyTheFoldersShortcutsAndAsksFirst) {
    Add("N1", "Docs", MIT_GROUP_USER, "C:\\Data\\Docs");
    Add("N2", "Same", MIT_GROUP_USER, "c:\\data\\docs\\");
    Add("N3", "Sub", MIT_GROUP_USER, "C:\\Data\\Docs\\Sub");
    Add("N4", "Prefix", MIT_GROUP_USER, "C:\\Data\\Docs2");
    Add("N5", "Longer", MIT_GROUP_USER, "C:\\Data\\Documents");
    ItemProperties properties = Open("N1");
    properties.SetNewName("  Papers  ");
    EXPECT_TRUE(properties.ApplyEnabled());

    messages.Answer(MessageAnswer::Yes);
    EXPECT_EQ(properties.Apply(), ApplyOutcome::Done);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text,
              std::string(kRenameQuestionStart) + "C:\\Data\\Docs to C:\\Data\\Papers ?");
    EXPECT_EQ(messages.Shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(files.FolderExists("C:\\Data\\Papers\\Sub"));
    EXPECT_FALSE(files.Exists("C:\\Data\\Docs"));
    EXPECT_TRUE(files.FolderExists("C:\\Data\\Docs2") && files.FolderExists("C:\\Data\\Documents"));
    EXPECT_EQ(FolderOf("N1"), "C:\\Data\\Papers");
    EXPECT_EQ(FolderOf("N2"), "C:\\Data\\Papers");
    EXPECT_EQ(FolderOf("N3"), "C:\\Data\\Docs\\Sub") << "a subfolder's shortcut keeps its path";
    EXPECT_EQ(FolderOf("N4"), "C:\\Data\\Docs2");
    EXPECT_EQ(FolderOf("N5"), "C:\\Data\\Documents");
    EXPECT_EQ(properties.Folder().Name, "Papers");
    EXPECT_FALSE(properties.ApplyEnabled());
    EXPECT_TRUE(properties.CollectionChanged());
}

TEST_F(ItemPropertiesTest, RefusalsAndNoLeaveFolderAndItemsAlone) {
    Add("N1", "Docs", MIT_GROUP_USER, "C:\\Data\\Docs");
    Add("N2", "Same", MIT_GROUP_USER, "C:\\Data\\Docs");
    struct Case {
        const char* name;
        MessageAnswer answer;
        ApplyOutcome outcome;
        const char* message; // the start of the one message shown
        const char* title;
    };
    const Case cases[] = {
        {"Docs2", MessageAnswer::Yes, ApplyOutcome::Refused,
         "Cannot rename Docs2. Folder with the same name already exists. Choose a different name.",
         "Karvello"},
        {"New:Docs", MessageAnswer::Yes, ApplyOutcome::Refused, "Name of the Target Folder cannot",
         RENAME_ERROR_TITLE},
        {"Docs...", MessageAnswer::Yes, ApplyOutcome::Refused, "Name of the Target Folder cannot",
         RENAME_ERROR_TITLE},
        {"Papers", MessageAnswer::No, ApplyOutcome::Done, kRenameQuestionStart, "Karvello"},
    };
    for (const Case& c : cases) {
        FakeMessageBox box;
        box.Answer(c.answer);
        ItemProperties properties(tree, "N1", ItemPropertiesServices{files, details, shell, box, regional});
        properties.SetNewName(c.name);
        EXPECT_EQ(properties.Apply(), c.outcome) << c.name;
        ASSERT_EQ(box.Shown().size(), 1u) << c.name;
        EXPECT_TRUE(box.Shown()[0].text.starts_with(c.message)) << box.Shown()[0].text;
        EXPECT_EQ(box.Shown()[0].title, c.title);
        EXPECT_TRUE(files.FolderExists("C:\\Data\\Docs\\Sub")) << c.name;
        EXPECT_FALSE(files.Exists("C:\\Data\\Papers"));
        EXPECT_EQ(FolderOf("N1"), "C:\\Data\\Docs");
        EXPECT_EQ(FolderOf("N2"), "C:\\Data\\Docs");
        EXPECT_FALSE(properties.CollectionChanged());
        EXPECT_EQ(properties.ApplyEnabled(), c.outcome == ApplyOutcome::Refused) << c.name;
    }
}

TEST_F(ItemPropertiesTest, ACaseOnlyRenameIsNoClashAndAFailedRenameChangesNoItem) {
    Add("N1", "Docs", MIT_GROUP_USER, "C:\\Data\\Docs");
    ItemProperties properties = Open("N1");
    properties.SetNewName("DOCS");
    messages.Answer(MessageAnswer::Yes);
    EXPECT_EQ(properties.Apply(), ApplyOutcome::Done);
    EXPECT_EQ(FolderOf("N1"), "C:\\Data\\DOCS");

    files.Lock("C:\\Data\\DOCS");
    properties.SetNewName("Papers");
    messages.Answer(MessageAnswer::Yes);
    EXPECT_EQ(properties.Apply(), ApplyOutcome::Failed);
    EXPECT_EQ(FolderOf("N1"), "C:\\Data\\DOCS");
    EXPECT_TRUE(properties.ApplyEnabled()) << "the change is still pending";
}

TEST_F(ItemPropertiesTest, AttributesAreSetAsCheckedBeforeTheRename) {
    Add("N1", "Docs", MIT_GROUP_USER, "C:\\Data\\Docs");
    files.SetAttributes("C:\\Data\\Docs", FILE_ATTR_DIRECTORY | FILE_ATTR_ARCHIVE);
    ItemProperties properties = Open("N1");
    properties.SetAttributeChecked(FolderAttribute::Archive, false);
    properties.SetAttributeChecked(FolderAttribute::ReadOnly, true);
    properties.SetAttributeChecked(FolderAttribute::System, true);
    EXPECT_TRUE(properties.ApplyEnabled());
    EXPECT_EQ(properties.Apply(), ApplyOutcome::Done);
    EXPECT_EQ(files.GetAttributes("C:\\Data\\Docs").value_or(0) &
                  (FILE_ATTR_READONLY | FILE_ATTR_ARCHIVE | FILE_ATTR_HIDDEN | FILE_ATTR_SYSTEM),
              FILE_ATTR_READONLY | FILE_ATTR_SYSTEM);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(properties.ApplyEnabled());

    files.Lock("C:\\Data\\Docs");
    properties.SetAttributeChecked(FolderAttribute::Hidden, true);
    properties.SetNewName("Papers");
    EXPECT_EQ(properties.Apply(), ApplyOutcome::Failed);
    EXPECT_TRUE(messages.Shown().empty()) << "a failed attribute change ends the Apply before the question";
}

TEST_F(ItemPropertiesTest, DeleteSendsOnlyTheItemsOwnFolderToTheRecycleBin) {
    Add("N1", "Docs", MIT_GROUP_USER, "C:\\Data\\Docs\\");
    Add("N2", "Root", MIT_GROUP_USER, "C:\\");
    Add("N3", "Pattern", MIT_GROUP_USER, "C:\\Data\\Doc*");
    Add("N4", "Gone", MIT_GROUP_USER, "C:\\Data\\Gone");
    Add("N5", "Relative", MIT_GROUP_USER, "Data\\Docs");
    for (const char* refused : {"N2", "N3", "N4", "N5"})
        EXPECT_FALSE(Open(refused).DeleteTargetFolder()) << refused;
    EXPECT_TRUE(shell.Recycled().empty());

    ItemProperties properties = Open("N1");
    EXPECT_TRUE(properties.DeleteTargetFolder());
    EXPECT_EQ(shell.Recycled(), std::vector<std::string>{"C:\\Data\\Docs"});
    EXPECT_EQ(FolderOf("N1"), "C:\\Data\\Docs\\") << "the item stays with its missing folder";
}

TEST_F(ItemPropertiesTest, CopyShortcutAndChangeThroughTheItemDialog) {
    clsMenuItem& docs = Add("N1", "Docs", MIT_GROUP_USER, "C:\\Data\\Docs");
    clsMenuItem& group = Add("N2", "Work", MIT_GROUP_USER, "", true);
    group.SetItemLocation("\\\\Personal");
    EXPECT_EQ(Open("N1").CopyShortcutText(), "C:\\Data\\Docs");
    EXPECT_EQ(Open("N2").CopyShortcutText(), "\\\\Personal");

    ItemProperties properties = Open("N1");
    docs.SetFolderPath("C:\\Data\\Documents");
    properties.ItemChanged();
    EXPECT_EQ(properties.Folder().Name, "Documents");
    EXPECT_TRUE(properties.ApplyEnabled());
    EXPECT_TRUE(properties.CollectionChanged());
}

} // namespace
} // namespace krv

namespace krv {
namespace {

TEST_F(ItemPropertiesTest, AnAcceptedChangeUpdatesTheItemAndThePathsBelowAGroup) {
    Add("N1", "Work", MIT_GROUP_USER, "", true);
    clsMenuItem& inside = Add("N2", "Docs", "N1", "C:\\Data\\Docs");
    tree.ItemFullPath(inside);
    ASSERT_TRUE(
        ApplyItemChange(tree, "N1", ItemDialogResult{MIT_GROUP_GENERAL, "", "Projects", "", -1, "groups"}));
    EXPECT_EQ(tree.GetMenuItemFromName("N1")->Caption(), "Projects");
    EXPECT_EQ(tree.GetMenuItemFromName("N2")->ItemLocation(), "\\\\Personal\\Projects");

    ASSERT_TRUE(ApplyItemChange(
        tree, "N2", ItemDialogResult{MIT_PATH, MIT_PATH_EXPLORER, "Papers", "D:\\P", 53, "mine"}));
    const clsMenuItem& changed = *tree.GetMenuItemFromName("N2");
    EXPECT_EQ(changed.FolderPath(), "D:\\P");
    EXPECT_EQ(changed.OpenType(), MIT_PATH_EXPLORER);
    EXPECT_EQ(changed.KeyboardCode(), 53);
    EXPECT_EQ(changed.UserDescription(), "mine");
    EXPECT_FALSE(changed.TimeModified().IsZero());
    EXPECT_FALSE(ApplyItemChange(tree, "N9", ItemDialogResult{}));
}

} // namespace
} // namespace krv
