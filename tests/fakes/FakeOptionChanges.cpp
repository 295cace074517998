#include "fakes/FakeOptionChanges.h"

#include "model/MenuVocabulary.h"
#include "model/clsMenuCollection.h"

namespace krv {
namespace {

const char* LocationName(OrganizedFoldersLocation location) {
    switch (location) {
    case OrganizedFoldersLocation::Desktop:
        return "Desktop";
    case OrganizedFoldersLocation::SendTo:
        return "SendTo";
    case OrganizedFoldersLocation::Favorites:
        break;
    }
    return "Favorites";
}

} // namespace

std::string FakeOptionChanges::NameOf(const clsMenuCollection& collection) const {
    const auto found = names_.find(&collection);
    return found == names_.end() ? "other" : found->second;
}

void FakeOptionChanges::Record(const std::string& call, const clsMenuCollection& collection) {
    log_.push_back(call + "@" + NameOf(collection));
}

void FakeOptionChanges::AddMarker(const char* call, clsMenuCollection& collection, const char* name) {
    Record(call, collection);
    collection.AddNewMenuItem(
        {.Caption = name, .OwnerName = TOP_LEVEL_OWNER, .Name = name, .Remark = REMARK_AUTO});
}

void FakeOptionChanges::RemoveMarker(const char* call, clsMenuCollection& collection, const char* name) {
    Record(call, collection);
    collection.Remove(name);
}

void FakeOptionChanges::AddHelpEntries(clsMenuCollection& collection) {
    AddMarker("AddHelpEntries", collection, MIT_HF_HELP);
}
void FakeOptionChanges::RemoveHelpEntries(clsMenuCollection& collection) {
    RemoveMarker("RemoveHelpEntries", collection, MIT_HF_HELP);
}
void FakeOptionChanges::AddOptionsEntry(clsMenuCollection& collection) {
    AddMarker("AddOptionsEntry", collection, MIT_HF_SETTINGS);
}
void FakeOptionChanges::RemoveOptionsEntry(clsMenuCollection& collection) {
    RemoveMarker("RemoveOptionsEntry", collection, MIT_HF_SETTINGS);
}
void FakeOptionChanges::AddSystemFolders(clsMenuCollection& collection) {
    AddMarker("AddSystemFolders", collection, MIT_PATHS_SYSTEM);
}
void FakeOptionChanges::RemoveSystemFolders(clsMenuCollection& collection) {
    RemoveMarker("RemoveSystemFolders", collection, MIT_PATHS_SYSTEM);
}
void FakeOptionChanges::AddDrives(clsMenuCollection& collection) {
    AddMarker("AddDrives", collection, MIT_PATHS_DRIVES);
}
void FakeOptionChanges::RemoveDrives(clsMenuCollection& collection) {
    RemoveMarker("RemoveDrives", collection, MIT_PATHS_DRIVES);
}

void FakeOptionChanges::RebuildPopupMenu(clsMenuCollection& menuItems,
                                         const std::function<void(clsMenuCollection& scratch)>& change) {
    clsMenuCollection scratch;
    Name(scratch, "scratch");
    Record("RebuildPopupMenu", menuItems);
    CopyCollection(menuItems, scratch);
    menuItems.Clear();
    menuItems.ResetCounters();
    change(scratch);
    CopyCollection(scratch, menuItems);
    names_.erase(&scratch);
    Record("BuildPopupMenu", menuItems);
}

void FakeOptionChanges::CopyCollection(const clsMenuCollection& source, clsMenuCollection& target) {
    for (const clsMenuItem& item : source) {
        clsMenuItem copy = item;
        target.AddOne(copy, true, false);
    }
    target.SetIDCounter(source.IDCounter());
    target.SetMenuNameCounter(source.MenuNameCounter());
    target.SetFileMenuHandle(source.FileMenuHandle());
}

void FakeOptionChanges::DeleteOrganizedFoldersDir(OrganizedFoldersLocation location) {
    log_.push_back(std::string("DeleteOrganizedFoldersDir ") + LocationName(location));
}

void FakeOptionChanges::RestoreOrganizedFolders(OrganizedFoldersLocation location,
                                                const clsMenuCollection& collection, bool withSystemFolders) {
    Record(std::string("RestoreOrganizedFolders ") + LocationName(location) +
               (withSystemFolders ? " with System Folders" : ""),
           collection);
}

bool FakeOptionChanges::AddExplorerVerbs() {
    log_.push_back("AddExplorerVerbs");
    return true;
}
ExplorerVerbRemoval FakeOptionChanges::RemoveExplorerVerbs() {
    log_.push_back("RemoveExplorerVerbs");
    return verbRemoval;
}
void FakeOptionChanges::InstallKeyboardHook() {
    log_.push_back("InstallKeyboardHook");
}
void FakeOptionChanges::RemoveKeyboardHook() {
    log_.push_back("RemoveKeyboardHook");
}

} // namespace krv
