#pragma once
// The menus, keyboard accelerators and toolbar of the Organize Folders window as data: the window builds
// its Windows menus, accelerator table and toolbar from these tables, and the tests read them.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "organize/OrganizeCommands.h"

namespace krv {

// One entry of a menu, in a flat list where Level gives the nesting: an entry without a command opens a
// submenu holding the deeper entries that follow it. A separator has no caption.
struct MenuEntry {
    uint8_t Level;
    int Command; // an OrganizeCommand, 0 for a submenu or a separator
    const char* Caption;
};

enum class OrganizeMenuKind { MenuBar, ItemPopup, EmptyPopup, Toolbar };

std::span<const MenuEntry> OrganizeMenuEntries(OrganizeMenuKind kind);

// A keyboard accelerator: a virtual-key code with its modifiers.
struct Accelerator {
    OrganizeCommand Command;
    uint16_t Key; // Windows virtual-key code
    bool Ctrl = false;
    bool Shift = false;
    bool Alt = false;
};

std::span<const Accelerator> OrganizeAccelerators();
// The text of an accelerator as a menu shows it ("Ctrl+S", "Alt+Enter", "F5", "Del").
std::string AcceleratorText(const Accelerator& accelerator);
// A menu entry's caption with its accelerator after a tab when the command has one.
std::string MenuCaption(const MenuEntry& entry);

// One button of the toolbar tlbMain; a separator has no command.
struct ToolbarButton {
    int Command;     // an OrganizeCommand, 0 for a separator
    const char* Key; // the button's key ("keyNew")
    int Image;       // index into the toolbar's image lists
};

inline constexpr size_t kToolbarButtonCount = 9;
std::span<const ToolbarButton> OrganizeToolbarButtons();
// The nine captions of the buttons in their order: the program-wide table filled at start-up.
std::array<std::string, kToolbarButtonCount> ToolbarCaptionTable();

} // namespace krv
