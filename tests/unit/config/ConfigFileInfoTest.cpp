#include "config/ConfigFileInfo.h"

#include <gtest/gtest.h>

#include "dialogs/modRegionalSettings.h"
#include "fakes/FakeFileDetails.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocale.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "model/clsMenuCollection.h"
#include "platform/Text.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"
#include "unit/config/ConfigFileBuilder.h"

namespace krv {
namespace {

using test::FileBuilder;

constexpr const char* kFile = "C:\\Users\\Ann\\tree.krvc";

TEST(ConfigFileSizeText, KilobytesAndMegabytesWithTheUsersDigitGrouping) {
    const NumberFormatting english{".", ",", "3;0"};
    const NumberFormatting german{",", ".", "3;0"};
    const NumberFormatting indian{".", ",", "3;2;0"};
    const NumberFormatting once{".", " ", "3"};
    struct Case {
        uint64_t bytes;
        const NumberFormatting* format;
        const char* expected;
    };
    const Case cases[] = {
        {1536, &english, "1.5 KB (1,536 bytes)"},
        {1536, &german, "1,5 KB (1.536 bytes)"},
        {512, &english, ".5 KB (512 bytes)"},
        {512, &german, ",5 KB (512 bytes)"},
        {2097152, &english, "2.0 MB (2,097,152 bytes)"},
        {2097152, &german, "2,0 MB (2.097.152 bytes)"},
        {0, &english, ".0 KB (0 bytes)"},
        {1048575, &english, "1024.0 KB (1,048,575 bytes)"},
        {123456789, &indian, "117.7 MB (12,34,56,789 bytes)"},
        {123456789, &once, "117.7 MB (123456 789 bytes)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileSizeText(c.bytes, *c.format), c.expected) << c.bytes;

    FakeLocale locale;
    EXPECT_EQ(ReadNumberFormatting(locale).ThousandSeparator, ",") << "a missing item keeps the default";
    locale.items[LOCALE_ITEM_THOUSAND_SEPARATOR] = "'";
    locale.items[LOCALE_ITEM_DIGIT_GROUPING] = "3;2;0";
    EXPECT_EQ(FormatGrouped(1234567, ReadNumberFormatting(locale)), "12'34'567");
}

class ConfigFileInfoTest : public ::testing::Test {
protected:
    ConfigFileInfoTest() {
        InitOptionNames(options);
        LoadOptions(options, regHandler, false);
        locale.items[LOCALE_ITEM_SHORT_DATE] = "dd.MM.yyyy";
        locale.items[LOCALE_ITEM_TIME_SEPARATOR] = ":";
        locale.items[LOCALE_ITEM_CLOCK_24H] = "1";
        locale.items[LOCALE_ITEM_HOUR_LEADING_ZERO] = "1";
        items = FileBuilder().Record("[MIT_GROUP_USER:]").Record("[END:]").Bytes();
    }

    FakeFileSystem fs;
    FakeFileDetails details;
    FakeMessageBox messages;
    FakeLocale locale;
    modRegionalSettings regional{locale};
    Windows1252CodePage codePage;
    FakeRegistry registry;
    clsRegHandler regHandler{registry};
    Options options;
    modFileHandler handler{
        fs, codePage, regHandler, "C:\\Program Files\\Karvello", options, [](clsMenuCollection&, bool) {}};
    ConfigFileInfo info{handler, details, messages, regional, locale};
    std::string items;
};

TEST_F(ConfigFileInfoTest, FilePageShowsTheFileLastLoaded) {
    fs.AddFile(kFile, items);
    details.Set(kFile, {"TREE~1.KRV",
                        1536,
                        {2026, 12, 7, 8, 5, 3},
                        {2026, 12, 8, 0, 0, 0},
                        {},
                        FILE_ATTR_ARCHIVE | FILE_ATTR_READONLY});
    handler.SetLoadedConfigFile(kFile);
    const auto page = info.Open();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->Name, "tree.krvc");
    EXPECT_EQ(page->Location, "C:\\Users\\Ann");
    EXPECT_EQ(page->ShortName, "TREE~1.KRV");
    EXPECT_EQ(page->Size, "1.5 KB (1,536 bytes)");
    EXPECT_EQ(page->Created, "07.12.2026 08:05:03");
    EXPECT_EQ(page->Modified, "08.12.2026");
    EXPECT_TRUE(page->ReadOnly && page->Archive && !page->Hidden && !page->System);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ConfigFileInfoTest, WithNothingLoadedTheCurrentFileIsShownAndWrittenOnceItExists) {
    // The first start begins with the default tree and saves it to the current file without loading it.
    fs.AddFile(kFile, items);
    details.Set(kFile, {"TREE~1.KRV", 512, {}, {}, {}, FILE_ATTR_ARCHIVE});
    handler.SetCurrentConfigFile(kFile);
    handler.SetLoadedConfigFile("");
    const auto page = info.Open();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->Name, "tree.krvc");
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(info.Close(true, {"Title", "", "", "", ""}));
    EXPECT_EQ(fs.Content(kFile), FileBuilder().Raw(items).SummaryBlock("[SUMMARY_TITLE:]", "Title").Bytes());
}

TEST_F(ConfigFileInfoTest, AMissingFileIsNamedInTheMessage) {
    handler.SetCurrentConfigFile("C:\\Program Files\\Karvello\\default.krvc");
    struct Case {
        const char* loaded;
        const char* named;
    };
    for (const Case c : {Case{"", "C:\\Program Files\\Karvello\\default.krvc"},
                         Case{"C:\\Users\\Ann\\other.krvc", "C:\\Users\\Ann\\other.krvc"}}) {
        FakeMessageBox box;
        ConfigFileInfo missing{handler, details, box, regional, locale};
        handler.SetLoadedConfigFile(c.loaded);
        EXPECT_FALSE(missing.Open());
        ASSERT_EQ(box.Shown().size(), 1u);
        EXPECT_EQ(box.Shown()[0].text, std::string("File ") + c.named + " doesn't exist.");
        EXPECT_EQ(box.Shown()[0].title, "Karvello");
        EXPECT_EQ(box.Shown()[0].icon, MessageIcon::Critical);
    }
}

TEST_F(ConfigFileInfoTest, AcceptingWritesOnlyTheSummaryBlocksAndCancelNothing) {
    const std::string original = FileBuilder()
                                     .Raw(items)
                                     .SummaryBlock("[SUMMARY_TITLE:]", "Old")
                                     .SummaryBlock("[SUMMARY_COMMENTS:]", "Notes")
                                     .Bytes();
    fs.AddFile(kFile, original);
    handler.SetLoadedConfigFile(kFile);

    EXPECT_TRUE(info.Close(false, {"Edited", "Ann", "", "", ""}));
    EXPECT_EQ(fs.Content(kFile), original);
    EXPECT_EQ(fs.ReplaceCount(), 0);

    EXPECT_TRUE(info.Close(true, {"New", "Ann", "", "k1", ""}));
    EXPECT_EQ(fs.Content(kFile), FileBuilder()
                                     .Raw(items)
                                     .SummaryBlock("[SUMMARY_TITLE:]", "New")
                                     .SummaryBlock("[SUMMARY_AUTHOR:]", "Ann")
                                     .SummaryBlock("[SUMMARY_KEYWORDS:]", "k1")
                                     .Bytes());
    EXPECT_EQ(handler.Summary().SummaryKeywords, "k1");

    EXPECT_TRUE(info.Close(true, {}));
    EXPECT_EQ(fs.Content(kFile), items) << "all five empty: no summary block is left";
}

TEST_F(ConfigFileInfoTest, StatisticsCountTheTreeAndShowFourOptions) {
    clsMenuCollection tree;
    const auto add = [&tree](const char* name, const char* owner, const char* type, bool group) {
        clsMenuItem item;
        item.SetName(name);
        item.SetOwnerName(owner);
        item.SetSubMenu(group);
        item.SetItemType(type);
        ASSERT_TRUE(tree.AddOne(item, true, false));
    };
    add(MIT_GROUP_USER, "-1", MIT_GROUP_USER, true);
    add("N1", MIT_GROUP_USER, MIT_PATH, false);
    add("N2", MIT_GROUP_USER, MIT_OPENALL, false);
    add("N3", MIT_GROUP_USER, MIT_GROUP_GENERAL, true);
    options.AppearanceOptions[AC1_SHOW_DRIVES] = false;
    options.AppearanceOptions[AC3_SHOW_OPTIONS] = false;

    const std::vector<StatisticRow> rows = StatisticsRows(tree, options);
    const CollectionCounts counts = tree.CountCollection();
    const std::vector<StatisticRow> expected = {
        {"C1", "Number of shortcuts", std::to_string(counts.Total)},
        {"C2", "Number of Folder Shortcuts", std::to_string(counts.Shortcuts)},
        {"C3", "Number of Windows Explorer Shortcuts", std::to_string(counts.ExplorerShortcuts)},
        {"C4", "Number of Open-All shortcuts", std::to_string(counts.OpenAll)},
        {"C5", "Number of groups", std::to_string(counts.Groups)},
        {"C6", "Show System Folders group", "Yes"},
        {"C7", "Show Drives group in menu", "No"},
        {"C8", "Show Help in menu", "Yes"},
        {"C9", "Show Options in menu", "No"},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(counts.OpenAll, 1);
}

} // namespace
} // namespace krv
