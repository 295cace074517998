#include "app/ProgramOptionChanges.h"

#include "app/ResidentMenu.h"
#include "groups/modSetupDrives.h"
#include "groups/modSetupSystemFolders.h"
#include "organized/modShortcuts.h"
#include "settings/ExplorerVerbs.h"

namespace krv {

void ProgramOptionChanges::AddHelpEntries(clsMenuCollection& collection) {
    krv::AddHelpEntries(collection);
}

void ProgramOptionChanges::RemoveHelpEntries(clsMenuCollection& collection) {
    krv::RemoveHelpEntries(collection, nullptr);
}

void ProgramOptionChanges::AddOptionsEntry(clsMenuCollection& collection) {
    krv::AddOptionsEntry(collection);
}

void ProgramOptionChanges::RemoveOptionsEntry(clsMenuCollection& collection) {
    krv::RemoveOptionsEntry(collection, nullptr);
}

void ProgramOptionChanges::RebuildPopupMenu(clsMenuCollection& menuItems,
                                            const std::function<void(clsMenuCollection& scratch)>& change) {
    krv::RebuildPopupMenu(parts_.MainWindow, parts_.Menus, menuItems, change);
}

void ProgramOptionChanges::AddSystemFolders(clsMenuCollection& collection) {
    const SystemServices& system = parts_.System;
    krv::AddSystemFolders(collection, system.Registry, system.System, system.Files,
                          parts_.CurrentOptions.AppearanceOptions[AC5_IMPORTANT_SYSTEM_SHORTCUTS_FIRST]);
}

void ProgramOptionChanges::RemoveSystemFolders(clsMenuCollection& collection) {
    krv::RemoveSystemFolders(collection, nullptr);
}

void ProgramOptionChanges::AddDrives(clsMenuCollection& collection) {
    krv::AddDrives(collection, parts_.System.System, parts_.KnownDrives);
}

void ProgramOptionChanges::RemoveDrives(clsMenuCollection& collection) {
    krv::RemoveDrives(collection, nullptr);
}

void ProgramOptionChanges::DeleteOrganizedFoldersDir(OrganizedFoldersLocation location) {
    parts_.Shortcuts.DeleteOrganizedFoldersDir(location);
}

void ProgramOptionChanges::RestoreOrganizedFolders(OrganizedFoldersLocation location,
                                                   const clsMenuCollection& collection,
                                                   bool withSystemFolders) {
    parts_.Shortcuts.RestoreOrganizedFolders(location, collection, withSystemFolders);
}

bool ProgramOptionChanges::AddExplorerVerbs() {
    return krv::AddExplorerVerbs(parts_.Registry, parts_.QuotedExePath);
}

ExplorerVerbRemoval ProgramOptionChanges::RemoveExplorerVerbs() {
    return krv::RemoveExplorerVerbs(parts_.Registry);
}

} // namespace krv
