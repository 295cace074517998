// Entry point of Unkarvel, the uninstaller: asks the running Karvello to exit, offers to delete the Organized
// Folders directories and starts the uninstall command that the installation stored. The decisions are
// made in modUninstall; this file only puts the Windows services together.
#include <windows.h>

#include "organized/modUninstall.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "settings/clsRegHandler.h"
#include "uninstall/Win32UninstallHost.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    krv::Win32UninstallHost host; // registers the hand-over message before anything else
    krv::Win32Registry registry;
    krv::clsRegHandler regHandler(registry);
    krv::Win32FileSystem fileSystem;
    krv::Win32MessageBox messageBox;
    krv::RunUninstall(regHandler, fileSystem, messageBox, host);
    return 0;
}
