#include "organize/ItemDialogConflict.h"

#include <gtest/gtest.h>

#include "fakes/FakeLocale.h"

namespace krv {
namespace {

clsMenuItem Shortcut(const std::string& caption, const std::string& path, DateTime created,
                     DateTime modified) {
    clsMenuItem item;
    item.SetCaption(caption);
    item.SetFolderPath(path);
    item.SetTimeCreated(created);
    item.SetTimeModified(modified);
    item.SetIconIDDescription();
    return item;
}

TEST(ItemDialogConflictTest, ShowsBothItemsWithTheirTimesInTheShortDateAndTimeForm) {
    FakeLocale locale;
    locale.items[LOCALE_ITEM_SHORT_DATE] = "dd.MM.yyyy";
    locale.items[LOCALE_ITEM_TIME_SEPARATOR] = ":";
    locale.items[LOCALE_ITEM_CLOCK_24H] = "1";
    locale.items[LOCALE_ITEM_HOUR_LEADING_ZERO] = "1";
    modRegionalSettings regional(locale);

    const clsMenuItem existing = Shortcut("Docs", "C:\\Docs", {2024, 3, 9, 9, 5, 7}, DateTime::Zero());
    clsMenuItem incoming =
        Shortcut("Docs", "D:\\Other Docs", {2023, 12, 31, 23, 59, 0}, {2024, 1, 2, 0, 0, 0});
    incoming.SetOpenType(MIT_PATH_EXPLORER);
    incoming.SetIconIDDescription();

    const ItemExistsTexts texts = DescribeItemExists(existing, incoming, regional);
    EXPECT_EQ(texts.Title, "This group already contains an item named Docs.");
    EXPECT_EQ(texts.Existing.FolderPath, "C:\\Docs");
    EXPECT_EQ(texts.Existing.Times, "created: 09.03.2024 09:05:07") << "never modified: the creation only";
    EXPECT_EQ(texts.Existing.IconID, ICON_FOLDER_SHORTCUT);
    EXPECT_EQ(texts.Incoming.FolderPath, "D:\\Other Docs");
    // Midnight has no time part, so the date alone stands for it, as the short form writes it.
    EXPECT_EQ(texts.Incoming.Times, "created: 31.12.2023 23:59:00, modified: 02.01.2024");
    EXPECT_EQ(texts.Incoming.IconID, ICON_EXPLORER_SHORTCUT);
}

} // namespace
} // namespace krv
