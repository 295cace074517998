#pragma once
// modSystemTray: the program's icon in the notification area.

#include <windows.h>

namespace krv {

// The message the icon's mouse events arrive with; its lParam carries the mouse message (WM_LBUTTONUP...).
inline constexpr UINT TRAY_CALLBACK_MESSAGE = WM_APP + 1;

// Adds the icon with the tip "Karvello"; false when the notification area refused it.
bool AddTrayIcon(HWND window, HICON icon);
// Deletes the icon.
void RemoveTrayIcon(HWND window);

} // namespace krv
