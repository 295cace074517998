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

// Shows the Options dialog over the main window for collection (the program's own tree when
// mainCollection) and records an exit request in the program-wide state. True when the options changed
// something the caller shows.
bool ShowProgramOptions(HINSTANCE instance, HWND mainWindow, ResidentServices& services, IMenuWindow& form,
                        IMenuHost& menus, KeyboardHook& keyboardHook, clsMenuCollection& collection,
                        bool mainCollection);

} // namespace krv
