// clsRegHandler over the real registry (Wine's on Linux). Every test works below one key of its own and
// removes it afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/Text.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemInfo.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr const char* kTestKey = "Software\\Tessary\\KarvelloTest";

class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kTestKey).c_str()); }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, Widen(kTestKey).c_str());
        HKEY key = nullptr;
        EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, Widen(kTestKey).c_str(), 0, KEY_READ, &key),
                  ERROR_SUCCESS);
    }

    // Reads a value with the API itself, as an independent witness of what was stored.
    static bool RawValue(const std::string& path, const std::string& name, DWORD& type,
                         std::vector<BYTE>& data) {
        DWORD size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, Widen(path).c_str(), Widen(name).c_str(),
                         RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size) != ERROR_SUCCESS)
            return false;
        data.resize(size);
        return RegGetValueW(HKEY_CURRENT_USER, Widen(path).c_str(), Widen(name).c_str(),
                            RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(), &size) == ERROR_SUCCESS;
    }

    static void PutRaw(const std::string& name, DWORD type, const std::vector<BYTE>& data) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Widen(kTestKey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(
            RegSetValueExW(key, Widen(name).c_str(), 0, type, data.data(), static_cast<DWORD>(data.size())),
            ERROR_SUCCESS);
        RegCloseKey(key);
    }

    Win32Registry registry;
    clsRegHandler reg{registry};
};

TEST_F(Win32RegistryTest, SetKeyValueCreatesMissingParentsAndWritesTheTerminator) {
    const std::string deep = std::string(kTestKey) + "\\A\\B\\C";
    ASSERT_TRUE(reg.SetKeyValue(HKCU, deep, "Path",
                                "C:\\Donn\xC3\xA9"
                                "es\\\xE6\x97\xA5\xE6\x9C\xAC"));
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(RawValue(deep, "Path", type, data));
    EXPECT_EQ(type, DWORD{REG_SZ});
    const std::wstring expected = L"C:\\Donn\u00E9es\\\u65E5\u672C";
    ASSERT_EQ(data.size(), (expected.size() + 1) * sizeof(wchar_t));
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(data.data())), expected);

    std::string text;
    EXPECT_TRUE(reg.GetKeyValue(HKCU, deep, "Path", text));
    EXPECT_EQ(text, "C:\\Donn\xC3\xA9"
                    "es\\\xE6\x97\xA5\xE6\x9C\xAC");

    // An empty text is a value holding the terminator alone.
    ASSERT_TRUE(reg.SetKeyValue(HKCU, kTestKey, "Empty", ""));
    ASSERT_TRUE(RawValue(kTestKey, "Empty", type, data));
    EXPECT_EQ(type, DWORD{REG_SZ});
    EXPECT_EQ(data, (std::vector<BYTE>{0, 0}));
    text = "x";
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kTestKey, "Empty", text));
    EXPECT_EQ(text, "");
}

TEST_F(Win32RegistryTest, GetKeyValueByType) {
    ASSERT_TRUE(reg.CreateKey(HKCU, kTestKey));
    std::string text = "stale";
    EXPECT_FALSE(reg.GetKeyValue(HKCU, kTestKey, "Missing", text));
    EXPECT_EQ(text, "");
    text = "stale";
    EXPECT_FALSE(reg.GetKeyValue(HKCU, std::string(kTestKey) + "\\NoKey", "Missing", text));
    EXPECT_EQ(text, "");

    PutRaw("Blob", REG_BINARY, {1, 2, 3});
    text = "unchanged";
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kTestKey, "Blob", text));
    EXPECT_EQ(text, "unchanged");

    PutRaw("Number", REG_DWORD, {0x39, 0x30, 0, 0}); // 12345
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kTestKey, "Number", text));
    EXPECT_EQ(text, "12345");
    uint32_t number = 0;
    EXPECT_TRUE(reg.GetKeyValueDWord(HKCU, kTestKey, "Number", number));
    EXPECT_EQ(number, 12345u);

    ASSERT_TRUE(reg.SaveKeyValueDWord(HKCU, kTestKey, "Saved", 0xDEADBEEFu));
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(RawValue(kTestKey, "Saved", type, data));
    EXPECT_EQ(type, DWORD{REG_DWORD});
    EXPECT_EQ(data, (std::vector<BYTE>{0xEF, 0xBE, 0xAD, 0xDE}));
    EXPECT_TRUE(reg.GetKeyValueDWord(HKCU, kTestKey, "Saved", number));
    EXPECT_EQ(number, 0xDEADBEEFu);
}

// The uninstall command as installers store it: REG_EXPAND_SZ, read back with the system's own expansion.
TEST_F(Win32RegistryTest, ExpandableTextsReadWithTheirReferencesReplaced) {
    const std::wstring stored = L"\"%SystemRoot%\\Unkarvel.exe\" /S";
    std::vector<BYTE> data(reinterpret_cast<const BYTE*>(stored.c_str()),
                           reinterpret_cast<const BYTE*>(stored.c_str() + stored.size() + 1));
    PutRaw("UninstallString", REG_EXPAND_SZ, data);
    Win32SystemInfo system;
    const clsRegHandler::ExpandReferences expand = [&system](std::string_view text) {
        return system.ExpandEnvironment(text);
    };

    std::string text;
    ASSERT_TRUE(reg.GetKeyValueExpanded(HKCU, kTestKey, "UninstallString", expand, text));
    EXPECT_EQ(Utf8ToUpper(text), Utf8ToUpper("\"" + system.WindowsFolder() + "\\Unkarvel.exe\" /S"));
    EXPECT_EQ(text.find('%'), std::string::npos) << text;
}

TEST_F(Win32RegistryTest, LongValuesAreReadWhole) {
    std::string longText;
    for (int i = 0; i < 5000; ++i)
        longText += static_cast<char>('a' + i % 26);
    ASSERT_TRUE(reg.SetKeyValue(HKCU, kTestKey, "Long", longText));
    std::string text;
    EXPECT_TRUE(reg.GetKeyValue(HKCU, kTestKey, "Long", text));
    EXPECT_EQ(text, longText);
}

TEST_F(Win32RegistryTest, DeletesValuesAndKeys) {
    const std::string sub = std::string(kTestKey) + "\\Sub";
    ASSERT_TRUE(reg.SetKeyValue(HKCU, sub, "V", "1"));
    EXPECT_TRUE(reg.DeleteValue(HKCU, sub, "V"));
    std::string text;
    EXPECT_FALSE(reg.GetKeyValue(HKCU, sub, "V", text));
    EXPECT_FALSE(reg.DeleteValue(HKCU, sub, "V"));

    ASSERT_TRUE(reg.CreateKey(HKCU, sub + "\\Inner"));
    EXPECT_FALSE(reg.DeleteKey(HKCU, kTestKey, "Sub")); // it still has a subkey
    EXPECT_TRUE(reg.DeleteKey(HKCU, sub, "Inner"));
    EXPECT_TRUE(reg.DeleteKey(HKCU, kTestKey, "Sub"));
    EXPECT_FALSE(registry.OpenKey(HKCU, sub));
    EXPECT_FALSE(reg.DeleteKey(HKCU, kTestKey, "Sub"));
    EXPECT_TRUE(registry.OpenKey(HKCU, kTestKey));
}

} // namespace
} // namespace krv
