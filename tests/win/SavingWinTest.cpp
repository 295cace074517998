// Saving the configuration file against the real API (Wine's on Linux): texts the ANSI code page cannot hold
// and look-alikes that best-fit conversion would make, the attributes of a replaced file, and the backups
// and copies beside it, in a folder of the test's own.
#include <windows.h>
// <windows.h> maps DeleteFile to DeleteFileW; here it is the file system operation.
#undef DeleteFile

#include <gtest/gtest.h>
#include <memory>

#include "config/modFileHandler.h"
#include "fakes/TestTrees.h"
#include "model/clsMenuCollection.h"
#include "platform/Text.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace krv {
namespace {

// Characters that Windows-1252 lacks but for which best-fit conversion has a look-alike it does hold, so that
// without the mend "C:\Ｗindows" would be saved as the path of another, existing folder.
TEST(Win32AnsiCodePageBestFit, LookAlikesBecomeQuestionMarksAndAreNotHeld) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "the expected bytes are those of Windows-1252; this system uses " << GetACP();
    Win32AnsiCodePage codePage;
    const std::pair<const char*, const char*> lookAlikes[] = {
        {"C:\\\xEF\xBC\xB7indows", "C:\\?indows"}, // fullwidth W
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "?\xF3"
                                         "d?"}, // Łódź
        {"\xC4\x81", "?"},                      // ā
        {"x\xE2\x88\x9Ey", "x?y"},              // ∞
    };
    for (const auto& [text, bytes] : lookAlikes) {
        EXPECT_EQ(codePage.ToAnsi(text), bytes) << text;
        EXPECT_FALSE(codePage.Holds(text)) << text;
    }
    EXPECT_TRUE(codePage.Holds("caf\xC3\xA9 \xE2\x82\xAC"));
    EXPECT_TRUE(codePage.Holds("C:\\Windows"));
}

class SavingWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        root = Narrow(temp) + "KarvelloSavingTest_" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(fs.CreateFolder(root));
        file = root + "\\tree.krvc";
        InitOptionNames(options);
        LoadOptions(options, regHandler, false);
    }
    void TearDown() override {
        for (const DirectoryEntry& entry : fs.ListFolder(root)) {
            fs.SetAttributes(root + "\\" + entry.name, FILE_ATTR_NORMAL);
            fs.DeleteFile(root + "\\" + entry.name);
        }
        fs.RemoveFolder(root);
    }

    std::unique_ptr<clsMenuCollection> Load() {
        auto tree = std::make_unique<clsMenuCollection>();
        EXPECT_TRUE(handler.LoadConfigFile(*tree, file));
        return tree;
    }

    Win32FileSystem fs;
    Win32AnsiCodePage codePage;
    Win32Registry registry;
    clsRegHandler regHandler{registry};
    Options options;
    modFileHandler handler{fs, codePage, regHandler, "", options, nullptr};
    std::string root;
    std::string file;
};

// Through the system's own conversion: Polish, Greek, Japanese, an emoji and a look-alike come back whole.
TEST_F(SavingWinTest, TextsOutsideTheCodePageSurviveASaveAndALoad) {
    const std::pair<const char*, const char*> cases[] = {
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "C:\\Miasta\\\xC5\x81\xC3\xB3\x64\xC5\xBA"},
        {"\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", "D:\\\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"},
        {"\xE6\x9D\xB1\xE4\xBA\xAC", "E:\\\xE5\x86\x99\xE7\x9C\x9F"},
        {"Fotos \xF0\x9F\x93\xB7", "C:\\\xEF\xBC\xB7indows"},
    };
    for (const auto& [caption, path] : cases) {
        ASSERT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree(caption, path), file, false)) << caption;
        const auto loaded = Load();
        const clsMenuItem* item = loaded->GetMenuItemFromName("N1");
        ASSERT_NE(item, nullptr) << caption;
        EXPECT_EQ(item->Caption(), caption);
        EXPECT_EQ(item->FolderPath(), path);
        EXPECT_TRUE(handler.LastLoadStatus().Clean()) << caption;
        EXPECT_NE(fs.ReadFile(file)->find(TAG_UTF8_TEXTS), std::string::npos) << caption;
    }
    // Texts that fit leave no block.
    ASSERT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree("caf\xC3\xA9", "C:\\Docs"), file, false));
    EXPECT_EQ(fs.ReadFile(file)->find(TAG_UTF8_TEXTS), std::string::npos);
}

// A hidden file stays hidden across a save, the previous version becomes the newest backup, and a file that
// did not load is copied byte for byte before the first save over it.
TEST_F(SavingWinTest, ASaveKeepsAttributesBackupsAndTheUnreadFile) {
    const std::string unread("\x13\xFE\x00\x9A zq", 7);
    ASSERT_TRUE(fs.ReplaceFileAtomically(file, unread));
    ASSERT_TRUE(fs.SetAttributes(file, FILE_ATTR_HIDDEN | FILE_ATTR_ARCHIVE));
    clsMenuCollection tree;
    handler.LoadConfigFile(tree, file);
    EXPECT_EQ(handler.LastLoadStatus().Problem, LoadProblem::NoPersonalGroup);
    EXPECT_EQ(fs.ReadFile(file + ".bad"), unread);

    ASSERT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree("A", "C:\\A"), file, false));
    ASSERT_TRUE(handler.SaveConfigFile(*test::OneShortcutTree("B", "C:\\B"), file, false));

    EXPECT_EQ(fs.ReadFile(file), handler.ConfigurationBytes(*test::OneShortcutTree("B", "C:\\B")));
    EXPECT_EQ(fs.ReadFile(BackupFileName(file, 1)),
              handler.ConfigurationBytes(*test::OneShortcutTree("A", "C:\\A")));
    EXPECT_EQ(fs.ReadFile(BackupFileName(file, 2)), unread);
    EXPECT_EQ(fs.ReadFile(file + ".bad"), unread);
    const auto attributes = fs.GetAttributes(file);
    ASSERT_TRUE(attributes);
    EXPECT_NE(*attributes & FILE_ATTR_HIDDEN, 0u);
    // Nothing but the file, its copy and its backups: no temporary file is left behind.
    EXPECT_EQ(fs.ListFolder(root).size(), 4u);
}

} // namespace
} // namespace krv
