// The editing commands as the Organize window carries them out: the presenter over a recording view, the
// scripted dialogs and message boxes, and the program's tree of OrganizeTreeFixture.

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "config/modFileHandler.h"
#include "fakes/FakeLocale.h"
#include "fakes/FakeOrganizeDialogs.h"
#include "menu/modMenuSetup.h"
#include "organize/OrganizePresenter.h"
#include "platform/SystemClipboard.h"
#include "platform/Text.h"
#include "unit/menu/ResidentFixture.h"
#include "unit/organize/OrganizeTreeFixture.h"

namespace krv {
namespace {

using C = OrganizeCommand;

// The window as far as the editing commands reach it: rows, selection, and the state of each command.
class EditingView final : public IOrganizeView {
public:
    intptr_t WindowHandle() const override { return 1; }
    void SetCaption(std::string_view) override {}
    void SetTreeRows(const std::vector<TreeRow>& rows) override { tree = rows; }
    void SelectTreeNode(std::string_view key) override { selectedNode = key; }
    void SetListRows(const std::vector<ListRow>& rows) override {
        list = &rows;
        selected.clear();
    }
    void RedrawList() override {}
    std::vector<int> SelectedListRows() const override { return selected; }
    int SelectedListCount() const override { return static_cast<int>(selected.size()); }
    // The list control reports its selected rows in list order.
    void SelectListRows(const std::vector<int>& rows) override {
        selected = rows;
        std::ranges::sort(selected);
    }
    void SetListViewMode(ListViewMode, bool) override {}
    std::array<int, kListColumnCount> ListColumnWidths() const override { return {}; }
    void SetListColumnWidth(int, int) override {}
    void SetStatusBar(const StatusBarTexts&) override {}
    void ShowStatusBar(bool) override {}
    void SetToolbar(bool, bool) override {}
    void FocusPane(OrganizePane) override {}
    int TreeWidth() const override { return 0; }
    void SetTreeWidth(int) override {}
    void SetCommandChecked(OrganizeCommand, bool) override {}
    void SetCommandEnabled(OrganizeCommand command, bool on) override { enabled[command] = on; }
    void SetCommandVisible(OrganizeCommand command, bool on) override { visible[command] = on; }
    void ShowPopupMenu(OrganizeMenu menu, int, int) override { popups.push_back(menu); }
    void SetCommandText(OrganizeCommand command, std::string_view text) override {
        texts[command] = std::string(text);
    }
    void BeginRename(OrganizePane pane, std::string_view key) override {
        renames.push_back((pane == OrganizePane::List ? "list " : "tree ") + std::string(key));
    }
    void SetBusy(bool) override {}
    std::optional<FileDialogChoice> AskOpenFileName(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<FileDialogChoice> AskSaveFileName(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    void MapNetworkDrive() override {}
    void DisconnectNetworkDrive() override {}
    void BringToFront() override {}
    void SavePlacement() override {}
    void Close() override {}

    // The captions of the rows shown, and of those shown ghosted.
    std::vector<std::string> RowTexts() const {
        std::vector<std::string> texts;
        for (const ListRow& row : *list)
            texts.push_back(row.Text);
        return texts;
    }
    std::set<std::string> Ghosted() const {
        std::set<std::string> keys;
        for (const ListRow& row : *list)
            if (row.Ghosted)
                keys.insert(row.Key);
        for (const TreeRow& row : tree)
            if (row.Ghosted)
                keys.insert(row.Key);
        return keys;
    }
    int RowOf(std::string_view key) const {
        for (size_t i = 0; i < list->size(); ++i)
            if ((*list)[i].Key == key)
                return static_cast<int>(i);
        return -1;
    }

    std::vector<TreeRow> tree;
    std::string selectedNode;
    const std::vector<ListRow>* list = nullptr;
    std::vector<int> selected;
    std::map<OrganizeCommand, bool> enabled;
    std::map<OrganizeCommand, bool> visible;
    std::map<OrganizeCommand, std::string> texts;
    std::vector<OrganizeMenu> popups;
    std::vector<std::string> renames;
};

class RecordingHandOver final : public IOrganizeProgram {
public:
    void ApplyToProgram(const clsMenuCollection&) override {}
    void RestoreOrganizedFolders(OrganizedFoldersLocation, const clsMenuCollection&) override {}
    void RebuildKeyboardShortcuts(clsMenuCollection&) override { ++keyboardRebuilds; }
    int keyboardRebuilds = 0;
};

class RecordingClipboard final : public ISystemClipboard {
public:
    bool PutFolderShortcut(std::string_view folderPath, std::string_view linkFileName) override {
        put.push_back(std::string(folderPath) + " " + std::string(linkFileName));
        return true;
    }
    std::vector<std::string> put;
};

// The table rows reach the fixture's helpers, so they are public.
class EditingTest : public OrganizeTreeFixture {
public:
    // The fixture's tree becomes the program's tree, which the window copies when it loads.
    void SetUp() override {
        OrganizeTreeFixture::SetUp();
        files.AddFolder("E:\\Music");
        files.AddFolder("E:\\Films");
        files.AddFile("E:\\notes.txt", "x");
        Reload();
    }
    void Reload() {
        program.state.MenuItems.Clear();
        CopyCollection(work, program.state.MenuItems);
        view = EditingView();
        presenter.emplace(OrganizeServices{.Program = program.context,
                                           .Files = fileHandler,
                                           .HandOver = handOver,
                                           .Dialogs = dialogs,
                                           .Prompts = prompts,
                                           .Locale = locale,
                                           .Clipboard = &clipboard},
                          view);
        presenter->Load();
    }

    OrganizePresenter& P() { return *presenter; }
    const clsMenuCollection& Work() { return presenter->WorkCollection(); }

    void ShowGroup(const std::string& name) {
        P().SelectGroup(name);
        P().OnPaneFocused(OrganizePane::Tree);
    }
    // Selects the rows of names in the list of group and gives the list the focus.
    void SelectRows(const std::string& group, const std::vector<std::string>& names) {
        P().SelectGroup(group);
        std::vector<int> rows;
        for (const std::string& name : names) {
            const int row = view.RowOf(ItemKey(name));
            ASSERT_GE(row, 0) << name;
            rows.push_back(row);
        }
        view.SelectListRows(rows);
        P().OnPaneFocused(OrganizePane::List);
    }
    std::vector<std::string> WorkCaptions(const std::string& owner) {
        std::vector<std::string> captions;
        for (const clsMenuItem* item : Work().Children(owner))
            captions.push_back(item->Caption());
        return captions;
    }

    // The resident program's state and seams over fakes.
    struct Program : ResidentTest {
        void TestBody() override {}
        using ResidentTest::context;
        using ResidentTest::fileSystem;
        using ResidentTest::regHandler;
        using ResidentTest::state;
    } program;
    FakeFileSystem& files = program.fileSystem;
    Windows1252CodePage codePage;
    modFileHandler fileHandler{program.fileSystem,    codePage, program.regHandler, "C:\\Karvello",
                               program.state.options, nullptr};
    RecordingHandOver handOver;
    FakeOrganizeDialogs dialogs;
    FakeLocale locale;
    RecordingClipboard clipboard;
    EditingView view;
    std::optional<OrganizePresenter> presenter;
};

// --- Enabling
// ------------------------------------------------------------------------------------------------

struct EnablingRow {
    const char* what;
    std::function<void(EditingTest&)> select;
    // Cut, Copy, Delete, Rename, Change, Properties, Copy Shortcut enabled; Explore, Restore visible.
    std::string expected;
};

TEST_F(EditingTest, ThePopupMenuOfEitherPaneFollowsTheEnablingTable) {
    const std::vector<EnablingRow> rows = {
        {"root node", [](auto& t) { t.ShowGroup(MIT_HF_ROOT); }, "0000000 10"},
        {"Personal node", [](auto& t) { t.ShowGroup(MIT_GROUP_USER); }, "0001011 11"},
        {"System Folders row", [](auto& t) { t.SelectRows(MIT_HF_ROOT, {MIT_PATHS_SYSTEM}); }, "0001011 11"},
        {"Drives row", [](auto& t) { t.SelectRows(MIT_HF_ROOT, {MIT_PATHS_DRIVES}); }, "1111111 10"},
        {"group node", [](auto& t) { t.ShowGroup("W"); }, "1111111 10"},
        {"shortcut row", [](auto& t) { t.SelectRows("W", {"D"}); }, "1111111 00"},
        {"Open-All row", [](auto& t) { t.SelectRows(MIT_GROUP_USER, {"O"}); }, "1111111 00"},
    };
    const C entries[] = {C::EditCut,    C::EditCopy,       C::EditDelete,      C::EditRename,
                         C::EditChange, C::ViewProperties, C::EditCopyShortcut};
    for (const EnablingRow& row : rows) {
        for (const bool withClipboard : {false, true}) {
            SCOPED_TRACE(std::string(row.what) + (withClipboard ? " with a clipboard" : ""));
            Reload();
            if (withClipboard) {
                ShowGroup("M");
                P().CutOrCopy(false);
            }
            row.select(*this);
            const OrganizePane pane = P().FocusPane();
            P().OnContextMenu(pane, pane == OrganizePane::List ? "CX" : view.selectedNode, 5, 5);
            ASSERT_EQ(view.popups, std::vector<OrganizeMenu>{OrganizeMenu::ItemPopup});
            std::string states;
            for (const C entry : entries)
                states += view.enabled.at(entry) ? '1' : '0';
            states += ' ';
            states += view.visible.at(C::PopupExplore) ? '1' : '0';
            states += view.visible.at(C::PopupRestore) ? '1' : '0';
            EXPECT_EQ(states, row.expected);
            EXPECT_EQ(view.enabled.at(C::EditPaste), withClipboard);

            // The Edit menu decides from the same selection.
            view.enabled.clear();
            P().OnMenuOpening(OrganizeMenu::Edit);
            EXPECT_EQ(view.enabled.at(C::EditCut), row.expected[0] == '1');
            EXPECT_EQ(view.enabled.at(C::EditRename), row.expected[3] == '1');
            EXPECT_EQ(view.enabled.at(C::EditPaste), withClipboard);
        }
    }
}

TEST_F(EditingTest, TheToolbarFollowsTheSelectionWithoutAMenuOpening) {
    const std::vector<std::pair<std::function<void()>, bool>> steps = {
        {[&] { ShowGroup(MIT_HF_ROOT); }, false},
        {[&] { ShowGroup("W"); }, true},
        {[&] { SelectRows(MIT_GROUP_USER, {"P"}); }, true},
        {[&] {
             view.SelectListRows({});
             P().OnListSelectionChanged();
         },
         false},
        {[&] { ShowGroup(MIT_PATHS_SYSTEM); }, false},
    };
    int step = 0;
    for (const auto& [select, cutEnabled] : steps) {
        SCOPED_TRACE(step++);
        select();
        EXPECT_EQ(view.enabled.at(C::EditCut), cutEnabled);
        EXPECT_EQ(view.enabled.at(C::EditDelete), cutEnabled);
    }
}

// --- Refusals
// ------------------------------------------------------------------------------------------------

struct PresenterRefusal {
    const char* what;
    std::function<void(EditingTest&)> act;
    std::string message; // "title|text", empty for a silent refusal
    MessageIcon icon = MessageIcon::Information;
};

TEST_F(EditingTest, EveryRefusalTellsAndLeavesTreeModifiedAndUndoAlone) {
    const std::string kForbidden = "Rename Error|An item's name cannot contain any of the following "
                                   "characters: \r\n\t\\ / : * ? \" < > |";
    const std::vector<PresenterRefusal> refusals = {
        {"paste on the root",
         [](auto& t) {
             t.ShowGroup("W");
             t.P().CutOrCopy(false);
             t.P().Paste(MIT_HF_ROOT);
         },
         "Karvello|Can't paste items here."},
        {"paste with the Drives node selected",
         [](auto& t) {
             t.ShowGroup("W");
             t.P().CutOrCopy(false);
             t.ShowGroup(MIT_PATHS_DRIVES);
             t.P().OnCommand(C::EditPaste);
         },
         "Karvello|Can't paste items here. Content of Drives group is automatically generated."},
        {"group copied into its own subgroup",
         [](auto& t) {
             t.ShowGroup("W");
             t.P().CutOrCopy(false);
             t.ShowGroup("S");
             t.P().OnCommand(C::EditPaste);
         },
         "Error Copying File|Cannot copy Work: The source is the same as the destination.",
         MessageIcon::Critical},
        {"cut of the System Folders node",
         [](auto& t) {
             t.ShowGroup(MIT_PATHS_SYSTEM);
             t.P().OnCommand(C::EditCut);
         },
         "Karvello|Can't move this group."},
        {"Delete of the Personal node",
         [](auto& t) {
             t.ShowGroup(MIT_GROUP_USER);
             t.P().OnCommand(C::EditDelete);
         },
         ""},
        {"rename with a slash", [](auto& t) { EXPECT_FALSE(t.P().OnRenameFinished("CW", "Work/Home")); },
         kForbidden, MessageIcon::Critical},
        {"rename to a sibling's caption",
         [](auto& t) { EXPECT_FALSE(t.P().OnRenameFinished("CP", "Music")); },
         "Rename Error|Cannot rename Photos: An item with the name you specified already exists.\r\nPlease "
         "specify a different name.",
         MessageIcon::Critical},
        {"rename of Open-All", [](auto& t) { EXPECT_FALSE(t.P().OnRenameFinished("CO", "All of them")); },
         ""},
        {"rename of the root not begun",
         [](auto& t) {
             t.ShowGroup(MIT_HF_ROOT);
             t.P().OnCommand(C::EditRename);
             EXPECT_TRUE(t.view.renames.empty());
         },
         ""},
        {"folder dropped on the root node", [](auto& t) { t.P().OnFilesDropped({"E:\\Music"}, MIT_HF_ROOT); },
         "Karvello|Can't add new items here."},
        {"file dropped on a group", [](auto& t) { t.P().OnFilesDropped({"E:\\notes.txt"}, "CW"); },
         "Karvello|Cannot add E:\\notes.txt.\r\nOnly folders can be added to Karvello.",
         MessageIcon::Critical},
        {"dragged onto the root", [](auto& t) { t.P().OnItemsDropped({"CD"}, MIT_HF_ROOT); },
         "Karvello|Can't paste items here."},
        {"System Folders dragged", [](auto& t) { t.P().OnItemsDropped({"CMIT_PATHS_SYSTEM"}, "CW"); }, ""},
        {"group dragged into its own subgroup", [](auto& t) { t.P().OnItemsDropped({"CW"}, "CS"); },
         "Error Moving File|Cannot move Work: The source is the same as the destination.",
         MessageIcon::Critical},
    };
    for (const PresenterRefusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        prompts = FakeMessageBox();
        Reload();
        const std::vector<std::string> before = DescribeCollection(Work());
        refusal.act(*this);
        EXPECT_EQ(OnlyMessage(), refusal.message.empty() ? "shown 0 messages" : refusal.message);
        if (!refusal.message.empty() && !prompts.Shown().empty()) {
            EXPECT_EQ(prompts.Shown().front().icon, refusal.icon);
        }
        EXPECT_EQ(DescribeCollection(Work()), before);
        EXPECT_FALSE(P().Modified());
        P().OnMenuOpening(OrganizeMenu::Edit);
        EXPECT_FALSE(view.enabled.at(C::EditUndo));
    }
}

// --- The Part's edge cases
// -------------------------------------------------------------------------------------------

TEST_F(EditingTest, CopyPastedTwiceIntoItsOwnGroupAddsNumberedCopiesAndKeepsTheClipboard) {
    SelectRows("W", {"D"});
    P().OnCommand(C::EditCopy);
    EXPECT_TRUE(view.Ghosted().empty());
    P().OnCommand(C::EditPaste);
    P().OnCommand(C::EditPaste);
    EXPECT_EQ(WorkCaptions("W"),
              (std::vector<std::string>{"Sub", "Copy (1) of Docs", "Copy of Docs", "Docs"}));
    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_TRUE(P().Modified());
    P().OnMenuOpening(OrganizeMenu::Edit);
    EXPECT_TRUE(view.enabled.at(C::EditPaste));
    // What the paste added is what the list shows selected.
    ASSERT_EQ(view.selected.size(), 1u);
    EXPECT_EQ((*view.list)[static_cast<size_t>(view.selected.front())].Text, "Copy (1) of Docs");
}

TEST_F(EditingTest, CutIsGhostedUntilPastedAndAPasteIntoItsOwnGroupEmptiesTheClipboard) {
    SelectRows("W", {"D", "S"});
    P().OnCommand(C::EditCut);
    EXPECT_EQ(view.Ghosted(), (std::set<std::string>{"CD", "CS"}));
    // The toolbar's Paste follows the clipboard without a menu opening.
    EXPECT_TRUE(view.enabled.at(C::EditPaste));

    ShowGroup("W");
    P().OnCommand(C::EditPaste);
    EXPECT_EQ(OnlyMessage(), "Error Moving File|Cannot move Sub: The source is the same as the destination.");
    EXPECT_TRUE(view.Ghosted().empty());
    EXPECT_FALSE(view.enabled.at(C::EditPaste));
    EXPECT_FALSE(P().Modified());

    // Cut again and paste elsewhere: a move, and the marks go with the clipboard.
    SelectRows("W", {"D"});
    P().OnCommand(C::EditCut);
    ShowGroup("M");
    P().OnCommand(C::EditPaste);
    EXPECT_EQ(WorkCaptions("M"), std::vector<std::string>{"Docs"});
    EXPECT_EQ(WorkCaptions("W"), std::vector<std::string>{"Sub"});
    EXPECT_TRUE(view.Ghosted().empty());
    P().OnMenuOpening(OrganizeMenu::Edit);
    EXPECT_FALSE(view.enabled.at(C::EditPaste));
    EXPECT_EQ(view.texts.at(C::EditUndo), "Undo Move 'Docs'");
}

TEST_F(EditingTest, DeleteAsksAsGC0SaysAndOnlyYesDeletes) {
    struct Case {
        bool ask;
        std::vector<std::string> rows;
        MessageAnswer answer;
        std::string question; // "title|text", empty when none is asked
        bool deleted;
    };
    const std::vector<Case> cases = {
        {false, {"P"}, MessageAnswer::No, "", true},
        {true, {"P"}, MessageAnswer::No, "Confirm Delete|Are you sure you want to delete 'Photos'?", false},
        {true, {"P"}, MessageAnswer::Yes, "Confirm Delete|Are you sure you want to delete 'Photos'?", true},
        {true,
         {"M", "P"},
         MessageAnswer::Cancel,
         "Confirm Multiple Delete|Are you sure you want to delete these selected items?",
         false},
        {true,
         {"M", "P"},
         MessageAnswer::Yes,
         "Confirm Multiple Delete|Are you sure you want to delete these selected items?",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question + " " + std::to_string(c.rows.size()));
        prompts = FakeMessageBox();
        program.state.options.GeneralOptions[GC0_ASK_BEFORE_DELETING] = c.ask;
        Reload();
        const int rebuilds = handOver.keyboardRebuilds;
        SelectRows(MIT_GROUP_USER, c.rows);
        prompts.Answer(c.answer);
        P().OnCommand(C::EditDelete);
        EXPECT_EQ(OnlyMessage(), c.question.empty() ? "shown 0 messages" : c.question);
        EXPECT_EQ(Work().GetMenuItemFromName("P") == nullptr, c.deleted);
        EXPECT_EQ(P().Modified(), c.deleted);
        EXPECT_EQ(handOver.keyboardRebuilds > rebuilds, c.deleted);
        if (c.deleted) {
            EXPECT_TRUE(view.selected.empty());
        }
    }
}

TEST_F(EditingTest, RenameBeginsInTheFocusedPaneAndTheOtherPaneFollows) {
    SelectRows(MIT_GROUP_USER, {"W"});
    P().OnCommand(C::EditRename);
    ShowGroup("S");
    P().OnCommand(C::EditRename);
    EXPECT_EQ(view.renames, (std::vector<std::string>{"list CW", "tree CS"}));

    ShowGroup(MIT_GROUP_USER);
    EXPECT_TRUE(P().OnRenameFinished("CW", "Office"));
    EXPECT_EQ(view.RowTexts(), (std::vector<std::string>{"Music", "Office", "Photos", "Open-All"}));
    const auto node = std::ranges::find(view.tree, std::string("CW"), &TreeRow::Key);
    ASSERT_NE(node, view.tree.end());
    EXPECT_EQ(node->Text, "Office");
    EXPECT_EQ(Work().GetMenuItemFromName("D")->ItemPath(), "\\Office");
    EXPECT_TRUE(P().Modified());
}

TEST_F(EditingTest, FoldersDroppedFromExplorerGoWhereTheyFall) {
    struct Drop {
        const char* what;
        std::string shownGroup;
        std::string target; // the node or row under the drop point, empty for the list's free space
        std::string group;  // where the folder lands
    };
    const std::vector<Drop> drops = {
        {"free list space", "W", "", "W"},
        {"a group row", MIT_GROUP_USER, "CM", "M"},
        {"a shortcut row", "W", "CD", "W"},
        {"a group node", MIT_HF_ROOT, "CS", "S"},
    };
    for (const Drop& drop : drops) {
        SCOPED_TRACE(drop.what);
        Reload();
        ShowGroup(drop.shownGroup);
        P().OnFilesDropped({"E:\\Music", "E:\\notes.txt", "E:\\Films\\"}, drop.target);
        EXPECT_EQ(OnlyMessage(),
                  "Karvello|Cannot add E:\\notes.txt.\r\nOnly folders can be added to Karvello.");
        prompts = FakeMessageBox();
        std::vector<std::string> added;
        for (const clsMenuItem* item : Work().Children(drop.group)) {
            if (item->OpenType() == MIT_PATH_EXPLORER)
                added.push_back(item->Caption() + "=" + item->FolderPath());
        }
        EXPECT_EQ(added, (std::vector<std::string>{"Films=E:\\Films\\", "Music=E:\\Music"}));
        EXPECT_TRUE(P().Modified());
    }
}

TEST_F(EditingTest, ConflictAnswersKeepTheItemsAlreadyPlaced) {
    struct Case {
        std::vector<ItemExistsAnswer> answers;
        std::vector<std::string> music; // the captions in Music afterwards
    };
    // Music already holds a group Sub and a shortcut Docs; Work's Sub and Docs are copied there.
    const std::vector<Case> cases = {
        {{ItemExistsAnswer::Replace, ItemExistsAnswer::Rename}, {"Sub", "Docs", "Docs2"}},
        {{ItemExistsAnswer::Rename, ItemExistsAnswer::Cancel}, {"Sub", "Sub2", "Docs"}},
        {{ItemExistsAnswer::Cancel}, {"Sub", "Docs"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.music.size());
        work.Clear();
        OrganizeTreeFixture::SetUp();
        Group("Sub", "M", "MS");
        Shortcut("Docs", "M", "MD", "D:\\Other");
        Reload();
        dialogs.calls.clear();
        dialogs.itemExistsAnswers.assign(c.answers.begin(), c.answers.end());
        SelectRows("W", {"S", "D"});
        P().OnCommand(C::EditCopy);
        ShowGroup("M");
        P().OnCommand(C::EditPaste);
        EXPECT_EQ(WorkCaptions("M"), c.music);
        std::vector<std::string> asked = {"AskItemExists Sub Sub", "AskItemExists Docs Docs"};
        asked.resize(c.answers.size());
        EXPECT_EQ(dialogs.calls, asked);
        EXPECT_EQ(P().Modified(), c.answers.front() != ItemExistsAnswer::Cancel);
        // The replaced item is gone with its node; the new one keeps the original's place in Work.
        EXPECT_EQ(Work().GetMenuItemFromName("MS") == nullptr,
                  c.answers.front() == ItemExistsAnswer::Replace);
        EXPECT_EQ(WorkCaptions("W"), (std::vector<std::string>{"Sub", "Docs"}));
    }
}

TEST_F(EditingTest, CopyShortcutPutsTheTargetFolderOnTheSystemClipboard) {
    SelectRows("W", {"D"});
    P().OnCommand(C::EditCopyShortcut);
    ShowGroup("M"); // a group has no Target Folder
    P().OnCommand(C::EditCopyShortcut);
    EXPECT_EQ(clipboard.put, std::vector<std::string>{"C:\\Docs Docs.lnk"});
}

// --- Undo and Redo
// -----------------------------------------------------------------------------------------------

struct UndoKind {
    const char* what;
    std::function<void(EditingTest&)> edit;
    std::string undoText;
};

TEST_F(EditingTest, EachCommandIsUndoneAndRedoneExactlyWithItsSelection) {
    const std::vector<UndoKind> kinds = {
        {"paste",
         [](auto& t) {
             t.SelectRows("W", {"D"});
             t.P().OnCommand(C::EditCopy);
             t.ShowGroup("M");
             t.P().OnCommand(C::EditPaste);
         },
         "Undo Paste 'Docs'"},
        {"cut and paste",
         [](auto& t) {
             t.ShowGroup("W");
             t.P().OnCommand(C::EditCut);
             t.ShowGroup("M");
             t.P().OnCommand(C::EditPaste);
         },
         "Undo Move 'Work'"},
        {"drag from the list to a node", [](auto& t) { t.P().OnItemsDropped({"CP"}, "CS"); },
         "Undo Move 'Photos'"},
        {"delete of rows",
         [](auto& t) {
             t.SelectRows(MIT_GROUP_USER, {"M", "W"});
             t.P().OnCommand(C::EditDelete);
         },
         "Undo Delete 2 items"},
        {"rename", [](auto& t) { t.P().OnRenameFinished("CW", "Office"); }, "Undo Rename 'Work'"},
        {"drop from Explorer", [](auto& t) { t.P().OnFilesDropped({"E:\\Music"}, "CW"); },
         "Undo Add 'Music'"},
        {"deletion in the shortcuts list",
         [](auto& t) {
             t.dialogs.shortcutsListChange = [](clsMenuCollection& c) { c.Remove("D"); };
             t.P().OnCommand(C::ToolsFolderShortcutsList);
         },
         "Undo Folder Shortcuts List"},
        {"change in the properties",
         [](auto& t) {
             t.dialogs.propertiesChange = [](clsMenuCollection& c) {
                 c.GetMenuItemFromName("P")->SetFolderPath("D:\\Pictures");
             };
             t.P().OnCommand(C::ViewProperties);
         },
         "Undo Properties of 'Photos'"},
    };
    program.state.options.GeneralOptions[GC0_ASK_BEFORE_DELETING] = false;
    for (const UndoKind& kind : kinds) {
        SCOPED_TRACE(kind.what);
        Reload();
        SelectRows(MIT_GROUP_USER, {"P"});
        const std::vector<std::string> original = DescribeCollection(Work());
        kind.edit(*this);
        const std::vector<std::string> edited = DescribeCollection(Work());
        ASSERT_NE(edited, original);
        EXPECT_TRUE(P().Modified());
        EXPECT_EQ(view.texts.at(C::EditUndo), kind.undoText);

        P().OnCommand(C::EditUndo);
        EXPECT_EQ(DescribeCollection(Work()), original);
        EXPECT_FALSE(P().Modified());
        EXPECT_FALSE(view.enabled.at(C::EditUndo));
        EXPECT_EQ(view.texts.at(C::EditRedo), "Redo" + kind.undoText.substr(4));

        P().OnCommand(C::EditRedo);
        EXPECT_EQ(DescribeCollection(Work()), edited);
        EXPECT_TRUE(P().Modified());

        // A new edit after an undo leaves nothing to redo.
        P().OnCommand(C::EditUndo);
        P().OnRenameFinished("CM", "Songs");
        EXPECT_FALSE(view.enabled.at(C::EditRedo));
        EXPECT_EQ(view.texts.at(C::EditRedo), "Redo");
        P().OnCommand(C::EditRedo);
        EXPECT_EQ(Work().GetMenuItemFromName("M")->Caption(), "Songs");
        EXPECT_EQ(Work().Count(), static_cast<int>(original.size()) - 1);
        dialogs.shortcutsListChange = nullptr;
        dialogs.propertiesChange = nullptr;
    }
}

TEST_F(EditingTest, AShortcutsListThatChangesNothingLeavesNoUndoStep) {
    P().OnCommand(C::ToolsFolderShortcutsList);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"ShowShortcutsList"});
    P().OnMenuOpening(OrganizeMenu::Edit);
    EXPECT_FALSE(view.enabled.at(C::EditUndo));
}

TEST_F(EditingTest, UndoOfADeleteShowsTheRowSelectedAgain) {
    program.state.options.GeneralOptions[GC0_ASK_BEFORE_DELETING] = false;
    SelectRows("W", {"D"});
    P().OnCommand(C::EditDelete);
    ShowGroup(MIT_PATHS_SYSTEM);
    P().OnCommand(C::EditUndo);
    EXPECT_EQ(view.selectedNode, "CW");
    ASSERT_EQ(view.selected.size(), 1u);
    EXPECT_EQ((*view.list)[static_cast<size_t>(view.selected.front())].Key, "CD");
    EXPECT_EQ(P().FocusPane(), OrganizePane::List);
}

} // namespace
} // namespace krv
