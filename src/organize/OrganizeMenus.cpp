#include "organize/OrganizeMenus.h"

namespace krv {
namespace {

using C = OrganizeCommand;
constexpr int Id(C command) {
    return static_cast<int>(command);
}

// Virtual-key codes of the accelerators (winuser.h values; this file is portable).
constexpr uint16_t kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kDelete = 0x2E, kF2 = 0x71, kF5 = 0x74;

constexpr MenuEntry kMenuBar[] = {
    {0, 0, "&File"},
    {1, Id(C::FileNewItem), "&New Item"},
    {1, 0, nullptr},
    {1, Id(C::FileOpen), "&Open..."},
    {1, Id(C::FileOpenDefault), "Open D&efault"},
    {1, Id(C::FileSetDefault), "Set As &Default"},
    {1, 0, nullptr},
    {1, Id(C::FileSave), "&Save"},
    {1, Id(C::FileSaveAs), "Save &As..."},
    {1, 0, nullptr},
    {1, Id(C::FileInformation), "&Information"},
    {1, Id(C::FileOptions), "O&ptions"},
    {1, 0, nullptr},
    {1, Id(C::FileExitDiscarding), "Exit &Discarding Changes"},
    {1, Id(C::FileExit), "E&xit"},

    {0, 0, "&Edit"},
    {1, Id(C::EditUndo), "&Undo"},
    {1, Id(C::EditRedo), "&Redo"},
    {1, 0, nullptr},
    {1, Id(C::EditCut), "Cu&t"},
    {1, Id(C::EditCopy), "&Copy"},
    {1, Id(C::EditCopyShortcut), "Copy S&hortcut"},
    {1, Id(C::EditPaste), "&Paste"},
    {1, 0, nullptr},
    {1, Id(C::EditDelete), "&Delete"},
    {1, Id(C::EditRename), "Rena&me"},
    {1, Id(C::EditChange), "Chan&ge"},
    {1, 0, nullptr},
    {1, Id(C::EditSelectAll), "Select &All"},
    {1, Id(C::EditDeselectAll), "D&eselect All"},
    {1, Id(C::EditInvertSelection), "&Invert Selection"},

    {0, 0, "&View"},
    {1, 0, "&Toolbar"},
    {2, Id(C::ViewToolbarLargeButtons), "Large Buttons"},
    {2, Id(C::ViewToolbarShowText), "Show Text"},
    {1, Id(C::ViewStatusBar), "Status &Bar"},
    {1, Id(C::ViewShortcutsInLeftPane), "Sho&w Shortcuts in Left Pane"},
    {1, 0, nullptr},
    {1, Id(C::ViewLargeIcons), "Lar&ge Icons"},
    {1, Id(C::ViewSmallIcons), "S&mall Icons"},
    {1, Id(C::ViewList), "&List"},
    {1, Id(C::ViewDetails), "&Details"},
    {1, Id(C::ViewGrid), "G&rid"},
    {1, 0, nullptr},
    {1, 0, "&Arrange Icons"},
    {2, Id(C::ArrangeByName), "by &Name"},
    {2, Id(C::ArrangeByType), "by &Type"},
    {2, Id(C::ArrangeByKeyboardShortcut), "by &Keyboard Shortcut"},
    {2, Id(C::ArrangeByTargetFolder), "by Target &Folder"},
    {2, Id(C::ArrangeByDescription), "by D&escription"},
    {2, Id(C::ArrangeByModified), "by Date &Modified"},
    {2, Id(C::ArrangeByCreated), "by Date &Created"},
    {1, Id(C::ViewUpOneLevel), "&Up One Level"},
    {1, 0, nullptr},
    {1, Id(C::ViewRefresh), "&Refresh"},
    {1, Id(C::ViewProperties), "Propertie&s"},

    {0, 0, "&Tools"},
    {1, Id(C::ToolsFolderShortcutsList), "Folder Shortcuts &List"},
    {1, 0, nullptr},
    {1, Id(C::ToolsWindowsExplorer), "Open &Windows Explorer..."},
    {1, Id(C::ToolsFind), "&Find Files and Folders..."},
    {1, 0, nullptr},
    {1, 0, "&Restore"},
    {2, Id(C::ToolsRestorePersonal), "&Personal Group"},
    {2, Id(C::ToolsRestoreSystemFolders), "&System Folders"},
    {1, 0, "Refresh &Organized Folders"},
    {2, Id(C::ToolsRefreshDesktop), "on &Desktop"},
    {2, Id(C::ToolsRefreshSendTo), "in &Send To"},
    {2, Id(C::ToolsRefreshFavorites), "in &Favorites"},
    {1, 0, nullptr},
    {1, Id(C::ToolsMapNetworkDrive), "&Map Network Drive..."},
    {1, Id(C::ToolsDisconnectNetworkDrive), "Dis&connect Network Drive..."},

    {0, 0, "&Help"},
    {1, Id(C::HelpContents), "&Contents..."},
    {1, Id(C::HelpIndex), "&Index..."},
    {1, 0, nullptr},
    {1, Id(C::HelpLatestVersion), "Check &Latest Version..."},
    {1, Id(C::HelpSupport), "Internet &Services and Support..."},
    {1, Id(C::HelpHomePage), "Karvello &Home Page..."},
    {1, 0, nullptr},
    {1, Id(C::HelpTipOfTheDay), "Show &Tip of the Day"},
    {1, 0, nullptr},
    {1, Id(C::HelpAbout), "&About Karvello"},
};

constexpr MenuEntry kItemPopup[] = {
    {0, Id(C::PopupExplore), "&Explore"},
    {0, Id(C::ToolsWindowsExplorer), "Open &Windows Explorer..."},
    {0, Id(C::ToolsFind), "&Find Files and Folders..."},
    {0, 0, nullptr},
    {0, Id(C::EditCut), "Cu&t"},
    {0, Id(C::EditCopy), "&Copy"},
    {0, Id(C::EditCopyShortcut), "Copy S&hortcut"},
    {0, Id(C::EditPaste), "&Paste"},
    {0, 0, nullptr},
    {0, Id(C::PopupRestore), "Rest&ore"},
    {0, 0, nullptr},
    {0, Id(C::EditDelete), "&Delete"},
    {0, Id(C::EditRename), "Rena&me"},
    {0, Id(C::EditChange), "Chan&ge"},
    {0, 0, nullptr},
    {0, Id(C::ViewProperties), "P&roperties"},
};

constexpr MenuEntry kEmptyPopup[] = {
    {0, 0, "&View"},
    {1, Id(C::ViewLargeIcons), "Lar&ge Icons"},
    {1, Id(C::ViewSmallIcons), "S&mall Icons"},
    {1, Id(C::ViewList), "&List"},
    {1, Id(C::ViewDetails), "&Details"},
    {1, Id(C::ViewGrid), "G&rid"},
    {0, 0, "Arrange &Icons"},
    {1, Id(C::ArrangeByName), "by &Name"},
    {1, Id(C::ArrangeByType), "by &Type"},
    {1, Id(C::ArrangeByKeyboardShortcut), "by &Keyboard Shortcut"},
    {1, Id(C::ArrangeByTargetFolder), "by Target &Folder"},
    {1, Id(C::ArrangeByDescription), "by D&escription"},
    {1, Id(C::ArrangeByModified), "by Date &Modified"},
    {1, Id(C::ArrangeByCreated), "by Date &Created"},
    {0, 0, nullptr},
    {0, 0, "Ne&w"},
    {1, Id(C::NewGroup), "&Group"},
    {1, Id(C::NewFolderShortcut), "&Folder Shortcut"},
    {1, Id(C::NewExplorerShortcut), "&Windows Explorer Shortcut"},
    {1, Id(C::NewOpenAll), "&Open-All"},
    {0, 0, nullptr},
    {0, Id(C::EditPaste), "&Paste"},
    {0, Id(C::EditSelectAll), "Select &All"},
    {0, 0, nullptr},
    {0, Id(C::ViewProperties), "P&roperties"},
};

constexpr MenuEntry kToolbarPopup[] = {
    {0, Id(C::ViewToolbarLargeButtons), "Large Buttons"},
    {0, Id(C::ViewToolbarShowText), "Show Text"},
};

constexpr Accelerator kAccelerators[] = {
    {C::FileNewItem, 'N', true},
    {C::NewGroup, 'N', true, true},
    {C::FileOpen, 'O', true},
    {C::FileSave, 'S', true},
    {C::EditUndo, 'Z', true},
    {C::EditRedo, 'Y', true},
    {C::EditCut, 'X', true},
    {C::EditCopy, 'C', true},
    {C::EditPaste, 'V', true},
    {C::EditDelete, kDelete},
    {C::EditRename, kF2},
    {C::EditSelectAll, 'A', true},
    {C::ViewUpOneLevel, kBack},
    {C::ViewRefresh, kF5},
    {C::ViewProperties, kReturn, false, false, true},
    {C::ToolsWindowsExplorer, 'E', true},
    {C::OpenSelected, kReturn},
    {C::SwitchPane, kTab},
};

constexpr ToolbarButton kToolbar[] = {
    {Id(C::FileNewItem), "keyNew", 0},
    {Id(C::EditChange), "keyChange", 1},
    {0, nullptr, 0},
    {Id(C::ViewUpOneLevel), "keyUp", 2},
    {Id(C::ToolsWindowsExplorer), "keyWindowsExplorer", 3},
    {0, nullptr, 0},
    {Id(C::EditCut), "keyCut", 4},
    {Id(C::EditCopy), "keyCopy", 5},
    {Id(C::EditPaste), "keyPaste", 6},
    {0, nullptr, 0},
    {Id(C::EditDelete), "keyDelete", 7},
    {Id(C::ViewProperties), "keyProperties", 8},
};

std::string KeyName(uint16_t key) {
    switch (key) {
    case kBack:
        return "Backspace";
    case kTab:
        return "Tab";
    case kReturn:
        return "Enter";
    case kDelete:
        return "Del";
    default:
        break;
    }
    if (key >= 0x70 && key <= 0x7B)
        return "F" + std::to_string(key - 0x70 + 1);
    return std::string(1, static_cast<char>(key));
}

} // namespace

std::span<const MenuEntry> OrganizeMenuEntries(OrganizeMenuKind kind) {
    switch (kind) {
    case OrganizeMenuKind::MenuBar:
        return kMenuBar;
    case OrganizeMenuKind::ItemPopup:
        return kItemPopup;
    case OrganizeMenuKind::EmptyPopup:
        return kEmptyPopup;
    case OrganizeMenuKind::Toolbar:
        return kToolbarPopup;
    }
    return {};
}

std::span<const Accelerator> OrganizeAccelerators() {
    return kAccelerators;
}

std::string AcceleratorText(const Accelerator& accelerator) {
    std::string text;
    if (accelerator.Ctrl)
        text += "Ctrl+";
    if (accelerator.Shift)
        text += "Shift+";
    if (accelerator.Alt)
        text += "Alt+";
    return text + KeyName(accelerator.Key);
}

std::string MenuCaption(const MenuEntry& entry) {
    std::string caption = entry.Caption != nullptr ? entry.Caption : "";
    for (const Accelerator& accelerator : kAccelerators) {
        if (Id(accelerator.Command) == entry.Command && entry.Command != 0) {
            caption += "\t" + AcceleratorText(accelerator);
            break;
        }
    }
    return caption;
}

std::span<const ToolbarButton> OrganizeToolbarButtons() {
    return kToolbar;
}

std::array<std::string, kToolbarButtonCount> ToolbarCaptionTable() {
    return {"New", "Change", "Up", "Explorer", "Cut", "Copy", "Paste", "Delete", "Properties"};
}

} // namespace krv
