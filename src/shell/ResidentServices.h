#pragma once
// The Windows services, the program-wide state and the modules of the resident program, made once in Main
// and handed to the main window by reference.

#include <windows.h>

#include <string>

#include "app/Program.h"
#include "config/modFileHandler.h"
#include "dialogs/frmPause.h"
#include "menu/modMenuSetup.h"
#include "organized/modShortcuts.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32ShellExecute.h"
#include "platform/win32/Win32SystemInfo.h"
#include "settings/clsRegHandler.h"

namespace krv {

struct ResidentServices {
    // instance: the program's module, which holds the windows' templates. applicationPath: the executable's
    // folder, where the default configuration file and the pause window's clip live.
    ResidentServices(HINSTANCE instance, const std::string& applicationPath);
    ResidentServices(const ResidentServices&) = delete;
    ResidentServices& operator=(const ResidentServices&) = delete;

    // The menu skeleton's view of the appearance options as they stand now.
    MenuSetupOptions MenuOptions() const;
    SystemServices System() { return {systemInfo, fileSystem, registry, pump}; }
    OrganizedFoldersOptions OrganizedOptions() const;
    ProgramContext Context(IResidentHost& host) {
        return {state, fileSystem, systemInfo, shell, messageBox, regHandler, host, pauseWindow};
    }

    Win32Registry registry;
    clsRegHandler regHandler{registry};
    Win32FileSystem fileSystem;
    Win32SystemInfo systemInfo;
    Win32Locale locale;
    Win32ShellExecute shell;
    Win32MessageBox messageBox;
    Win32MessagePump pump;
    Win32AnsiCodePage codePage;
    Win32ShellLinkWriter shellLinks;
    Win32ShellFolders shellFolders;
    frmPause pauseWindow;

    ProgramState state;
    modFileHandler files;
    modShortcuts shortcuts;
};

} // namespace krv
