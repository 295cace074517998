#include "platform/win32/WindowPlacement.h"

namespace krv {
namespace {

PixelRect ToPixelRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

FormPlacement CurrentFormPlacement(HWND window) {
    FormPlacement placement;
    RECT rect{};
    ::GetWindowRect(window, &rect);
    placement.Bounds = ToPixelRect(rect);
    if (::IsZoomed(window))
        placement.State = FormWindowState::Maximized;
    else if (::IsIconic(window))
        placement.State = FormWindowState::Minimized;
    return placement;
}

ScreenInfo ScreenInfoFor(HWND window) {
    ScreenInfo screen;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor))
        screen.WorkArea = ToPixelRect(monitor.rcWork);
    screen.VirtualScreen = {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                            ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const UINT dpi = ::GetDpiForWindow(window);
    screen.Dpi = dpi != 0 ? static_cast<int>(dpi) : 96;
    return screen;
}

int RestoreFormPosition(HWND window, clsRegHandler& registry, const char* windowName, bool fixedSize,
                        int defaultWidth, int defaultHeight, bool maximizeByDefault) {
    const FormPlacement placement =
        LoadFormPosition(registry, windowName, fixedSize, defaultWidth, defaultHeight, maximizeByDefault,
                         CurrentFormPlacement(window), ScreenInfoFor(window));
    const PixelRect& bounds = placement.Bounds;
    ::SetWindowPos(window, nullptr, bounds.Left, bounds.Top, bounds.Width, bounds.Height,
                   SWP_NOZORDER | SWP_NOACTIVATE | (fixedSize ? SWP_NOSIZE : 0));
    return placement.State == FormWindowState::Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
}

void StoreFormPosition(HWND window, clsRegHandler& registry, const char* windowName, bool fixedSize) {
    SaveFormPosition(registry, windowName, fixedSize, CurrentFormPlacement(window),
                     ScreenInfoFor(window).Dpi);
}

} // namespace krv
