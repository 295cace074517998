// The Organized Folders against the real shell and file system: links read back through IShellLinkW, the
// attributes and bytes that Explorer relies on.
//
// With KARVELLO_ORGANIZED_KEEP set to a folder (a Windows path), the mirror is written there and left in
// place, so that tests/win/check-organized-links.sh can read the links with an independent reader (lnkinfo).
#include "model/clsMenuCollection.h"
#include "organized/modShortcuts.h"
#include "platform/Text.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "settings/clsRegHandler.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <shlobj.h>
#include <shobjidl.h>
#include <string>
#include <vector>
#include <windows.h>

namespace krv {
namespace {

constexpr const wchar_t* kSettingsKey = L"Software\\Tessary\\Karvello\\Settings";

// What a link file holds, as the shell reads it back.
struct LinkOnDisk {
    std::wstring target;
    std::wstring description;
    std::wstring arguments;
    std::wstring workingDirectory;
    std::wstring iconLocation;
    int iconIndex = -1;
    int showCommand = 0;
    WORD hotKey = 0xFFFF;
};

template <typename T> struct Released {
    T* pointer = nullptr;
    ~Released() {
        if (pointer != nullptr)
            pointer->Release();
    }
};

std::optional<LinkOnDisk> ReadLink(const std::wstring& path) {
    Released<IShellLinkW> link;
    Released<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link.pointer))) ||
        FAILED(link.pointer->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.pointer))) ||
        FAILED(file.pointer->Load(path.c_str(), STGM_READ)))
        return std::nullopt;
    LinkOnDisk result;
    wchar_t text[MAX_PATH * 2] = {};
    link.pointer->GetPath(text, static_cast<int>(std::size(text)), nullptr, SLGP_RAWPATH);
    result.target = text;
    text[0] = L'\0';
    link.pointer->GetDescription(text, static_cast<int>(std::size(text)));
    result.description = text;
    text[0] = L'\0';
    link.pointer->GetArguments(text, static_cast<int>(std::size(text)));
    result.arguments = text;
    text[0] = L'\0';
    link.pointer->GetWorkingDirectory(text, static_cast<int>(std::size(text)));
    result.workingDirectory = text;
    text[0] = L'\0';
    link.pointer->GetIconLocation(text, static_cast<int>(std::size(text)), &result.iconIndex);
    result.iconLocation = text;
    link.pointer->GetShowCmd(&result.showCommand);
    link.pointer->GetHotkey(&result.hotKey);
    return result;
}

DWORD Attributes(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}

bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The attributes of a file as the program set them. Wine reports the archive bit on every file whatever was
// set (its file systems keep no such bit), so there it is left out of the comparison; Windows keeps it exact.
DWORD FileAttributesAsSet(const std::wstring& path) {
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !RunningUnderWine())
        return attributes;
    return attributes & ~DWORD{FILE_ATTRIBUTE_ARCHIVE};
}

std::string Bytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// A fresh folder under the temporary folder, or under the one named by KARVELLO_ORGANIZED_KEEP.
std::wstring MakeTestFolder(const wchar_t* name) {
    if (const char* keep = std::getenv("KARVELLO_ORGANIZED_KEEP"); keep != nullptr && *keep != '\0') {
        const std::wstring folder = Widen(keep) + L"\\" + name;
        CreateDirectoryW(Widen(keep).c_str(), nullptr);
        CreateDirectoryW(folder.c_str(), nullptr);
        return folder;
    }
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"krv-" + name + L"-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

bool KeepFiles() {
    const char* keep = std::getenv("KARVELLO_ORGANIZED_KEEP");
    return keep != nullptr && *keep != '\0';
}

class FixedShellFolders final : public IShellFolders {
public:
    explicit FixedShellFolders(std::string desktop) : desktop_(std::move(desktop)) {}
    std::optional<std::string> ShellFolderPath(ShellFolder folder) override {
        if (folder == ShellFolder::Desktop)
            return desktop_;
        return std::nullopt;
    }

private:
    std::string desktop_;
};

class CountingMessageBox final : public IMessageBox {
public:
    MessageAnswer Show(std::string_view, std::string_view, MessageButtons, MessageIcon) override {
        ++shown;
        return MessageAnswer::Ok;
    }
    int shown = 0;
};

class ShellLinkWriterTest : public ::testing::Test {
protected:
    void SetUp() override { folder_ = MakeTestFolder(L"links"); }
    void TearDown() override {
        if (!KeepFiles()) {
            Win32FileSystem fileSystem;
            DeleteFolderTree(fileSystem, Narrow(folder_));
        }
    }
    std::wstring folder_;
    Win32ShellLinkWriter writer_;
};

TEST_F(ShellLinkWriterTest, WritesTargetShowCommandAndDescriptionAndNothingElse) {
    const std::wstring target = folder_ + L"\\Target \u00e9";
    ASSERT_TRUE(CreateDirectoryW(target.c_str(), nullptr));
    const std::wstring linkPath = folder_ + L"\\Link.lnk";

    ASSERT_TRUE(writer_.WriteShellLink(Narrow(linkPath), {.target = Narrow(target),
                                                          .showCommand = SW_SHOWNORMAL,
                                                          .description = "Organized Folder Shortcut"}));

    const auto link = ReadLink(linkPath);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->target, target);
    EXPECT_EQ(link->description, L"Organized Folder Shortcut");
    EXPECT_EQ(link->showCommand, SW_SHOWNORMAL);
    EXPECT_EQ(link->arguments, L"");
    EXPECT_EQ(link->workingDirectory, L"");
    EXPECT_EQ(link->iconLocation, L"");
    EXPECT_EQ(link->hotKey, 0);
}

TEST_F(ShellLinkWriterTest, FailsIntoAFolderThatDoesNotExist) {
    EXPECT_FALSE(writer_.WriteShellLink(Narrow(folder_ + L"\\Missing\\Link.lnk"),
                                        {.target = Narrow(folder_), .showCommand = SW_SHOWNORMAL}));
    EXPECT_EQ(Attributes(folder_ + L"\\Missing"), INVALID_FILE_ATTRIBUTES);
}

TEST(ShellFoldersTest, FindsTheUsersDesktopSendToAndFavorites) {
    Win32ShellFolders folders;
    for (const ShellFolder folder : {ShellFolder::Desktop, ShellFolder::SendTo, ShellFolder::Favorites}) {
        const auto path = folders.ShellFolderPath(folder);
        ASSERT_TRUE(path) << static_cast<int>(folder);
        EXPECT_NE(path->back(), '\\');
        const DWORD attributes = Attributes(Widen(*path));
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << *path;
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY) << *path;
    }
}

class OrganizedFoldersOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* name : {L"\\A", L"\\B"})
            CreateDirectoryW((targets_ + name).c_str(), nullptr);
        shortcuts_.InitOrganizedFoldersPaths("\"C:\\Program Files\\Karvello\\Karvello.exe\"");
        Add({.Caption = "Personal", .OwnerName = TOP_LEVEL_OWNER, .Name = MIT_GROUP_USER, .SubMenu = true});
    }
    void TearDown() override {
        if (!KeepFiles()) {
            DeleteFolderTree(fileSystem_, Narrow(desktop_));
            DeleteFolderTree(fileSystem_, Narrow(targets_));
        }
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"DirDesktop");
    }
    const std::string& Add(NewMenuItemArgs args) {
        args.ComputePath = true;
        return tree_.AddNewMenuItem(args)->Name();
    }
    void AddShortcut(const char* caption, const std::wstring& target,
                     const std::string& owner = MIT_GROUP_USER, const char* openType = MIT_PATH_SHORTCUT) {
        Add({.Caption = caption,
             .OwnerName = owner,
             .FolderPath = Narrow(target),
             .ItemType = MIT_PATH,
             .OpenType = openType});
    }
    void Restore() { shortcuts_.RestoreOrganizedFolders(OrganizedFoldersLocation::Desktop, tree_, false); }

    std::wstring desktop_ = MakeTestFolder(L"desktop");
    std::wstring directory_ = desktop_ + L"\\Organized Folders";
    std::wstring targets_ = MakeTestFolder(L"targets");
    Win32FileSystem fileSystem_;
    Win32ShellLinkWriter links_;
    FixedShellFolders shellFolders_{Narrow(desktop_)};
    CountingMessageBox messages_;
    Win32Registry registry_;
    clsRegHandler regHandler_{registry_};
    Win32AnsiCodePage codePage_;
    modShortcuts shortcuts_{{fileSystem_, links_, shellFolders_, messages_, regHandler_, codePage_}};
    clsMenuCollection tree_;
};

TEST_F(OrganizedFoldersOnDiskTest, WritesTheTreeAndMarksTheDirectoryAsExplorerExpects) {
    AddShortcut("A", targets_ + L"\\A");
    AddShortcut("A as Explorer", targets_ + L"\\A", MIT_GROUP_USER, MIT_PATH_EXPLORER);
    const std::string group = Add({.Caption = "G", .OwnerName = MIT_GROUP_USER, .SubMenu = true});
    AddShortcut("B", targets_ + L"\\B", group);
    AddShortcut("C", targets_ + L"\\Missing", group);

    Restore();

    const auto a = ReadLink(directory_ + L"\\A.lnk");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->target, targets_ + L"\\A");
    EXPECT_EQ(a->description, L"Organized Folder Shortcut");
    EXPECT_EQ(a->showCommand, SW_SHOWNORMAL);
    EXPECT_EQ(Bytes(directory_ + L"\\A as Explorer.lnk"), Bytes(directory_ + L"\\A.lnk"));
    const auto b = ReadLink(directory_ + L"\\G\\B.lnk");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->target, targets_ + L"\\B");
    EXPECT_EQ(Attributes(directory_ + L"\\G\\C.lnk"), INVALID_FILE_ATTRIBUTES);

    EXPECT_EQ(Attributes(directory_), DWORD{FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM});
    EXPECT_EQ(FileAttributesAsSet(directory_ + L"\\Desktop.ini"),
              DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM});
    EXPECT_EQ(Bytes(directory_ + L"\\Desktop.ini"),
              "[.ShellClassInfo]\r\n"
              "IconFile = \"C:\\Program Files\\Karvello\\Karvello.exe\"\r\n"
              "IconIndex = 0\r\n"
              "ConfirmFileOp = 0\r\n"
              "OriginalIcon = %\r\n"
              "InfoTip = Stores shortcuts to your favorite folders\r\n");
    // Written again over its hidden, system self (as the Options dialog does after a refresh), it stays the
    // same.
    const std::string firstIni = Bytes(directory_ + L"\\Desktop.ini");
    shortcuts_.WriteDesktopIni(OrganizedFoldersLocation::Desktop);
    EXPECT_EQ(Bytes(directory_ + L"\\Desktop.ini"), firstIni);
    EXPECT_EQ(FileAttributesAsSet(directory_ + L"\\Desktop.ini"),
              DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM});
    std::string recorded;
    EXPECT_TRUE(
        regHandler_.GetKeyValue(RegistryRoot::CurrentUser, kKarvelloSettingsKey, "DirDesktop", recorded));
    EXPECT_EQ(recorded, Narrow(directory_));
}

TEST_F(OrganizedFoldersOnDiskTest, ARefreshKeepsReadOnlyFilesAndReplacesTheRest) {
    AddShortcut("A", targets_ + L"\\A");
    Restore();
    const std::wstring kept = directory_ + L"\\kept.txt";
    const std::wstring dropped = directory_ + L"\\dropped.txt";
    std::ofstream(kept.c_str()) << "mine";
    std::ofstream(dropped.c_str()) << "mine";
    ASSERT_TRUE(SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_READONLY));

    Restore();

    EXPECT_EQ(FileAttributesAsSet(kept), DWORD{FILE_ATTRIBUTE_READONLY});
    EXPECT_EQ(Attributes(dropped), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(FileAttributesAsSet(directory_ + L"\\Desktop.ini"),
              DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM});

    shortcuts_.DeleteOrganizedFoldersDir(OrganizedFoldersLocation::Desktop);
    EXPECT_EQ(Attributes(directory_), INVALID_FILE_ATTRIBUTES);
}

TEST_F(OrganizedFoldersOnDiskTest, CaptionsThatAreNoFileNamesOnWindowsAreLeftOutQuietly) {
    const std::string device = Add({.Caption = "CON", .OwnerName = MIT_GROUP_USER, .SubMenu = true});
    AddShortcut("Inside", targets_ + L"\\A", device);
    Add({.Caption = "G.", .OwnerName = MIT_GROUP_USER, .SubMenu = true});
    AddShortcut("NUL", targets_ + L"\\A");
    AddShortcut(std::string(240, 'x').c_str(), targets_ + L"\\A");
    AddShortcut("Fine", targets_ + L"\\B");

    Restore();

    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((directory_ + L"\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        if (std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L"..")
            names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Desktop.ini", L"Fine.lnk"}));
    EXPECT_EQ(messages_.shown, 0);
}

} // namespace
} // namespace krv
