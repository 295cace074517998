#include "menu/MenuEntryRemoval.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/clsMenuCollection.h"
#include "platform/MenuHost.h"

namespace krv {

ItemNames SubtreeNames(const clsMenuCollection& collection, std::string_view rootName) {
    ItemNames names;
    if (!collection.ItemExists(rootName)) {
        return names;
    }
    names.emplace(rootName);
    // A group stands before its descendants, so one pass in list order meets every owner before its children.
    for (const clsMenuItem& item : collection) {
        if (names.contains(item.OwnerName())) {
            names.insert(item.Name());
        }
    }
    return names;
}

namespace {

// The positions deleted from each menu, to move the later entries of that menu down.
using DeletedPositions = std::unordered_map<int32_t, std::vector<int32_t>>;

void ShiftRemainingPositions(clsMenuCollection& collection, DeletedPositions& deleted) {
    for (auto& [menu, positions] : deleted) {
        std::sort(positions.begin(), positions.end());
    }
    for (clsMenuItem& item : collection) {
        auto found = deleted.find(item.OwnerID());
        if (found == deleted.end()) {
            continue;
        }
        const auto& positions = found->second;
        auto before =
            std::lower_bound(positions.begin(), positions.end(), item.Position()) - positions.begin();
        item.SetPosition(item.Position() - static_cast<int32_t>(before));
    }
}

} // namespace

void RemoveItemsAndEntries(clsMenuCollection& collection, const ItemNames& names, IMenuHost* menus) {
    if (names.empty() || collection.Count() == 0) {
        return;
    }
    std::vector<std::string> noted;
    DeletedPositions deleted;
    for (auto it = collection.end(); it != collection.begin();) {
        --it;
        if (!names.contains(it->Name())) {
            continue;
        }
        if (menus != nullptr && menus->DeleteEntry(it->OwnerID(), it->Position())) {
            deleted[it->OwnerID()].push_back(it->Position());
        }
        noted.push_back(it.Key());
    }
    for (const std::string& name : noted) {
        collection.Remove(name);
    }
    if (!deleted.empty()) {
        ShiftRemainingPositions(collection, deleted);
    }
}

} // namespace krv
