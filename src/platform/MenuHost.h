#pragma once
// The Windows popup menus as the menu builder sees them: menus are 32-bit handles, entries are addressed by
// their zero-based position.

#include <cstdint>
#include <string_view>

namespace krv {

// Menu entry flags with the values Windows gives them. An entry is a command unless it carries
// MENU_FLAG_POPUP (its identifier is then the handle of its submenu) or MENU_FLAG_SEPARATOR.
enum MenuFlag : uint32_t {
    MENU_FLAG_BY_POSITION = 0x400,
    MENU_FLAG_POPUP = 0x10,
    MENU_FLAG_OWNERDRAW = 0x100,
    MENU_FLAG_SEPARATOR = 0x800,
};

// Menu handles are kept in 32 bits, as the tree keeps them in OwnerID and ID; Windows guarantees that the
// handles of user-interface objects fit in 32 bits, also in 64-bit processes.
class IMenuHost {
public:
    virtual ~IMenuHost() = default;

    // The first submenu of the main window's menu bar, the popup that the tray icon shows; 0 when absent.
    virtual int32_t TopLevelPopup() = 0;
    // A new, empty popup menu; 0 when none could be made.
    virtual int32_t CreatePopup() = 0;
    // Destroys a popup that was never attached to an entry (and every submenu inside it).
    virtual void DestroyPopup(int32_t menu) = 0;

    // Inserts an entry before the one at position (at the end when position is past the last entry).
    // identifier is the command identifier, or the submenu handle with MENU_FLAG_POPUP. Every entry keeps
    // its text, also an owner-drawn one, so that screen readers and test drivers can read the menu.
    virtual bool InsertEntry(int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                             std::string_view text) = 0;
    // Replaces the entry at position. An entry that had a submenu and is given none loses it (destroyed).
    virtual bool ModifyEntry(int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                             std::string_view text) = 0;
    // Deletes the entry at position; its submenu, if any, is destroyed with it.
    virtual bool DeleteEntry(int32_t menu, int32_t position) = 0;
    // Number of entries of a menu; -1 when the handle is not a menu.
    virtual int32_t EntryCount(int32_t menu) = 0;
};

// What the menu builder needs of the main window besides its menus.
class IMenuWindow {
public:
    virtual ~IMenuWindow() = default;
    virtual void ShowBusyPointer() = 0;
    virtual void ShowNormalPointer() = 0;
    // The owner-draw message handler; the builder removes it before a full build and installs it after.
    virtual void InstallMenuHandler() = 0;
    virtual void RemoveMenuHandler() = 0;
};

} // namespace krv
