#pragma once
// What the Organize Folders window hands to the running program when it applies its working collection: the
// program's tree and popup menu, the keyboard shortcut table and the Organized Folders, through the same
// pieces the Options dialog uses.

#include "app/Program.h"
#include "organize/OrganizePresenter.h"
#include "settings/OptionChanges.h"

namespace krv {

class OrganizeHandOver final : public IOrganizeProgram {
public:
    OrganizeHandOver(ProgramContext& program, IOrganizedFolders& organizedFolders)
        : program_(program), organizedFolders_(organizedFolders) {}

    void ApplyToProgram(const clsMenuCollection& work) override;
    void RestoreOrganizedFolders(OrganizedFoldersLocation location,
                                 const clsMenuCollection& collection) override;
    void RebuildKeyboardShortcuts(clsMenuCollection& collection) override;

private:
    ProgramContext& program_;
    IOrganizedFolders& organizedFolders_;
};

} // namespace krv
