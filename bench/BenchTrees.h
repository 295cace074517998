#pragma once
// The large trees the benchmarks share: groups of 100 in the personal group, in configuration-file order.

#include <string>

#include "config/modFileHandler.h"
#include "fakes/FakeRegistry.h"
#include "model/clsMenuCollection.h"
#include "model/clsMenuItem.h"
#include "platform/Text.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace krv::bench {

constexpr int kGroupSize = 100;

// The sizes the growth of a build is measured at: a small tree, a mid-sized one and the largest one.
constexpr int kSmallTree = 4096;
constexpr int kMidTree = 16384;

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

// A tree of the given size as a user's would look: groups of 100 shortcuts with paths, descriptions, keys
// and times, under the personal group; the items carry their stored paths as a loaded tree does. The same
// shape as the file benchmarks' tree.
inline void BuildUserTree(clsMenuCollection& tree, int items) {
    clsMenuItem personal;
    personal.SetName(MIT_GROUP_USER);
    personal.SetCaption("Personal");
    personal.SetOwnerName(TOP_LEVEL_OWNER);
    personal.SetSubMenu(true);
    personal.SetItemPath("\\Personal");
    personal.SetItemLocation("\\\\");
    tree.AddOne(std::move(personal), true, false);
    std::string group;
    std::string groupCaption;
    for (int i = 1; i < items; ++i) {
        clsMenuItem item;
        if (i % kGroupSize == 1) {
            groupCaption = "Projects and archives " + std::to_string(i);
            item.SetCaption(groupCaption);
            item.SetOwnerName(MIT_GROUP_USER);
            item.SetSubMenu(true);
            item.SetItemPath("\\" + groupCaption);
            item.SetItemLocation("\\\\Personal");
            item.SetUserDescription("A group of folder shortcuts for the projects of one customer");
        } else {
            item.SetCaption("Customer folder d\xC3\xA9j\xC3\xA0 vu " + std::to_string(i));
            item.SetOwnerName(group);
            item.SetOpenType(i % 3 == 0 ? MIT_PATH_EXPLORER : MIT_PATH_SHORTCUT);
            item.SetFolderPath("D:\\Shared\\Customers\\Projects and archives\\Customer folder " +
                               std::to_string(i) + "\\Documents");
            item.SetItemPath("\\" + groupCaption);
            item.SetItemLocation("\\\\Personal\\" + groupCaption);
            item.SetKeyboardCode(i % 10 == 0 ? 48 + (i / 10) % 10 : -1);
            item.SetUserDescription("Contracts, drawings and correspondence");
            item.SetTimeModified(DateTime{2026, 11, 30, 17, 45, 12});
        }
        item.SetTimeCreated(DateTime{2025, 1, 15, 9, 30, 0});
        tree.AddOne(item, true, false);
        if (i % kGroupSize == 1)
            group = item.Name();
    }
}

// A file handler over the given file system with the default options, the Western European code page and a
// registry of its own, as the benchmarks and their tools read and write the tree with.
struct BenchFileHandler {
    BenchFileHandler(IFileSystem& files, std::string folder)
        : handler{files, codePage, regHandler, std::move(folder), options, nullptr} {}

    static Options DefaultOptions(clsRegHandler& registry) {
        Options loaded;
        InitOptionNames(loaded);
        LoadOptions(loaded, registry, false);
        return loaded;
    }

    Windows1252CodePage codePage;
    FakeRegistry registry;
    clsRegHandler regHandler{registry};
    Options options = DefaultOptions(regHandler);
    modFileHandler handler;
};

} // namespace krv::bench
