// The editing commands of the Organize Folders window: the presenter's entry points, which the editing
// module (modOrganize) and the item, conflict, properties and restore dialogs carry out. Every change of the
// working collection goes through RecordEdit, so that it can be undone.

#include <algorithm>

#include "app/Program.h"
#include "organize/ItemDialogLogic.h"
#include "organize/OrganizePresenter.h"
#include "platform/SystemClipboard.h"
#include "settings/modOptions.h"

namespace krv {
namespace {

// The window's command for each entry of the enabling table.
OrganizeCommand CommandOf(EditEntry entry) {
    using C = OrganizeCommand;
    switch (entry) {
    case EditEntry::Cut:
        return C::EditCut;
    case EditEntry::Copy:
        return C::EditCopy;
    case EditEntry::Delete:
        return C::EditDelete;
    case EditEntry::Rename:
        return C::EditRename;
    case EditEntry::Change:
        return C::EditChange;
    case EditEntry::Properties:
        return C::ViewProperties;
    case EditEntry::CopyShortcut:
        return C::EditCopyShortcut;
    case EditEntry::Paste:
        return C::EditPaste;
    case EditEntry::Explore:
        return C::PopupExplore;
    case EditEntry::Restore:
        return C::PopupRestore;
    case EditEntry::UpOneLevel:
        return C::ViewUpOneLevel;
    case EditEntry::Undo:
        return C::EditUndo;
    case EditEntry::Redo:
        return C::EditRedo;
    case EditEntry::RestoreSystemFolders:
        return C::ToolsRestoreSystemFolders;
    case EditEntry::RefreshDesktop:
        return C::ToolsRefreshDesktop;
    case EditEntry::RefreshSendTo:
        return C::ToolsRefreshSendTo;
    case EditEntry::RefreshFavorites:
        return C::ToolsRefreshFavorites;
    }
    return C::EditUndo;
}

EditMenu EditMenuOf(OrganizeMenu menu) {
    switch (menu) {
    case OrganizeMenu::ItemPopup:
        return EditMenu::ItemPopup;
    case OrganizeMenu::EmptyPopup:
        return EditMenu::EmptyPopup;
    case OrganizeMenu::Tools:
        return EditMenu::Tools;
    case OrganizeMenu::View:
        return EditMenu::View;
    case OrganizeMenu::Toolbar:
        return EditMenu::Toolbar;
    default:
        return EditMenu::Edit;
    }
}

} // namespace

EditSelection OrganizePresenter::CurrentEditSelection() const {
    return EditSelection{.ListFocused = focusPane_ == OrganizePane::List,
                         .TreeName = NameOfKey(selectedTreeKey_),
                         .ListNames = SelectedListNames()};
}

void OrganizePresenter::ShowEditSelection(const EditSelection& selection) {
    selectedTreeKey_ =
        selection.TreeName == ROOT_NODE_KEY ? std::string(ROOT_NODE_KEY) : ItemKey(selection.TreeName);
    selectedAncestors_.clear();
    Refill();
    std::vector<int> rows;
    for (size_t i = 0; i < listRows_.size(); ++i) {
        if (std::ranges::find(selection.ListNames, NameOfKey(listRows_[i].Key)) != selection.ListNames.end())
            rows.push_back(static_cast<int>(i));
    }
    view_.SelectListRows(rows);
    focusPane_ = selection.ListFocused ? OrganizePane::List : OrganizePane::Tree;
    view_.FocusPane(focusPane_);
}

void OrganizePresenter::RecordEdit(const std::function<EditOutcome()>& edit) {
    UndoHistory::Checkpoint before = history_.Capture(work_, CurrentEditSelection());
    const EditOutcome outcome = edit();
    if (!outcome.Changed)
        return;
    history_.Commit(std::move(before), outcome.Action);
    ShowEdited(outcome.ShortcutsChanged, outcome.Added);
}

bool OrganizePresenter::RecordDialogEdit(std::string action, const std::function<void()>& dialog) {
    UndoHistory::Checkpoint before = history_.Capture(work_, CurrentEditSelection());
    dialog();
    if (before.snapshot.Matches(work_))
        return false;
    history_.Commit(std::move(before), std::move(action));
    ShowEdited(true, {});
    return true;
}

void OrganizePresenter::ShowEdited(bool shortcutsChanged, const std::vector<std::string>& added) {
    modified_ = true;
    if (shortcutsChanged)
        services_.HandOver.RebuildKeyboardShortcuts(work_);
    Refill();
    // What the command added is selected where the list shows it.
    std::vector<int> rows;
    for (size_t i = 0; i < listRows_.size(); ++i) {
        if (std::ranges::find(added, NameOfKey(listRows_[i].Key)) != added.end())
            rows.push_back(static_cast<int>(i));
    }
    if (!rows.empty())
        view_.SelectListRows(rows);
    ShowUndoEntries();
}

ConflictPrompt OrganizePresenter::ConflictQuestion() {
    return [this](const clsMenuItem& existing, const clsMenuItem& incoming) {
        switch (services_.Dialogs.AskItemExists(existing, incoming)) {
        case ItemExistsAnswer::Replace:
            return ConflictAnswer::Replace;
        case ItemExistsAnswer::Rename:
            return ConflictAnswer::Rename;
        case ItemExistsAnswer::Cancel:
            break;
        }
        return ConflictAnswer::Cancel;
    };
}

void OrganizePresenter::ShowUndoEntries() {
    view_.SetCommandText(OrganizeCommand::EditUndo, history_.UndoText());
    view_.SetCommandText(OrganizeCommand::EditRedo, history_.RedoText());
    view_.SetCommandEnabled(OrganizeCommand::EditUndo, history_.CanUndo());
    view_.SetCommandEnabled(OrganizeCommand::EditRedo, history_.CanRedo());
}

void OrganizePresenter::CutOrCopy(bool cut) {
    krv::CutOrCopy(work_, CurrentEditSelection(), cut, clipboard_, services_.Prompts);
    SetCutMarks(clipboard_.CutMarks());
    FillTree();
    view_.SelectTreeNode(selectedTreeKey_);
    // The toolbar's Paste follows the clipboard at once.
    SetCommandStates(OrganizeMenu::Toolbar);
}

void OrganizePresenter::CopyShortcut() {
    const clsMenuItem* item = SelectedItem();
    if (item == nullptr || services_.Clipboard == nullptr)
        return;
    if (const auto shortcut = ShortcutToCopy(work_, item->Name()))
        services_.Clipboard->PutFolderShortcut(shortcut->FolderPath, shortcut->LinkFileName);
}

void OrganizePresenter::Paste(std::string_view targetKey) {
    const std::string target = NameOfKey(targetKey.empty() ? std::string_view(selectedTreeKey_) : targetKey);
    const bool hadMarks = !clipboard_.CutMarks().empty();
    RecordEdit([&] { return PasteItems(work_, clipboard_, target, services_.Prompts, ConflictQuestion()); });
    if (hadMarks && clipboard_.CutMarks().size() != cutNames_.size()) {
        SetCutMarks(clipboard_.CutMarks());
        FillTree();
        view_.SelectTreeNode(selectedTreeKey_);
    }
    SetCommandStates(OrganizeMenu::Toolbar);
}

void OrganizePresenter::DeleteSelection() {
    const bool ask = services_.Program.state.General(GC0_ASK_BEFORE_DELETING);
    RecordEdit([&] { return DeleteItems(work_, CurrentEditSelection(), ask, services_.Prompts); });
}

void OrganizePresenter::RenameSelection() {
    const EditSelection selection = CurrentEditSelection();
    const std::vector<std::string> targets = selection.Targets();
    if (targets.size() != 1 || !CanRename(work_, targets.front()))
        return;
    view_.BeginRename(focusPane_, ItemKey(targets.front()));
}

bool OrganizePresenter::OnRenameFinished(std::string_view key, std::string_view text) {
    bool accepted = false;
    RecordEdit([&] {
        RenameOutcome outcome = RenameItem(work_, NameOfKey(key), text, services_.Prompts);
        accepted = outcome.Accepted;
        return outcome.Edit;
    });
    return accepted;
}

void OrganizePresenter::ChangeSelection() {
    const clsMenuItem* selected = SelectedItem();
    const std::string name = selected != nullptr ? selected->Name() : std::string(MIT_HF_ROOT);
    if (!CanChange(name, services_.Prompts))
        return;
    const std::string group = selected->OwnerName();
    RecordEdit([&] {
        const ItemDialogRequest request{ItemDialogRequest::Mode::Change, "", name, group, ""};
        const std::optional<ItemDialogResult> result = services_.Dialogs.ShowItemDialog(work_, request);
        if (!result || !ChangeItemFromParameters(work_, name, ItemParameters{*result, {}}))
            return EditOutcome{};
        return EditOutcome{
            .Changed = true, .ShortcutsChanged = true, .Action = "Change '" + result->Caption + "'"};
    });
}

void OrganizePresenter::NewItem(std::string_view requestedType, std::string_view path) {
    const std::optional<std::string> group =
        NewItemGroup(work_, NameOfKey(selectedTreeKey_), services_.Prompts);
    if (!group)
        return;
    RecordEdit([&] {
        const ItemDialogRequest request{ItemDialogRequest::Mode::New, std::string(requestedType), "", *group,
                                        std::string(path)};
        const std::optional<ItemDialogResult> result = services_.Dialogs.ShowItemDialog(work_, request);
        const clsMenuItem* added =
            result ? AddItemFromParameters(work_, *group, ItemParameters{*result, {}}) : nullptr;
        if (added == nullptr)
            return EditOutcome{};
        return EditOutcome{.Changed = true,
                           .ShortcutsChanged = true,
                           .Action = "New '" + added->Caption() + "'",
                           .Added = {added->Name()}};
    });
}

void OrganizePresenter::SelectAll() {
    std::vector<int> rows(listRows_.size());
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = static_cast<int>(i);
    view_.SelectListRows(rows);
}

void OrganizePresenter::DeselectAll() {
    view_.SelectListRows({});
}

void OrganizePresenter::InvertSelection() {
    view_.SelectListRows(krv::InvertSelection(static_cast<int>(listRows_.size()), view_.SelectedListRows()));
}

void OrganizePresenter::Undo() {
    ShowHistoryStep(history_.Undo(work_, CurrentEditSelection()));
}

void OrganizePresenter::Redo() {
    ShowHistoryStep(history_.Redo(work_, CurrentEditSelection()));
}

// After an undo or a redo: the working tree is the one of that step (nothing when there was no step).
void OrganizePresenter::ShowHistoryStep(const std::optional<EditSelection>& selection) {
    if (!selection)
        return;
    modified_ = !history_.AtSavedState();
    services_.HandOver.RebuildKeyboardShortcuts(work_);
    ShowEditSelection(*selection);
    ShowUndoEntries();
}

void OrganizePresenter::Restore(RestoreMode mode) {
    if (const auto choice = services_.Dialogs.ShowRestoreWizard(mode))
        RestoreGroup(choice->GroupName, choice->Choice);
}

void OrganizePresenter::RestoreGroup(std::string_view groupName, int choice) {
    if (services_.System == nullptr)
        return;
    const bool importantFirst = services_.Program.state.Appearance(AC5_IMPORTANT_SYSTEM_SHORTCUTS_FIRST);
    view_.SetBusy(true);
    RecordEdit([&] {
        return krv::RestoreGroup(work_, groupName, choice, *services_.System, importantFirst,
                                 services_.Prompts);
    });
    view_.SetBusy(false);
}

void OrganizePresenter::OnItemsDropped(const std::vector<std::string>& keys, std::string_view targetKey) {
    std::vector<std::string> names;
    for (const std::string& key : keys)
        names.push_back(NameOfKey(key));
    RecordEdit(
        [&] { return MoveItems(work_, names, NameOfKey(targetKey), services_.Prompts, ConflictQuestion()); });
}

void OrganizePresenter::OnFilesDropped(const std::vector<std::string>& paths, std::string_view targetKey) {
    const std::string group =
        targetKey.empty() ? SelectedGroupName() : ExplorerDropGroup(work_, NameOfKey(targetKey), false, "");
    RecordEdit(
        [&] { return DropFolders(work_, group, paths, services_.Program.fileSystem, services_.Prompts); });
}

void OrganizePresenter::SetCommandStates(OrganizeMenu menu) {
    CommandStateInput input;
    std::string key = selectedTreeKey_;
    if (focusPane_ == OrganizePane::List && menu != OrganizeMenu::EmptyPopup) {
        const std::vector<std::string> rows = SelectedListNames();
        key = rows.empty() ? std::string() : ItemKey(rows.front());
    }
    input.SelectedKey = key;
    if (key == ROOT_NODE_KEY)
        input.SelectedIcon = ICON_ROOT;
    else if (const clsMenuItem* item = work_.GetMenuItemFromName(NameOfKey(key)))
        input.SelectedIcon = item->IconID();
    input.ClipboardEmpty = clipboard_.Empty();
    input.CanUndo = history_.CanUndo();
    input.CanRedo = history_.CanRedo();
    const ProgramState& state = services_.Program.state;
    input.ShowSystemFolders = state.Appearance(AC0_SHOW_SYSTEM_FOLDERS);
    input.RefreshDesktop = state.Advanced(ADVC2_ORGANIZED_FOLDERS_DESKTOP);
    input.RefreshSendTo = state.Advanced(ADVC3_ORGANIZED_FOLDERS_SEND_TO);
    input.RefreshFavorites = state.Advanced(ADVC4_ORGANIZED_FOLDERS_FAVORITES);
    for (const EntryState& entry : krv::SetCommandStates(EditMenuOf(menu), input)) {
        view_.SetCommandEnabled(CommandOf(entry.Entry), entry.Enabled);
        view_.SetCommandVisible(CommandOf(entry.Entry), entry.Visible);
    }
    if (menu == OrganizeMenu::Edit)
        ShowUndoEntries();
}

} // namespace krv
