#pragma once
// Carries out a drawing plan of the owner-drawn popup menu on a device context.

#include <windows.h>

#include "menu/modMenuSystem.h"

namespace krv {

// The colour of the plan on this system.
COLORREF PlanColorValue(PlanColor color);

// Paints one entry as the plan says, with font for its texts; iconOfSlot gives the icon of a slot of the
// menu's icon table (nullptr draws none).
template <typename IconOfSlot>
void PaintMenuItem(HDC dc, const MenuDrawPlan& plan, HFONT font, IconOfSlot iconOfSlot);

// The fills and texts of a plan; the icon is left to the caller, which owns the icon table.
void PaintMenuItemWithoutIcon(HDC dc, const MenuDrawPlan& plan, HFONT font);

template <typename IconOfSlot>
void PaintMenuItem(HDC dc, const MenuDrawPlan& plan, HFONT font, IconOfSlot iconOfSlot) {
    PaintMenuItemWithoutIcon(dc, plan, font);
    if (!plan.icon)
        return;
    if (HICON icon = iconOfSlot(plan.icon->slot))
        ::DrawIconEx(dc, plan.icon->left, plan.icon->top, icon, plan.icon->size, plan.icon->size, 0, nullptr,
                     DI_NORMAL);
}

} // namespace krv
