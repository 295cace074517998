#pragma once
// Small trees for the tests of saving and loading: the Personal group with one folder shortcut, as the
// editor would hold it.

#include <memory>
#include <string>

#include "model/MenuVocabulary.h"
#include "model/clsMenuCollection.h"

namespace krv::test {

inline std::unique_ptr<clsMenuCollection> OneShortcutTree(const std::string& caption,
                                                          const std::string& path = "C:\\Docs") {
    auto tree = std::make_unique<clsMenuCollection>();
    clsMenuItem personal;
    personal.SetName(MIT_GROUP_USER);
    personal.SetCaption("Personal");
    personal.SetOwnerName("-1");
    personal.SetSubMenu(true);
    tree->AddOne(personal, true, false);
    clsMenuItem item;
    item.SetName("N1");
    item.SetCaption(caption);
    item.SetOwnerName(MIT_GROUP_USER);
    item.SetFolderPath(path);
    tree->AddOne(item, true, false);
    return tree;
}

} // namespace krv::test
