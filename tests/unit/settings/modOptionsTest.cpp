#include "settings/modOptions.h"

#include "fakes/FakeRegistry.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr const char* kExe = "\"C:\\Program Files\\Karvello\\Karvello.exe\"";

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest() { InitOptionNames(options); }
    void Store(const char* name, const char* text) { registry.PutString(HKCU, REG_KEY_SETTINGS, name, text); }

    FakeRegistry registry;
    clsRegHandler reg{registry};
    Options options;
};

TEST_F(OptionsTest, NamesFollowPrefixAndIndex) {
    EXPECT_EQ(options.GeneralOptionNames[4], "GC4");
    EXPECT_EQ(options.AppearanceOptionNames[0], "AC0");
    EXPECT_EQ(options.AdvancedOptionNames[7], "ADVC7");
    for (size_t i = 0; i < OptionTable().size(); ++i)
        EXPECT_NE(options.Find(OptionTable()[i].ValueName), nullptr) << i;
    EXPECT_EQ(options.Find("AC7"), nullptr);
    EXPECT_EQ(options.Find("GC01"), nullptr);
    EXPECT_EQ(options.Find("ADVC"), nullptr);
    EXPECT_EQ(options.Find("gc0"), nullptr);
    EXPECT_EQ(options.Find("TIP"), &options.ShowTips);
    EXPECT_TRUE(options.Set("ADVC5", true));
    EXPECT_TRUE(options.AdvancedOptions[ADVC5_SYSTEM_FOLDERS_IN_DIRECTORIES]);
    EXPECT_TRUE(options.Get("ADVC5"));
    EXPECT_FALSE(options.Set("XY1", true));
}

TEST_F(OptionsTest, AnEmptySettingsKeyLoadsTheDefaults) {
    options.GeneralOptions.fill(false);
    options.AdvancedOptions.fill(true);
    options.ShowTips = true;
    LoadOptions(options, reg, false);
    EXPECT_EQ(options.GeneralOptions, (std::array<bool, 5>{true, true, false, true, true}));
    EXPECT_EQ(options.AppearanceOptions, (std::array<bool, 7>{true, true, true, true, true, true, true}));
    EXPECT_EQ(options.AdvancedOptions, (std::array<bool, 8>{}));
    EXPECT_FALSE(options.ShowTips);
}

TEST_F(OptionsTest, StoredTextsConvertToBooleans) {
    Store("GC0", "0");
    Store("GC1", "False");
    Store("GC2", "True");
    Store("GC3", "   ");   // blanks: default (on)
    Store("GC4", "maybe"); // unreadable: default (on)
    Store("AC0", " -1 ");
    Store("AC1", "false");
    Store("AC2", "0.0");
    Store("ADVC0", "1");
    Store("ADVC1", "-1");
    Store("ADVC2", "2");
    Store("ADVC3", ""); // empty: default (off)
    Store("TIP", "-1");
    registry.PutDWord(HKCU, REG_KEY_SETTINGS, "ADVC4", 1);  // a number written by another tool
    registry.PutBinary(HKCU, REG_KEY_SETTINGS, "AC3", {1}); // unreadable type: default (on)
    LoadOptions(options, reg, false);
    EXPECT_EQ(options.GeneralOptions, (std::array<bool, 5>{false, false, true, true, true}));
    EXPECT_TRUE(options.AppearanceOptions[AC0_SHOW_SYSTEM_FOLDERS]);
    EXPECT_FALSE(options.AppearanceOptions[AC1_SHOW_DRIVES]);
    EXPECT_FALSE(options.AppearanceOptions[AC2_SHOW_HELP]);
    EXPECT_TRUE(options.AppearanceOptions[AC3_SHOW_OPTIONS]);
    EXPECT_EQ(options.AdvancedOptions,
              (std::array<bool, 8>{true, true, true, false, true, false, false, false}));
    EXPECT_TRUE(options.ShowTips);
}

TEST_F(OptionsTest, HotKeysAreForcedOffOnTheOldWindowsFamily) {
    Store("ADVC7", "-1");
    LoadOptions(options, reg, false);
    EXPECT_TRUE(options.AdvancedOptions[ADVC7_HOT_KEYS]);
    LoadOptions(options, reg, true);
    EXPECT_FALSE(options.AdvancedOptions[ADVC7_HOT_KEYS]);
}

TEST_F(OptionsTest, ParseBooleanTextRejectsWhatIsNoNumber) {
    EXPECT_EQ(ParseBooleanText("\t-1\t"), true);
    EXPECT_EQ(ParseBooleanText("+0"), false);
    EXPECT_EQ(ParseBooleanText("TRUE"), true);
    EXPECT_EQ(ParseBooleanText("-"), std::nullopt);
    EXPECT_EQ(ParseBooleanText("."), std::nullopt);
    EXPECT_EQ(ParseBooleanText("1 1"), std::nullopt);
    EXPECT_EQ(ParseBooleanText("1.2.3"), std::nullopt);
    EXPECT_EQ(ParseBooleanText("Truely"), std::nullopt);
}

TEST_F(OptionsTest, SaveWritesEveryOptionAndTheStartUpEntry) {
    LoadOptions(options, reg, false);
    options.AdvancedOptions[ADVC0_LOAD_ON_STARTUP] = true;
    options.GeneralOptions[GC0_ASK_BEFORE_DELETING] = false;
    SaveOptions(options, reg, kExe);

    std::vector<std::string> expectedNames;
    for (const auto& row : OptionTable())
        expectedNames.push_back(row.ValueName);
    EXPECT_EQ(registry.ValueNames(HKCU, REG_KEY_SETTINGS), expectedNames); // in table order, no "TIP"
    EXPECT_EQ(registry.String(HKCU, REG_KEY_SETTINGS, "GC0"), "0");
    EXPECT_EQ(registry.String(HKCU, REG_KEY_SETTINGS, "GC1"), "-1");
    EXPECT_EQ(registry.String(HKCU, REG_KEY_SETTINGS, "ADVC0"), "-1");
    EXPECT_EQ(registry.String(HKCU, REG_KEY_RUN, "Karvello"), kExe);

    // Saved and loaded again, the options are the same.
    Options reloaded;
    InitOptionNames(reloaded);
    LoadOptions(reloaded, reg, false);
    EXPECT_EQ(reloaded, options);

    // Off: the entry goes on the next save, and a save without the entry present is harmless.
    options.AdvancedOptions[ADVC0_LOAD_ON_STARTUP] = false;
    SaveOptions(options, reg, kExe);
    EXPECT_FALSE(registry.ValueExists(HKCU, REG_KEY_RUN, "Karvello"));
    SaveOptions(options, reg, kExe);
    EXPECT_FALSE(registry.ValueExists(HKCU, REG_KEY_RUN, "Karvello"));
}

TEST_F(OptionsTest, AFailedWriteDoesNotStopTheOthers) {
    registry.DenyAccess(HKCU, REG_KEY_SETTINGS);
    options.AdvancedOptions[ADVC0_LOAD_ON_STARTUP] = true;
    SaveOptions(options, reg, kExe);
    EXPECT_EQ(registry.String(HKCU, REG_KEY_RUN, "Karvello"), kExe);
}

} // namespace
} // namespace krv
