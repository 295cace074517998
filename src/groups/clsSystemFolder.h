#pragma once
// clsSystemFolder: one row of the System Folders table, a subgroup or a shortcut to a well-known folder.

#include <string>

#include "model/MenuVocabulary.h"

namespace krv {

// Every member has a default, so designated initializers may leave any of them out.
struct clsSystemFolder {
    std::string Description{}; // the caption
    std::string Path{};        // the resolved folder; empty for a subgroup or when the setting is missing
    std::string OwnerName = MIT_PATHS_SYSTEM;
    std::string Name{};        // fixed for a subgroup, empty (named by the collection) for a shortcut
    bool SubMenu = false;
    bool Separator = false;
    std::string Remark{};
    std::string UserDescription{};
};

} // namespace krv
