#pragma once
// The program-wide state of the resident program, and the services its portable logic reaches the rest of
// the program and Windows through. The shell owns the one instance of each for the whole run.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "groups/clsDrive.h"
#include "menu/modKeyboardHook.h"
#include "model/clsMenuCollection.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/PauseWindow.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "settings/modOptions.h"

namespace krv {

class clsRegHandler;

struct ProgramState {
    uint32_t RegisteredMessage = 0;
    clsMenuCollection MenuItems;
    Options options;
    KeyboardShortcuts KeyboardItems;
    // The drives the Drives group was last filled with.
    std::vector<clsDrive> KnownDrives;

    bool IsOldWindows = true;
    uint32_t MenuSelectedState = 1;
    std::string WindowsDirectory;
    std::string PersonalDirectory;
    std::string ExplorerPath;
    std::string ApplicationPath;
    std::string QuotedExePath;
    std::string HelpFilePath;

    bool ExitRequested = false;
    bool OrganizeWindowOpen = false;
    bool ItemDialogOpen = false;
    bool OptionsWindowOpen = false;
    bool MenuShowing = false;
    bool DrivesNeedBuild = true;
    bool OrganizeOpenedByCommand = false;
    // The captions of the Organize window's toolbar buttons, in button order, filled at start-up.
    std::array<std::string, 9> ToolbarCaptions{};

    bool General(GeneralOption option) const { return options.GeneralOptions[option]; }
    bool Appearance(AppearanceOption option) const { return options.AppearanceOptions[option]; }
    bool Advanced(AdvancedOption option) const { return options.AdvancedOptions[option]; }
};

// What the resident program's logic asks of its windows and of the modules that build the menu, load and
// save the configuration and show the other windows. The shell implements it; unit tests record the calls.
class IResidentHost {
public:
    virtual ~IResidentHost() = default;

    // --- The Organize window, the item dialog and the Options dialog.
    // Loads the Organize window and shows it modeless, owned by the main window; false when there is no
    // such window to show.
    virtual bool LoadOrganizeWindow() = 0;
    virtual void BringOrganizeWindowToFront() = 0;
    // Hands a command ("/ADD folder", "/OPEN file", anything else) to the open Organize window.
    virtual void InitOrganizeWindow(std::string_view command) = 0;
    virtual void BringItemDialogToFront() = 0;
    // Shows the Options dialog modally for collection; mainCollection tells it that collection is the
    // program's own tree.
    virtual void ShowOptionsDialog(clsMenuCollection& collection, bool mainCollection) = 0;
    // Unloads the hidden main window, which ends the program.
    virtual void UnloadMainWindow() = 0;

    // --- The popup menu and the configuration file.
    // Empties the popup menu, lets change act on the program's tree, and builds the whole menu again.
    virtual void RebuildPopupMenu(const std::function<void(clsMenuCollection&)>& change) = 0;
    // Writes the program's tree to the current configuration file; false when that failed.
    virtual bool SaveConfiguration() = 0;
};

// Everything the portable logic of the resident program works with.
struct ProgramContext {
    ProgramState& state;
    IFileSystem& fileSystem;
    ISystemInfo& systemInfo;
    IShell& shell;
    IMessageBox& messageBox;
    clsRegHandler& registry;
    IResidentHost& host;
    // The window shown while a long operation runs.
    IPauseWindow& pauseWindow;
};

} // namespace krv
