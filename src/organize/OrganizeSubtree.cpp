#include "organize/OrganizeSubtree.h"

#include <unordered_set>

#include "menu/MenuEntryRemoval.h"
#include "model/clsMenuCollection.h"

namespace krv {

std::vector<const clsMenuItem*> SubtreeItems(const clsMenuCollection& collection, std::string_view name) {
    std::vector<const clsMenuItem*> items;
    std::unordered_set<std::string> names;
    // A group stands before its descendants, so one pass in list order meets every owner before its children.
    for (const clsMenuItem& item : collection) {
        if (names.empty()) {
            if (item.Name() == name) {
                items.push_back(&item);
                names.insert(item.Name());
            }
        } else if (names.contains(item.OwnerName())) {
            items.push_back(&item);
            names.insert(item.Name());
        }
    }
    return items;
}

void RemoveSubtree(clsMenuCollection& collection, std::string_view name) {
    RemoveItemsAndEntries(collection, SubtreeNames(collection, name), nullptr);
}

clsMenuItem* AppendExact(clsMenuCollection& collection, const clsMenuItem& item, const std::string& key) {
    clsMenuItem copy(item);
    copy.SetName(key);
    if (collection.KeyExists(key) || !collection.AddOne(std::move(copy), true, false))
        return nullptr;
    clsMenuItem* stored = collection.GetMenuItemFromName(key);
    if (stored)
        *stored = item;
    return stored;
}

bool IsInsideOrSame(const clsMenuCollection& collection, std::string_view item, std::string_view name) {
    std::string current(item);
    // The owner chain of a sound tree is never longer than the tree; the bound ends a chain that loops.
    for (int32_t steps = 0; steps <= collection.Count() && current != TOP_LEVEL_OWNER; ++steps) {
        if (current == name)
            return true;
        const clsMenuItem* found = collection.GetMenuItemFromName(current);
        if (!found)
            return false;
        current = found->OwnerName();
    }
    return false;
}

} // namespace krv
