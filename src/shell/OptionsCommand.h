#pragma once
// The popup menu's Options command in the resident program: the Options dialog with the program's modules
// behind it.

#include <windows.h>

namespace krv {

class IMenuHost;
class IMenuWindow;
class KeyboardHook;
class clsMenuCollection;
struct ResidentServices;

// Shows the Options dialog over owner (the main window, or the Organize window) for collection (the
// program's own tree when mainCollection) and records an exit request in the program-wide state. The hot
// keys are the main window's. True when the options changed something the caller shows.
bool ShowProgramOptions(HINSTANCE instance, HWND mainWindow, HWND owner, ResidentServices& services,
                        IMenuWindow& form, IMenuHost& menus, KeyboardHook& keyboardHook,
                        clsMenuCollection& collection, bool mainCollection);

} // namespace krv
