#pragma once
// The table of menu icons of the owner-drawn popup menu.

#include <windows.h>

#include <array>

#include "model/MenuVocabulary.h"
#include "platform/win32/Handles.h"

namespace krv {

// MenuIcons: slots 1 to 12 hold the menu pictures by icon number, slot 0 a copy of slot 1. The pictures are
// loaded at the pixel size the menu is drawn with, so they stay sharp at every scaling.
class MenuIcons {
public:
    // Loads the twelve pictures from the program's resources at size pixels; nothing when already loaded at
    // that size.
    void LoadMenuIcons(HINSTANCE instance, int size);
    HICON Icon(int slot) const;

private:
    std::array<unique_hicon, ICON_COUNT> icons_;
    int size_ = 0;
};

} // namespace krv
