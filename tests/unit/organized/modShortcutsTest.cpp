#include "organized/modShortcuts.h"

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "settings/clsRegHandler.h"

#include <gtest/gtest.h>

namespace krv {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kDesktop = "C:\\Users\\ann\\Desktop";
constexpr const char* kSendTo = "C:\\Users\\ann\\SendTo";
constexpr const char* kFavorites = "C:\\Users\\ann\\Favorites";
constexpr const char* kDir = "C:\\Users\\ann\\Desktop\\Organized Folders";
constexpr const char* kSettings = "Software\\Tessary\\Karvello\\Settings";
constexpr const char* kExe = "\"C:\\Program Files\\Karvello\\Karvello.exe\"";

std::string InDir(std::string_view relative) {
    return std::string(kDir) + "\\" + std::string(relative);
}

Strings Names(const std::vector<DirectoryEntry>& entries) {
    Strings names;
    for (const DirectoryEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}

// Passes every call on and writes down, in order, each one that changes the disk.
class RecordingFileSystem final : public IFileSystem {
public:
    explicit RecordingFileSystem(IFileSystem& inner) : inner_(inner) {}
    std::optional<uint32_t> GetAttributes(std::string_view path) override {
        return inner_.GetAttributes(path);
    }
    bool SetAttributes(std::string_view path, uint32_t attributes) override {
        return Note("attrib " + std::to_string(attributes) + " ", path,
                    inner_.SetAttributes(path, attributes));
    }
    std::vector<DirectoryEntry> ListFolder(std::string_view folder) override {
        return inner_.ListFolder(folder);
    }
    bool CreateFolder(std::string_view path) override {
        return Note("mkdir ", path, inner_.CreateFolder(path));
    }
    bool RemoveFolder(std::string_view path) override {
        return Note("rmdir ", path, inner_.RemoveFolder(path));
    }
    bool Rename(std::string_view from, std::string_view to) override { return inner_.Rename(from, to); }
    bool DeleteFile(std::string_view path) override { return Note("del ", path, inner_.DeleteFile(path)); }
    std::optional<std::string> ReadFile(std::string_view path) override { return inner_.ReadFile(path); }
    bool ReplaceFileAtomically(std::string_view path, std::string_view content) override {
        return Note("write ", path, inner_.ReplaceFileAtomically(path, content));
    }

    // The successful changes, with paths inside the Desktop directory written relative to it.
    std::vector<std::string> log;

private:
    bool Note(const std::string& what, std::string_view path, bool done) {
        if (done) {
            std::string shown(path);
            if (shown.starts_with(std::string(kDir) + "\\"))
                shown = shown.substr(std::string(kDir).size() + 1);
            else if (shown == kDir)
                shown = "<dir>";
            log.push_back(what + shown);
        }
        return done;
    }
    IFileSystem& inner_;
};

class OrganizedFoldersTest : public ::testing::Test {
protected:
    OrganizedFoldersTest() {
        for (const char* folder :
             {kDesktop, kSendTo, kFavorites, "C:\\Data\\A", "C:\\Data\\B", "C:\\Data\\D"})
            disk.AddFolder(folder);
        shellFolders.Set(ShellFolder::Desktop, kDesktop);
        shellFolders.Set(ShellFolder::SendTo, kSendTo);
        shellFolders.Set(ShellFolder::Favorites, kFavorites);
        shortcuts.InitOrganizedFoldersPaths(kExe);
        AddItem(
            {.Caption = "Personal", .OwnerName = TOP_LEVEL_OWNER, .Name = MIT_GROUP_USER, .SubMenu = true});
    }

    clsMenuItem* AddItem(NewMenuItemArgs args) {
        args.ComputePath = true;
        return tree.AddNewMenuItem(args);
    }
    const std::string& AddGroup(std::string_view caption, std::string_view owner = MIT_GROUP_USER) {
        return AddItem({.Caption = std::string(caption), .OwnerName = std::string(owner), .SubMenu = true})
            ->Name();
    }
    void AddShortcut(std::string_view caption, std::string_view folder,
                     std::string_view owner = MIT_GROUP_USER, std::string_view openType = MIT_PATH_SHORTCUT) {
        AddItem({.Caption = std::string(caption),
                 .OwnerName = std::string(owner),
                 .FolderPath = std::string(folder),
                 .ItemType = MIT_PATH,
                 .OpenType = std::string(openType)});
    }
    void Restore(bool withSystemFolders = false) {
        shortcuts.RestoreOrganizedFolders(OrganizedFoldersLocation::Desktop, tree, withSystemFolders);
    }
    bool IsFile(std::string_view relative) { return disk.FileExists(InDir(relative)); }
    bool IsFolder(std::string_view relative) { return disk.FolderExists(InDir(relative)); }

    FakeFileSystem disk;
    RecordingFileSystem fileSystem{disk};
    FakeShellLinkWriter links{fileSystem};
    FakeShellFolders shellFolders;
    FakeMessageBox messages;
    FakeRegistry registry;
    clsRegHandler regHandler{registry};
    Windows1252CodePage codePage;
    modShortcuts shortcuts{{fileSystem, links, shellFolders, messages, regHandler, codePage}};
    clsMenuCollection tree;
};

TEST_F(OrganizedFoldersTest, RestoreWritesTheMirrorInOrderAndRecordsTheDirectory) {
    AddShortcut("A", "C:\\Data\\A");
    const std::string group = AddGroup("G");
    AddShortcut("B", "C:\\Data\\B", group);
    AddShortcut("C", "C:\\Data\\Missing", group);

    Restore();

    // Groups come before shortcuts in the menu, so G and its content are written before A; the marking of
    // the directory comes last, after everything inside it.
    EXPECT_EQ(fileSystem.log, (Strings{"mkdir <dir>", "mkdir G", "write G\\B.lnk", "write A.lnk",
                                       "write Desktop.ini", "attrib 6 Desktop.ini", "attrib 4 <dir>"}));
    EXPECT_FALSE(IsFile("G\\C.lnk"));
    EXPECT_EQ(links.Link(InDir("A.lnk")),
              (ShellLinkContent{
                  .target = "C:\\Data\\A", .showCommand = 1, .description = "Organized Folder Shortcut"}));
    EXPECT_EQ(links.Link(InDir("G\\B.lnk"))->target, "C:\\Data\\B");
    EXPECT_EQ(registry.String(RegistryRoot::CurrentUser, kSettings, "DirDesktop"), kDir);
    EXPECT_EQ(disk.GetAttributes(kDir), FILE_ATTR_DIRECTORY | FILE_ATTR_SYSTEM);
    EXPECT_EQ(disk.GetAttributes(InDir("Desktop.ini")), FILE_ATTR_HIDDEN | FILE_ATTR_SYSTEM);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(OrganizedFoldersTest, DesktopIniHoldsItsSixLinesInTheAnsiCodePage) {
    shortcuts.InitOrganizedFoldersPaths("\"C:\\Programme\\Karv\xC3\xA9llo\\Karvello.exe\"");
    Restore();

    EXPECT_EQ(disk.Content(InDir("Desktop.ini")),
              "[.ShellClassInfo]\r\n"
              "IconFile = \"C:\\Programme\\Karv\xE9llo\\Karvello.exe\"\r\n"
              "IconIndex = 0\r\n"
              "ConfirmFileOp = 0\r\n"
              "OriginalIcon = %\r\n"
              "InfoTip = Stores shortcuts to your favorite folders\r\n");
}

TEST_F(OrganizedFoldersTest, ADesktopIniThatCannotBeWrittenLeavesTheAttributesAlone) {
    disk.AddFolder(kDir);
    disk.AddFile(InDir("Desktop.ini"), "mine", FILE_ATTR_READONLY);

    Restore();

    EXPECT_EQ(disk.Content(InDir("Desktop.ini")), "mine");
    EXPECT_EQ(disk.GetAttributes(kDir), FILE_ATTR_DIRECTORY);
}

TEST_F(OrganizedFoldersTest, TwoGroupsWithOneCaptionShareTheirFolderAndRaiseTheConflictOncePerRefresh) {
    const std::string first = AddGroup("G");
    AddShortcut("B", "C:\\Data\\B", first);
    const std::string second = AddGroup("G");
    AddShortcut("D", "C:\\Data\\D", second);

    Restore();

    EXPECT_TRUE(IsFile("G\\B.lnk"));
    EXPECT_TRUE(IsFile("G\\D.lnk"));
    ASSERT_EQ(messages.Shown().size(), 1u);
    const ShownMessage& shown = messages.Shown()[0];
    EXPECT_EQ(shown.title, "Refresh Organized Folders - Group Name Conflict");
    EXPECT_EQ(shown.text, "Folder G already exists. Its contents will be overwritten.\r\n"
                          "To fix this problem change the group's name.");
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);

    Restore();
    EXPECT_EQ(messages.Shown().size(), 2u);
}

TEST_F(OrganizedFoldersTest, ClearingKeepsReadOnlyFilesAndRemovesEverythingElse) {
    disk.AddFolder(kDir);
    disk.AddFile(InDir("notes.txt"), "by hand");
    disk.AddFile(InDir("keep.txt"), "by hand", FILE_ATTR_READONLY);
    disk.AddFile(InDir("Old\\inner.txt"), "by hand", FILE_ATTR_READONLY);
    disk.AddFile(InDir("Desktop.ini"), "old", FILE_ATTR_HIDDEN | FILE_ATTR_SYSTEM);

    Restore();

    EXPECT_FALSE(IsFile("notes.txt"));
    EXPECT_TRUE(IsFile("keep.txt"));
    EXPECT_FALSE(IsFolder("Old"));
    EXPECT_NE(disk.Content(InDir("Desktop.ini")), "old");
}

class MirroredTreeTest : public OrganizedFoldersTest {
protected:
    MirroredTreeTest() {
        AddShortcut("A", "C:\\Data\\A");
        AddItem({.OwnerName = MIT_GROUP_USER, .Separator = true});
        AddItem({.Caption = "Open-All", .OwnerName = MIT_GROUP_USER, .ItemType = MIT_OPENALL});
        AddItem({.Caption = "System Folders",
                 .OwnerName = TOP_LEVEL_OWNER,
                 .Name = MIT_PATHS_SYSTEM,
                 .ItemType = MIT_PATHS_SYSTEM,
                 .SubMenu = true});
        AddItem({.Caption = "Personal",
                 .OwnerName = MIT_PATHS_SYSTEM,
                 .Name = MIT_PATHS_SYSTEM_P,
                 .SubMenu = true});
        AddShortcut("Desktop", kDesktop, MIT_PATHS_SYSTEM_P, MIT_PATH_EXPLORER);
        AddItem({.Caption = "Drives",
                 .OwnerName = TOP_LEVEL_OWNER,
                 .Name = MIT_PATHS_DRIVES,
                 .ItemType = MIT_PATHS_DRIVES,
                 .SubMenu = true,
                 .Remark = REMARK_AUTO});
        disk.AddFolder("C:\\");
        AddItem({.Caption = "Local Disk (C:)",
                 .OwnerName = MIT_PATHS_DRIVES,
                 .FolderPath = "C:\\",
                 .ItemType = MIT_DRIVE,
                 .KeepCaptionCharacters = true});
        AddItem({.Caption = "Organize Folders",
                 .OwnerName = TOP_LEVEL_OWNER,
                 .Name = MIT_HF_ORGANIZE,
                 .FolderPath = "C:\\Data\\A",
                 .ItemType = MIT_HF_ORGANIZE});
    }
};

TEST_F(MirroredTreeTest, WithoutSystemFoldersOnlyThePersonalGroupIsWritten) {
    Restore(false);

    EXPECT_TRUE(IsFile("A.lnk"));
    EXPECT_FALSE(IsFolder("System Folders"));
    EXPECT_EQ(links.WriteCount(), 1);
}

TEST_F(MirroredTreeTest, WithSystemFoldersTheirGroupIsWrittenButNeverTheDrives) {
    Restore(true);

    EXPECT_TRUE(IsFile("A.lnk"));
    EXPECT_TRUE(IsFile("System Folders\\Personal\\Desktop.lnk"));
    EXPECT_FALSE(IsFolder("Personal"));
    EXPECT_FALSE(IsFolder("Drives"));
    EXPECT_EQ(links.WriteCount(), 2);
    EXPECT_EQ(Names(disk.ListFolder(kDir)), (Strings{"A.lnk", "System Folders", "Desktop.ini"}));
}

TEST_F(OrganizedFoldersTest, ExplorerAndFolderShortcutsGiveTheSameLink) {
    AddShortcut("Window", "C:\\Data\\A", MIT_GROUP_USER, MIT_PATH_SHORTCUT);
    AddShortcut("Explorer", "C:\\Data\\A", MIT_GROUP_USER, MIT_PATH_EXPLORER);
    AddShortcut("Unknown", "C:\\Data\\A", MIT_GROUP_USER, "MIT_PATH_OTHER");

    Restore();

    ASSERT_TRUE(links.Link(InDir("Window.lnk")));
    EXPECT_EQ(links.Link(InDir("Explorer.lnk")), links.Link(InDir("Window.lnk")));
    EXPECT_FALSE(IsFile("Unknown.lnk"));
}

TEST_F(OrganizedFoldersTest, ALaterShortcutWithTheSameCaptionReplacesTheEarlierOne) {
    AddShortcut("Same", "C:\\Data\\A");
    AddShortcut("Same", "C:\\Data\\B");

    Restore();

    EXPECT_EQ(links.Link(InDir("Same.lnk"))->target, "C:\\Data\\B");
}

TEST_F(OrganizedFoldersTest, CaptionsWindowsCannotUseAsNamesFailQuietlyAndTheWalkGoesOn) {
    const std::string device = AddGroup("CON");
    AddShortcut("Inside", "C:\\Data\\A", device);
    AddGroup("G."); // Windows would strip the dot and write into another folder
    AddShortcut("NUL", "C:\\Data\\A");
    AddShortcut("com1 ", "C:\\Data\\A");
    AddShortcut("lpt9.old", "C:\\Data\\A");
    AddShortcut("Tab\there", "C:\\Data\\A");
    AddShortcut(std::string(250, 'x'), "C:\\Data\\A");
    AddShortcut("Fine", "C:\\Data\\B");
    AddShortcut("COM10", "C:\\Data\\B");

    Restore();

    EXPECT_EQ(Names(disk.ListFolder(kDir)), (Strings{"COM10.lnk", "Fine.lnk", "Desktop.ini"}));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(OrganizedFoldersTest, AShortcutInAGroupWhoseFolderCouldNotBeMadeProducesNothing) {
    const std::string group = AddGroup("G");
    AddShortcut("B", "C:\\Data\\B", group);
    disk.AddFolder(kDir);
    disk.Lock(InDir("G"));

    Restore();

    EXPECT_FALSE(IsFolder("G"));
    EXPECT_EQ(links.WriteCount(), 0);
    EXPECT_TRUE(IsFile("Desktop.ini"));
}

TEST_F(OrganizedFoldersTest, WithoutThePersonalGroupTheDirectoryIsOnlyEmptied) {
    clsMenuCollection empty;
    disk.AddFile(InDir("old.lnk"), "x");

    shortcuts.RestoreOrganizedFolders(OrganizedFoldersLocation::Desktop, empty, false);

    EXPECT_EQ(Names(disk.ListFolder(kDir)), Strings{"Desktop.ini"});
}

TEST_F(OrganizedFoldersTest, ALocationWithoutShellFolderIsLeftAlone) {
    shellFolders.Set(ShellFolder::SendTo, std::nullopt);
    shellFolders.Set(ShellFolder::Favorites, "");
    shortcuts.InitOrganizedFoldersPaths(kExe);
    AddShortcut("A", "C:\\Data\\A");
    disk.AddFolder("\\Organized Folders");
    disk.AddFile("\\Organized Folders\\mine.txt", "x");
    const auto before = disk.AllPaths();

    for (const auto location : {OrganizedFoldersLocation::SendTo, OrganizedFoldersLocation::Favorites}) {
        EXPECT_EQ(shortcuts.Directory(location), "");
        shortcuts.RestoreOrganizedFolders(location, tree, false);
        shortcuts.DeleteOrganizedFoldersDir(location);
    }
    shortcuts.RestoreMissingOrganizedFolders(tree, {.inSendTo = true, .inFavorites = true});

    EXPECT_EQ(disk.AllPaths(), before);
    EXPECT_TRUE(registry.ValueNames(RegistryRoot::CurrentUser, kSettings).empty());
}

TEST_F(OrganizedFoldersTest, CreatingRecordsThePathEachTimeButNotWhenTheFolderCannotBeMade) {
    shortcuts.CreateOrganizedFoldersDir(OrganizedFoldersLocation::Favorites);
    registry.PutString(RegistryRoot::CurrentUser, kSettings, "DirFavorites", "stale");
    shortcuts.CreateOrganizedFoldersDir(OrganizedFoldersLocation::Favorites);
    EXPECT_EQ(registry.String(RegistryRoot::CurrentUser, kSettings, "DirFavorites"),
              std::string(kFavorites) + "\\Organized Folders");

    disk.Lock(std::string(kSendTo) + "\\Organized Folders");
    shortcuts.CreateOrganizedFoldersDir(OrganizedFoldersLocation::SendTo);
    EXPECT_FALSE(registry.ValueExists(RegistryRoot::CurrentUser, kSettings, "DirSendTo"));
}

TEST_F(OrganizedFoldersTest, StartUpCreatesOnlyShownDirectoriesThatAreMissing) {
    AddShortcut("A", "C:\\Data\\A");
    disk.AddFile(InDir("stale.lnk"), "x");

    shortcuts.RestoreMissingOrganizedFolders(tree,
                                             {.onDesktop = true, .inSendTo = false, .inFavorites = true});

    EXPECT_TRUE(IsFile("stale.lnk"));
    EXPECT_FALSE(IsFile("A.lnk"));
    EXPECT_FALSE(disk.Exists(std::string(kSendTo) + "\\Organized Folders"));
    EXPECT_TRUE(disk.FileExists(std::string(kFavorites) + "\\Organized Folders\\A.lnk"));
}

TEST_F(OrganizedFoldersTest, DeletingRemovesEverythingButKeepsTheRegistryValue) {
    AddShortcut("A", "C:\\Data\\A");
    Restore();
    disk.AddFile(InDir("G\\locked.txt"), "x", FILE_ATTR_READONLY | FILE_ATTR_HIDDEN);

    shortcuts.DeleteOrganizedFoldersDir(OrganizedFoldersLocation::Desktop);

    EXPECT_FALSE(disk.Exists(kDir));
    EXPECT_TRUE(disk.FolderExists(kDesktop));
    EXPECT_TRUE(registry.ValueExists(RegistryRoot::CurrentUser, kSettings, "DirDesktop"));
}

TEST(DeleteFolderTreeTest, RemovesLinksToOtherFoldersWithoutEnteringThem) {
    FakeFileSystem disk;
    disk.AddFile("C:\\Users\\ann\\Documents\\precious.txt", "keep me");
    disk.AddFile("C:\\Tree\\Junction\\precious.txt", "keep me");
    ASSERT_TRUE(disk.SetAttributes("C:\\Tree\\Junction", FILE_ATTR_DIRECTORY | 0x400));
    disk.AddFile("C:\\Tree\\Sub\\ro.txt", "x", FILE_ATTR_READONLY);

    DeleteFolderTree(disk, "C:\\Tree");

    EXPECT_TRUE(disk.FileExists("C:\\Tree\\Junction\\precious.txt"));
    EXPECT_FALSE(disk.Exists("C:\\Tree\\Sub"));
    EXPECT_FALSE(DeleteFolderTree(disk, "C:\\Users\\ann\\Documents\\precious.txt"));
    EXPECT_TRUE(disk.FileExists("C:\\Users\\ann\\Documents\\precious.txt"));
}

} // namespace
} // namespace krv
