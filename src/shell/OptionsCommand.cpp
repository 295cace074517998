#include "shell/OptionsCommand.h"

#include "app/ProgramOptionChanges.h"
#include "model/MenuVocabulary.h"
#include "settings/frmOptions.h"
#include "shell/KeyboardHook.h"
#include "shell/ResidentServices.h"

namespace krv {
namespace {

// The hot keys of the main window.
class MainWindowHotKeys final : public IKeyboardHook {
public:
    MainWindowHotKeys(HINSTANCE instance, HWND mainWindow, KeyboardHook& hook)
        : instance_(instance), mainWindow_(mainWindow), hook_(hook) {}
    void InstallKeyboardHook() override { hook_.InstallKeyboardHook(instance_, mainWindow_); }
    void RemoveKeyboardHook() override { hook_.RemoveKeyboardHook(); }

private:
    HINSTANCE instance_;
    HWND mainWindow_;
    KeyboardHook& hook_;
};

} // namespace

bool ShowProgramOptions(HINSTANCE instance, HWND mainWindow, HWND owner, ResidentServices& services,
                        IMenuWindow& form, IMenuHost& menus, KeyboardHook& keyboardHook,
                        clsMenuCollection& collection, bool mainCollection) {
    ProgramState& state = services.state;
    ProgramOptionChanges program({form, menus, services.System(), state.KnownDrives, services.shortcuts,
                                  services.regHandler, state.options, state.QuotedExePath});
    MainWindowHotKeys hotKeys(instance, mainWindow, keyboardHook);
    const OptionsDialogServices dialogServices{state.options,
                                               services.regHandler,
                                               state.QuotedExePath,
                                               !state.IsOldWindows,
                                               {program, program, program, program, hotKeys},
                                               services.messageBox};
    const OptionsDialogResult result =
        RunOptionsDialog(instance, owner, dialogServices, collection, mainCollection);
    if (result.ExitRequested)
        state.ExitRequested = true;
    // A Drives group that the options filled counts as the first build of the group, so the next showing
    // of the menu refreshes it instead of filling it a second time.
    if (mainCollection && state.MenuItems.ItemExists(MIT_PATHS_DRIVES))
        state.DrivesNeedBuild = false;
    return result.SettingsChanged;
}

} // namespace krv
