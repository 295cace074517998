#pragma once
// The large trees the benchmarks share: groups of 100 in the personal group, in configuration-file order.

#include <string>

#include "model/clsMenuItem.h"

namespace krv::bench {

constexpr int kGroupSize = 100;

// The i-th item (from 0) of such a tree: every hundredth item opens a new group in the personal group, the
// others are folder shortcuts of the group opened last, whose name `group` keeps between calls.
inline clsMenuItem FileOrderItem(int i, std::string& group) {
    clsMenuItem item;
    item.SetName("N" + std::to_string(i + 1));
    if (i % kGroupSize == 0) {
        item.SetOwnerName(MIT_GROUP_USER);
        item.SetCaption("Group " + std::to_string(i));
        item.SetSubMenu(true);
        group = item.Name();
    } else {
        item.SetOwnerName(group);
        item.SetCaption("Folder " + std::to_string(i));
        item.SetFolderPath("C:\\Data\\Folder " + std::to_string(i));
    }
    return item;
}

} // namespace krv::bench
