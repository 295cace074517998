#include "shell/MenuIcons.h"

#include "ResourceIds.h"

namespace krv {
namespace {

// The resources of the pictures by icon number; the root (number 1) is the program's own icon.
constexpr std::array<int, ICON_COUNT> kIconResources = {0,
                                                        IDI_KARVELLO,
                                                        IDI_MENU_GROUP,
                                                        IDI_MENU_FOLDER_SHORTCUT,
                                                        IDI_MENU_EXPLORER_SHORTCUT,
                                                        IDI_MENU_OPTIONS,
                                                        IDI_MENU_HELP,
                                                        IDI_MENU_ORGANIZE,
                                                        IDI_MENU_FLOPPY,
                                                        IDI_MENU_FIXED_DISK,
                                                        IDI_MENU_REMOTE_DISK,
                                                        IDI_MENU_CDROM,
                                                        IDI_MENU_OPEN_ALL};

} // namespace

void MenuIcons::LoadMenuIcons(HINSTANCE instance, int size) {
    if (size == size_)
        return;
    size_ = size;
    for (int slot = 1; slot < ICON_COUNT; ++slot) {
        icons_[slot].reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(kIconResources[slot]),
                                                           IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    }
    icons_[0].reset(icons_[1] ? ::CopyIcon(icons_[1].get()) : nullptr);
}

HICON MenuIcons::Icon(int slot) const {
    return slot >= 0 && slot < ICON_COUNT ? icons_[slot].get() : nullptr;
}

} // namespace krv
