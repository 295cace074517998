#include "organize/ItemDialogLogic.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeFolderBrowser.h"
#include "fakes/FakeShell.h"

namespace krv {
namespace {

// Personal > Work (group, with the shortcut Docs inside), Personal > Music (Ctrl+Shift+5), Personal >
// Open-All, and an empty group Empty; the folders C:\Work and C:\Docs exist.
class ItemDialogLogicTest : public ::testing::Test {
protected:
    ItemDialogLogicTest() {
        Add({.Caption = "Personal", .OwnerName = "-1", .Name = MIT_GROUP_USER, .SubMenu = true});
        Add({.Caption = "Work", .OwnerName = MIT_GROUP_USER, .Name = "NWork", .SubMenu = true});
        Add({.Caption = "Empty", .OwnerName = MIT_GROUP_USER, .Name = "NEmpty", .SubMenu = true});
        Add({.Caption = "Docs", .OwnerName = "NWork", .Name = "NDocs", .FolderPath = "C:\\Docs"});
        Add({.Caption = "Music",
             .OwnerName = MIT_GROUP_USER,
             .Name = "NMusic",
             .FolderPath = "C:\\Music",
             .KeyboardCode = '5'});
        Add({.Caption = "Open-All", .OwnerName = MIT_GROUP_USER, .Name = "NAll", .ItemType = MIT_OPENALL});
        files.AddFolder("C:\\Work");
        files.AddFolder("C:\\Docs");
    }
    void Add(const NewMenuItemArgs& args) {
        NewMenuItemArgs withPaths = args;
        withPaths.ComputePath = true;
        ASSERT_NE(collection.AddNewMenuItem(withPaths), nullptr) << args.Caption;
    }
    ItemDialogServices Services() { return {collection, files, messages, browser, 77}; }
    ItemDialogLogic NewItem(const std::string& type, const std::string& group = MIT_GROUP_USER,
                            const std::string& path = "") {
        return ItemDialogLogic(Services(), {.DialogMode = ItemDialogRequest::Mode::New,
                                            .RequestedType = type,
                                            .ItemName = "",
                                            .TargetGroupName = group,
                                            .InitialPath = path});
    }
    ItemDialogLogic Change(const std::string& name) {
        return ItemDialogLogic(Services(), {.DialogMode = ItemDialogRequest::Mode::Change,
                                            .RequestedType = "",
                                            .ItemName = name,
                                            .TargetGroupName = "",
                                            .InitialPath = ""});
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const ShownMessage& shown : messages.Shown())
            texts.push_back(shown.text);
        return texts;
    }

    clsMenuCollection collection;
    FakeFileSystem files;
    FakeMessageBox messages;
    FakeFolderBrowser browser;
};

TEST_F(ItemDialogLogicTest, OpensWithTheCaptionKindAndValuesOfItsRequest) {
    struct Case {
        std::optional<std::string> changed; // nullopt: a new item of requested type
        std::string requested;
        std::string caption;
        ItemKind kind;
        int32_t icon;
        std::string typeName;
        std::string name;
        std::string location;
    };
    const Case cases[] = {
        {std::nullopt, MIT_GROUP_GENERAL, "New Item", ItemKind::Group, 2, "Group", "", "\\\\Personal"},
        {std::nullopt, MIT_PATH_SHORTCUT, "New Item", ItemKind::FolderShortcut, 3, "Folder Shortcut", "",
         "\\\\Personal"},
        {std::nullopt, MIT_PATH_EXPLORER, "New Item", ItemKind::ExplorerShortcut, 4, "Folder Shortcut", "",
         "\\\\Personal"},
        {std::nullopt, MIT_OPENALL, "New Item", ItemKind::OpenAll, 12, "Open-All", "Open-All",
         "\\\\Personal"},
        {std::nullopt, "MIT_SOMETHING", "New Item", ItemKind::ExplorerShortcut, 4, "Folder Shortcut", "",
         "\\\\Personal"},
        {"NWork", "", "Change Group Work", ItemKind::Group, 2, "Group", "Work", "\\\\Personal"},
        {MIT_GROUP_USER, "", "Change Group Personal", ItemKind::Group, 2, "Personal Group", "Personal",
         "\\\\"},
        {"NDocs", "", "Change Shortcut Docs", ItemKind::FolderShortcut, 3, "Folder Shortcut", "Docs",
         "\\\\Personal\\Work"},
        {"NAll", "", "Change Open-All Shortcut", ItemKind::OpenAll, 12, "Open-All", "Open-All",
         "\\\\Personal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + " " + c.requested);
        ItemDialogLogic dialog = c.changed ? Change(*c.changed) : NewItem(c.requested);
        EXPECT_EQ(dialog.Caption(), c.caption);
        EXPECT_EQ(dialog.Kind(), c.kind);
        EXPECT_EQ(dialog.IconID(), c.icon);
        EXPECT_EQ(dialog.TypeName(), c.typeName);
        EXPECT_EQ(dialog.Name(), c.name);
        EXPECT_EQ(dialog.Location(), c.location);
        EXPECT_EQ(dialog.NameEditable(), c.kind != ItemKind::OpenAll);
        EXPECT_EQ(dialog.PathEditable(), IsFolderKind(c.kind));
    }
    ItemDialogLogic music = Change("NMusic");
    EXPECT_EQ(music.Path(), "C:\\Music");
    EXPECT_EQ(music.KeyboardIndex(), 6) << "Shift+Ctrl+5";
}

TEST_F(ItemDialogLogicTest, ComboEntriesStandForTheirTypesAndKeyCodes) {
    std::vector<std::string> kinds;
    for (const ItemKindEntry& entry : ItemKindEntries())
        kinds.push_back(std::string(entry.Text) + "=" + entry.ItemType + "/" + entry.OpenType);
    EXPECT_EQ(kinds, (std::vector<std::string>{"Group=MIT_GROUP_GENERAL/MIT_PATH_SHORTCUT",
                                               "Folder Shortcut (single pane)=MIT_PATH/MIT_PATH_SHORTCUT",
                                               "Folder Shortcut (double pane)=MIT_PATH/MIT_PATH_EXPLORER",
                                               "Open-All=MIT_OPENALL/MIT_PATH_SHORTCUT"}));
    for (int index = 0; index < KEYBOARD_ENTRY_COUNT; ++index) {
        const int32_t code = KeyboardCodeOfEntry(index);
        EXPECT_EQ(code, index == 0 ? -1 : 47 + index);
        EXPECT_EQ(KeyboardEntryText(index), index == 0 ? "" : "Shift+Ctrl+" + std::to_string(index - 1));
        EXPECT_EQ(KeyboardEntryOfCode(code), index);
    }
    EXPECT_EQ(KeyboardEntryOfCode(96), 0) << "a numeric-keypad digit is no entry";
}

TEST_F(ItemDialogLogicTest, NameFromPathTakesTheLastComponent) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Work\\Docs", "Docs"},
        {"C:\\Work\\Docs\\", "Docs"},
        {"  C:\\Work  ", "Work"},
        {"\\\\server\\share", "share"},
        {"D:\\", "D"},
        {"D:", "D"},
        {"", ""},
        {"plain", "plain"},
        {"C:/Unix/Style/", "Style"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(NameFromPath(path), name) << path;
}

TEST_F(ItemDialogLogicTest, ResetLostFocusBrowseAndDropFillTheNameOnlyWhereThePartSays) {
    ItemDialogLogic dialog = NewItem(MIT_PATH_SHORTCUT);
    dialog.SetPath("C:\\Work");
    dialog.SetName("Mine");
    dialog.PathLostFocus();
    EXPECT_EQ(dialog.Name(), "Mine") << "a name the user gave stays";
    dialog.ResetName();
    EXPECT_EQ(dialog.Name(), "Work") << "Reset always takes the path's name";
    dialog.SetName("  ");
    dialog.PathLostFocus();
    EXPECT_EQ(dialog.Name(), "Work");

    dialog.SetName("");
    dialog.DropPaths({"C:\\file.txt", "C:\\Missing", "C:\\Docs", "C:\\Work"});
    EXPECT_EQ(dialog.Path(), "C:\\Docs") << "the first folder among the dropped paths";
    EXPECT_EQ(dialog.Name(), "Docs");
    files.AddFile("C:\\file.txt", "x");
    EXPECT_FALSE(dialog.DropPaths({"C:\\file.txt"})) << "a file is no Target Folder";
    EXPECT_EQ(dialog.Path(), "C:\\Docs");

    ItemDialogLogic handedOver = NewItem(MIT_PATH_EXPLORER, MIT_GROUP_USER, " C:\\Work ");
    EXPECT_EQ(handedOver.Path(), "C:\\Work");
    EXPECT_EQ(handedOver.Name(), "Work") << "a folder handed over names the new item";
}

TEST_F(ItemDialogLogicTest, BrowseShowsItsTextsAndPutsTheChosenFolderIntoThePath) {
    ItemDialogLogic dialog = NewItem(MIT_PATH_EXPLORER);
    EXPECT_FALSE(dialog.Browse()) << "cancelled";
    dialog.SetPath("C:\\Work");
    browser.answer.Path = "C:\\Docs";
    EXPECT_TRUE(dialog.Browse());
    EXPECT_EQ(dialog.Path(), "C:\\Docs");
    EXPECT_EQ(dialog.Name(), "Docs");

    ASSERT_EQ(browser.requests.size(), 2u);
    const BrowseForFolderRequest& first = browser.requests[0];
    EXPECT_EQ(first.Owner, 77);
    EXPECT_EQ(first.Title, "Browse for Targer Folder");
    EXPECT_EQ(first.Instruction, "Select the target of the folder below:");
    EXPECT_EQ(first.StartFolder, "C:\\") << "an empty path starts at C:";
    EXPECT_EQ(first.OptionText, "Include subfolders");
    EXPECT_EQ(first.OkText, "OK");
    EXPECT_EQ(first.CancelText, "Cancel");
    EXPECT_EQ(first.NewFolderText, "New folder");
    EXPECT_EQ(browser.requests[1].StartFolder, "C:\\Work");
}

// One case of OK: the dialog, what the user entered, the answers to the questions, and what OK does.
struct FinishCase {
    const char* what;
    std::optional<std::string> changed;
    std::string requested;
    std::string name;
    std::string path;
    std::vector<MessageAnswer> answers;
    std::vector<std::string> shown;
    bool accepted;
    int kindIndex = -1; // another kind chosen before OK
    std::string group = MIT_GROUP_USER;
};

TEST_F(ItemDialogLogicTest, FinishRunsTheChecksInOrderAndStopsAtTheFirstThatFails) {
    const std::string missing =
        "Folder C:\\Gone doesn't exist.\r\nDo you want to create shortcut to it anyway?";
    const std::string noName = "Please specify Name for the item. Each item must have a name that uniquely "
                               "identifies it in its group.";
    const FinishCase cases[] = {
        {"1 empty path",
         {},
         MIT_PATH_SHORTCUT,
         "",
         " ",
         {},
         {"Please specify a path for the item's Target Folder."},
         false},
        {"2 missing folder, No",
         {},
         MIT_PATH_SHORTCUT,
         "",
         "C:\\Gone",
         {MessageAnswer::No},
         {missing},
         false},
        {"2 missing folder, Cancel",
         {},
         MIT_PATH_EXPLORER,
         "",
         "C:\\Gone",
         {MessageAnswer::Cancel},
         {missing},
         false},
        {"2 missing folder, Yes goes on to 3",
         {},
         MIT_PATH_SHORTCUT,
         " ",
         "C:\\Gone",
         {MessageAnswer::Yes},
         {missing, noName},
         false},
        {"2 missing folder, Yes",
         {},
         MIT_PATH_SHORTCUT,
         "Gone",
         "C:\\Gone",
         {MessageAnswer::Yes},
         {missing},
         true},
        {"3 group without name, path not looked at", {}, MIT_GROUP_GENERAL, "", "", {}, {noName}, false},
        {"3 Open-All needs no name", {}, MIT_OPENALL, "", "", {}, {}, true, -1, "NEmpty"},
        {"4 invalid characters",
         {},
         MIT_GROUP_GENERAL,
         "a:b",
         "",
         {},
         {"An item's Name cannot contain any of the following characters: \r\n\t\\ / : * ? \" < > |"},
         false},
        {"5 group name taken",
         {},
         MIT_GROUP_GENERAL,
         "Work",
         "",
         {},
         {"Group Work already exists in this group. Please choose another name."},
         false},
        {"5 a shortcut's caption does not clash with a group",
         {},
         MIT_GROUP_GENERAL,
         "Music",
         "",
         {},
         {},
         true},
        {"5 group keeps its own caption", "NWork", "", "Work", "", {}, {}, true},
        {"5 group renamed onto a sibling",
         "NEmpty",
         "",
         "Work",
         "",
         {},
         {"Group Work already exists in this group. Please choose another name."},
         false},
        {"6 group with children into a shortcut",
         "NWork",
         "",
         "Work",
         "C:\\Work",
         {},
         {"Item Work containts shortcuts. Only groups can contain shortcuts."},
         false,
         1},
        {"6 empty group into a shortcut", "NEmpty", "", "Empty", "C:\\Work", {}, {}, true, 1},
        {"7 second Open-All",
         {},
         MIT_OPENALL,
         "",
         "",
         {},
         {"Can't add Open-All shortcut in this group. Only one Open-All shortcut can exist in a group."},
         false},
        {"7 the Open-All itself", "NAll", "", "", "", {}, {}, true},
        {"8 shortcut name taken",
         {},
         MIT_PATH_SHORTCUT,
         "Music",
         "C:\\Work",
         {},
         {"A folder shortcut Music already exists in this group. Please choose another name."},
         false},
        {"8 a group's caption does not clash with a shortcut",
         {},
         MIT_PATH_SHORTCUT,
         "Work",
         "C:\\Work",
         {},
         {},
         true},
        {"8 shortcut keeps its own caption", "NMusic", "", "Music", "C:\\Work", {}, {}, true},
    };
    for (const FinishCase& c : cases) {
        SCOPED_TRACE(c.what);
        messages = FakeMessageBox();
        for (const MessageAnswer answer : c.answers)
            messages.Answer(answer);
        ItemDialogLogic dialog = c.changed ? Change(*c.changed) : NewItem(c.requested, c.group);
        if (c.kindIndex >= 0)
            dialog.ChooseKind(c.kindIndex);
        dialog.SetName(c.name);
        dialog.SetPath(c.path);
        EXPECT_EQ(dialog.Finish(), c.accepted);
        EXPECT_EQ(dialog.Accepted(), c.accepted);
        EXPECT_EQ(Texts(), c.shown);
        for (const ShownMessage& shown : messages.Shown()) {
            EXPECT_EQ(shown.title, "Karvello");
            const bool question = shown.buttons == MessageButtons::YesNoCancel;
            EXPECT_EQ(shown.icon, question ? MessageIcon::Exclamation : MessageIcon::Critical);
        }
        if (!c.accepted && dialog.Kind() != ItemKind::OpenAll) {
            EXPECT_EQ(dialog.Name(), c.name) << "a refusal keeps what was entered";
        }
    }
}

TEST_F(ItemDialogLogicTest, KeyboardConflictAsksAndNoOrCancelRestoreThePreviousEntry) {
    const std::string question =
        "Keyboard shortcut Shift+Ctrl+5 is already associated with folder shortcut Music."
        "\r\nDo you want to associate the keyboard shortcut to this item?";
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        messages = FakeMessageBox();
        messages.Answer(answer);
        ItemDialogLogic dialog = Change("NDocs");
        dialog.KeyboardFocused();
        EXPECT_EQ(dialog.ChooseKeyboard(3), 3) << "Shift+Ctrl+2 is free";
        EXPECT_EQ(dialog.ChooseKeyboard(6), 3) << "the previous entry comes back";
        EXPECT_EQ(dialog.KeyboardIndex(), 3);
        EXPECT_EQ(Texts(), std::vector<std::string>{question});
        EXPECT_EQ(messages.Shown()[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(dialog.Finish());
        EXPECT_EQ(dialog.GetParameters().KeyboardCode, '2');
        EXPECT_TRUE(dialog.GetParameters().KeyboardTakenFrom.empty());
    }

    messages = FakeMessageBox();
    messages.Answer(MessageAnswer::Yes);
    ItemDialogLogic taker = Change("NDocs");
    EXPECT_EQ(taker.ChooseKeyboard(6), 6);
    EXPECT_EQ(collection.GetMenuItemFromName("NMusic")->KeyboardCode(), '5') << "nothing changes before OK";
    EXPECT_TRUE(taker.Finish());
    const ItemParameters taken = taker.GetParameters();
    EXPECT_EQ(taken.KeyboardCode, '5');
    EXPECT_EQ(taken.KeyboardTakenFrom, std::vector<std::string>{"NMusic"});

    // Giving the entry up again after Yes takes nothing from the other item.
    messages = FakeMessageBox();
    messages.Answer(MessageAnswer::Yes);
    ItemDialogLogic changedMind = Change("NDocs");
    changedMind.ChooseKeyboard(6);
    changedMind.EraseKeyboard();
    EXPECT_EQ(changedMind.KeyboardIndex(), 0);
    EXPECT_EQ(changedMind.GetParameters().KeyboardCode, -1);
    EXPECT_TRUE(changedMind.GetParameters().KeyboardTakenFrom.empty());

    // An item's own shortcut is no conflict.
    messages = FakeMessageBox();
    ItemDialogLogic own = Change("NMusic");
    own.ChooseKeyboard(0);
    EXPECT_EQ(own.ChooseKeyboard(6), 6);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ItemDialogLogicTest, AcceptedParametersAddOrChangeTheItem) {
    messages.Answer(MessageAnswer::Yes);
    ItemDialogLogic added = NewItem(MIT_PATH_EXPLORER, "NWork", "C:\\Work");
    added.SetDescription("my work");
    added.ChooseKeyboard(6);
    ASSERT_TRUE(added.Finish());
    clsMenuItem* stored = AddItemFromParameters(collection, "NWork", added.GetParameters());
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->Caption(), "Work");
    EXPECT_EQ(stored->OwnerName(), "NWork");
    EXPECT_EQ(stored->ItemType(), MIT_PATH);
    EXPECT_EQ(stored->OpenType(), MIT_PATH_EXPLORER);
    EXPECT_EQ(stored->IconID(), ICON_EXPLORER_SHORTCUT);
    EXPECT_EQ(stored->FolderPath(), "C:\\Work");
    EXPECT_EQ(stored->KeyboardCode(), '5');
    EXPECT_EQ(stored->UserDescription(), "my work");
    EXPECT_EQ(stored->ItemLocation(), "\\\\Personal\\Work");
    EXPECT_EQ(collection.GetMenuItemFromName("NMusic")->KeyboardCode(), -1) << "Music gave its shortcut up";

    // A group renamed: its descendants' paths follow the new caption.
    ItemDialogLogic renamed = Change("NWork");
    renamed.SetName("Job");
    ASSERT_TRUE(renamed.Finish());
    ASSERT_TRUE(ChangeItemFromParameters(collection, "NWork", renamed.GetParameters()));
    EXPECT_EQ(collection.GetMenuItemFromName("NWork")->Caption(), "Job");
    EXPECT_FALSE(collection.GetMenuItemFromName("NWork")->TimeModified().IsZero());
    EXPECT_EQ(collection.GetMenuItemFromName("NDocs")->ItemLocation(), "\\\\Personal\\Job");
    EXPECT_EQ(collection.GetMenuItemFromName("NDocs")->ItemPath(), "\\Job");

    // An empty group turned into a folder shortcut.
    ItemDialogLogic turned = Change("NEmpty");
    turned.ChooseKind(1);
    turned.SetPath("C:\\Docs");
    ASSERT_TRUE(turned.Finish());
    ASSERT_TRUE(ChangeItemFromParameters(collection, "NEmpty", turned.GetParameters()));
    const clsMenuItem* shortcut = collection.GetMenuItemFromName("NEmpty");
    EXPECT_FALSE(shortcut->IsGroup());
    EXPECT_EQ(shortcut->ItemType(), MIT_PATH);
    EXPECT_EQ(shortcut->IconID(), ICON_FOLDER_SHORTCUT);
    EXPECT_EQ(shortcut->FolderPath(), "C:\\Docs");
    EXPECT_FALSE(ChangeItemFromParameters(collection, "NOBODY", turned.GetParameters()));
}

} // namespace
} // namespace krv
