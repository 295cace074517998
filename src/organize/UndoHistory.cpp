#include "organize/UndoHistory.h"

#include <algorithm>
#include <unordered_map>

#include "organize/OrganizeSubtree.h"

namespace krv {
namespace {

size_t TextBytes(const std::string& text) {
    // Short texts live inside the string object itself.
    return text.capacity() > 15 ? text.capacity() + 1 : 0;
}

size_t ItemBytes(const clsMenuItem& item) {
    size_t bytes = sizeof(clsMenuItem) + 2 * sizeof(void*); // the item and its shared control block
    for (const std::string* text :
         {&item.Name(), &item.NameOld(), &item.Caption(), &item.CaptionMenu(), &item.OwnerName(),
          &item.ItemType(), &item.OpenType(), &item.DriveTypeText(), &item.Description(), &item.FolderPath(),
          &item.NetworkPath(), &item.ItemPath(), &item.ItemLocation(), &item.Remark(),
          &item.UserDescription()})
        bytes += TextBytes(*text);
    return bytes;
}

} // namespace

bool SameItem(const clsMenuItem& a, const clsMenuItem& b) {
    // Every field, so that a shared item is never one that an edit changed.
    return a.ID() == b.ID() && a.Position() == b.Position() && a.Name() == b.Name() &&
           a.NameOld() == b.NameOld() && a.Caption() == b.Caption() && a.CaptionMenu() == b.CaptionMenu() &&
           a.OwnerID() == b.OwnerID() && a.flags() == b.flags() && a.OwnerName() == b.OwnerName() &&
           a.IconID() == b.IconID() && a.Separator() == b.Separator() && a.SubMenu() == b.SubMenu() &&
           a.ItemType() == b.ItemType() && a.OpenType() == b.OpenType() &&
           a.DriveTypeText() == b.DriveTypeText() && a.Description() == b.Description() &&
           a.FolderPath() == b.FolderPath() && a.NetworkPath() == b.NetworkPath() &&
           a.ItemPath() == b.ItemPath() && a.ItemLocation() == b.ItemLocation() && a.Remark() == b.Remark() &&
           a.KeyboardCode() == b.KeyboardCode() && a.UserDescription() == b.UserDescription() &&
           a.TimeCreated() == b.TimeCreated() && a.TimeModified() == b.TimeModified() &&
           a.TimeAccessed() == b.TimeAccessed();
}

const std::string& CollectionSnapshot::KeyOf(size_t index) const {
    // Renamed items are few; their keys are kept in list order.
    auto found = std::lower_bound(keys_.begin(), keys_.end(), index,
                                  [](const auto& entry, size_t wanted) { return entry.first < wanted; });
    return found != keys_.end() && found->first == index ? found->second : entries_[index]->Name();
}

CollectionSnapshot CollectionSnapshot::Take(const clsMenuCollection& collection,
                                            const CollectionSnapshot* previous) {
    std::unordered_map<std::string_view, const Entry*> shared;
    if (previous) {
        shared.reserve(previous->entries_.size());
        for (size_t i = 0; i < previous->entries_.size(); ++i)
            shared.emplace(previous->KeyOf(i), &previous->entries_[i]);
    }
    CollectionSnapshot snapshot;
    snapshot.entries_.reserve(static_cast<size_t>(collection.Count()));
    snapshot.ownBytes_ = sizeof(CollectionSnapshot) + static_cast<size_t>(collection.Count()) * sizeof(Entry);
    for (auto it = collection.begin(); it != collection.end(); ++it) {
        if (it.Key() != it->Name()) {
            snapshot.keys_.emplace_back(snapshot.entries_.size(), it.Key());
            snapshot.ownBytes_ += sizeof(snapshot.keys_.back()) + TextBytes(it.Key());
        }
        if (auto found = shared.find(it.Key()); found != shared.end() && SameItem(**found->second, *it)) {
            snapshot.entries_.push_back(*found->second);
        } else {
            snapshot.entries_.push_back(std::make_shared<const clsMenuItem>(*it));
            snapshot.ownBytes_ += ItemBytes(*it);
        }
    }
    snapshot.idCounter_ = collection.IDCounter();
    snapshot.menuNameCounter_ = collection.MenuNameCounter();
    snapshot.fileMenuHandle_ = collection.FileMenuHandle();
    return snapshot;
}

void CollectionSnapshot::RestoreInto(clsMenuCollection& collection) const {
    collection.Clear();
    for (size_t i = 0; i < entries_.size(); ++i)
        AppendExact(collection, *entries_[i], KeyOf(i));
    collection.SetIDCounter(idCounter_);
    collection.SetMenuNameCounter(menuNameCounter_);
    collection.SetFileMenuHandle(fileMenuHandle_);
}

bool CollectionSnapshot::Matches(const clsMenuCollection& collection) const {
    if (static_cast<size_t>(collection.Count()) != entries_.size() || collection.IDCounter() != idCounter_ ||
        collection.MenuNameCounter() != menuNameCounter_ || collection.FileMenuHandle() != fileMenuHandle_)
        return false;
    size_t index = 0;
    for (auto it = collection.begin(); it != collection.end(); ++it, ++index) {
        if (it.Key() != KeyOf(index) || !SameItem(*it, *entries_[index]))
            return false;
    }
    return true;
}

void CollectionSnapshot::CountAlone() {
    ownBytes_ = sizeof(CollectionSnapshot) + entries_.size() * sizeof(Entry);
    for (const Entry& entry : entries_)
        ownBytes_ += ItemBytes(*entry);
    for (const auto& [index, key] : keys_)
        ownBytes_ += sizeof(std::pair<size_t, std::string>) + TextBytes(key);
}

const CollectionSnapshot* UndoHistory::Latest() const {
    // The newest snapshot is the one most like the collection as it stands, so new snapshots share with it.
    if (!redo_.empty())
        return &redo_.back().state.snapshot;
    if (!undo_.empty())
        return &undo_.back().state.snapshot;
    return nullptr;
}

UndoHistory::Checkpoint UndoHistory::Capture(const clsMenuCollection& work,
                                             const EditSelection& selection) const {
    return Checkpoint{CollectionSnapshot::Take(work, Latest()), selection};
}

void UndoHistory::Commit(Checkpoint checkpoint, std::string action) {
    redo_.clear();
    undo_.push_back(Step{std::move(action), std::move(checkpoint), currentState_});
    currentState_ = ++nextState_;
    Trim();
}

std::string UndoHistory::UndoText() const {
    return undo_.empty() ? "Undo" : "Undo " + undo_.back().action;
}

std::string UndoHistory::RedoText() const {
    return redo_.empty() ? "Redo" : "Redo " + redo_.back().action;
}

std::optional<EditSelection> UndoHistory::Move(std::vector<Step>& from, std::vector<Step>& to,
                                               uint64_t& current, clsMenuCollection& work,
                                               const EditSelection& selection) {
    if (from.empty())
        return std::nullopt;
    // The state as it stands goes to the other side first, sharing its items with the state it returns to.
    Step opposite{from.back().action,
                  Checkpoint{CollectionSnapshot::Take(work, &from.back().state.snapshot), selection},
                  current};
    Step step = std::move(from.back());
    from.pop_back();
    step.state.snapshot.RestoreInto(work);
    current = step.stateId;
    to.push_back(std::move(opposite));
    return std::move(step.state.selection);
}

std::optional<EditSelection> UndoHistory::Undo(clsMenuCollection& work, const EditSelection& current) {
    return Move(undo_, redo_, currentState_, work, current);
}

std::optional<EditSelection> UndoHistory::Redo(clsMenuCollection& work, const EditSelection& current) {
    return Move(redo_, undo_, currentState_, work, current);
}

void UndoHistory::Clear() {
    undo_.clear();
    redo_.clear();
    currentState_ = ++nextState_;
    savedState_ = currentState_;
}

size_t UndoHistory::Bytes() const {
    size_t bytes = 0;
    for (const auto* steps : {&undo_, &redo_}) {
        for (const Step& step : *steps)
            bytes += step.state.snapshot.OwnBytes();
    }
    return bytes;
}

void UndoHistory::Trim() {
    // The newest step always stays, so that the last edit can be taken back whatever the tree's size.
    while (undo_.size() > 1 && Bytes() > byteBudget_) {
        undo_.erase(undo_.begin());
        // The items the dropped step held alone may still be shared by the new oldest step: it counts them
        // from now on, so that the estimate never falls below what is held.
        undo_.front().state.snapshot.CountAlone();
    }
}

} // namespace krv
