#pragma once
// Removing items from a tree together with the menu entries that were built for them.

#include <string>
#include <string_view>
#include <unordered_set>

namespace krv {

class clsMenuCollection;
class IMenuHost;

using ItemNames = std::unordered_set<std::string>;

// The name of an item and of all its descendants; empty when no item has that name.
ItemNames SubtreeNames(const clsMenuCollection& collection, std::string_view rootName);

// Removes the named items from the collection. With a menu host, their menu entries are first deleted by
// position, walking the list from its end so that the positions of the entries still to delete stay valid,
// and the Position of every remaining entry of those menus is moved down to where the entry now stands.
void RemoveItemsAndEntries(clsMenuCollection& collection, const ItemNames& names, IMenuHost* menus);

} // namespace krv
