#pragma once
// The menu host on real Windows menus: the popup of the main window's menu bar and the submenus in it.

#include <cstdint>

#include <windows.h>

#include "platform/MenuHost.h"

namespace krv {

class Win32MenuHost final : public IMenuHost {
public:
    // The menus of a window: its top-level popup is the first submenu of the window's menu bar.
    explicit Win32MenuHost(HWND window) noexcept : window_(window) {}
    // The same for a menu bar that belongs to no window.
    explicit Win32MenuHost(HMENU menuBar) noexcept : menuBar_(menuBar) {}

    int32_t TopLevelPopup() override;
    int32_t CreatePopup() override;
    void DestroyPopup(int32_t menu) override;
    bool InsertEntry(int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                     std::string_view text) override;
    bool ModifyEntry(int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                     std::string_view text) override;
    bool DeleteEntry(int32_t menu, int32_t position) override;
    int32_t EntryCount(int32_t menu) override;

    // Menu handles travel through the tree as 32-bit numbers; these convert them, sign-extending as Windows
    // does when a 32-bit handle value reaches a 64-bit process.
    static HMENU ToMenu(int32_t handle) noexcept;
    static int32_t FromMenu(HMENU menu) noexcept;

private:
    HWND window_ = nullptr;
    HMENU menuBar_ = nullptr;
};

} // namespace krv
