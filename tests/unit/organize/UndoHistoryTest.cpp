#include "organize/UndoHistory.h"

#include <functional>
#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "organize/OrganizeSubtree.h"
#include "unit/organize/OrganizeTreeFixture.h"

namespace krv {
namespace {

struct EditKind {
    const char* what;
    std::string action;
    std::function<EditOutcome(OrganizeTreeFixture&)> edit;
};

class UndoTest : public OrganizeTreeFixture {};

TEST_F(UndoTest, EveryKindOfEditIsUndoneAndRedoneExactly) {
    FakeFileSystem files;
    files.AddFolder("E:\\Music");
    const std::vector<EditKind> kinds = {
        {"paste", "Paste 'Docs'",
         [](auto& f) {
             OrganizeClipboard clip;
             CutOrCopy(f.work, EditSelection{.TreeName = "D"}, false, clip, f.prompts);
             return PasteItems(f.work, clip, "M", f.prompts, f.Conflict());
         }},
        {"cut and paste", "Move 'Work'",
         [](auto& f) {
             OrganizeClipboard clip;
             CutOrCopy(f.work, EditSelection{.TreeName = "W"}, true, clip, f.prompts);
             return PasteItems(f.work, clip, "M", f.prompts, f.Conflict());
         }},
        {"paste replacing", "Paste 'Docs'",
         [](auto& f) {
             f.Shortcut("Docs", "M", "MD", "D:\\Elsewhere", 50);
             OrganizeClipboard clip;
             CutOrCopy(f.work, EditSelection{.TreeName = "D"}, false, clip, f.prompts);
             f.answers = {ConflictAnswer::Replace};
             return PasteItems(f.work, clip, "M", f.prompts, f.Conflict());
         }},
        {"drag", "Move 'Photos'",
         [](auto& f) { return MoveItems(f.work, {"P"}, "S", f.prompts, f.Conflict()); }},
        {"delete", "Delete 'Work'",
         [](auto& f) { return DeleteItems(f.work, EditSelection{.TreeName = "W"}, false, f.prompts); }},
        {"rename", "Rename 'Work'",
         [](auto& f) { return RenameItem(f.work, "W", "Office", f.prompts).Edit; }},
        {"drop from Explorer", "Add 'Music'",
         [&files](auto& f) { return DropFolders(f.work, "W", {"E:\\Music"}, files, f.prompts); }},
    };
    for (const EditKind& kind : kinds) {
        SCOPED_TRACE(kind.what);
        work.Clear();
        SetUp();
        UndoHistory history;
        const EditSelection before{.ListFocused = true, .TreeName = "W", .ListNames = {"D"}};
        const EditSelection after{.TreeName = "M"};
        // The edit of a change of the working collection; for the "paste replacing" case the set-up
        // shortcut belongs to the state before the edit, so it is taken inside the edit's own snapshot.
        UndoHistory::Checkpoint checkpoint = history.Capture(work, before);
        std::vector<std::string> original = DescribeCollection(work);
        if (std::string(kind.what) == "paste replacing") {
            Shortcut("Docs", "M", "MD", "D:\\Elsewhere", 50);
            checkpoint = history.Capture(work, before);
            original = DescribeCollection(work);
            work.Remove("MD");
        }
        const EditOutcome outcome = kind.edit(*this);
        ASSERT_TRUE(outcome.Changed);
        EXPECT_EQ(outcome.Action, kind.action);
        history.Commit(std::move(checkpoint), outcome.Action);
        const std::vector<std::string> edited = DescribeCollection(work);
        ASSERT_NE(edited, original);
        EXPECT_FALSE(history.AtSavedState());
        EXPECT_EQ(history.UndoText(), "Undo " + kind.action);

        EXPECT_EQ(history.Undo(work, after), before);
        EXPECT_EQ(DescribeCollection(work), original);
        EXPECT_TRUE(history.AtSavedState());
        EXPECT_EQ(history.RedoText(), "Redo " + kind.action);

        EXPECT_EQ(history.Redo(work, before), after);
        EXPECT_EQ(DescribeCollection(work), edited);
        EXPECT_FALSE(history.AtSavedState());
        // The restored tree is a working tree: lookups by name and the sorted placement work on it.
        EXPECT_NE(work.AddNewMenuItem({.Caption = "Late", .OwnerName = MIT_GROUP_USER}), nullptr);
        EXPECT_EQ(SubtreeItems(work, MIT_GROUP_USER).size(), static_cast<size_t>(work.Count()) - 4);
    }
}

TEST_F(UndoTest, ANewEditDropsTheRedoStepsAndSavingMovesTheCleanState) {
    UndoHistory history;
    EXPECT_EQ(history.Undo(work, {}), std::nullopt);
    EXPECT_EQ(history.UndoText(), "Undo");
    const std::vector<std::string> start = DescribeCollection(work);

    for (const char* name : {"M", "P"}) {
        auto checkpoint = history.Capture(work, {});
        history.Commit(std::move(checkpoint),
                       DeleteItems(work, EditSelection{.TreeName = name}, false, prompts).Action);
    }
    history.MarkSaved();
    ASSERT_TRUE(history.Undo(work, {}));
    EXPECT_FALSE(history.AtSavedState()); // the saved file has Photos deleted
    ASSERT_TRUE(history.Redo(work, {}));
    EXPECT_TRUE(history.AtSavedState());
    ASSERT_TRUE(history.Undo(work, {}));
    ASSERT_TRUE(history.CanRedo());

    auto checkpoint = history.Capture(work, {});
    history.Commit(std::move(checkpoint), RenameItem(work, "W", "Office", prompts).Edit.Action);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.RedoText(), "Redo");
    EXPECT_EQ(history.UndoText(), "Undo Rename 'Work'");
    ASSERT_TRUE(history.Undo(work, {}));
    ASSERT_TRUE(history.Undo(work, {}));
    EXPECT_EQ(DescribeCollection(work), start);
    EXPECT_FALSE(history.CanUndo());

    history.Clear();
    EXPECT_FALSE(history.CanRedo());
    EXPECT_TRUE(history.AtSavedState());
}

TEST_F(UndoTest, SnapshotsShareUnchangedItemsAndTheBudgetDropsTheOldestSteps) {
    for (int i = 0; i < 200; ++i)
        Shortcut("Folder " + std::to_string(i), "M", "",
                 "C:\\Some\\Rather\\Long\\Folder\\Path\\" + std::to_string(i));
    UndoHistory unbounded;
    auto first = unbounded.Capture(work, {});
    const size_t whole = first.snapshot.OwnBytes();
    unbounded.Commit(std::move(first), RenameItem(work, "W", "Office", prompts).Edit.Action);
    auto second = unbounded.Capture(work, {});
    // Only the renamed group and the two items below it are new.
    EXPECT_LT(second.snapshot.OwnBytes() * 4, whole);

    // Renaming the Personal group changes the location of everything in it: each step holds a whole tree.
    UndoHistory bounded(whole * 5 / 2);
    for (const char* caption : {"A", "B", "C", "D", "E"}) {
        auto checkpoint = bounded.Capture(work, {});
        bounded.Commit(std::move(checkpoint), RenameItem(work, MIT_GROUP_USER, caption, prompts).Edit.Action);
    }
    EXPECT_EQ(bounded.UndoCount(), 2u);
    EXPECT_LE(bounded.Bytes(), whole * 5 / 2);
    EXPECT_EQ(bounded.UndoText(), "Undo Rename 'D'");
    ASSERT_TRUE(bounded.Undo(work, {}));
    ASSERT_TRUE(bounded.Undo(work, {}));
    EXPECT_EQ(work.GetMenuItemFromName(MIT_GROUP_USER)->Caption(), "C");
}

} // namespace
} // namespace krv
