// The menu builder against real Windows menus: what it builds is read back with GetMenuItemInfoW, as a
// screen reader or a test driver would read it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "groups/modSetupDrives.h"
#include "menu/modMenuSetup.h"
#include "model/clsMenuCollection.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32MenuHost.h"
#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemInfo.h"

namespace krv {
namespace {

// What Windows holds for one entry.
struct ReadEntry {
    UINT type = 0;
    UINT id = 0;
    HMENU submenu = nullptr;
    std::string text;
};

ReadEntry ReadBack(HMENU menu, int32_t position) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 255;
    EXPECT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) << position;
    return {info.fType, info.wID, info.hSubMenu, Narrow(text)};
}

std::vector<ReadEntry> ReadMenu(HMENU menu) {
    std::vector<ReadEntry> entries;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        entries.push_back(ReadBack(menu, i));
    }
    return entries;
}

class RecordingWindow final : public IMenuWindow {
public:
    void ShowBusyPointer() override { calls.push_back("busy"); }
    void ShowNormalPointer() override { calls.push_back("normal"); }
    void InstallMenuHandler() override { calls.push_back("install"); }
    void RemoveMenuHandler() override { calls.push_back("remove"); }
    std::vector<std::string> calls;
};

// A hidden window whose menu bar holds "File" with the placeholder "Dummy" (50), as the main window's does.
class MenuWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"KarvelloMenuBuildTest";
        ::RegisterClassExW(&windowClass);
        window_.reset(::CreateWindowExW(0, windowClass.lpszClassName, L"Menu test", WS_OVERLAPPEDWINDOW, 0, 0,
                                        200, 100, nullptr, nullptr, windowClass.hInstance, nullptr));
        ASSERT_TRUE(window_);
        HMENU bar = ::CreateMenu();
        HMENU file = ::CreatePopupMenu();
        ::AppendMenuW(file, MF_STRING, 50, L"Dummy");
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
        ASSERT_TRUE(::SetMenu(window_.get(), bar)); // the window owns the bar and destroys it with itself
    }

    HMENU FileMenu() const { return ::GetSubMenu(::GetMenu(window_.get()), 0); }

    // Every built item stands at its Position in its owner menu, owner-drawn, with its identifier, its
    // caption as text, and a group with the submenu that holds its children.
    void ExpectMenuMatchesTree() {
        for (const clsMenuItem& item : tree_) {
            SCOPED_TRACE(item.Name());
            HMENU owner = Win32MenuHost::ToMenu(item.OwnerID());
            ASSERT_TRUE(::IsMenu(owner));
            const ReadEntry entry = ReadBack(owner, item.Position());
            EXPECT_TRUE(entry.type & MFT_OWNERDRAW);
            EXPECT_EQ((entry.type & MFT_SEPARATOR) != 0, item.Separator());
            EXPECT_EQ(entry.id, static_cast<UINT>(item.ID()));
            if (item.SubMenu()) {
                EXPECT_EQ(entry.submenu, Win32MenuHost::ToMenu(item.ID()));
                EXPECT_TRUE(::IsMenu(entry.submenu));
                EXPECT_EQ(::GetMenuItemCount(entry.submenu), tree_.ChildrenNumber(item.Name()));
            } else {
                EXPECT_EQ(entry.submenu, nullptr);
            }
            if (!item.Separator()) {
                EXPECT_EQ(entry.text, item.Caption());
            }
        }
    }

    void AddUserContent() {
        clsMenuItem personal;
        personal.SetName(MIT_GROUP_USER);
        personal.SetCaption("Personal");
        personal.SetOwnerName(TOP_LEVEL_OWNER);
        personal.SetSubMenu(true);
        tree_.AddOne(personal, false, true);
        tree_.AddNewMenuItem({.Caption = "Work", .OwnerName = MIT_GROUP_USER, .Name = "W", .SubMenu = true});
        tree_.AddNewMenuItem({.Caption = "Projects", .OwnerName = "W", .FolderPath = "C:\\Projects"});
        tree_.AddNewMenuItem({.OwnerName = "W", .Separator = true});
        tree_.AddNewMenuItem({.Caption = "Müller Straße Ω", .OwnerName = "W", .FolderPath = "C:\\M"});
        tree_.AddNewMenuItem({.OwnerName = "W", .ItemType = MIT_OPENALL});
        tree_.AddNewMenuItem({.Caption = "Empty", .OwnerName = MIT_GROUP_USER, .SubMenu = true});
        tree_.AddNewMenuItem({.Caption = "Docs", .OwnerName = MIT_GROUP_USER, .FolderPath = "C:\\Docs"});
    }

    void AddFixedEntries() {
        clsMenuItem separator;
        separator.SetName(MIT_HF_DRIVES_SEP);
        separator.SetOwnerName(TOP_LEVEL_OWNER);
        separator.SetSeparator(true);
        tree_.AddOne(separator, true, false);
        clsMenuItem organize;
        organize.SetName(MIT_HF_ORGANIZE);
        organize.SetCaption("Organize Folders");
        organize.SetItemType(MIT_HF_ORGANIZE);
        organize.SetOwnerName(TOP_LEVEL_OWNER);
        tree_.AddOne(organize, true, false);
        AddHelpEntries(tree_);
        AddOptionsEntry(tree_);
    }

    unique_hwnd window_;
    RecordingWindow form_;
    clsMenuCollection tree_;

    Win32MenuHost Host() { return Win32MenuHost(window_.get()); }
};

TEST_F(MenuWindowTest, BuildsOwnerDrawnEntriesThatKeepTheirSubmenusAndCaptions) {
    AddUserContent();
    AddFixedEntries();
    Win32MenuHost host = Host();

    const int32_t fileMenu = BuildPopupMenu(form_, host, tree_, "");

    EXPECT_EQ(Win32MenuHost::ToMenu(fileMenu), FileMenu());
    EXPECT_EQ(form_.calls, (std::vector<std::string>{"remove", "install"}));
    const auto top = ReadMenu(FileMenu());
    ASSERT_EQ(top.size(), 6u); // Help, separator, Personal, separator, Options, Organize Folders
    EXPECT_EQ(top[0].text, "Help");
    EXPECT_EQ(top[0].id, 50u); // the placeholder became the first entry, identifiers start at 50
    EXPECT_EQ(top[1].id, 51u);
    EXPECT_TRUE(top[1].type & MFT_SEPARATOR);
    EXPECT_EQ(top[2].text, "Personal");
    EXPECT_NE(top[2].submenu, nullptr);
    EXPECT_EQ(top[5].text, "Organize Folders");
    ExpectMenuMatchesTree();

    const auto work = ReadMenu(Win32MenuHost::ToMenu(tree_.GetMenuItemFromName("W")->ID()));
    ASSERT_EQ(work.size(), 4u);
    EXPECT_EQ(work[0].text, "Projects");
    EXPECT_TRUE(work[1].type & MFT_SEPARATOR);
    EXPECT_EQ(work[2].text, "Müller Straße Ω");
    EXPECT_EQ(work[3].text, "Open-All");
}

TEST_F(MenuWindowTest, ClearingLeavesThePlaceholderAndDestroysTheSubmenus) {
    AddUserContent();
    AddFixedEntries();
    Win32MenuHost host = Host();
    BuildPopupMenu(form_, host, tree_, "");
    std::vector<HMENU> submenus;
    for (const clsMenuItem& item : tree_) {
        if (item.SubMenu()) {
            submenus.push_back(Win32MenuHost::ToMenu(item.ID()));
        }
    }

    ClearPopupMenu(host, tree_);

    const auto top = ReadMenu(FileMenu());
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].text, "Dummy");
    EXPECT_EQ(top[0].id, 50u);
    EXPECT_FALSE(top[0].type & MFT_OWNERDRAW);
    EXPECT_EQ(tree_.Count(), 0);
    for (HMENU submenu : submenus) {
        EXPECT_FALSE(::IsMenu(submenu));
    }

    // The next build starts again from identifier 50 and replaces the placeholder.
    AddUserContent();
    AddFixedEntries();
    BuildPopupMenu(form_, host, tree_, "");
    EXPECT_EQ(ReadBack(FileMenu(), 0).id, 50u);
    ExpectMenuMatchesTree();
}

TEST_F(MenuWindowTest, BuildingTheDrivesGroupTouchesNoOtherEntry) {
    AddUserContent();
    AddFixedEntries();
    Win32MenuHost host = Host();
    BuildPopupMenu(form_, host, tree_, "");
    const auto before = ReadMenu(FileMenu());
    const auto personalBefore = ReadMenu(Win32MenuHost::ToMenu(tree_.GetMenuItemFromName(MIT_GROUP_USER)->ID()));
    form_.calls.clear();

    Win32SystemInfo system;
    std::vector<clsDrive> driveList;
    AddDrives(tree_, system, driveList);
    BuildPopupMenu(form_, host, tree_, MIT_PATHS_DRIVES);

    EXPECT_TRUE(form_.calls.empty()); // the message handler stays as it is
    const clsMenuItem* drives = tree_.GetMenuItemFromName(MIT_PATHS_DRIVES);
    auto after = ReadMenu(FileMenu());
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after[static_cast<size_t>(drives->Position())].text, "Drives");
    after.erase(after.begin() + drives->Position());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].id, before[i].id) << i;
        EXPECT_EQ(after[i].type, before[i].type) << i;
        EXPECT_EQ(after[i].submenu, before[i].submenu) << i;
        EXPECT_EQ(after[i].text, before[i].text) << i;
    }
    const auto personalAfter = ReadMenu(Win32MenuHost::ToMenu(tree_.GetMenuItemFromName(MIT_GROUP_USER)->ID()));
    ASSERT_EQ(personalAfter.size(), personalBefore.size());
    for (size_t i = 0; i < personalBefore.size(); ++i) {
        EXPECT_EQ(personalAfter[i].id, personalBefore[i].id) << i;
        EXPECT_EQ(personalAfter[i].submenu, personalBefore[i].submenu) << i;
    }
    EXPECT_EQ(static_cast<size_t>(::GetMenuItemCount(Win32MenuHost::ToMenu(drives->ID()))), driveList.size());
    ExpectMenuMatchesTree();

    // When the drives change, their group comes out of the menu and goes back in at the same place.
    RemoveDrives(tree_, &host);
    EXPECT_EQ(ReadMenu(FileMenu()).size(), before.size());
    AddDrives(tree_, system, driveList);
    BuildPopupMenu(form_, host, tree_, MIT_PATHS_DRIVES);
    ExpectMenuMatchesTree();
}

TEST_F(MenuWindowTest, DefaultConfigurationOfThisSystemBuilds) {
    Win32SystemInfo system;
    Win32FileSystem files;
    Win32Registry registry;
    Win32MessagePump pump;
    const SystemServices services{system, files, registry, pump};

    CreateDefaultConfiguration(form_, tree_, services, MenuSetupOptions{});
    Win32MenuHost host = Host();
    BuildPopupMenu(form_, host, tree_, "");

    EXPECT_EQ(form_.calls, (std::vector<std::string>{"busy", "normal", "remove", "install"}));
    EXPECT_GT(tree_.ChildrenNumber(MIT_GROUP_USER), 0); // C: has first-level folders under Wine too
    EXPECT_LE(tree_.ChildrenNumber(MIT_GROUP_USER), 25);
    ExpectMenuMatchesTree();
    ClearPopupMenu(host, tree_);
    EXPECT_EQ(::GetMenuItemCount(FileMenu()), 1);
}

TEST_F(MenuWindowTest, ModifyingAGroupEntryWithoutItsSubmenuDestroysTheSubmenu) {
    Win32MenuHost host = Host();
    const int32_t file = Win32MenuHost::FromMenu(FileMenu());
    const int32_t submenu = host.CreatePopup();
    ASSERT_TRUE(host.InsertEntry(submenu, 0, MENU_FLAG_BY_POSITION, 60, "Inside"));
    ASSERT_TRUE(host.InsertEntry(file, 1, MENU_FLAG_BY_POSITION | MENU_FLAG_POPUP, submenu, "Group"));
    EXPECT_FALSE(host.InsertEntry(file, 2, MENU_FLAG_BY_POSITION | MENU_FLAG_POPUP, 12345, "Not a menu"));

    ASSERT_TRUE(host.ModifyEntry(file, 1, MENU_FLAG_BY_POSITION | MENU_FLAG_OWNERDRAW | MENU_FLAG_POPUP, submenu,
                                 "Group"));
    EXPECT_TRUE(::IsMenu(Win32MenuHost::ToMenu(submenu)));
    EXPECT_EQ(ReadBack(FileMenu(), 1).submenu, Win32MenuHost::ToMenu(submenu));

    ASSERT_TRUE(host.ModifyEntry(file, 1, MENU_FLAG_BY_POSITION, 61, "Command"));
    EXPECT_FALSE(::IsMenu(Win32MenuHost::ToMenu(submenu)));
    EXPECT_EQ(host.EntryCount(file), 2);
    EXPECT_TRUE(host.DeleteEntry(file, 1));
    EXPECT_FALSE(host.DeleteEntry(file, 1));
    EXPECT_EQ(host.EntryCount(file), 1);
}

// A menu of 5,000 entries, as a large configuration gives: built and cleared in one go. The times are
// printed for the performance notes; the test itself checks the menu that results.
TEST_F(MenuWindowTest, BuildsAndClearsFiveThousandEntries) {
    clsMenuItem personal;
    personal.SetName(MIT_GROUP_USER);
    personal.SetCaption("Personal");
    personal.SetOwnerName(TOP_LEVEL_OWNER);
    personal.SetSubMenu(true);
    tree_.AddOne(personal, false, true);
    for (int group = 0; group < 50; ++group) {
        const std::string groupName = "G" + std::to_string(group);
        tree_.AddNewMenuItem({.Caption = "Group " + std::to_string(group), .OwnerName = MIT_GROUP_USER,
                              .Name = groupName, .SubMenu = true});
        for (int shortcut = 0; shortcut < 99; ++shortcut) {
            tree_.AddNewMenuItem({.Caption = "Folder " + std::to_string(shortcut), .OwnerName = groupName,
                                  .FolderPath = "C:\\F" + std::to_string(shortcut)});
        }
    }
    AddFixedEntries();
    ASSERT_EQ(tree_.Count(), 1 + 50 * 100 + 5);
    Win32MenuHost host = Host();

    const auto start = std::chrono::steady_clock::now();
    BuildPopupMenu(form_, host, tree_, "");
    const auto built = std::chrono::steady_clock::now();
    ExpectMenuMatchesTree();
    const auto checked = std::chrono::steady_clock::now();
    ClearPopupMenu(host, tree_);
    const auto cleared = std::chrono::steady_clock::now();

    EXPECT_EQ(::GetMenuItemCount(FileMenu()), 1);
    using ms = std::chrono::duration<double, std::milli>;
    std::printf("[ timing   ] BuildPopupMenu of %d entries: %.1f ms; ClearPopupMenu: %.1f ms\n", 5006,
                ms(built - start).count(), ms(cleared - checked).count());
}

} // namespace
} // namespace krv
