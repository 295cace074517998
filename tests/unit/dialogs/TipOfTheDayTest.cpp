#include "dialogs/TipOfTheDay.h"

#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "platform/Text.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace krv {
namespace {

constexpr const char* kFolder = "C:\\Program Files\\Karvello";
constexpr const char* kTips = "C:\\Program Files\\Karvello\\TIPOFDAY.TXT";

class TipOfTheDayTest : public ::testing::Test {
protected:
    TipOfTheDay Tips() {
        return TipOfTheDay(files, codePage, [this] { return randoms.at(nextRandom++ % randoms.size()); });
    }

    FakeFileSystem files;
    Windows1252CodePage codePage;
    std::vector<double> randoms{0.0};
    size_t nextRandom = 0;
};

TEST(TipLines, EveryLineEndCountsAndEmptyLinesAreTips) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitTipLines(""), Lines{});
    EXPECT_EQ(SplitTipLines("one"), Lines{"one"});
    EXPECT_EQ(SplitTipLines("one\r\n"), Lines{"one"});
    EXPECT_EQ(SplitTipLines("a\r\n\r\nb\nc\rd"), (Lines{"a", "", "b", "c", "d"}));
}

TEST_F(TipOfTheDayTest, TheNotFoundTextKeepsItsTrailingBlanks) {
    TipOfTheDay tips = Tips();
    EXPECT_EQ(tips.LoadWindow(kFolder),
              "That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named TIPOFDAY.TXT using "
              "NotePad with 1 tip per line. Then place it in the same directory as the application. ");
    EXPECT_FALSE(tips.LoadTips(""));
    files.AddFolder(kTips); // a folder of that name is no tips file
    EXPECT_FALSE(tips.LoadTips(kTips));
}

TEST_F(TipOfTheDayTest, AnEmptyFileLoadsAndLeavesTheLabelAlone) {
    files.AddFile(kTips, "");
    TipOfTheDay tips = Tips();
    EXPECT_TRUE(tips.LoadTips(kTips));
    EXPECT_EQ(tips.TipCount(), 0u);
    EXPECT_EQ(tips.DisplayCurrentTip(), std::nullopt);
    tips.ShowRandomTip();
    EXPECT_EQ(tips.DisplayCurrentTip(), std::nullopt);
    EXPECT_EQ(tips.LoadWindow(kFolder), std::nullopt);
}

TEST_F(TipOfTheDayTest, RandomTipsFromTheAnsiFileAndNextTip) {
    files.AddFile(kTips, "only one\r\n");
    randoms = {0.0, 0.99, 0.5};
    TipOfTheDay single = Tips();
    ASSERT_TRUE(single.LoadTips(kTips));
    for (int click = 0; click < 3; ++click) {
        EXPECT_EQ(single.DisplayCurrentTip(), "only one");
        single.ShowRandomTip();
    }

    files.AddFile(kTips, "first\r\nsecond caf\xE9\r\nthird");
    randoms = {0.0, 0.34, 0.999999, 0.5, 1.0};
    nextRandom = 0;
    TipOfTheDay tips = Tips();
    ASSERT_TRUE(tips.LoadTips(kTips));
    EXPECT_EQ(tips.TipCount(), 3u);
    EXPECT_EQ(tips.DisplayCurrentTip(), "first");
    const char* expected[] = {"second caf\xC3\xA9", "third", "second caf\xC3\xA9", "first"};
    for (const char* tip : expected) {
        tips.ShowRandomTip();
        EXPECT_EQ(tips.DisplayCurrentTip(), tip);
    }
}

TEST(TipCheckBox, WritesTipAtOnce) {
    FakeRegistry registry;
    clsRegHandler handler(registry);
    Options options;
    SetShowTips(options, handler, false);
    EXPECT_FALSE(options.ShowTips);
    EXPECT_EQ(registry.String(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, REG_VALUE_TIP), "0");
    SetShowTips(options, handler, true);
    EXPECT_TRUE(options.ShowTips);
    EXPECT_EQ(registry.String(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, REG_VALUE_TIP), "-1");
}

} // namespace
} // namespace krv
