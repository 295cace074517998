#pragma once
// UndoHistory: Undo and Redo of the Organize window. Before each edit the window takes a snapshot of its
// working collection and selection; an edit that changed the collection is committed under the name of
// what it did. Snapshots share the items that did not change with the snapshot before them, so that a long
// history of small edits on a large tree costs little more than the tree once.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/clsMenuCollection.h"
#include "organize/modOrganize.h"

namespace krv {

// The whole state of a working collection: every item under its key in list order, and the counters.
class CollectionSnapshot {
public:
    // Takes a snapshot; items equal to those of previous (same key, same fields) are shared with it.
    static CollectionSnapshot Take(const clsMenuCollection& collection, const CollectionSnapshot* previous);
    // Makes collection exactly what it was: the same items, keys, fields, order and counters.
    void RestoreInto(clsMenuCollection& collection) const;
    // True when collection is still what the snapshot holds (a dialog that was opened changed nothing).
    bool Matches(const clsMenuCollection& collection) const;
    // The memory the snapshot holds beyond what it shares with the snapshot it was taken after.
    size_t OwnBytes() const { return ownBytes_; }
    size_t ItemCount() const { return entries_.size(); }
    // Counts every item as its own, as if nothing were shared.
    void CountAlone();

private:
    using Entry = std::shared_ptr<const clsMenuItem>;
    const std::string& KeyOf(size_t index) const;
    // The items in list order; an item is stored under its Name unless keys_ holds another key for it.
    std::vector<Entry> entries_;
    std::vector<std::pair<size_t, std::string>> keys_;
    int32_t idCounter_ = 0;
    int32_t menuNameCounter_ = 0;
    int32_t fileMenuHandle_ = 0;
    size_t ownBytes_ = 0;
};

// True when two items hold the same values in every field.
bool SameItem(const clsMenuItem& a, const clsMenuItem& b);

class UndoHistory {
public:
    // The state before an edit, taken by Capture and handed back to Commit when the edit changed something.
    struct Checkpoint {
        CollectionSnapshot snapshot;
        EditSelection selection;
    };

    // The history keeps at most about this many bytes of snapshots; the oldest steps go first.
    explicit UndoHistory(size_t byteBudget = size_t{256} << 20) : byteBudget_(byteBudget) {}

    Checkpoint Capture(const clsMenuCollection& work, const EditSelection& selection) const;
    // Records the edit named action ("Delete 'Music'") that changed the collection since checkpoint; the
    // redo steps are dropped.
    void Commit(Checkpoint checkpoint, std::string action);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // "Undo Delete 'Music'" and "Redo Delete 'Music'"; "Undo" and "Redo" alone when there is no step.
    std::string UndoText() const;
    std::string RedoText() const;
    // Takes back the last edit (puts it back): the collection and the selection become what they were.
    // Returns the selection to show, or nothing when there was no step.
    std::optional<EditSelection> Undo(clsMenuCollection& work, const EditSelection& current);
    std::optional<EditSelection> Redo(clsMenuCollection& work, const EditSelection& current);

    // Another file was opened: no step leads back into the previous one. The new state counts as saved.
    void Clear();
    // The collection as it stands was saved: undoing or redoing back to here clears Modified.
    void MarkSaved() { savedState_ = currentState_; }
    bool AtSavedState() const { return currentState_ == savedState_; }

    size_t UndoCount() const { return undo_.size(); }
    size_t RedoCount() const { return redo_.size(); }
    size_t Bytes() const;

private:
    struct Step {
        std::string action;
        Checkpoint state;
        uint64_t stateId = 0;
    };
    void Trim();
    static std::optional<EditSelection> Move(std::vector<Step>& from, std::vector<Step>& to,
                                             uint64_t& current, clsMenuCollection& work,
                                             const EditSelection& selection);
    const CollectionSnapshot* Latest() const;

    std::vector<Step> undo_;
    std::vector<Step> redo_;
    uint64_t currentState_ = 0;
    uint64_t savedState_ = 0;
    uint64_t nextState_ = 0;
    size_t byteBudget_;
};

} // namespace krv
