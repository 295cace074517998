#include "organize/OrganizeMenus.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace krv {
namespace {

// The caption each command's menu entries show, with its accelerator after a tab.
std::map<int, std::string> Captions(OrganizeMenuKind kind) {
    std::map<int, std::string> captions;
    for (const MenuEntry& entry : OrganizeMenuEntries(kind))
        if (entry.Command != 0)
            captions[entry.Command] = MenuCaption(entry);
    return captions;
}

TEST(OrganizeMenusTest, MenuEntriesShowTheirAccelerators) {
    const std::map<int, std::string> bar = Captions(OrganizeMenuKind::MenuBar);
    const struct {
        OrganizeCommand command;
        const char* caption;
    } cases[] = {
        {OrganizeCommand::FileOpen, "&Open...\tCtrl+O"},
        {OrganizeCommand::FileSave, "&Save\tCtrl+S"},
        {OrganizeCommand::ViewUpOneLevel, "&Up One Level\tBackspace"},
        {OrganizeCommand::ViewRefresh, "&Refresh\tF5"},
        {OrganizeCommand::ViewProperties, "Propertie&s\tAlt+Enter"},
        {OrganizeCommand::EditDelete, "&Delete\tDel"},
        {OrganizeCommand::EditRename, "Rena&me\tF2"},
        {OrganizeCommand::ToolsWindowsExplorer, "Open &Windows Explorer...\tCtrl+E"},
        {OrganizeCommand::FileSaveAs, "Save &As..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bar.at(CommandId(c.command)), c.caption);
}

TEST(OrganizeMenusTest, EveryAcceleratorIsDistinctAndReachesACommandOfTheWindow) {
    const std::map<int, std::string> bar = Captions(OrganizeMenuKind::MenuBar);
    // New Group has its entry in the empty-space popup menu's New submenu only.
    const std::map<int, std::string> empty = Captions(OrganizeMenuKind::EmptyPopup);
    std::set<std::string> keys;
    for (const Accelerator& accelerator : OrganizeAccelerators()) {
        const int id = CommandId(accelerator.Command);
        EXPECT_TRUE(IsOrganizeCommandId(id)) << id;
        EXPECT_TRUE(keys.insert(AcceleratorText(accelerator)).second) << AcceleratorText(accelerator);
        // The keys without an entry of their own are Enter and Tab, which act on the panes.
        if (accelerator.Command != OrganizeCommand::OpenSelected &&
            accelerator.Command != OrganizeCommand::SwitchPane) {
            EXPECT_TRUE(bar.contains(id) || empty.contains(id)) << AcceleratorText(accelerator);
        }
    }
    for (const char* key : {"Enter", "Backspace", "Tab", "F5", "Alt+Enter", "Ctrl+S", "Ctrl+O"})
        EXPECT_TRUE(keys.contains(key)) << key;
}

TEST(OrganizeMenusTest, MenusAndToolbarUseOnlyTheWindowsCommandsOncePerMenu) {
    for (const OrganizeMenuKind kind : {OrganizeMenuKind::MenuBar, OrganizeMenuKind::ItemPopup,
                                        OrganizeMenuKind::EmptyPopup, OrganizeMenuKind::Toolbar}) {
        std::set<int> seen;
        for (const MenuEntry& entry : OrganizeMenuEntries(kind)) {
            if (entry.Command == 0)
                continue;
            EXPECT_TRUE(IsOrganizeCommandId(entry.Command)) << entry.Caption;
            EXPECT_TRUE(seen.insert(entry.Command).second) << entry.Caption;
        }
    }
    size_t buttons = 0;
    for (const ToolbarButton& button : OrganizeToolbarButtons())
        if (button.Command != 0) {
            EXPECT_EQ(button.Image, static_cast<int>(buttons++)) << button.Key;
        }
    EXPECT_EQ(buttons, kToolbarButtonCount);
    EXPECT_EQ(ToolbarCaptionTable().front(), "New");
    EXPECT_EQ(ToolbarCaptionTable().back(), "Properties");
}

} // namespace
} // namespace krv
