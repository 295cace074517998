#include "shell/ResidentServices.h"

namespace krv {

ResidentServices::ResidentServices(HINSTANCE instance, const std::string& applicationPath)
    : pauseWindow(instance, applicationPath),
      files(fileSystem, codePage, regHandler, applicationPath, state.options,
            [this](clsMenuCollection& tree, bool generateSystemFolders) {
                AddRootEntries(tree, generateSystemFolders, System(), MenuOptions());
                state.KeyboardItems.BuildShortcutList(tree);
            }),
      shortcuts(
          OrganizedFoldersServices{fileSystem, shellLinks, shellFolders, messageBox, regHandler, codePage}) {}

MenuSetupOptions ResidentServices::MenuOptions() const {
    return {.ShowSystemFolders = state.Appearance(AC0_SHOW_SYSTEM_FOLDERS),
            .ShowDrives = state.Appearance(AC1_SHOW_DRIVES),
            .ShowHelp = state.Appearance(AC2_SHOW_HELP),
            .ShowOptions = state.Appearance(AC3_SHOW_OPTIONS),
            .ImportantSystemFoldersFirst = state.Appearance(AC5_IMPORTANT_SYSTEM_SHORTCUTS_FIRST)};
}

OrganizedFoldersOptions ResidentServices::OrganizedOptions() const {
    return {.onDesktop = state.Advanced(ADVC2_ORGANIZED_FOLDERS_DESKTOP),
            .inSendTo = state.Advanced(ADVC3_ORGANIZED_FOLDERS_SEND_TO),
            .inFavorites = state.Advanced(ADVC4_ORGANIZED_FOLDERS_FAVORITES),
            .withSystemFolders = state.Advanced(ADVC5_SYSTEM_FOLDERS_IN_DIRECTORIES)};
}

} // namespace krv
