#include "organize/ItemDialogConflict.h"

namespace krv {
namespace {

ItemExistsSide SideOf(const clsMenuItem& item, modRegionalSettings& regional) {
    return {item.IconID(), item.FolderPath(), ItemTimesText(item, regional)};
}

} // namespace

std::string ItemTimesText(const clsMenuItem& item, modRegionalSettings& regional) {
    std::string text = "created: " + regional.FormatDateTimeLocal(item.TimeCreated());
    if (!item.TimeModified().IsZero())
        text += ", modified: " + regional.FormatDateTimeLocal(item.TimeModified());
    return text;
}

ItemExistsTexts DescribeItemExists(const clsMenuItem& existing, const clsMenuItem& incoming,
                                   modRegionalSettings& regional) {
    return {"This group already contains an item named " + existing.Caption() + ".",
            SideOf(existing, regional), SideOf(incoming, regional)};
}

} // namespace krv
