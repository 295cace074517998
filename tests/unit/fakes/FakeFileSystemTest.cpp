// The fakes stand in for Windows in every suite, so the rules they copy from Windows are checked here once.
#include "fakes/FakeFileSystem.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

std::vector<std::string> Names(const std::vector<DirectoryEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries)
        names.push_back(entry.name);
    return names;
}

TEST(FakeFileSystem, FoldersNeedAnExistingParentAndListInOrderOfMaking) {
    FakeFileSystem fs;
    EXPECT_FALSE(fs.CreateFolder("C:\\Data")); // no drive yet
    fs.AddFolder("C:\\");
    EXPECT_TRUE(fs.FolderExists("c:"));
    EXPECT_TRUE(fs.CreateFolder("C:\\Data"));
    EXPECT_FALSE(fs.CreateFolder("C:\\data")); // exists, whatever the case
    EXPECT_FALSE(fs.CreateFolder("C:\\Data\\Deep\\Deeper"));
    EXPECT_TRUE(fs.CreateFolder("C:/Data/Zed"));
    fs.AddFile("C:\\Data\\alpha.txt", "a");
    EXPECT_TRUE(fs.CreateFolder("C:\\Data\\Beta"));

    EXPECT_EQ(Names(fs.ListFolder("C:\\DATA\\")), (std::vector<std::string>{"Zed", "alpha.txt", "Beta"}));
    EXPECT_EQ(fs.GetAttributes("C:\\Data\\Zed"), uint32_t{FILE_ATTR_DIRECTORY});
    EXPECT_TRUE(fs.ListFolder("C:\\Data\\alpha.txt").empty());
    EXPECT_TRUE(fs.ListFolder("C:\\Missing").empty());

    EXPECT_FALSE(fs.RemoveFolder("C:\\Data")); // not empty
    EXPECT_TRUE(fs.RemoveFolder("C:\\Data\\Zed"));
    EXPECT_FALSE(fs.RemoveFolder("C:\\Data\\alpha.txt"));
    EXPECT_FALSE(fs.Exists("C:\\Data\\Zed"));
}

TEST(FakeFileSystem, AttributesFollowSetFileAttributes) {
    FakeFileSystem fs;
    fs.AddFile("C:\\f.txt", "x");
    fs.AddFolder("C:\\Dir");
    EXPECT_TRUE(fs.SetAttributes("C:\\f.txt", 0));
    EXPECT_EQ(fs.GetAttributes("C:\\f.txt"), uint32_t{FILE_ATTR_NORMAL});
    EXPECT_TRUE(fs.SetAttributes("C:\\f.txt", FILE_ATTR_READONLY | FILE_ATTR_NORMAL));
    EXPECT_EQ(fs.GetAttributes("C:\\f.txt"), uint32_t{FILE_ATTR_READONLY});
    EXPECT_TRUE(fs.SetAttributes("C:\\Dir", FILE_ATTR_SYSTEM));
    EXPECT_EQ(fs.GetAttributes("C:\\Dir"), uint32_t{FILE_ATTR_SYSTEM | FILE_ATTR_DIRECTORY});
    EXPECT_FALSE(fs.SetAttributes("C:\\none", FILE_ATTR_HIDDEN));
    EXPECT_FALSE(fs.GetAttributes("C:\\none"));
    EXPECT_FALSE(fs.DeleteFile("C:\\f.txt")); // read-only
    EXPECT_FALSE(fs.ReplaceFileAtomically("C:\\f.txt", "new"));
    EXPECT_FALSE(fs.DeleteFile("C:\\Dir"));
}

TEST(FakeFileSystem, RenameMovesFoldersWithTheirContent) {
    FakeFileSystem fs;
    fs.AddFile("C:\\A\\Sub\\x.lnk", "link");
    fs.AddFolder("C:\\B");
    EXPECT_FALSE(fs.Rename("C:\\A", "C:\\B"));         // target exists
    EXPECT_FALSE(fs.Rename("C:\\A", "C:\\A\\Sub\\A")); // into itself
    EXPECT_FALSE(fs.Rename("C:\\A", "D:\\A"));         // no such drive
    EXPECT_TRUE(fs.Rename("C:\\A", "C:\\B\\Moved"));
    EXPECT_FALSE(fs.Exists("C:\\A\\Sub\\x.lnk"));
    EXPECT_EQ(fs.Content("C:\\B\\Moved\\Sub\\x.lnk"), "link");
    EXPECT_EQ(Names(fs.ListFolder("C:\\B\\Moved\\Sub")), std::vector<std::string>{"x.lnk"});
    EXPECT_TRUE(fs.Rename("C:\\B\\Moved\\Sub\\x.lnk", "C:\\B\\y.lnk"));
    EXPECT_EQ(fs.ReadFile("C:\\b\\Y.LNK"), "link");
}

TEST(FakeFileSystem, ReplaceFileAtomicallyKeepsTheOldFileOnFailure) {
    FakeFileSystem fs;
    fs.AddFile("C:\\cfg\\default.krvc", "old content");
    EXPECT_TRUE(fs.ReplaceFileAtomically("C:\\cfg\\default.krvc", "new content"));
    EXPECT_EQ(fs.Content("C:\\cfg\\default.krvc"), "new content");

    fs.FailReplaceAfterBytes(4);
    EXPECT_FALSE(fs.ReplaceFileAtomically("C:\\cfg\\default.krvc", "third content"));
    EXPECT_EQ(fs.Content("C:\\cfg\\default.krvc"), "new content");
    EXPECT_EQ(fs.ReplaceCount(), 1);
    EXPECT_EQ(fs.AllPaths(), (std::vector<std::string>{"C:", "C:\\cfg", "C:\\cfg\\default.krvc"}));
    ASSERT_EQ(fs.TemporaryPaths().size(), 2u);
    EXPECT_EQ(fs.TemporaryPaths()[1].rfind("C:\\cfg\\", 0), 0u); // beside the target

    fs.FailReplaceAfterBytes(100); // more than the content: the write succeeds
    EXPECT_TRUE(fs.ReplaceFileAtomically("C:\\cfg\\other.krvc", "short"));
    fs.FailReplaceAfterBytes(std::nullopt);
    EXPECT_FALSE(fs.ReplaceFileAtomically("C:\\nofolder\\x.krvc", "x"));
    EXPECT_FALSE(fs.ReplaceFileAtomically("C:\\cfg", "x")); // a folder

    fs.FailReadOf("C:\\cfg\\other.krvc");
    EXPECT_FALSE(fs.ReadFile("C:\\cfg\\other.krvc"));
    fs.Lock("C:\\cfg\\default.krvc");
    EXPECT_FALSE(fs.ReplaceFileAtomically("C:\\cfg\\default.krvc", "x"));
    EXPECT_FALSE(fs.DeleteFile("C:\\cfg\\default.krvc"));
}

} // namespace
} // namespace krv
