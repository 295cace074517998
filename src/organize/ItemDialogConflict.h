#pragma once
// What the item-exists conflict dialog (frmItemExists) shows of the two items whose captions clash in a
// group, and the answers it gives.

#include <cstdint>
#include <string>

#include "dialogs/modRegionalSettings.h"
#include "model/clsMenuItem.h"
#include "organize/OrganizeDialogs.h"

namespace krv {

// One item as the dialog shows it: its icon number, its Target Folder and its times.
struct ItemExistsSide {
    int32_t IconID = 0;
    std::string FolderPath{};
    std::string Times{};
};

struct ItemExistsTexts {
    std::string Title{};
    ItemExistsSide Existing{};
    ItemExistsSide Incoming{};
};

// "created: " and the creation time, then ", modified: " and the modification time when the item was ever
// modified, both in the user's short date and time form.
std::string ItemTimesText(const clsMenuItem& item, modRegionalSettings& regional);
ItemExistsTexts DescribeItemExists(const clsMenuItem& existing, const clsMenuItem& incoming,
                                   modRegionalSettings& regional);

} // namespace krv
