#include "platform/win32/Win32MenuHost.h"

#include <string>

#include "platform/Text.h"

namespace krv {

namespace {

// An entry as Windows takes it. Owner-drawn entries keep their text too, so that screen readers and test
// drivers can read the menu; the drawing itself never uses it.
struct EntryInfo {
    MENUITEMINFOW info{};
    std::wstring text;

    EntryInfo(uint32_t flags, int32_t identifier, std::string_view caption) : text(Widen(caption)) {
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (flags & MENU_FLAG_SEPARATOR) {
            info.fType |= MFT_SEPARATOR;
        } else {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = text.data();
            info.cch = static_cast<UINT>(text.size());
        }
        if (flags & MENU_FLAG_OWNERDRAW) {
            info.fType |= MFT_OWNERDRAW;
        }
        // A group's identifier is its submenu's handle, also as the command identifier Windows reports.
        info.wID = static_cast<UINT>(identifier);
        info.hSubMenu = (flags & MENU_FLAG_POPUP) ? Win32MenuHost::ToMenu(identifier) : nullptr;
    }

    // Windows refuses a submenu that is not a menu only on some versions; refuse it everywhere.
    bool Valid() const { return info.hSubMenu == nullptr || ::IsMenu(info.hSubMenu); }
};

HMENU SubmenuAt(HMENU menu, int32_t position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_SUBMENU;
    if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
        return nullptr;
    }
    return info.hSubMenu;
}

} // namespace

HMENU Win32MenuHost::ToMenu(int32_t handle) noexcept {
    return reinterpret_cast<HMENU>(static_cast<intptr_t>(handle));
}

int32_t Win32MenuHost::FromMenu(HMENU menu) noexcept {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(menu));
}

int32_t Win32MenuHost::TopLevelPopup() {
    HMENU bar = window_ != nullptr ? ::GetMenu(window_) : menuBar_;
    return bar == nullptr ? 0 : FromMenu(::GetSubMenu(bar, 0));
}

int32_t Win32MenuHost::CreatePopup() {
    return FromMenu(::CreatePopupMenu());
}

void Win32MenuHost::DestroyPopup(int32_t menu) {
    ::DestroyMenu(ToMenu(menu));
}

bool Win32MenuHost::InsertEntry(int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                                std::string_view text) {
    const EntryInfo entry(flags, identifier, text);
    return entry.Valid() &&
           ::InsertMenuItemW(ToMenu(menu), static_cast<UINT>(position), TRUE, &entry.info) != FALSE;
}

bool Win32MenuHost::ModifyEntry(int32_t menu, int32_t position, uint32_t flags, int32_t identifier,
                                std::string_view text) {
    const EntryInfo entry(flags, identifier, text);
    if (!entry.Valid()) {
        return false;
    }
    HMENU owner = ToMenu(menu);
    HMENU previousSubmenu = SubmenuAt(owner, position);
    if (!::SetMenuItemInfoW(owner, static_cast<UINT>(position), TRUE, &entry.info)) {
        return false;
    }
    // SetMenuItemInfoW only detaches a submenu it is not given again; it is destroyed here, as ModifyMenuW
    // would, so that no menu is left without owner.
    if (previousSubmenu != nullptr && previousSubmenu != entry.info.hSubMenu) {
        ::DestroyMenu(previousSubmenu);
    }
    return true;
}

bool Win32MenuHost::DeleteEntry(int32_t menu, int32_t position) {
    return ::DeleteMenu(ToMenu(menu), static_cast<UINT>(position), MF_BYPOSITION) != FALSE;
}

int32_t Win32MenuHost::EntryCount(int32_t menu) {
    return ::GetMenuItemCount(ToMenu(menu));
}

} // namespace krv
