#include "fakes/FakeRegistry.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

constexpr auto HKCU = RegistryRoot::CurrentUser;

TEST(FakeRegistry, KeysAndValuesIgnoreCaseAndKeepTheirType) {
    FakeRegistry reg;
    EXPECT_FALSE(reg.OpenKey(HKCU, "Software\\Tessary"));
    EXPECT_TRUE(reg.CreateKey(HKCU, "Software\\Tessary\\Karvello\\Settings"));
    EXPECT_TRUE(reg.OpenKey(HKCU, "software\\TESSARY"));
    EXPECT_FALSE(reg.OpenKey(RegistryRoot::ClassesRoot, "Software\\Tessary"));

    reg.PutString(HKCU, "Software\\Tessary\\Karvello\\Settings", "GC0", "-1");
    reg.PutDWord(HKCU, "Software\\Tessary\\Karvello\\Settings", "Count", 7);
    auto value = reg.QueryValue(HKCU, "SOFTWARE\\Tessary\\Karvello\\Settings", "gc0");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, RegistryValueType::String);
    EXPECT_EQ(value->data, (std::vector<uint8_t>{'-', 0, '1', 0, 0, 0}));
    EXPECT_EQ(reg.String(HKCU, "Software\\Tessary\\Karvello\\Settings", "GC0"), "-1");
    EXPECT_FALSE(reg.String(HKCU, "Software\\Tessary\\Karvello\\Settings", "Count"));
    EXPECT_EQ(reg.ValueNames(HKCU, "Software\\Tessary\\Karvello\\Settings"),
              (std::vector<std::string>{"GC0", "Count"}));
}

TEST(FakeRegistry, DeleteKeyRefusesKeysWithSubkeys) {
    FakeRegistry reg;
    reg.CreateKey(HKCU, "Software\\A\\B\\C");
    reg.CreateKey(HKCU, "Software\\A\\B!");
    EXPECT_FALSE(reg.DeleteKey(HKCU, "Software\\A", "B"));
    EXPECT_TRUE(reg.DeleteKey(HKCU, "Software\\A", "B\\C"));
    EXPECT_TRUE(reg.DeleteKey(HKCU, "Software\\A", "b"));
    EXPECT_FALSE(reg.DeleteKey(HKCU, "Software\\A", "B"));
    EXPECT_EQ(reg.SubkeyNames(HKCU, "Software\\A"), std::vector<std::string>{"Software\\A\\B!"});
    EXPECT_FALSE(reg.DeleteValue(HKCU, "Software\\A", "missing"));
}

TEST(FakeRegistry, DeniedKeysRefuseEveryAccessBelowThem) {
    FakeRegistry reg;
    reg.PutString(HKCU, "Software\\Locked", "v", "x");
    reg.DenyAccess(HKCU, "Software\\Locked");
    EXPECT_FALSE(reg.OpenKey(HKCU, "Software\\Locked"));
    EXPECT_FALSE(reg.QueryValue(HKCU, "Software\\Locked", "v"));
    EXPECT_FALSE(reg.SetValue(HKCU, "Software\\Locked\\Sub", "v", {}));
    EXPECT_FALSE(reg.DeleteValue(HKCU, "Software\\Locked", "v"));
    EXPECT_FALSE(reg.CreateKey(HKCU, "Software\\Locked\\Sub"));
    EXPECT_EQ(reg.ChangeCount(), 0);
    EXPECT_TRUE(reg.SetValue(HKCU, "Software\\LockedNot", "v", {}));
    reg.AllowAccess(HKCU, "Software\\Locked");
    EXPECT_TRUE(reg.QueryValue(HKCU, "Software\\Locked", "v"));
}

} // namespace
} // namespace krv
