#include "app/ResidentMenu.h"

#include <string>

#include "app/Program.h"
#include "app/modMain.h"
#include "config/modFileHandler.h"
#include "groups/modSetupDrives.h"
#include "menu/modMenuSetup.h"
#include "platform/MenuHost.h"

namespace krv {
namespace {

void LoadOrCreateDefault(modFileHandler& files, IMenuWindow& form, clsMenuCollection& menuItems,
                         const std::function<void()>& createDefaultConfiguration) {
    form.ShowBusyPointer();
    const bool loaded = files.LoadConfigFile(menuItems, "");
    form.ShowNormalPointer();
    if (!loaded)
        createDefaultConfiguration();
}

} // namespace

void LoadStartupConfiguration(modFileHandler& files, IFileSystem& fileSystem, IMenuWindow& form,
                              clsMenuCollection& menuItems, std::string_view applicationPath,
                              const std::function<void()>& createDefaultConfiguration) {
    if (FileExists(fileSystem, files.CurrentConfigFile())) {
        LoadOrCreateDefault(files, form, menuItems, createDefaultConfiguration);
    } else {
        const std::string defaultFile = std::string(applicationPath) + "\\" + DEFAULT_CONFIG_FILE_NAME;
        if (FileExists(fileSystem, defaultFile)) {
            files.SetCurrentConfigFile(defaultFile);
            files.SaveConfigFileName(defaultFile);
            LoadOrCreateDefault(files, form, menuItems, createDefaultConfiguration);
        } else {
            createDefaultConfiguration();
        }
    }
    if (!FileExists(fileSystem, files.CurrentConfigFile()))
        files.SaveConfigFile(menuItems, "", false);
}

void RebuildPopupMenu(IMenuWindow& form, IMenuHost& menus, clsMenuCollection& menuItems,
                      const std::function<void(clsMenuCollection&)>& change) {
    clsMenuCollection scratch;
    CopyCollection(menuItems, scratch);
    ClearPopupMenu(menus, menuItems);
    change(scratch);
    CopyCollection(scratch, menuItems);
    BuildPopupMenu(form, menus, menuItems, "");
}

void RefreshDrivesGroup(ProgramState& state, ISystemInfo& system, IMenuWindow& form, IMenuHost& menus) {
    if (!state.Appearance(AC1_SHOW_DRIVES))
        return;
    if (state.DrivesNeedBuild) {
        state.DrivesNeedBuild = false;
    } else if (DrivesChanged(system, state.KnownDrives)) {
        RemoveDrives(state.MenuItems, &menus);
    } else {
        return;
    }
    AddDrives(state.MenuItems, system, state.KnownDrives);
    BuildPopupMenu(form, menus, state.MenuItems, MIT_PATHS_DRIVES);
}

} // namespace krv
