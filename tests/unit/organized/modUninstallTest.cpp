#include "organized/modUninstall.h"

#include <functional>
#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "organized/modShortcuts.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr const char* kCommand = "C:\\Program Files\\Karvello\\unins000.exe /SILENT";
constexpr const char* kDesktopDir = "C:\\Users\\ann\\Desktop\\Organized Folders";
constexpr const char* kSendToDir = "C:\\Users\\ann\\SendTo\\Organized Folders";
constexpr const char* kFavoritesDir = "C:\\Users\\ann\\Favorites\\Organized Folders";
constexpr int64_t kWindow = 65552;

// Records what the uninstaller asks of Windows. The hand-over value is read when the message is posted, to
// check that the command is in place before the resident program can look for it.
class FakeUninstallHost final : public IUninstallHost {
public:
    explicit FakeUninstallHost(FakeRegistry& registry) : registry_(registry) {}
    bool HasWindowsDirectory() override { return hasWindowsDirectory; }
    bool WindowExists(int64_t handle) override { return handle == existingWindow; }
    void PostHandOverMessage(int64_t handle) override {
        posted.push_back(handle);
        transferWhenPosted = registry_.String(kUser, REG_KEY_PROGRAM, "TRANSFER");
    }
    // One variable is known, as an environment would hold it.
    std::string ExpandEnvironment(std::string_view text) override {
        std::string expanded(text);
        const std::string reference = "%ProgramFiles%";
        for (size_t at = expanded.find(reference); at != std::string::npos; at = expanded.find(reference))
            expanded.replace(at, reference.size(), "C:\\Program Files");
        return expanded;
    }
    bool StartCommand(std::string_view commandLine) override {
        started.emplace_back(commandLine);
        return true;
    }

    bool hasWindowsDirectory = true;
    int64_t existingWindow = 0;
    std::vector<int64_t> posted;
    std::optional<std::string> transferWhenPosted;
    std::vector<std::string> started;

private:
    FakeRegistry& registry_;
};

class UninstallTest : public ::testing::Test {
protected:
    UninstallTest() {
        registry.PutString(kUser, REG_KEY_SETTINGS, "UninstallString", kCommand);
        registry.PutString(kUser, REG_KEY_PROGRAM, "HWND", std::to_string(kWindow));
    }
    void RecordDirectory(const char* valueName, const char* path) {
        disk.AddFile(std::string(path) + "\\A.lnk", "link");
        registry.PutString(kUser, REG_KEY_SETTINGS, valueName, path);
    }
    void RecordAllDirectories() {
        RecordDirectory("DirDesktop", kDesktopDir);
        RecordDirectory("DirSendTo", kSendToDir);
        RecordDirectory("DirFavorites", kFavoritesDir);
    }
    void Run() { RunUninstall(regHandler, disk, messages, host); }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const ShownMessage& shown : messages.Shown())
            titles.push_back(shown.title);
        return titles;
    }

    FakeRegistry registry;
    clsRegHandler regHandler{registry};
    FakeFileSystem disk;
    FakeMessageBox messages;
    FakeUninstallHost host{registry};
};

TEST_F(UninstallTest, WithoutAnyOfItsPrerequisitesNothingHappensAtAll) {
    RecordAllDirectories();
    host.existingWindow = kWindow;
    const auto before = disk.AllPaths();
    const std::vector<std::function<void()>> breakages = {
        [&] { host.hasWindowsDirectory = false; },
        [&] { registry.DeleteValue(kUser, REG_KEY_SETTINGS, "UninstallString"); },
        [&] { registry.DeleteValue(kUser, REG_KEY_PROGRAM, "HWND"); }, // Karvello never ran
    };
    for (size_t i = 0; i < breakages.size(); ++i) {
        breakages[i]();
        const int changes = registry.ChangeCount();

        Run();

        EXPECT_TRUE(messages.Shown().empty()) << i;
        EXPECT_TRUE(host.started.empty()) << i;
        EXPECT_TRUE(host.posted.empty()) << i;
        EXPECT_EQ(registry.ChangeCount(), changes) << i;
        EXPECT_EQ(disk.AllPaths(), before) << i;
        host.hasWindowsDirectory = true;
        registry.PutString(kUser, REG_KEY_SETTINGS, "UninstallString", kCommand);
        registry.PutString(kUser, REG_KEY_PROGRAM, "HWND", std::to_string(kWindow));
    }
}

TEST_F(UninstallTest, ARunningKarvelloIsAskedToExitBeforeTheDirectoriesGo) {
    RecordAllDirectories();
    host.existingWindow = kWindow;
    messages.Answer(MessageAnswer::Yes);
    messages.Answer(MessageAnswer::Yes);

    Run();

    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[0].text,
              "Do you want to close Karvello application so the uninstallation process can proceed?");
    EXPECT_EQ(messages.Shown()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(messages.Shown()[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.Shown()[1].text,
              "Do you want to delete directories with Organized Folders shortcuts from "
              "Desktop, Send To and Favorites?");
    EXPECT_EQ(messages.Shown()[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Karvello Removal", "Karvello Removal"}));
    EXPECT_EQ(host.posted, std::vector<int64_t>{kWindow});
    EXPECT_EQ(host.transferWhenPosted, "/EXIT");
    for (const char* directory : {kDesktopDir, kSendToDir, kFavoritesDir})
        EXPECT_FALSE(disk.Exists(directory)) << directory;
    EXPECT_TRUE(disk.FolderExists("C:\\Users\\ann\\Desktop"));
    EXPECT_EQ(host.started, std::vector<std::string>{kCommand});
}

TEST_F(UninstallTest, RefusingToCloseKarvelloLeavesEverythingInPlace) {
    RecordAllDirectories();
    host.existingWindow = kWindow;
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        messages.Answer(answer);
        const int changes = registry.ChangeCount();

        Run();

        EXPECT_EQ(messages.Shown().back().text,
                  "Please close Karvello before continuing with the uninstallation!");
        EXPECT_EQ(messages.Shown().back().icon, MessageIcon::Critical);
        EXPECT_EQ(messages.Shown().back().title, "Karvello Removal");
        EXPECT_EQ(registry.ChangeCount(), changes);
        EXPECT_TRUE(disk.Exists(kDesktopDir));
    }
    EXPECT_EQ(messages.Shown().size(), 4u);
    EXPECT_TRUE(host.posted.empty());
    EXPECT_TRUE(host.started.empty());
}

TEST_F(UninstallTest, WithKarvelloNotRunningOnlyTheDirectoriesAreAskedAbout) {
    RecordAllDirectories();
    for (const char* handle : {"65552", "not a number", ""}) {
        registry.PutString(kUser, REG_KEY_PROGRAM, "HWND", handle);
        messages.Answer(MessageAnswer::No);

        Run();

        EXPECT_EQ(messages.Shown().back().buttons, MessageButtons::YesNo) << handle;
    }
    EXPECT_EQ(messages.Shown().size(), 3u);
    EXPECT_TRUE(disk.Exists(kFavoritesDir));
    EXPECT_TRUE(host.posted.empty());
    EXPECT_EQ(host.started.size(), 3u);
    EXPECT_FALSE(registry.ValueExists(kUser, REG_KEY_PROGRAM, "TRANSFER"));
}

TEST_F(UninstallTest, WithoutAnyDirectoryNoQuestionIsAsked) {
    registry.PutString(kUser, REG_KEY_SETTINGS, "DirDesktop", kDesktopDir); // recorded, since removed

    Run();

    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(host.started, std::vector<std::string>{kCommand});
}

TEST_F(UninstallTest, OnlyFoldersNamedOrganizedFoldersAreEverDeleted) {
    disk.AddFile("C:\\Users\\ann\\Documents\\thesis.doc", "years of work");
    disk.AddFile("C:\\Work\\Organized Folders\\keep.txt", "x"); // reached only through a relative path
    registry.PutString(kUser, REG_KEY_SETTINGS, "DirDesktop", "C:\\Users\\ann\\Documents");
    registry.PutString(kUser, REG_KEY_SETTINGS, "DirSendTo", "Organized Folders");
    registry.PutString(kUser, REG_KEY_SETTINGS, "DirFavorites", "C:\\Users\\ann\\Documents\\");

    messages.Answer(MessageAnswer::Yes);
    Run();
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(disk.FileExists("C:\\Users\\ann\\Documents\\thesis.doc"));

    RecordDirectory("DirSendTo", kSendToDir);
    Run();
    EXPECT_EQ(messages.Shown().size(), 1u);
    EXPECT_FALSE(disk.Exists(kSendToDir));
    EXPECT_TRUE(disk.FileExists("C:\\Users\\ann\\Documents\\thesis.doc"));
    EXPECT_EQ(host.started.size(), 2u);
}

// Installers store the command as a plain or as an expandable text; only the expandable one has its
// references replaced, so a plain text with a percent sign starts as it was written.
TEST_F(UninstallTest, TheCommandStartsWithItsReferencesExpandedWhenItsTypeAsksForIt) {
    struct Case {
        RegistryValueType type;
        const char* stored;
        const char* started;
    };
    const Case cases[] = {
        {RegistryValueType::ExpandString, "\"%ProgramFiles%\\Karvello\\Uninstall.exe\" /S",
         "\"C:\\Program Files\\Karvello\\Uninstall.exe\" /S"},
        {RegistryValueType::ExpandString, "%Unknown%\\u.exe", "%Unknown%\\u.exe"},
        {RegistryValueType::String, "%ProgramFiles%\\u.exe", "%ProgramFiles%\\u.exe"},
    };
    for (const Case& c : cases) {
        registry.Put(kUser, REG_KEY_SETTINGS, "UninstallString", {c.type, EncodeRegistryString(c.stored)});
        host.started.clear();

        Run();

        EXPECT_EQ(host.started, std::vector<std::string>{c.started}) << c.stored;
    }
}

TEST(OrganizedFoldersPathTest, AcceptsAbsolutePathsEndingInTheDirectoryName) {
    EXPECT_TRUE(IsOrganizedFoldersPath("C:\\Users\\ann\\Desktop\\Organized Folders"));
    EXPECT_TRUE(IsOrganizedFoldersPath("\\\\server\\home\\Organized Folders"));
    EXPECT_FALSE(IsOrganizedFoldersPath("Organized Folders"));
    EXPECT_FALSE(IsOrganizedFoldersPath("\\Organized Folders"));
    EXPECT_FALSE(IsOrganizedFoldersPath("C:\\Users\\ann\\Desktop\\Organized Folders\\.."));
    EXPECT_FALSE(IsOrganizedFoldersPath("C:\\Users\\ann\\Desktop\\Organized Folders Backup"));
    EXPECT_FALSE(IsOrganizedFoldersPath(""));
}

} // namespace
} // namespace krv
