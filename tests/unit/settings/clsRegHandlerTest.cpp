#include "settings/clsRegHandler.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"

namespace krv {
namespace {

constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr const char* kKey = "Software\\Tessary\\Karvello\\Settings";

class RegHandlerTest : public ::testing::Test {
protected:
    FakeRegistry registry;
    clsRegHandler reg{registry};
};

TEST_F(RegHandlerTest, SetKeyValueWritesUtf16WithTerminatorAndCreatesMissingKeys) {
    EXPECT_TRUE(reg.SetKeyValue(HKCU, kKey, "ConfigFile", "C:\\Données\\a.krvc"));
    EXPECT_TRUE(registry.KeyExists(HKCU, "Software\\Tessary"));
    EXPECT_EQ(registry.String(HKCU, kKey, "ConfigFile"), "C:\\Données\\a.krvc");

    // An empty text still writes a value: the terminator alone.
    EXPECT_TRUE(reg.SetKeyValue(HKCU, kKey, "Empty", ""));
    auto empty = registry.Value(HKCU, kKey, "Empty");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->type, RegistryValueType::String);
    EXPECT_EQ(empty->data, (std::vector<uint8_t>{0, 0}));
    std::string text = "caller's";
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kKey, "Empty", text));
    EXPECT_EQ(text, "");
}

TEST_F(RegHandlerTest, FailedSetKeyValueEmptiesTheCallersText) {
    registry.DenyAccess(HKCU, kKey);
    std::string text = "-1";
    EXPECT_FALSE(reg.SetKeyValue(HKCU, kKey, "GC0", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(reg.SetKeyValue(HKCU, kKey, "GC0", "0"));
    EXPECT_FALSE(reg.CreateKey(HKCU, kKey));
    EXPECT_FALSE(reg.SaveKeyValueDWord(HKCU, kKey, "n", 1));
}

TEST_F(RegHandlerTest, GetKeyValueByValueType) {
    registry.PutString(HKCU, kKey, "Text", "hello");
    registry.PutDWord(HKCU, kKey, "Number", 123);
    registry.PutDWord(HKCU, kKey, "Negative", 0xFFFFFFFEu);
    registry.PutBinary(HKCU, kKey, "Blob", {1, 2, 3});
    // Written by another program without a terminator.
    registry.SetValue(HKCU, kKey, "Bare", {RegistryValueType::String, {'a', 0, 'b', 0}});

    std::string text = "unchanged";
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kKey, "Blob", text));
    EXPECT_EQ(text, "unchanged");
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kKey, "Text", text));
    EXPECT_EQ(text, "hello");
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kKey, "Number", text));
    EXPECT_EQ(text, "123");
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kKey, "Negative", text));
    EXPECT_EQ(text, "-2");
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kKey, "Bare", text));
    EXPECT_EQ(text, "ab");

    text = "stale";
    EXPECT_FALSE(reg.GetKeyValue(HKCU, kKey, "Missing", text));
    EXPECT_EQ(text, "");
    text = "stale";
    EXPECT_FALSE(reg.GetKeyValue(HKCU, "Software\\Nowhere", "Text", text));
    EXPECT_EQ(text, "");
}

TEST_F(RegHandlerTest, ExpandableTextsAreReadOnlyWhereTheCallerExpandsThem) {
    registry.Put(HKCU, kKey, "Command", {RegistryValueType::ExpandString, EncodeRegistryString("%A%\\b")});
    registry.PutString(HKCU, kKey, "Plain", "%A%\\b");
    registry.PutDWord(HKCU, kKey, "Number", 7);
    const clsRegHandler::ExpandReferences expand = [](std::string_view text) {
        return "[" + std::string(text) + "]";
    };

    std::string text = "unchanged";
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kKey, "Command", text));
    EXPECT_EQ(text, "unchanged");
    EXPECT_TRUE(reg.GetKeyValueExpanded(HKCU, kKey, "Command", expand, text));
    EXPECT_EQ(text, "[%A%\\b]");
    EXPECT_TRUE(reg.GetKeyValueExpanded(HKCU, kKey, "Plain", expand, text));
    EXPECT_EQ(text, "%A%\\b");
    EXPECT_TRUE(reg.GetKeyValueExpanded(HKCU, kKey, "Number", expand, text));
    EXPECT_EQ(text, "7");
    EXPECT_FALSE(reg.GetKeyValueExpanded(HKCU, kKey, "Missing", expand, text));
    EXPECT_EQ(text, "");
}

TEST_F(RegHandlerTest, LongValuesAreReadWhole) {
    const std::string longText(5000, 'x');
    ASSERT_TRUE(reg.SetKeyValue(HKCU, kKey, "Long", longText));
    std::string text;
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kKey, "Long", text));
    EXPECT_EQ(text, longText);
}

TEST_F(RegHandlerTest, DWordValuesRoundTripAndOtherTypesAreNotNumbers) {
    EXPECT_TRUE(reg.SaveKeyValueDWord(HKCU, "Software\\Tessary\\Karvello", "HWND", 0x00123456u));
    auto raw = registry.Value(HKCU, "Software\\Tessary\\Karvello", "HWND");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, RegistryValueType::DWord);
    EXPECT_EQ(raw->data, (std::vector<uint8_t>{0x56, 0x34, 0x12, 0x00}));

    uint32_t number = 99;
    EXPECT_TRUE(reg.GetKeyValueDWord(HKCU, "Software\\Tessary\\Karvello", "HWND", number));
    EXPECT_EQ(number, 0x00123456u);
    registry.PutString(HKCU, kKey, "Text", "12");
    number = 99;
    EXPECT_FALSE(reg.GetKeyValueDWord(HKCU, kKey, "Text", number));
    EXPECT_EQ(number, 0u);
    number = 99;
    EXPECT_FALSE(reg.GetKeyValueDWord(HKCU, kKey, "Missing", number));
    EXPECT_EQ(number, 0u);
}

TEST_F(RegHandlerTest, DeletesValuesAndKeys) {
    reg.SetKeyValue(HKCU, kKey, "GC0", "-1");
    EXPECT_TRUE(reg.DeleteValue(HKCU, kKey, "GC0"));
    EXPECT_FALSE(registry.ValueExists(HKCU, kKey, "GC0"));
    EXPECT_FALSE(reg.DeleteValue(HKCU, kKey, "GC0"));
    EXPECT_FALSE(reg.DeleteValue(HKCU, "Software\\Nowhere", "GC0"));

    EXPECT_TRUE(reg.CreateKey(HKCU, "Software\\Tessary\\Karvello\\frmOrg"));
    EXPECT_TRUE(reg.DeleteKey(HKCU, "Software\\Tessary\\Karvello", "frmOrg"));
    EXPECT_FALSE(registry.KeyExists(HKCU, "Software\\Tessary\\Karvello\\frmOrg"));
    EXPECT_FALSE(reg.DeleteKey(HKCU, "Software\\Tessary\\Karvello", "frmOrg"));
    EXPECT_FALSE(reg.DeleteKey(HKCU, "Software\\Tessary", "Karvello")); // still has Settings below it
}

} // namespace
} // namespace krv
