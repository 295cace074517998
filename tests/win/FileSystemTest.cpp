// Win32FileSystem and the ANSI code page against the real API (Wine's on Linux), in a folder of their own.
#include "platform/Text.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32FileSystem.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <windows.h>
// <windows.h> maps DeleteFile to DeleteFileW; here it is the file system operation.
#undef DeleteFile

namespace krv {
namespace {

class Win32FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        root = Narrow(temp) + "KarvelloFsTest_" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(fs.CreateFolder(root));
    }
    void TearDown() override { RemoveTree(root); }

    void RemoveTree(const std::string& folder) {
        for (const DirectoryEntry& entry : fs.ListFolder(folder)) {
            const std::string path = folder + "\\" + entry.name;
            if (entry.attributes & FILE_ATTR_DIRECTORY) {
                RemoveTree(path);
            } else {
                fs.SetAttributes(path, FILE_ATTR_NORMAL);
                fs.DeleteFile(path);
            }
        }
        fs.RemoveFolder(folder);
    }

    std::vector<std::string> Names(const std::string& folder) {
        std::vector<std::string> names;
        for (const DirectoryEntry& entry : fs.ListFolder(folder))
            names.push_back(entry.name);
        std::sort(names.begin(), names.end());
        return names;
    }

    Win32FileSystem fs;
    std::string root;
};

TEST_F(Win32FileSystemTest, FoldersFilesAndAttributesWithUnicodeNames) {
    const std::string folder = root + "\\Dossier \xC3\xA9t\xC3\xA9 \xE6\x97\xA5";
    EXPECT_TRUE(fs.CreateFolder(folder));
    EXPECT_FALSE(fs.CreateFolder(folder));
    EXPECT_TRUE(fs.FolderExists(folder));
    EXPECT_FALSE(fs.CreateFolder(root + "\\missing\\child"));

    const std::string file = folder + "\\a.krvc";
    ASSERT_TRUE(fs.ReplaceFileAtomically(file, std::string("one\0two", 7)));
    EXPECT_EQ(fs.ReadFile(file), std::string("one\0two", 7));
    EXPECT_TRUE(fs.FileExists(file));
    EXPECT_FALSE(fs.ReadFile(folder + "\\none.krvc"));

    EXPECT_TRUE(fs.SetAttributes(file, FILE_ATTR_HIDDEN | FILE_ATTR_READONLY));
    EXPECT_EQ(fs.GetAttributes(file).value_or(0) & (FILE_ATTR_HIDDEN | FILE_ATTR_READONLY),
              uint32_t{FILE_ATTR_HIDDEN | FILE_ATTR_READONLY});
    EXPECT_FALSE(fs.DeleteFile(file));
    EXPECT_TRUE(fs.SetAttributes(file, FILE_ATTR_NORMAL));

    EXPECT_EQ(Names(root), std::vector<std::string>{"Dossier \xC3\xA9t\xC3\xA9 \xE6\x97\xA5"});
    EXPECT_TRUE(fs.Rename(folder, root + "\\Renamed"));
    EXPECT_EQ(fs.ReadFile(root + "\\Renamed\\a.krvc"), std::string("one\0two", 7));
    EXPECT_FALSE(fs.RemoveFolder(root + "\\Renamed"));
    EXPECT_TRUE(fs.DeleteFile(root + "\\Renamed\\a.krvc"));
    EXPECT_TRUE(fs.RemoveFolder(root + "\\Renamed"));
    EXPECT_FALSE(fs.GetAttributes(root + "\\Renamed"));
}

TEST_F(Win32FileSystemTest, ReplaceFileAtomicallyReplacesOrLeavesTheOldFile) {
    const std::string file = root + "\\config.krvc";
    ASSERT_TRUE(fs.ReplaceFileAtomically(file, "old"));
    const std::string big(3 << 20, 'x'); // several write calls' worth
    ASSERT_TRUE(fs.ReplaceFileAtomically(file, big));
    EXPECT_EQ(fs.ReadFile(file), big);
    ASSERT_TRUE(fs.ReplaceFileAtomically(file, ""));
    EXPECT_EQ(fs.ReadFile(file), "");

    // A read-only target cannot be replaced: the old content stays and no temporary file is left behind.
    ASSERT_TRUE(fs.ReplaceFileAtomically(file, "kept"));
    ASSERT_TRUE(fs.SetAttributes(file, FILE_ATTR_READONLY));
    EXPECT_FALSE(fs.ReplaceFileAtomically(file, "lost"));
    EXPECT_EQ(fs.ReadFile(file), "kept");
    EXPECT_EQ(Names(root), std::vector<std::string>{"config.krvc"});

    EXPECT_FALSE(fs.ReplaceFileAtomically(root + "\\no folder\\x.krvc", "x"));
    ASSERT_TRUE(fs.CreateFolder(root + "\\sub"));
    EXPECT_FALSE(fs.ReplaceFileAtomically(root + "\\sub", "x"));
    ASSERT_TRUE(fs.RemoveFolder(root + "\\sub"));
    EXPECT_EQ(Names(root), std::vector<std::string>{"config.krvc"});
}

TEST(Win32AnsiCodePage, ConvertsThroughTheSystemCodePage) {
    Win32AnsiCodePage codePage;
    if (GetACP() != 1252)
        GTEST_SKIP() << "the expected bytes are those of Windows-1252; this system uses " << GetACP();
    EXPECT_EQ(codePage.ToAnsi("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
    EXPECT_EQ(codePage.FromAnsi("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(codePage.ToAnsi("\xE6\x97\xA5"), "?"); // not in the code page
    EXPECT_EQ(codePage.ToAnsi(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(codePage.FromAnsi(""), "");
}

} // namespace
} // namespace krv
