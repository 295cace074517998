#pragma once
// The window-placement store applied to real windows.

#include <windows.h>

#include "settings/FormPosition.h"

namespace krv {

class clsRegHandler;

// The window's rectangle and state, and the screen it is on.
FormPlacement CurrentFormPlacement(HWND window);
ScreenInfo ScreenInfoFor(HWND window);

// Places the window as stored under its window name (LoadFormPosition). A maximized window is
// maximized when it is shown, so the caller shows it with the returned show command.
int RestoreFormPosition(HWND window, clsRegHandler& registry, const char* windowName, bool fixedSize,
                        int defaultWidth, int defaultHeight, bool maximizeByDefault);
// Stores the window's place under its window name (SaveFormPosition).
void StoreFormPosition(HWND window, clsRegHandler& registry, const char* windowName, bool fixedSize);

} // namespace krv
