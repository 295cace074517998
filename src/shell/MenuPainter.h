#pragma once
// Carries out the drawing plans of the owner-drawn popup menu, and holds the table of menu icons.

#include <array>

#include <windows.h>

#include "menu/modMenuSystem.h"
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

// Paints one entry as the plan says, with font for its texts.
void PaintMenuItem(HDC dc, const MenuDrawPlan& plan, const MenuIcons& icons, HFONT font);

// The colour of the plan on this system.
COLORREF PlanColorValue(PlanColor color);

} // namespace krv
