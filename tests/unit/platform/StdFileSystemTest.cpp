// StdFileSystem against the machine's own file system, in a temporary folder of its own.
#include "platform/StdFileSystem.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace krv {
namespace {

class StdFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("krv_stdfs_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::permissions(root / "ro.krvc", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(root, error);
    }
    std::string At(const std::string& name) const { return (root / name).string(); }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& entry : fs.ListFolder(root.string()))
            names.push_back(entry.name);
        std::sort(names.begin(), names.end());
        return names;
    }

    StdFileSystem fs;
    std::filesystem::path root;
};

TEST_F(StdFileSystemTest, FilesAndFoldersBehaveAsOnWindows) {
    EXPECT_TRUE(fs.CreateFolder(At("d\xC3\xA9j\xC3\xA0")));
    EXPECT_FALSE(fs.CreateFolder(At("d\xC3\xA9j\xC3\xA0")));
    EXPECT_FALSE(fs.CreateFolder(At("none/child")));
    EXPECT_TRUE(fs.FolderExists(At("d\xC3\xA9j\xC3\xA0")));

    ASSERT_TRUE(fs.ReplaceFileAtomically(At("a.krvc"), std::string("x\0y", 3)));
    EXPECT_EQ(fs.ReadFile(At("a.krvc")), std::string("x\0y", 3));
    EXPECT_EQ(fs.GetAttributes(At("a.krvc")), uint32_t{FILE_ATTR_NORMAL});
    EXPECT_FALSE(fs.ReadFile(At("d\xC3\xA9j\xC3\xA0")));
    EXPECT_FALSE(fs.ReadFile(At("missing")));

    EXPECT_FALSE(fs.Rename(At("a.krvc"), At("d\xC3\xA9j\xC3\xA0")));
    EXPECT_TRUE(fs.Rename(At("a.krvc"), At("b.krvc")));
    EXPECT_EQ(Names(), (std::vector<std::string>{"b.krvc", "d\xC3\xA9j\xC3\xA0"}));
    EXPECT_FALSE(fs.DeleteFile(At("d\xC3\xA9j\xC3\xA0")));
    EXPECT_TRUE(fs.DeleteFile(At("b.krvc")));
    EXPECT_TRUE(fs.RemoveFolder(At("d\xC3\xA9j\xC3\xA0")));
    EXPECT_TRUE(Names().empty());
}

TEST_F(StdFileSystemTest, ReplaceKeepsAReadOnlyFileAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(fs.ReplaceFileAtomically(At("ro.krvc"), "kept"));
    ASSERT_TRUE(fs.SetAttributes(At("ro.krvc"), FILE_ATTR_READONLY));
    EXPECT_EQ(fs.GetAttributes(At("ro.krvc")), uint32_t{FILE_ATTR_READONLY});
    EXPECT_FALSE(fs.ReplaceFileAtomically(At("ro.krvc"), "lost"));
    EXPECT_FALSE(fs.DeleteFile(At("ro.krvc")));
    EXPECT_EQ(fs.ReadFile(At("ro.krvc")), "kept");
    EXPECT_FALSE(fs.ReplaceFileAtomically(At("no/such.krvc"), "x"));
    EXPECT_EQ(Names(), std::vector<std::string>{"ro.krvc"});
}

// A save that is killed leaves its temporary file; the names an earlier version tried in turn, all taken,
// once made every later save fail.
TEST_F(StdFileSystemTest, LeftoverTemporaryFilesNeverStopASave) {
    for (int n = 0; n < 100; ++n)
        ASSERT_TRUE(fs.ReplaceFileAtomically(At("a.krvc.~krv" + std::to_string(n) + ".tmp"), "left"));
    ASSERT_TRUE(fs.ReplaceFileAtomically(At("a.krvc"), "saved"));
    EXPECT_EQ(fs.ReadFile(At("a.krvc")), "saved");
    EXPECT_EQ(Names().size(), 101u); // the leftovers are the file handler's to remove, not the writer's
    RemoveStaleTemporaries(fs, At("a.krvc"));
    EXPECT_EQ(Names(), std::vector<std::string>{"a.krvc"});
}

} // namespace
} // namespace krv
