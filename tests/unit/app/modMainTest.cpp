#include "app/modMain.h"

#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSystemInfo.h"
#include "model/MenuVocabulary.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

constexpr std::string_view kProgramKey = "Software\\Tessary\\Karvello";

TEST(PathServices, FileNameAndParentFolderOfPaths) {
    EXPECT_EQ(GetFileNamePart("C:\\Data\\notes.txt"), "notes.txt");
    EXPECT_EQ(GetFileNamePart("C:\\Data\\"), "C");
    EXPECT_EQ(GetFileNamePart("notes.txt"), "notes.txt");
    EXPECT_EQ(GetParentFolder("C:\\Data\\notes.txt"), "C:\\Data");
    EXPECT_EQ(GetParentFolder("C:\\Data"), "C:\\");
    EXPECT_EQ(GetParentFolder("notes.txt"), "notes.txt");

    std::string name = "x";
    std::string folder = "y";
    SplitPath("notes.txt", name, folder);
    EXPECT_EQ(name, "notes.txt");
    EXPECT_EQ(folder, "");
    SplitPath("C:\\Data\\notes.txt", name, folder);
    EXPECT_EQ(name, "notes.txt");
    EXPECT_EQ(folder, "C:\\Data");
    SplitPath("D:\\x", name, folder);
    EXPECT_EQ(folder, "D:\\");
}

TEST(PathServices, InvalidCharactersAreReplacedByDashes) {
    EXPECT_EQ(ReplaceInvalidChars("a\\b/c:d*e?f\"g<h>i|j"), "a-b-c-d-e-f-g-h-i-j");
    EXPECT_EQ(ReplaceInvalidChars("Ünïcödé ok"), "Ünïcödé ok");
}

TEST(PathServices, ExistenceTestsOfFoldersDrivesAndFiles) {
    FakeFileSystem fileSystem;
    FakeSystemInfo drives;
    fileSystem.AddFolder("C:\\Data");
    fileSystem.AddFile("C:\\Data\\notes.txt", "x");
    fileSystem.AddFile("C:\\Data\\locked.txt", "x", FILE_ATTR_READONLY | FILE_ATTR_ARCHIVE);
    drives.AddDrive({.Letter = 'C', .Type = DRIVE_TYPE_FIXED});
    drives.AddDrive({.Letter = 'D', .Type = DRIVE_TYPE_CDROM, .HasMedium = false}); // no folder to see

    EXPECT_TRUE(PathExists(fileSystem, drives, "C:\\Data"));
    EXPECT_FALSE(PathExists(fileSystem, drives, "C:\\Data\\notes.txt"));
    EXPECT_FALSE(PathExists(fileSystem, drives, "C:\\Nothing"));
    for (const char* drive : {"D:\\", "D:", "d"})
        EXPECT_TRUE(PathExists(fileSystem, drives, drive)) << drive;
    for (const char* path : {"D:\\Films", "Q:\\", "", "\\\\server", "\\\\server\\share\\dir", "DD"})
        EXPECT_FALSE(PathExists(fileSystem, drives, path)) << path;

    EXPECT_TRUE(FileExists(fileSystem, "C:\\Data\\notes.txt"));
    EXPECT_FALSE(FileExists(fileSystem, "C:\\Data"));
    EXPECT_FALSE(IsReadOnlyFile(fileSystem, "C:\\Data\\notes.txt"));
    EXPECT_TRUE(IsReadOnlyFile(fileSystem, "C:\\Data\\locked.txt"));
    EXPECT_FALSE(IsReadOnlyFile(fileSystem, "C:\\Data\\none.txt"));
}

TEST(DetectWindowsVersion, FamiliesAndTheHighlightedState) {
    using Traits = WindowsVersionTraits;
    const auto detect = [](uint32_t major, uint32_t minor, uint32_t platform) {
        const Traits traits = DetectWindowsVersion(WindowsVersion{major, minor, platform});
        return std::pair{traits.IsOldWindows, traits.MenuSelectedState};
    };
    EXPECT_EQ(detect(4, 0, 1), std::pair(true, 1u));    // Windows 95
    EXPECT_EQ(detect(4, 10, 1), std::pair(true, 1u));   // Windows 98
    EXPECT_EQ(detect(4, 0, 2), std::pair(false, 1u));   // Windows NT 4
    EXPECT_EQ(detect(5, 0, 2), std::pair(false, 257u)); // Windows 2000
    EXPECT_EQ(detect(10, 0, 2), std::pair(false, 257u));
    EXPECT_EQ(detect(3, 51, 2), std::pair(true, 1u));
    const Traits failed = DetectWindowsVersion(std::nullopt);
    EXPECT_TRUE(failed.IsOldWindows);
    EXPECT_EQ(failed.MenuSelectedState, 1u);
}

TEST(ComputeProgramPaths, PathsBesideTheProgram) {
    const ProgramPaths paths =
        ComputeProgramPaths("C:\\WINDOWS", "C:\\Program Files\\Karvello\\Karvello.EXE");
    EXPECT_EQ(paths.ExplorerPath, "C:\\WINDOWS\\EXPLORER.EXE");
    EXPECT_EQ(paths.ApplicationPath, "C:\\Program Files\\Karvello");
    EXPECT_EQ(paths.QuotedExePath, "\"C:\\Program Files\\Karvello\\Karvello.exe\"");
    EXPECT_EQ(paths.HelpFilePath, "C:\\Program Files\\Karvello\\Karvello.chm");

    const ProgramPaths inRoot = ComputeProgramPaths("C:\\WINDOWS", "E:\\karvello.exe");
    EXPECT_EQ(inRoot.ApplicationPath, "E:");
    EXPECT_EQ(inRoot.QuotedExePath, "\"E:\\karvello.exe\"");
}

TEST(Commands, ArgumentsFollowTheProgramName) {
    EXPECT_EQ(CommandLineArguments("\"C:\\Program Files\\Karvello\\Karvello.exe\" /ADD C:\\My Data"),
              "/ADD C:\\My Data");
    EXPECT_EQ(CommandLineArguments("Karvello.exe"), "");
    EXPECT_EQ(CommandLineArguments("  Karvello.exe    /OPEN x.krvc"), "/OPEN x.krvc");
    EXPECT_EQ(CommandLineArguments("\"C:\\K\\Karvello.exe\""), "");
    EXPECT_EQ(CommandLineArguments("\"unterminated"), "");
    EXPECT_EQ(CommandLineArguments(""), "");
}

TEST(Commands, ParsedExactlyAsTheSendersWriteThem) {
    EXPECT_EQ(ParseCommand("").kind, CommandKind::Empty);
    EXPECT_EQ(ParseCommand("/EXIT").kind, CommandKind::Exit);
    EXPECT_EQ(ParseCommand("/exit").kind, CommandKind::Other);
    EXPECT_EQ(ParseCommand("/EXIT ").kind, CommandKind::Other);
    const ResidentCommand add = ParseCommand("/ADD C:\\My Data");
    EXPECT_EQ(add.kind, CommandKind::Add);
    EXPECT_EQ(add.argument, "C:\\My Data");
    const ResidentCommand open = ParseCommand("/OPEN D:\\x.krvc");
    EXPECT_EQ(open.kind, CommandKind::Open);
    EXPECT_EQ(open.argument, "D:\\x.krvc");
    EXPECT_EQ(ParseCommand("/ADD").kind, CommandKind::Other);
}

class HandOverTest : public ::testing::Test {
protected:
    FakeRegistry fake;
    clsRegHandler registry{fake};
    std::vector<int64_t> posted;
    std::function<void(int64_t)> post = [this](int64_t window) { posted.push_back(window); };
};

TEST_F(HandOverTest, SecondInstanceStoresItsArgumentsAndPostsToTheStoredWindow) {
    fake.PutString(RegistryRoot::CurrentUser, kProgramKey, "HWND", "1312");
    NotifyRunningInstance(registry, "/ADD C:\\Data", post);
    EXPECT_EQ(fake.String(RegistryRoot::CurrentUser, kProgramKey, "TRANSFER"), "/ADD C:\\Data");
    EXPECT_EQ(posted, (std::vector<int64_t>{1312}));
    EXPECT_EQ(ReadTransferCommand(registry), "/ADD C:\\Data");

    NotifyRunningInstance(registry, "", post);
    EXPECT_EQ(fake.String(RegistryRoot::CurrentUser, kProgramKey, "TRANSFER"), "");
    EXPECT_EQ(posted.size(), 2u);
}

TEST_F(HandOverTest, WithoutAStoredWindowNothingIsWrittenOrPosted) {
    NotifyRunningInstance(registry, "/ADD C:\\Data", post);
    EXPECT_TRUE(posted.empty());
    EXPECT_FALSE(fake.ValueExists(RegistryRoot::CurrentUser, kProgramKey, "TRANSFER"));
    EXPECT_EQ(ReadTransferCommand(registry), "");
}

TEST_F(HandOverTest, AWindowTextThatIsNoNumberPostsNothing) {
    fake.PutString(RegistryRoot::CurrentUser, kProgramKey, "HWND", "12ab");
    NotifyRunningInstance(registry, "", post);
    EXPECT_TRUE(posted.empty());
    EXPECT_TRUE(fake.ValueExists(RegistryRoot::CurrentUser, kProgramKey, "TRANSFER"));
}

TEST_F(HandOverTest, ATransferValueOfAnotherTypeCountsAsEmpty) {
    fake.PutBinary(RegistryRoot::CurrentUser, kProgramKey, "TRANSFER", {1, 2, 3});
    EXPECT_EQ(ReadTransferCommand(registry), "");
}

} // namespace
} // namespace krv
