#include "organize/modOrganize.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "menu/MenuEntryRemoval.h"
#include "unit/organize/OrganizeTreeFixture.h"

namespace krv {
namespace {

using E = EditEntry;

EditSelection Tree(const std::string& name) {
    return EditSelection{.ListFocused = false, .TreeName = name};
}
EditSelection Rows(const std::string& group, std::vector<std::string> names) {
    return EditSelection{.ListFocused = true, .TreeName = group, .ListNames = std::move(names)};
}

// --- Enabling
// ------------------------------------------------------------------------------------------------

struct StateRow {
    const char* what;
    std::string key;
    int icon;
    // Cut, Copy, Delete, Rename, Change, Properties, Copy Shortcut enabled; Explore, Restore visible.
    std::vector<bool> expected;
};

TEST(SetCommandStatesTest, ItemPopupFollowsTheEnablingTableRowByRow) {
    const std::vector<StateRow> rows = {
        {"root", MIT_HF_ROOT, ICON_ROOT, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
        {"Personal group", "CMIT_GROUP_USER", ICON_GROUP, {0, 0, 0, 1, 0, 1, 1, 1, 1}},
        {"System Folders group", "CMIT_PATHS_SYSTEM", ICON_GROUP, {0, 0, 0, 1, 0, 1, 1, 1, 1}},
        {"Drives group", "CMIT_PATHS_DRIVES", ICON_GROUP, {1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {"a group", "CN7", ICON_GROUP, {1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {"a shortcut", "CN8", ICON_FOLDER_SHORTCUT, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {"nothing selected", "", 0, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    const std::vector<E> enabledEntries = {E::Cut,    E::Copy,       E::Delete,      E::Rename,
                                           E::Change, E::Properties, E::CopyShortcut};
    for (const StateRow& row : rows) {
        for (bool clipboardEmpty : {true, false}) {
            const auto states = SetCommandStates(
                EditMenu::ItemPopup,
                {.SelectedKey = row.key, .SelectedIcon = row.icon, .ClipboardEmpty = clipboardEmpty});
            auto state = [&](E entry) {
                for (const EntryState& s : states) {
                    if (s.Entry == entry)
                        return s;
                }
                ADD_FAILURE() << row.what << ": no entry " << static_cast<int>(entry);
                return EntryState{entry};
            };
            for (size_t i = 0; i < enabledEntries.size(); ++i)
                EXPECT_EQ(state(enabledEntries[i]).Enabled, row.expected[i]) << row.what << " entry " << i;
            EXPECT_EQ(state(E::Explore).Visible, row.expected[7]) << row.what;
            EXPECT_EQ(state(E::Restore).Visible, row.expected[8]) << row.what;
            EXPECT_EQ(state(E::Paste).Enabled, !clipboardEmpty) << row.what;
        }
    }
}

TEST(SetCommandStatesTest, EachMenuOffersItsOwnEntries) {
    const CommandStateInput input{.SelectedKey = MIT_HF_ROOT,
                                  .SelectedIcon = ICON_ROOT,
                                  .ClipboardEmpty = false,
                                  .CanUndo = true,
                                  .ShowSystemFolders = false,
                                  .RefreshDesktop = true,
                                  .RefreshFavorites = true};
    EXPECT_EQ(SetCommandStates(EditMenu::Tools, input),
              (std::vector<EntryState>{{E::RestoreSystemFolders, false},
                                       {E::RefreshDesktop, true},
                                       {E::RefreshSendTo, false},
                                       {E::RefreshFavorites, true}}));
    EXPECT_EQ(SetCommandStates(EditMenu::EmptyPopup, input),
              (std::vector<EntryState>{{E::Paste, true}, {E::Properties, false}}));
    EXPECT_EQ(SetCommandStates(EditMenu::View, input), (std::vector<EntryState>{{E::Properties, false}}));
    const auto edit = SetCommandStates(EditMenu::Edit, input);
    ASSERT_GE(edit.size(), 2u);
    EXPECT_EQ(edit[0], (EntryState{E::Undo, true}));
    EXPECT_EQ(edit[1], (EntryState{E::Redo, false}));
    const auto toolbar = SetCommandStates(EditMenu::Toolbar, input);
    EXPECT_NE(std::ranges::find(toolbar, EntryState{E::UpOneLevel, false}), toolbar.end());
}

// --- Refusals
// ------------------------------------------------------------------------------------------------

struct Refusal {
    const char* what;
    std::function<void(OrganizeTreeFixture&, OrganizeClipboard&)> act;
    std::string message; // "title|text"
    MessageIcon icon;
};

class RefusalTest : public OrganizeTreeFixture {};

TEST_F(RefusalTest, EachRefusalShowsItsTextAndTitleAndChangesNothing) {
    FakeFileSystem files;
    files.AddFile("C:\\notes.txt", "x");
    const std::vector<Refusal> refusals = {
        {"paste on the root",
         [](auto& f, auto& clip) {
             CutOrCopy(f.work, Tree("D"), false, clip, f.prompts);
             PasteItems(f.work, clip, MIT_HF_ROOT, f.prompts, f.Conflict());
         },
         "Karvello|Can't paste items here.", MessageIcon::Information},
        {"paste on the Drives group",
         [](auto& f, auto& clip) {
             CutOrCopy(f.work, Tree("D"), false, clip, f.prompts);
             PasteItems(f.work, clip, MIT_PATHS_DRIVES, f.prompts, f.Conflict());
         },
         "Karvello|Can't paste items here. Content of Drives group is automatically generated.",
         MessageIcon::Information},
        {"cut pasted into its own group",
         [](auto& f, auto& clip) {
             CutOrCopy(f.work, Rows("W", {"D"}), true, clip, f.prompts);
             PasteItems(f.work, clip, "W", f.prompts, f.Conflict());
         },
         "Error Moving File|Cannot move Docs: The source is the same as the destination.",
         MessageIcon::Critical},
        {"group copied into its own subgroup",
         [](auto& f, auto& clip) {
             CutOrCopy(f.work, Tree("W"), false, clip, f.prompts);
             PasteItems(f.work, clip, "S", f.prompts, f.Conflict());
         },
         "Error Copying File|Cannot copy Work: The source is the same as the destination.",
         MessageIcon::Critical},
        {"group cut onto itself",
         [](auto& f, auto& clip) {
             CutOrCopy(f.work, Tree("W"), true, clip, f.prompts);
             PasteItems(f.work, clip, "W", f.prompts, f.Conflict());
         },
         "Error Moving File|Cannot move Work: The source is the same as the destination.",
         MessageIcon::Critical},
        {"cut of the Personal group",
         [](auto& f, auto& clip) { CutOrCopy(f.work, Tree(MIT_GROUP_USER), true, clip, f.prompts); },
         "Karvello|Can't move this group.", MessageIcon::Information},
        {"copy of the System Folders row among others",
         [](auto& f, auto& clip) {
             CutOrCopy(f.work, Rows(MIT_HF_ROOT, {MIT_PATHS_DRIVES, MIT_PATHS_SYSTEM}), false, clip,
                       f.prompts);
         },
         "Karvello|Can't move this group.", MessageIcon::Information},
        {"rename with a forbidden character",
         [](auto& f, auto&) { RenameItem(f.work, "D", "Do:cs", f.prompts); },
         "Rename Error|An item's name cannot contain any of the following characters: \r\n\t\\ / : * ? \" < "
         "> |",
         MessageIcon::Critical},
        {"rename to a sibling's caption", [](auto& f, auto&) { RenameItem(f.work, "M", "Work", f.prompts); },
         "Rename Error|Cannot rename Music: An item with the name you specified already exists.\r\nPlease "
         "specify a different name.",
         MessageIcon::Critical},
        {"change of the root", [](auto& f, auto&) { CanChange(MIT_HF_ROOT, f.prompts); },
         "Karvello|Can't change this group.", MessageIcon::Information},
        {"change of the Personal group", [](auto& f, auto&) { CanChange(MIT_GROUP_USER, f.prompts); },
         "Karvello|Can't change this group.", MessageIcon::Information},
        {"change of the Drives group", [](auto& f, auto&) { CanChange(MIT_PATHS_DRIVES, f.prompts); },
         "Karvello|Can't change this group.", MessageIcon::Information},
        {"change of the System Folders group", [](auto& f, auto&) { CanChange(MIT_PATHS_SYSTEM, f.prompts); },
         "Karvello|Can't change this group.", MessageIcon::Information},
        {"new item at the root", [](auto& f, auto&) { NewItemGroup(f.work, MIT_HF_ROOT, f.prompts); },
         "Karvello|Can't add new items here.", MessageIcon::Information},
        {"folder dropped on the root",
         [&files](auto& f, auto&) { DropFolders(f.work, MIT_HF_ROOT, {"C:\\Docs"}, files, f.prompts); },
         "Karvello|Can't add new items here.", MessageIcon::Information},
        {"file dropped from Explorer",
         [&files](auto& f, auto&) { DropFolders(f.work, "W", {"C:\\notes.txt"}, files, f.prompts); },
         "Karvello|Cannot add C:\\notes.txt.\r\nOnly folders can be added to Karvello.",
         MessageIcon::Critical},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        work.Clear();
        SetUp();
        const int count = work.Count();
        const std::vector<std::string> workCaptions = Captions("W");
        prompts = FakeMessageBox();
        OrganizeClipboard clipboard;
        refusal.act(*this, clipboard);
        EXPECT_EQ(OnlyMessage(), refusal.message);
        if (!prompts.Shown().empty()) {
            EXPECT_EQ(prompts.Shown().front().icon, refusal.icon);
        }
        EXPECT_EQ(work.Count(), count);
        EXPECT_EQ(Captions("W"), workCaptions);
    }
}

// --- Copy, Cut and Paste
// -------------------------------------------------------------------------------------

TEST_F(OrganizeTreeFixture, CopyPastedTwiceIntoItsOwnGroupAddsNumberedCopiesAndKeepsTheClipboard) {
    OrganizeClipboard clipboard;
    ASSERT_TRUE(CutOrCopy(work, Rows("W", {"D"}), false, clipboard, prompts));
    EXPECT_EQ(clipboard.Items().GetMenuItemFromName("D")->OwnerName(), MIT_FL);
    EXPECT_TRUE(clipboard.CutMarks().empty());
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(PasteItems(work, clipboard, "W", prompts, Conflict()).Changed);
    EXPECT_EQ(Captions("W"), (std::vector<std::string>{"Sub", "Copy (1) of Docs", "Copy of Docs", "Docs"}));
    EXPECT_FALSE(clipboard.Empty());
    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_TRUE(conflicts.empty());
}

TEST_F(OrganizeTreeFixture, CutGroupPastedElsewhereMovesItWithItsSubtreeAndEmptiesTheClipboard) {
    OrganizeClipboard clipboard;
    ASSERT_TRUE(CutOrCopy(work, Tree("W"), true, clipboard, prompts));
    EXPECT_EQ(clipboard.CutMarks(), (std::unordered_set<std::string>{"W", "S", "D"}));
    EXPECT_EQ(work.Count(), 11); // a Cut changes nothing until the paste

    const EditOutcome outcome = PasteItems(work, clipboard, "M", prompts, Conflict());
    EXPECT_TRUE(outcome.Changed);
    EXPECT_TRUE(outcome.ShortcutsChanged); // Docs carries Shift+Ctrl+1
    EXPECT_EQ(outcome.Action, "Move 'Work'");
    EXPECT_EQ(work.GetMenuItemFromName("W"), nullptr);
    EXPECT_EQ(work.GetMenuItemFromName("D"), nullptr);
    EXPECT_EQ(Captions("M"), std::vector<std::string>{"Work"});
    const clsMenuItem* moved = ByCaption("Work", "M");
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(Captions(moved->Name()), (std::vector<std::string>{"Sub", "Docs"}));
    const clsMenuItem* docs = ByCaption("Docs", moved->Name());
    EXPECT_EQ(docs->KeyboardCode(), 49);
    EXPECT_EQ(docs->ItemLocation(), "\\\\Personal\\Music\\Work");
    EXPECT_EQ(work.Count(), 11);
    EXPECT_TRUE(clipboard.Empty());
    EXPECT_TRUE(clipboard.CutMarks().empty());
}

TEST_F(OrganizeTreeFixture, CutRefusedInItsOwnGroupEmptiesTheClipboard) {
    OrganizeClipboard clipboard;
    CutOrCopy(work, Tree("S"), true, clipboard, prompts);
    EXPECT_FALSE(PasteItems(work, clipboard, "W", prompts, Conflict()).Changed);
    EXPECT_TRUE(clipboard.Empty());
    EXPECT_TRUE(clipboard.CutMarks().empty());
    EXPECT_TRUE(work.ItemExists("S"));
}

TEST_F(OrganizeTreeFixture, PasteOnAShortcutGoesIntoTheGroupThatHoldsIt) {
    OrganizeClipboard clipboard;
    CutOrCopy(work, Tree("M"), false, clipboard, prompts);
    EXPECT_TRUE(PasteItems(work, clipboard, "D", prompts, Conflict()).Changed);
    EXPECT_EQ(Captions("W"), (std::vector<std::string>{"Music", "Sub", "Docs"}));
}

struct ConflictCase {
    const char* what;
    bool cut;
    std::vector<ConflictAnswer> answers;
    std::vector<std::string> personalAfter; // captions in Personal after pasting Sub and Docs there
    std::vector<std::string> workAfter;
    bool clipboardEmptyAfter;
};

TEST_F(OrganizeTreeFixture, ConflictAnswersReplaceRenameOrCancelWithPlacedItemsStaying) {
    // Personal gets a "Docs" shortcut; Sub and Docs of Work are pasted into Personal: Sub comes in without a
    // question, Docs meets the existing one.
    const std::vector<ConflictCase> cases = {
        {"copy, replace",
         false,
         {ConflictAnswer::Replace},
         {"Music", "Sub", "Work", "Docs", "Photos", "Open-All"},
         {"Sub", "Docs"},
         false},
        {"copy, rename",
         false,
         {ConflictAnswer::Rename},
         {"Music", "Sub", "Work", "Docs", "Docs2", "Photos", "Open-All"},
         {"Sub", "Docs"},
         false},
        {"copy, cancel",
         false,
         {ConflictAnswer::Cancel},
         {"Music", "Sub", "Work", "Docs", "Photos", "Open-All"},
         {"Sub", "Docs"},
         false},
        {"cut, replace",
         true,
         {ConflictAnswer::Replace},
         {"Music", "Sub", "Work", "Docs", "Photos", "Open-All"},
         {},
         true},
        {"cut, cancel",
         true,
         {ConflictAnswer::Cancel},
         {"Music", "Sub", "Work", "Docs", "Photos", "Open-All"},
         {"Docs"},
         false},
    };
    for (const ConflictCase& c : cases) {
        SCOPED_TRACE(c.what);
        work.Clear();
        SetUp();
        Shortcut("Docs", MIT_GROUP_USER, "PD", "D:\\Other");
        conflicts.clear();
        answers = c.answers;
        OrganizeClipboard clipboard;
        ASSERT_TRUE(CutOrCopy(work, Rows("W", {"S", "D"}), c.cut, clipboard, prompts));
        PasteItems(work, clipboard, MIT_GROUP_USER, prompts, Conflict());
        EXPECT_EQ(conflicts, std::vector<std::string>{"Docs > Docs"});
        EXPECT_EQ(Captions(MIT_GROUP_USER), c.personalAfter);
        EXPECT_EQ(Captions("W"), c.workAfter);
        EXPECT_EQ(clipboard.Empty(), c.clipboardEmptyAfter);
        if (c.answers.front() == ConflictAnswer::Replace) {
            EXPECT_EQ(ByCaption("Docs", MIT_GROUP_USER)->FolderPath(), "C:\\Docs");
        }
        if (c.cut && c.answers.front() == ConflictAnswer::Cancel) {
            // What was not placed stays on the clipboard, still marked; what was moved is no longer on it.
            EXPECT_EQ(clipboard.CutMarks(), std::unordered_set<std::string>{"D"});
        }
    }
}

// --- Delete
// --------------------------------------------------------------------------------------------------

struct DeleteCase {
    const char* what;
    EditSelection selection;
    bool ask;
    std::vector<MessageAnswer> answers;
    std::string question; // "title|text", empty for none
    std::vector<std::string> personalAfter;
};

TEST_F(OrganizeTreeFixture, DeleteAsksAsTheOptionSaysAndLeavesTheFixedGroups) {
    const std::vector<std::string> all = {"Music", "Work", "Photos", "Open-All"};
    const std::vector<DeleteCase> cases = {
        {"one item, GC0 off", Tree("W"), false, {}, "", {"Music", "Photos", "Open-All"}},
        {"one item, Yes",
         Rows(MIT_GROUP_USER, {"P"}),
         true,
         {MessageAnswer::Yes},
         "Confirm Delete|Are you sure you want to delete 'Photos'?",
         {"Music", "Work", "Open-All"}},
        {"one item, No",
         Tree("W"),
         true,
         {MessageAnswer::No},
         "Confirm Delete|Are you sure you want to delete 'Work'?",
         all},
        {"several rows, Yes",
         Rows(MIT_GROUP_USER, {"M", "P"}),
         true,
         {MessageAnswer::Yes},
         "Confirm Multiple Delete|Are you sure you want to delete these selected items?",
         {"Work", "Open-All"}},
        {"several rows, Cancel",
         Rows(MIT_GROUP_USER, {"M", "P"}),
         true,
         {MessageAnswer::Cancel},
         "Confirm Multiple Delete|Are you sure you want to delete these selected items?",
         all},
        {"the Personal group", Tree(MIT_GROUP_USER), true, {}, "", all},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.what);
        work.Clear();
        SetUp();
        prompts = FakeMessageBox();
        for (MessageAnswer answer : c.answers)
            prompts.Answer(answer);
        DeleteItems(work, c.selection, c.ask, prompts);
        EXPECT_EQ(prompts.Shown().empty() ? std::string() : OnlyMessage(), c.question);
        EXPECT_EQ(Captions(MIT_GROUP_USER), c.personalAfter);
    }
    // Deleting a group takes its subtree with it.
    EXPECT_EQ(SubtreeNames(work, "W").size(), 3u);
    DeleteItems(work, Tree("W"), false, prompts);
    EXPECT_FALSE(work.ItemExists("S"));
    EXPECT_FALSE(work.ItemExists("D"));
}

TEST_F(OrganizeTreeFixture, RowsIncludingAFixedGroupDeleteOnlyTheOthers) {
    const EditOutcome outcome =
        DeleteItems(work, Rows(MIT_HF_ROOT, {MIT_GROUP_USER, MIT_PATHS_DRIVES}), false, prompts);
    EXPECT_EQ(outcome.Action, "Delete 'Drives'");
    EXPECT_TRUE(work.ItemExists(MIT_GROUP_USER));
    EXPECT_FALSE(work.ItemExists(MIT_PATHS_DRIVES));
    EXPECT_FALSE(work.ItemExists("DC"));
}

// --- Rename
// --------------------------------------------------------------------------------------------------

TEST_F(OrganizeTreeFixture, RenameKeepsOpenAllAndMovesTheGroupsPaths) {
    EXPECT_FALSE(CanRename(work, MIT_HF_ROOT));
    EXPECT_FALSE(RenameItem(work, "O", "All of them", prompts).Accepted);
    EXPECT_EQ(work.GetMenuItemFromName("O")->Caption(), "Open-All");
    EXPECT_TRUE(prompts.Shown().empty());

    const RenameOutcome renamed = RenameItem(work, "W", "Office", prompts);
    EXPECT_TRUE(renamed.Accepted);
    EXPECT_EQ(renamed.Edit.Action, "Rename 'Work'");
    EXPECT_EQ(work.GetMenuItemFromName("W")->Caption(), "Office");
    EXPECT_EQ(work.GetMenuItemFromName("D")->ItemLocation(), "\\\\Personal\\Office");
    EXPECT_EQ(work.GetMenuItemFromName("S")->ItemPath(), "\\Office\\Sub");
    // Only another item's caption clashes; the item's own or another group's children do not.
    EXPECT_FALSE(RenameItem(work, "W", "Office", prompts).Edit.Changed);
    EXPECT_TRUE(RenameItem(work, "D", "Music", prompts).Accepted);
    EXPECT_TRUE(prompts.Shown().empty());
}

// --- Drag and drop
// -------------------------------------------------------------------------------------------

TEST_F(OrganizeTreeFixture, DraggingMovesLikeCutAndPasteAndLeavesTheClipboard) {
    for (const char* fixed : {MIT_HF_ROOT, MIT_GROUP_USER, MIT_PATHS_SYSTEM})
        EXPECT_FALSE(CanDrag(fixed)) << fixed;
    EXPECT_TRUE(CanDrag(MIT_PATHS_DRIVES));
    EXPECT_FALSE(MoveItems(work, {"P", MIT_GROUP_USER}, "M", prompts, Conflict()).Changed);

    const EditOutcome moved = MoveItems(work, {"P", "D"}, "M", prompts, Conflict());
    EXPECT_EQ(moved.Action, "Move 2 items");
    EXPECT_EQ(Captions("M"), (std::vector<std::string>{"Docs", "Photos"}));
    EXPECT_EQ(Captions("W"), std::vector<std::string>{"Sub"});

    EXPECT_FALSE(MoveItems(work, {"S"}, "W", prompts, Conflict()).Changed);
    EXPECT_EQ(OnlyMessage(), "Error Moving File|Cannot move Sub: The source is the same as the destination.");
}

TEST_F(OrganizeTreeFixture, ExplorerDropsFindTheirGroupAndAddExplorerShortcuts) {
    struct TargetCase {
        std::string hit;
        bool onList;
        std::string shown;
        std::string expected;
    };
    for (const TargetCase& t : std::vector<TargetCase>{{"W", false, "", "W"},
                                                       {"D", false, "", "W"},
                                                       {MIT_HF_ROOT, false, "", MIT_HF_ROOT},
                                                       {"M", true, MIT_GROUP_USER, "M"},
                                                       {"P", true, MIT_GROUP_USER, MIT_GROUP_USER},
                                                       {"", true, "W", "W"}})
        EXPECT_EQ(ExplorerDropGroup(work, t.hit, t.onList, t.shown), t.expected) << t.hit;

    FakeFileSystem files;
    files.AddFolder("E:\\Projects\\Karvello");
    files.AddFile("E:\\Projects\\plan.txt", "x");
    const EditOutcome dropped = DropFolders(
        work, "M", {"E:\\Projects\\Karvello", "E:\\Projects\\plan.txt", "E:\\Projects\\"}, files, prompts);
    EXPECT_EQ(dropped.Added.size(), 2u);
    EXPECT_EQ(prompts.Shown().size(), 1u);
    const clsMenuItem* added = ByCaption("Karvello", "M");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->ItemType(), MIT_PATH);
    EXPECT_EQ(added->OpenType(), MIT_PATH_EXPLORER);
    EXPECT_EQ(added->FolderPath(), "E:\\Projects\\Karvello");
    EXPECT_NE(ByCaption("Projects", "M"), nullptr); // a trailing backslash does not hide the last component
}

// --- Selection commands, New, Copy Shortcut
// -------------------------------------------------------------------

TEST_F(OrganizeTreeFixture, SelectionCommandsNewAndCopyShortcutDecide) {
    EXPECT_EQ(InvertSelection(4, {0, 2}), (std::vector<int>{1, 3}));
    EXPECT_EQ(InvertSelection(2, {}), (std::vector<int>{0, 1}));
    EXPECT_EQ(UpOneLevel(work, "S"), "W");
    EXPECT_EQ(UpOneLevel(work, MIT_GROUP_USER), MIT_HF_ROOT);
    EXPECT_EQ(UpOneLevel(work, MIT_HF_ROOT), std::nullopt);

    EXPECT_EQ(NewItemGroup(work, "W", prompts), "W");
    EXPECT_EQ(NewItemGroup(work, "D", prompts), "W");
    EXPECT_EQ(NewItemGroup(work, MIT_PATHS_DRIVES, prompts), std::nullopt);
    EXPECT_EQ(OnlyMessage(), "Karvello|Can't add new items here.");

    EXPECT_EQ(ShortcutToCopy(work, "D"), (ShortcutCopy{"C:\\Docs", "Docs.lnk"}));
    EXPECT_EQ(ShortcutToCopy(work, "W"), std::nullopt);
    EXPECT_EQ(ShortcutToCopy(work, MIT_HF_ROOT), std::nullopt);
}

} // namespace
} // namespace krv
