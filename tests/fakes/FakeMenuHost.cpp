#include "fakes/FakeMenuHost.h"

namespace krv {

FakeMenuHost::FakeMenuHost() {
    topLevel_ = nextHandle_;
    nextHandle_ += 4;
    menus_[topLevel_].push_back({.flags = MENU_FLAG_BY_POSITION, .identifier = 50, .text = "Dummy"});
}

void FakeMenuHost::Record(Operation operation, int32_t menu, int32_t position, uint32_t flags,
                          int32_t identifier, std::string_view text) {
    if (recording_) {
        calls_.push_back({operation, menu, position, flags, identifier, std::string(text)});
    }
}

int32_t FakeMenuHost::CreatePopup() {
    if (failNextCreate_) {
        failNextCreate_ = false;
        Record(Operation::CreatePopup, 0, 0, 0, 0, {});
        return 0;
    }
    // Handles step by 4 like Windows handles, far above the command identifiers the builder hands out.
    const int32_t handle = nextHandle_;
    nextHandle_ += 4;
    menus_[handle];
    Record(Operation::CreatePopup, handle, 0, 0, 0, {});
    return handle;
}

void FakeMenuHost::DestroyTree(int32_t menu) {
    auto found = menus_.find(menu);
    if (found == menus_.end()) {
        return;
    }
    const std::vector<Entry> entries = std::move(found->second);
    menus_.erase(found);
    for (const Entry& entry : entries) {
        if (entry.submenu != 0) {
            DestroyTree(entry.submenu);
        }
    }
}

void FakeMenuHost::DestroyPopup(int32_t menu) {
    Record(Operation::DestroyPopup, menu, 0, 0, 0, {});
    DestroyTree(menu);
}

bool FakeMenuHost::MakeEntry(uint32_t flags, int32_t identifier, std::string_view text, Entry& entry) const {
    entry.flags = flags;
    entry.identifier = identifier;
    entry.text = std::string(text);
    entry.submenu = 0;
    if (flags & MENU_FLAG_POPUP) {
        // Windows refuses a submenu handle that is not a menu.
        if (!IsMenu(identifier)) {
            return false;
        }
        entry.submenu = identifier;
    }
    return true;
}

bool FakeMenuHost::InsertEntry(int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                               std::string_view text) {
    Record(Operation::Insert, menu, position, flags, identifier, text);
    auto found = menus_.find(menu);
    Entry entry;
    if (found == menus_.end() || !MakeEntry(flags, identifier, text, entry)) {
        return false;
    }
    auto& entries = found->second;
    // A position past the end appends, as InsertMenuItemW does.
    const auto at = position < 0 || static_cast<size_t>(position) > entries.size() ? entries.size()
                                                                                   : static_cast<size_t>(position);
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
    return true;
}

bool FakeMenuHost::ModifyEntry(int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                               std::string_view text) {
    Record(Operation::Modify, menu, position, flags, identifier, text);
    auto found = menus_.find(menu);
    if (found == menus_.end() || position < 0 || static_cast<size_t>(position) >= found->second.size()) {
        return false;
    }
    Entry entry;
    if (!MakeEntry(flags, identifier, text, entry)) {
        return false;
    }
    const int32_t oldSubmenu = found->second[static_cast<size_t>(position)].submenu;
    found->second[static_cast<size_t>(position)] = std::move(entry);
    // An entry modified without its submenu loses it: Windows destroys the submenu.
    if (oldSubmenu != 0 && oldSubmenu != found->second[static_cast<size_t>(position)].submenu) {
        DestroyTree(oldSubmenu);
    }
    return true;
}

bool FakeMenuHost::DeleteEntry(int32_t menu, int32_t position) {
    Record(Operation::Delete, menu, position, 0, 0, {});
    auto found = menus_.find(menu);
    if (found == menus_.end() || position < 0 || static_cast<size_t>(position) >= found->second.size()) {
        return false;
    }
    auto& entries = found->second;
    const int32_t submenu = entries[static_cast<size_t>(position)].submenu;
    entries.erase(entries.begin() + position);
    if (submenu != 0) {
        DestroyTree(submenu);
    }
    return true;
}

int32_t FakeMenuHost::EntryCount(int32_t menu) {
    auto found = menus_.find(menu);
    return found == menus_.end() ? -1 : static_cast<int32_t>(found->second.size());
}

const std::vector<FakeMenuHost::Entry>& FakeMenuHost::Entries(int32_t menu) const {
    static const std::vector<Entry> kNone;
    auto found = menus_.find(menu);
    return found == menus_.end() ? kNone : found->second;
}

} // namespace krv
