// The editing commands of the Organize Folders window: the presenter's entry points, which the editing
// module (modOrganize) and the item, conflict, properties and restore dialogs carry out. Until a command is
// wired here it leaves the working collection as it is, which is what the window did before it had it.

#include "organize/OrganizePresenter.h"

namespace krv {

void OrganizePresenter::CutOrCopy(bool) {}

void OrganizePresenter::CopyShortcut() {}

void OrganizePresenter::Paste(std::string_view) {}

void OrganizePresenter::DeleteSelection() {}

void OrganizePresenter::RenameSelection() {}

bool OrganizePresenter::OnRenameFinished(std::string_view, std::string_view) {
    return false;
}

void OrganizePresenter::ChangeSelection() {}

void OrganizePresenter::NewItem(std::string_view, std::string_view) {}

void OrganizePresenter::SelectAll() {}

void OrganizePresenter::DeselectAll() {}

void OrganizePresenter::InvertSelection() {}

void OrganizePresenter::Undo() {}

void OrganizePresenter::Redo() {}

void OrganizePresenter::Restore(RestoreMode) {}

void OrganizePresenter::RestoreGroup(std::string_view, int) {}

void OrganizePresenter::OnItemsDropped(const std::vector<std::string>&, std::string_view) {}

void OrganizePresenter::OnFilesDropped(const std::vector<std::string>&, std::string_view) {}

void OrganizePresenter::SetCommandStates(OrganizeMenu) {}

} // namespace krv
