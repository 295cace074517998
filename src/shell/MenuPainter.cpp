#include "shell/MenuPainter.h"

#include <string>

#include "ResourceIds.h"
#include "platform/Text.h"

namespace krv {
namespace {

// The resources of the pictures by icon number; the root (number 1) is the program's own icon.
constexpr std::array<int, ICON_COUNT> kIconResources = {
    0, IDI_KARVELLO, IDI_MENU_GROUP, IDI_MENU_FOLDER_SHORTCUT, IDI_MENU_EXPLORER_SHORTCUT, IDI_MENU_OPTIONS,
    IDI_MENU_HELP, IDI_MENU_ORGANIZE, IDI_MENU_FLOPPY, IDI_MENU_FIXED_DISK, IDI_MENU_REMOTE_DISK, IDI_MENU_CDROM,
    IDI_MENU_OPEN_ALL};

RECT ToRect(const PlanRect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

} // namespace

void MenuIcons::LoadMenuIcons(HINSTANCE instance, int size) {
    if (size == size_)
        return;
    size_ = size;
    for (int slot = 1; slot < ICON_COUNT; ++slot) {
        icons_[slot].reset(static_cast<HICON>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(kIconResources[slot]), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    }
    icons_[0].reset(icons_[1] ? ::CopyIcon(icons_[1].get()) : nullptr);
}

HICON MenuIcons::Icon(int slot) const {
    return slot >= 0 && slot < ICON_COUNT ? icons_[slot].get() : nullptr;
}

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

void PaintMenuItem(HDC dc, const MenuDrawPlan& plan, const MenuIcons& icons, HFONT font) {
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
    if (plan.icon) {
        if (HICON icon = icons.Icon(plan.icon->slot))
            ::DrawIconEx(dc, plan.icon->left, plan.icon->top, icon, plan.icon->size, plan.icon->size, 0, nullptr,
                         DI_NORMAL);
    }
}

} // namespace krv
