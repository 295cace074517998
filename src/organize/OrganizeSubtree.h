#pragma once
// Whole subtrees of a folder tree: listing, removing and storing items exactly as they were, which the
// editing commands and the undo history of the Organize window share.

#include <string>
#include <string_view>
#include <vector>

namespace krv {

class clsMenuCollection;
class clsMenuItem;

// The item named name followed by all its descendants, in list order; empty when no item has that name.
std::vector<const clsMenuItem*> SubtreeItems(const clsMenuCollection& collection, std::string_view name);

// Removes the item named name with its whole subtree.
void RemoveSubtree(clsMenuCollection& collection, std::string_view name);

// Appends a copy of item stored under key, with every field (icon and description included) exactly as
// given, although the collection's adding recomputes some of them. Returns the stored item or nullptr.
clsMenuItem* AppendExact(clsMenuCollection& collection, const clsMenuItem& item, const std::string& key);

// True when item is name or lies inside the group name, following the owners upwards.
bool IsInsideOrSame(const clsMenuCollection& collection, std::string_view item, std::string_view name);

} // namespace krv
