#include "model/clsMenuItem.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

TEST(clsMenuItemTest, NewItemHasDocumentedDefaults) {
    const DateTime before = DateTime::Now();
    clsMenuItem item;
    EXPECT_EQ(item.KeyboardCode(), -1);
    EXPECT_EQ(item.IconID(), 3);
    EXPECT_EQ(item.ItemType(), "MIT_PATH");
    EXPECT_EQ(item.OpenType(), "MIT_PATH_SHORTCUT");
    EXPECT_EQ(item.DriveType(), 3);
    EXPECT_EQ(item.DriveTypeText(), "3");
    EXPECT_FALSE(item.Separator());
    EXPECT_FALSE(item.SubMenu());
    EXPECT_TRUE(item.TimeModified().IsZero());
    EXPECT_TRUE(item.TimeAccessed().IsZero());
    EXPECT_GE(item.TimeCreated(), before);
    EXPECT_LE(item.TimeCreated(), DateTime::Now());
}

TEST(clsMenuItemTest, CaptionDropsInvalidCharactersButCaption2KeepsThem) {
    clsMenuItem item;
    item.SetCaption("a:b?c");
    EXPECT_EQ(item.Caption(), "abc");
    item.SetCaption("\\/:*?\"<>|x");
    EXPECT_EQ(item.Caption(), "x");
    item.SetCaption2("Local Disk (C:)");
    EXPECT_EQ(item.Caption(), "Local Disk (C:)");
    EXPECT_EQ(item.CaptionMenu(), "Local Disk (C:)");
}

TEST(clsMenuItemTest, MenuCaptionIsShortenedPastFiftyCharacters) {
    clsMenuItem item;
    const std::string fifty(50, 'x');
    item.SetCaption(fifty);
    EXPECT_EQ(item.CaptionMenu(), fifty);

    // 51 characters: the first 22, "...", the last 25.
    std::string caption;
    for (int i = 0; i < 51; ++i)
        caption += static_cast<char>('A' + i % 26);
    item.SetCaption(caption);
    EXPECT_EQ(item.CaptionMenu(), caption.substr(0, 22) + "..." + caption.substr(26));
    EXPECT_EQ(item.CaptionMenu().size(), 50u);
    EXPECT_EQ(item.Caption(), caption);
}

TEST(clsMenuItemTest, MenuCaptionCountsCharactersNotBytes) {
    clsMenuItem item;
    std::string fiftyAccented;
    for (int i = 0; i < 50; ++i)
        fiftyAccented += "\xC3\xA9"; // é
    item.SetCaption(fiftyAccented);
    EXPECT_EQ(item.CaptionMenu(), fiftyAccented);
    item.SetCaption(fiftyAccented + "\xC3\x89"); // 51 characters, the last one É
    EXPECT_EQ(item.CaptionMenu().substr(item.CaptionMenu().size() - 2), "\xC3\x89");
    EXPECT_EQ(item.CaptionMenu().size(), 22u * 2 + 3 + 25u * 2);
}

TEST(clsMenuItemTest, SubMenuAndSeparatorAreCoupled) {
    clsMenuItem item;
    item.SetSeparator(true);
    item.SetSubMenu(true);
    EXPECT_TRUE(item.SubMenu());
    EXPECT_FALSE(item.Separator());
    EXPECT_EQ(item.ItemType(), "MIT_GROUP_GENERAL");

    item.SetSeparator(true);
    EXPECT_FALSE(item.SubMenu());
    EXPECT_EQ(item.ItemType(), "MIT_GROUP_GENERAL");

    item.SetItemType(MIT_OPENALL);
    item.SetSubMenu(false);
    EXPECT_EQ(item.ItemType(), "MIT_OPENALL");
}

struct IconCase {
    const char* itemType;
    const char* openType;
    const char* driveType;
    const char* name;
    int icon;
    const char* description;
};

TEST(clsMenuItemTest, SetIconIDDescriptionFollowsTheTypeTable) {
    const IconCase cases[] = {
        {"MIT_HF_ROOT", "", "3", "", 1, "Root"},
        {"MIT_GROUP_GENERAL", "", "3", "N1", 2, "Group"},
        {"MIT_GROUP_GENERAL", "", "3", "MIT_GROUP_USER", 2, "Personal Group"},
        {"MIT_PATHS_DRIVES", "", "3", "", 2, "Drives"},
        {"MIT_PATHS_SYSTEM", "", "3", "", 2, "System Paths"},
        {"MIT_HF_SETTINGS", "", "3", "", 5, "Settings"},
        {"MIT_HF_HELP", "", "3", "", 6, "Help"},
        {"MIT_HF_ORGANIZE", "", "3", "", 7, "Organize"},
        {"MIT_PATH", "MIT_PATH_SHORTCUT", "3", "", 3, "Folder Shortcut"},
        {"MIT_PATH", "MIT_PATH_EXPLORER", "3", "", 4, "Folder Shortcut"},
        {"MIT_OPENALL", "", "3", "", 12, "Open-All"},
        {"MIT_DRIVE", "", "3", "", 9, "Local Disk"},
        {"MIT_DRIVE", "", "4", "", 10, "Remote Disk"},
        {"MIT_DRIVE", "", "2", "", 8, "3.5-Inch Floppy Disk"},
        {"MIT_DRIVE", "", "5", "", 11, "Compact Disc"},
        {"MIT_DRIVE", "", "6", "", 9, "Disk"},
    };
    for (const IconCase& c : cases) {
        clsMenuItem item;
        item.SetItemType(c.itemType);
        item.SetOpenType(c.openType);
        item.SetDriveTypeText(c.driveType);
        item.SetName(c.name);
        item.SetIconIDDescription();
        EXPECT_EQ(item.IconID(), c.icon) << c.itemType << " " << c.driveType;
        EXPECT_EQ(item.Description(), c.description) << c.itemType << " " << c.driveType;
    }
}

TEST(clsMenuItemTest, SetIconIDDescriptionLeavesUnknownTypesAlone) {
    clsMenuItem item;
    item.SetIconID(7);
    item.SetDescription("kept");
    item.SetOpenType("SOMETHING_ELSE");
    item.SetIconIDDescription();
    EXPECT_EQ(item.IconID(), 7);
    EXPECT_EQ(item.Description(), "kept");

    item.SetItemType("MIT_UNKNOWN");
    item.SetIconIDDescription();
    EXPECT_EQ(item.IconID(), 7);
}

TEST(clsMenuItemTest, OpenAllIconSetsCaptionButNotTheMenuText) {
    clsMenuItem item;
    item.SetCaption("Anything");
    item.SetItemType(MIT_OPENALL);
    item.SetIconIDDescription();
    EXPECT_EQ(item.Caption(), "Open-All");
    EXPECT_EQ(item.CaptionMenu(), "Anything");
}

TEST(clsMenuItemTest, NestingLevelCountsBackslashesAfterTheLeadingPair) {
    clsMenuItem item;
    EXPECT_EQ(item.GetNestingLevel(), 0);
    item.SetItemLocation("\\\\");
    EXPECT_EQ(item.GetNestingLevel(), 0);
    item.SetItemLocation("\\\\Personal");
    EXPECT_EQ(item.GetNestingLevel(), 1);
    item.SetItemLocation("\\\\Personal\\Work\\Deep");
    EXPECT_EQ(item.GetNestingLevel(), 3);
}

TEST(clsMenuItemTest, ModifyMenuItemKeepsEmptyTextsButAlwaysSetsKeyAndDescription) {
    clsMenuItem item;
    item.SetCaption("Docs");
    item.SetFolderPath("C:\\Docs");
    item.SetKeyboardCode(5);
    item.SetUserDescription("old");
    item.ModifyMenuItem("", "", "", 0, "", "", "", false, 0, false, -1, "");
    EXPECT_EQ(item.Caption(), "Docs");
    EXPECT_EQ(item.FolderPath(), "C:\\Docs");
    EXPECT_EQ(item.KeyboardCode(), -1);
    EXPECT_EQ(item.UserDescription(), "");
    EXPECT_FALSE(item.TimeModified().IsZero());

    item.ModifyMenuItem("New:Name", "G", "N9", 4, "D:\\", MIT_PATH, MIT_PATH_EXPLORER, false, 5, true, 3, "d");
    EXPECT_EQ(item.Caption(), "NewName");
    EXPECT_EQ(item.OwnerName(), "G");
    EXPECT_EQ(item.Name(), "N9");
    EXPECT_EQ(item.DriveType(), 5);
    EXPECT_EQ(item.IconID(), 4); // recomputed from the open type
    EXPECT_EQ(item.KeyboardCode(), 3);
}

TEST(clsMenuItemTest, ModifyMenuItemSubMenuOverridesTheGivenType) {
    clsMenuItem item;
    item.ModifyMenuItem("Group", "", "", 0, "", MIT_OPENALL, "", true, 0, true, -1, "");
    EXPECT_EQ(item.Caption(), "Open-All");
    EXPECT_EQ(item.ItemType(), "MIT_GROUP_GENERAL");
    EXPECT_EQ(item.IconID(), 2);
}

TEST(clsMenuItemTest, CopyMenuItemCopiesEverythingButNetworkPath) {
    clsMenuItem source;
    source.SetCaption("Data");
    source.SetName("N4");
    source.SetNameOld("N3");
    source.SetOwnerName("N1");
    source.SetFolderPath("D:\\Data");
    source.SetOpenType(MIT_PATH_EXPLORER);
    source.SetNetworkPath("\\\\server\\share");
    source.SetKeyboardCode(7);
    source.SetUserDescription("my data");
    source.SetID(77);
    source.SetOwnerID(66);
    source.SetPosition(3);
    source.Setflags(1280);
    source.SetItemPath("\\G");
    source.SetItemLocation("\\\\Personal\\G");
    source.SetRemark("r");
    source.SetTimeModified(DateTime{2026, 12, 7, 8, 5, 3});
    source.SetTimeAccessed(DateTime{2025, 1, 2, 3, 4, 5});

    clsMenuItem target;
    CopyMenuItem(source, target);
    EXPECT_EQ(target.Caption(), "Data");
    EXPECT_EQ(target.Name(), "N4");
    EXPECT_EQ(target.NameOld(), "N3");
    EXPECT_EQ(target.OwnerName(), "N1");
    EXPECT_EQ(target.FolderPath(), "D:\\Data");
    EXPECT_EQ(target.OpenType(), "MIT_PATH_EXPLORER");
    EXPECT_EQ(target.NetworkPath(), "");
    EXPECT_EQ(target.KeyboardCode(), 7);
    EXPECT_EQ(target.UserDescription(), "my data");
    EXPECT_EQ(target.ID(), 77);
    EXPECT_EQ(target.OwnerID(), 66);
    EXPECT_EQ(target.Position(), 3);
    EXPECT_EQ(target.flags(), 1280);
    EXPECT_EQ(target.ItemPath(), "\\G");
    EXPECT_EQ(target.ItemLocation(), "\\\\Personal\\G");
    EXPECT_EQ(target.Remark(), "r");
    EXPECT_EQ(target.TimeCreated(), source.TimeCreated());
    EXPECT_EQ(target.TimeModified(), source.TimeModified());
    EXPECT_EQ(target.TimeAccessed(), source.TimeAccessed());
}

TEST(clsMenuItemTest, CopyMenuItemKeepsDriveColonsAndMakesGroupsGeneral) {
    clsMenuItem drive;
    drive.SetCaption2("SYSTEM (C:)");
    drive.SetOwnerName(MIT_PATHS_DRIVES);
    clsMenuItem copy;
    CopyMenuItem(drive, copy);
    EXPECT_EQ(copy.Caption(), "SYSTEM (C:)");

    clsMenuItem odd;
    odd.SetCaption2("A:B");
    odd.SetOwnerName("N1");
    CopyMenuItem(odd, copy);
    EXPECT_EQ(copy.Caption(), "AB");

    clsMenuItem group;
    group.SetSubMenu(true);
    group.SetItemType(MIT_PATHS_SYSTEM);
    CopyMenuItem(group, copy);
    EXPECT_EQ(copy.ItemType(), "MIT_GROUP_GENERAL");
}

TEST(DateTimeTest, ValidatesCalendarDates) {
    EXPECT_TRUE(DateTime::IsValidDate(2024, 2, 29));
    EXPECT_FALSE(DateTime::IsValidDate(2026, 2, 29));
    EXPECT_FALSE(DateTime::IsValidDate(1900, 2, 29));
    EXPECT_TRUE(DateTime::IsValidDate(2000, 2, 29));
    EXPECT_FALSE(DateTime::IsValidDate(2026, 2, 31));
    EXPECT_FALSE(DateTime::IsValidDate(2026, 13, 1));
    EXPECT_FALSE(DateTime::IsValidDate(2026, 0, 1));
    EXPECT_TRUE(DateTime::IsValidTime(23, 59, 59));
    EXPECT_FALSE(DateTime::IsValidTime(25, 61, 61));
}

} // namespace
} // namespace krv

namespace krv {
namespace {

// The text fields kept as codes of the fixed table hand back exactly what was set, fixed text or not, and
// switch between the two forms either way.
TEST(CompactFieldsTest, VocabularyFieldsReturnWhatWasSet) {
    struct Field {
        const char* name;
        void (clsMenuItem::*set)(std::string);
        const std::string& (clsMenuItem::*get)() const;
    };
    const Field fields[] = {
        {"ItemType", &clsMenuItem::SetItemType, &clsMenuItem::ItemType},
        {"OpenType", &clsMenuItem::SetOpenType, &clsMenuItem::OpenType},
        {"DriveTypeText", &clsMenuItem::SetDriveTypeText, &clsMenuItem::DriveTypeText},
        {"Description", &clsMenuItem::SetDescription, &clsMenuItem::Description},
    };
    const std::string values[] = {
        "MIT_PATH", "mit_path", "", "Folder Shortcut", "Folder shortcut ", "3", " 3", "12", "-1",
        "MIT_GROUP_GENERAL", "a text much longer than any text of the fixed table, with d\xC3\xA9j\xC3\xA0 vu",
        "MIT_PATH_EXPLORER", "Open-All",
    };
    for (const Field& field : fields) {
        clsMenuItem item;
        for (const std::string& value : values) {
            (item.*field.set)(value);
            EXPECT_EQ((item.*field.get)(), value) << field.name;
            const clsMenuItem copy = item;
            EXPECT_EQ((copy.*field.get)(), value) << field.name << " (copy)";
        }
    }
}

TEST(CompactFieldsTest, InvalidCharactersGoWhereverTheyStand) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},           {":", ""},           {"x:", "x"},           {":x:", "x"},
        {"a\\b/c", "abc"}, {"||a||", "a"},      {"plain", "plain"},     {"d\xC3\xA9j\xC3\xA0:vu", "d\xC3\xA9j\xC3\xA0vu"},
        {"<a>\"b\"*?", "ab"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(RemoveInvalidChars(text), expected) << text;
}

TEST(CompactFieldsTest, DriveTypeKeepsDecimalTextOfAnyNumber) {
    for (int32_t value : {0, 2, 3, 5, 9, 10, -1, 123, -2147483647 - 1, 2147483647}) {
        clsMenuItem item;
        item.SetDriveType(value);
        EXPECT_EQ(item.DriveTypeText(), std::to_string(value));
        EXPECT_EQ(item.DriveType(), value);
    }
}

TEST(CompactFieldsTest, DrivesAreDescribedByTheirTypeWhateverForm) {
    struct Case {
        int32_t driveType;
        const char* driveText; // set as text instead, when given
        int icon;
        const char* description;
    };
    const Case cases[] = {
        {3, nullptr, ICON_FIXED_DISK, "Local Disk"},   {4, nullptr, ICON_REMOTE_DISK, "Remote Disk"},
        {2, nullptr, ICON_FLOPPY, "3.5-Inch Floppy Disk"}, {5, nullptr, ICON_CDROM, "Compact Disc"},
        {6, nullptr, ICON_FIXED_DISK, "Disk"},         {0, " 3", ICON_FIXED_DISK, "Disk"},
        {0, "03", ICON_FIXED_DISK, "Disk"},            {0, "4", ICON_REMOTE_DISK, "Remote Disk"},
    };
    for (const Case& c : cases) {
        clsMenuItem item;
        item.SetItemType(MIT_DRIVE);
        item.SetDescription("kept until described");
        if (c.driveText)
            item.SetDriveTypeText(c.driveText);
        else
            item.SetDriveType(c.driveType);
        item.SetIconIDDescription();
        EXPECT_EQ(item.IconID(), c.icon) << item.DriveTypeText();
        EXPECT_EQ(item.Description(), c.description) << item.DriveTypeText();
    }
}

TEST(CompactFieldsTest, RareFieldsAreSetClearedAndCopiedApart) {
    clsMenuItem item;
    item.SetNameOld("old");
    item.SetNetworkPath("\\\\server\\share");
    item.SetRemark(REMARK_AUTO);
    item.SetTimeAccessed(DateTime{2024, 2, 29, 23, 59, 58});
    clsMenuItem copy = item;
    copy.SetNameOld("");
    copy.SetRemark("changed");
    copy.SetTimeAccessed(DateTime::Zero());
    EXPECT_EQ(item.NameOld(), "old");
    EXPECT_EQ(item.NetworkPath(), "\\\\server\\share");
    EXPECT_EQ(item.Remark(), REMARK_AUTO);
    EXPECT_EQ(item.TimeAccessed(), (DateTime{2024, 2, 29, 23, 59, 58}));
    EXPECT_EQ(copy.NameOld(), "");
    EXPECT_EQ(copy.NetworkPath(), "\\\\server\\share");
    EXPECT_EQ(copy.Remark(), "changed");
    EXPECT_TRUE(copy.TimeAccessed().IsZero());
}

TEST(CompactFieldsTest, TimesKeepEveryPartAcrossTheirRange) {
    const DateTime times[] = {DateTime::Zero(), DateTime{100, 1, 1, 0, 0, 0}, DateTime{9999, 12, 31, 23, 59, 59},
                              DateTime{2026, 6, 15, 12, 30, 45}};
    for (const DateTime& time : times) {
        clsMenuItem item;
        item.SetTimeCreated(time);
        item.SetTimeModified(time);
        item.SetTimeAccessed(time);
        EXPECT_EQ(item.TimeCreated(), time);
        EXPECT_EQ(item.TimeModified(), time);
        EXPECT_EQ(item.TimeAccessed(), time);
    }
}

// The menu text is kept apart from the caption only when it differs; every way of changing either keeps
// both right.
TEST(CompactFieldsTest, MenuTextFollowsTheCaptionUnlessSetApart) {
    const std::string longCaption(60, 'c');
    const std::string shortened = std::string(22, 'c') + "..." + std::string(25, 'c');
    clsMenuItem item;
    item.SetCaption(longCaption);
    EXPECT_EQ(item.CaptionMenu(), shortened);
    item.SetCaption("Short");
    EXPECT_EQ(item.CaptionMenu(), "Short");
    item.SetCaptionMenu("Other");
    EXPECT_EQ(item.Caption(), "Short");
    EXPECT_EQ(item.CaptionMenu(), "Other");
    clsMenuItem copy = item;
    EXPECT_EQ(copy.CaptionMenu(), "Other");
    item.SetCaptionMenu("Short");
    EXPECT_EQ(item.CaptionMenu(), "Short");
    item.SetCaption("Renamed");
    EXPECT_EQ(item.CaptionMenu(), "Renamed");
    EXPECT_EQ(copy.CaptionMenu(), "Other");

    // An Open-All item's caption becomes "Open-All" while its menu text stays.
    clsMenuItem openAll;
    openAll.SetCaption("Open them all");
    openAll.SetItemType(MIT_OPENALL);
    openAll.SetIconIDDescription();
    EXPECT_EQ(openAll.Caption(), "Open-All");
    EXPECT_EQ(openAll.CaptionMenu(), "Open them all");
    EXPECT_EQ(openAll.Description(), "Open-All");
}

} // namespace
} // namespace krv
