#include "platform/win32/Win32MenuPainter.h"

#include <string>

#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv {
namespace {

RECT ToRect(const PlanRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

COLORREF PlanColorValue(PlanColor color) {
    switch (color) {
    case PlanColor::White:
        return RGB(255, 255, 255);
    case PlanColor::PureRed:
        return RGB(255, 0, 0);
    default:
        return ::GetSysColor(static_cast<int>(color));
    }
}

void PaintMenuItemWithoutIcon(HDC dc, const MenuDrawPlan& plan, HFONT font) {
    for (const PlanFill& fill : plan.fills) {
        const unique_hbrush brush(::CreateSolidBrush(PlanColorValue(fill.color)));
        const RECT rect = ToRect(fill.rect);
        ::FillRect(dc, &rect, brush.get());
    }
    const select_object_scope selectFont(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, PlanColorValue(plan.textColor));
    for (const PlanText& text : plan.texts) {
        std::wstring wide = Widen(text.text);
        RECT rect = ToRect(text.rect);
        const UINT format = DT_SINGLELINE | DT_TOP | (text.centered ? DT_CENTER : DT_LEFT);
        ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
    }
}

} // namespace krv
