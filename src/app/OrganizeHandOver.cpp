#include "app/OrganizeHandOver.h"

#include "menu/modMenuSetup.h"

namespace krv {

void OrganizeHandOver::ApplyToProgram(const clsMenuCollection& work) {
    program_.host.RebuildPopupMenu([&work](clsMenuCollection& tree) {
        tree.Clear();
        CopyCollection(work, tree);
    });
    // The hot keys follow the program's tree, which now holds the editor's shortcuts.
    program_.state.KeyboardItems.BuildShortcutList(program_.state.MenuItems);
}

void OrganizeHandOver::RestoreOrganizedFolders(OrganizedFoldersLocation location,
                                               const clsMenuCollection& collection) {
    organizedFolders_.RestoreOrganizedFolders(location, collection,
                                              program_.state.Advanced(ADVC5_SYSTEM_FOLDERS_IN_DIRECTORIES));
}

void OrganizeHandOver::RebuildKeyboardShortcuts(clsMenuCollection& collection) {
    program_.state.KeyboardItems.BuildShortcutList(collection);
}

} // namespace krv
