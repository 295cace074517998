#include "organize/modOrganize.h"

#include <algorithm>
#include <unordered_map>

#include "groups/modSetupSystemFolders.h"
#include "menu/modMenuSetup.h"
#include "organize/OrganizeSubtree.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace krv {
namespace {

constexpr const char* kItemKeyPrefix = "C";

bool IsFixedGroup(std::string_view name) {
    return name == MIT_GROUP_USER || name == MIT_PATHS_SYSTEM;
}

void Tell(IMessageBox& prompts, std::string_view text) {
    prompts.Show(text, EDIT_MESSAGE_TITLE, MessageButtons::Ok, MessageIcon::Information);
}

// How the enabling table sees a selected key.
enum class SelectionKind { Nothing, Root, FixedGroup, Other };

SelectionKind KindOfKey(std::string_view key) {
    if (key.empty())
        return SelectionKind::Nothing;
    if (key == MIT_HF_ROOT)
        return SelectionKind::Root;
    const std::string_view name = key.substr(key.starts_with(kItemKeyPrefix) ? 1 : 0);
    return IsFixedGroup(name) ? SelectionKind::FixedGroup : SelectionKind::Other;
}

// One row of the enabling table: the states of the selection-driven entries.
struct TableRow {
    bool cut, copy, del, rename, change, properties, copyShortcut, explore, restore;
};

TableRow RowFor(SelectionKind kind, int icon) {
    const bool groupIcon = icon == ICON_GROUP;
    switch (kind) {
    case SelectionKind::Root:
        return {false, false, false, false, false, false, false, true, false};
    case SelectionKind::FixedGroup:
        return {false, false, false, true, false, true, true, groupIcon, true};
    case SelectionKind::Other:
        return {true, true, true, true, true, true, true, groupIcon, false};
    case SelectionKind::Nothing:
        break;
    }
    return {false, false, false, false, false, false, false, false, false};
}

std::string Quoted(const clsMenuItem& item) {
    return "'" + item.Caption() + "'";
}

// A name that the target collection does not use yet, neither as a key nor as a Name.
std::string FreshName(clsMenuCollection& work) {
    std::string name;
    do {
        name = work.GetNextFreeMenuName();
    } while (work.ItemExists(name));
    return name;
}

// The group a paste or a drop goes into: a shortcut stands for the group that holds it, so that nothing is
// ever placed under an item that is no group.
std::string GroupFor(const clsMenuCollection& work, std::string_view name) {
    const clsMenuItem* item = work.GetMenuItemFromName(name);
    if (item && !item->SubMenu())
        return item->OwnerName() == TOP_LEVEL_OWNER ? std::string(MIT_HF_ROOT) : item->OwnerName();
    return std::string(name);
}

// Adds a copy of the clipboard's subtree under top into group, with fresh names and identifiers; the
// children follow the new names of their groups. The top item takes incoming's caption.
std::string PlaceSubtree(clsMenuCollection& work, const clsMenuCollection& clip, const clsMenuItem& incoming,
                         const std::string& group, bool& hasShortcutKeys) {
    std::unordered_map<std::string, std::string> renamed;
    std::string topName;
    for (const clsMenuItem* source : SubtreeItems(clip, incoming.Name())) {
        clsMenuItem copy(*source);
        const bool isTop = source->Name() == incoming.Name();
        if (isTop) {
            copy.SetCaption(incoming.Caption());
            copy.SetOwnerName(group);
        } else {
            copy.SetOwnerName(renamed.at(source->OwnerName()));
        }
        const std::string fresh = FreshName(work);
        renamed.emplace(source->Name(), fresh);
        copy.SetName(fresh);
        copy.SetID(work.GetNextFreeID());
        hasShortcutKeys = hasShortcutKeys || copy.KeyboardCode() > -1;
        work.AddOne(std::move(copy), false, true);
        if (isTop)
            topName = fresh;
    }
    return topName;
}

// The checks of a paste that do not depend on the items' captions; false after the refusal's message.
bool PasteTargetAccepted(const clsMenuCollection& work, OrganizeClipboard& clipboard,
                         const std::string& target, IMessageBox& prompts) {
    if (target == MIT_HF_ROOT) {
        Tell(prompts, "Can't paste items here.");
        return false;
    }
    if (target == MIT_PATHS_DRIVES) {
        Tell(prompts, "Can't paste items here. Content of Drives group is automatically generated.");
        return false;
    }
    const bool move = clipboard.ClipboardMode() == OrganizeClipboard::Mode::Cut;
    const clsMenuCollection& clip = clipboard.Items();
    if (move) {
        for (const auto& top : clipboard.Tops()) {
            if (top.SourceGroup == target) {
                ShowSameSourceError(prompts, clip.GetMenuItemFromName(top.Name)->Caption(), true);
                clipboard.Clear();
                return false;
            }
        }
    }
    for (const auto& top : clipboard.Tops()) {
        if (IsInsideOrSame(work, target, top.Name)) {
            ShowSameSourceError(prompts, clip.GetMenuItemFromName(top.Name)->Caption(), move);
            return false;
        }
    }
    return work.GetMenuItemFromName(target) != nullptr;
}

std::string ActionName(const char* verb, const clsMenuCollection& items,
                       const std::vector<std::string>& names) {
    if (names.size() == 1) {
        if (const clsMenuItem* item = items.GetMenuItemFromName(names.front()))
            return std::string(verb) + " " + Quoted(*item);
    }
    return std::string(verb) + " " + std::to_string(names.size()) + " items";
}

void RecomputePaths(clsMenuCollection& work, std::string_view name) {
    std::vector<std::string> names;
    for (const clsMenuItem* item : SubtreeItems(work, name))
        names.push_back(item->Name());
    for (const std::string& each : names)
        work.ItemFullPath(*work.GetMenuItemFromName(each));
}

std::string LastPathComponent(std::string_view path) {
    while (path.size() > 1 && path.back() == '\\')
        path.remove_suffix(1);
    const size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace

// ---------------------------------------------------------------------------------------------------------
// Enabling

std::vector<EntryState> SetCommandStates(EditMenu menu, const CommandStateInput& input) {
    const SelectionKind kind = KindOfKey(input.SelectedKey);
    const TableRow row = RowFor(kind, input.SelectedIcon);
    const bool paste = !input.ClipboardEmpty;
    const bool notRoot = kind != SelectionKind::Root && kind != SelectionKind::Nothing;
    using E = EditEntry;
    switch (menu) {
    case EditMenu::ItemPopup:
        return {{E::Explore, true, row.explore},
                {E::Cut, row.cut},
                {E::Copy, row.copy},
                {E::CopyShortcut, row.copyShortcut},
                {E::Paste, paste},
                {E::Restore, true, row.restore},
                {E::Delete, row.del},
                {E::Rename, row.rename},
                {E::Change, row.change},
                {E::Properties, row.properties}};
    case EditMenu::EmptyPopup:
        return {{E::Paste, paste}, {E::Properties, row.properties}};
    case EditMenu::Edit:
        return {{E::Undo, input.CanUndo},
                {E::Redo, input.CanRedo},
                {E::Cut, row.cut},
                {E::Copy, row.copy},
                {E::CopyShortcut, row.copyShortcut},
                {E::Paste, paste},
                {E::Delete, row.del},
                {E::Rename, row.rename},
                {E::Change, row.change}};
    case EditMenu::Tools:
        return {{E::RestoreSystemFolders, input.ShowSystemFolders},
                {E::RefreshDesktop, input.RefreshDesktop},
                {E::RefreshSendTo, input.RefreshSendTo},
                {E::RefreshFavorites, input.RefreshFavorites}};
    case EditMenu::View:
        return {{E::Properties, row.properties}};
    case EditMenu::Toolbar:
        return {{E::Change, row.change},
                {E::UpOneLevel, notRoot},
                {E::Cut, row.cut},
                {E::Copy, row.copy},
                {E::Paste, paste},
                {E::Delete, row.del},
                {E::Properties, row.properties}};
    }
    return {};
}

// ---------------------------------------------------------------------------------------------------------
// Clipboard

void OrganizeClipboard::Clear() {
    items_.Clear();
    items_.ResetCounters();
    tops_.clear();
    cutMarks_.clear();
    mode_ = Mode::Copy;
}

void OrganizeClipboard::AddSubtree(const clsMenuCollection& work, const std::string& name) {
    const auto subtree = SubtreeItems(work, name);
    if (subtree.empty() || items_.KeyExists(name))
        return;
    tops_.push_back({name, subtree.front()->OwnerName()});
    for (const clsMenuItem* item : subtree) {
        clsMenuItem* stored = AppendExact(items_, *item, item->Name());
        if (stored && item == subtree.front())
            stored->SetOwnerName(MIT_FL);
        if (mode_ == Mode::Cut)
            cutMarks_.insert(item->Name());
    }
}

void OrganizeClipboard::RemoveTop(const std::string& name) {
    for (const clsMenuItem* item : SubtreeItems(items_, name))
        cutMarks_.erase(item->Name());
    RemoveSubtree(items_, name);
    std::erase_if(tops_, [&](const Top& top) { return top.Name == name; });
}

std::vector<std::string> EditSelection::Targets() const {
    if (ListFocused)
        return ListNames;
    return {TreeName};
}

bool CutOrCopy(const clsMenuCollection& work, const EditSelection& selection, bool cut,
               OrganizeClipboard& clipboard, IMessageBox& prompts) {
    clipboard.Clear();
    const std::vector<std::string> names = selection.Targets();
    if (std::ranges::find(names, std::string(MIT_HF_ROOT)) != names.end())
        return false;
    // The fixed groups stay where they are, whichever pane they were chosen in.
    if (std::ranges::any_of(names, [](const std::string& name) { return IsFixedGroup(name); })) {
        Tell(prompts, "Can't move this group.");
        return false;
    }
    clipboard.SetMode(cut ? OrganizeClipboard::Mode::Cut : OrganizeClipboard::Mode::Copy);
    for (const std::string& name : names)
        clipboard.AddSubtree(work, name);
    if (clipboard.Empty()) {
        clipboard.Clear();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------------------
// Paste

void ShowSameSourceError(IMessageBox& prompts, std::string_view name, bool move) {
    const std::string text = std::string("Cannot ") + (move ? "move" : "copy") + " " + std::string(name) +
                             ": The source is the same as the destination.";
    const std::string title = std::string("Error ") + (move ? "Moving" : "Copying") + " File";
    prompts.Show(text, title, MessageButtons::Ok, MessageIcon::Critical);
}

EditOutcome PasteItems(clsMenuCollection& work, OrganizeClipboard& clipboard, std::string_view targetName,
                       IMessageBox& prompts, const ConflictPrompt& conflict) {
    EditOutcome outcome;
    if (clipboard.Empty())
        return outcome;
    const std::string target = GroupFor(work, targetName);
    if (!PasteTargetAccepted(work, clipboard, target, prompts))
        return outcome;

    const bool move = clipboard.ClipboardMode() == OrganizeClipboard::Mode::Cut;
    const clsMenuCollection& clip = clipboard.Items();
    std::vector<OrganizeClipboard::Top> placed;
    std::vector<std::string> pastedNames;
    for (const auto& top : clipboard.Tops()) {
        clsMenuItem incoming(*clip.GetMenuItemFromName(top.Name));
        incoming.SetOwnerName(target);
        if (top.SourceGroup == target) {
            // A copy into its own group gets "Copy of" its caption, without a question.
            incoming.SetName(std::string());
            work.GetNewItemCaption(incoming);
            incoming.SetName(top.Name);
        } else if (clsMenuItem* existing = work.CaptionExists2(incoming.Caption(), target, incoming.SubMenu(),
                                                               std::string_view{})) {
            const ConflictAnswer answer = conflict(*existing, incoming);
            if (answer == ConflictAnswer::Cancel)
                break;
            if (answer == ConflictAnswer::Replace) {
                RemoveSubtree(work, std::string(existing->Name()));
                outcome.Changed = true;
            } else {
                incoming.SetName(std::string());
                work.GetNewItemCaption2(incoming);
                incoming.SetName(top.Name);
            }
        }
        outcome.Added.push_back(PlaceSubtree(work, clip, incoming, target, outcome.ShortcutsChanged));
        pastedNames.push_back(top.Name);
        placed.push_back(top);
        outcome.Changed = true;
    }

    if (move) {
        // A move: the originals leave their old place; what was not placed stays on the clipboard.
        for (const auto& top : placed) {
            const clsMenuItem* original = work.GetMenuItemFromName(top.Name);
            if (original && original->OwnerName() == top.SourceGroup)
                RemoveSubtree(work, top.Name);
        }
    }
    outcome.Action = ActionName(move ? "Move" : "Paste", clip, pastedNames);
    if (move) {
        for (const auto& top : placed)
            clipboard.RemoveTop(top.Name);
        if (clipboard.Empty())
            clipboard.Clear();
    }
    return outcome;
}

// ---------------------------------------------------------------------------------------------------------
// Delete, Rename, Change, New

EditOutcome DeleteItems(clsMenuCollection& work, const EditSelection& selection, bool askBeforeDeleting,
                        IMessageBox& prompts) {
    EditOutcome outcome;
    std::vector<std::string> names = selection.Targets();
    std::erase_if(names, [](const std::string& name) { return name.empty(); });
    if (names.empty())
        return outcome;
    if (names.size() == 1) {
        const std::string& name = names.front();
        const clsMenuItem* item = work.GetMenuItemFromName(name);
        if (!item || name == MIT_HF_ROOT || IsFixedGroup(name))
            return outcome;
        if (askBeforeDeleting &&
            prompts.Show("Are you sure you want to delete '" + item->Caption() + "'?", "Confirm Delete",
                         MessageButtons::YesNoCancel, MessageIcon::Question) != MessageAnswer::Yes)
            return outcome;
    } else if (askBeforeDeleting && prompts.Show("Are you sure you want to delete these selected items?",
                                                 "Confirm Multiple Delete", MessageButtons::YesNoCancel,
                                                 MessageIcon::Question) != MessageAnswer::Yes) {
        return outcome;
    }
    // Several rows: the fixed groups among them stay, as a single Delete leaves them.
    std::erase_if(names, [&](const std::string& name) {
        return name == MIT_HF_ROOT || IsFixedGroup(name) || !work.GetMenuItemFromName(name);
    });
    if (names.empty())
        return outcome;
    outcome.Action = ActionName("Delete", work, names);
    for (const std::string& name : names)
        RemoveSubtree(work, name);
    outcome.Changed = true;
    outcome.ShortcutsChanged = true;
    return outcome;
}

bool CanRename(const clsMenuCollection& work, std::string_view name) {
    return name != MIT_HF_ROOT && work.GetMenuItemFromName(name) != nullptr;
}

RenameOutcome RenameItem(clsMenuCollection& work, std::string_view name, std::string_view newCaption,
                         IMessageBox& prompts) {
    RenameOutcome result;
    clsMenuItem* item = CanRename(work, name) ? work.GetMenuItemFromName(name) : nullptr;
    if (!item)
        return result;
    if (RemoveInvalidChars(newCaption) != newCaption) {
        prompts.Show(
            "An item's name cannot contain any of the following characters: \r\n\t\\ / : * ? \" < > |",
            "Rename Error", MessageButtons::Ok, MessageIcon::Critical);
        return result;
    }
    if (item->ItemType() == MIT_OPENALL)
        return result;
    // An empty caption would leave an entry without text in the menu; the edit is cancelled like Explorer's.
    if (newCaption.empty() || newCaption == item->Caption())
        return result;
    if (work.CountSameCaption(newCaption, item->OwnerName(), item->Name()) > 0) {
        prompts.Show(
            "Cannot rename " + item->Caption() +
                ": An item with the name you specified already exists.\r\nPlease specify a different name.",
            "Rename Error", MessageButtons::Ok, MessageIcon::Critical);
        return result;
    }
    result.Edit.Action = "Rename " + Quoted(*item);
    item->SetCaption(newCaption);
    // A group's caption is part of the paths of everything inside it.
    RecomputePaths(work, name);
    result.Accepted = true;
    result.Edit.Changed = true;
    return result;
}

bool CanChange(std::string_view name, IMessageBox& prompts) {
    if (name == MIT_HF_ROOT || IsFixedGroup(name) || name == MIT_PATHS_DRIVES) {
        Tell(prompts, "Can't change this group.");
        return false;
    }
    return true;
}

std::optional<std::string> NewItemGroup(const clsMenuCollection& work, std::string_view treeName,
                                        IMessageBox& prompts) {
    const std::string group = GroupFor(work, treeName);
    // The Drives group's content is generated: an item added there would be gone at its next refresh.
    if (group == MIT_HF_ROOT || group == MIT_PATHS_DRIVES || !work.GetMenuItemFromName(group)) {
        Tell(prompts, "Can't add new items here.");
        return std::nullopt;
    }
    return group;
}

// ---------------------------------------------------------------------------------------------------------
// Drag and drop

bool CanDrag(std::string_view name) {
    return !name.empty() && name != MIT_HF_ROOT && !IsFixedGroup(name);
}

EditOutcome MoveItems(clsMenuCollection& work, const std::vector<std::string>& names,
                      std::string_view targetName, IMessageBox& prompts, const ConflictPrompt& conflict) {
    if (names.empty() || !std::ranges::all_of(names, [](const std::string& name) { return CanDrag(name); }))
        return {};
    OrganizeClipboard dragged;
    dragged.SetMode(OrganizeClipboard::Mode::Cut);
    for (const std::string& name : names)
        dragged.AddSubtree(work, name);
    return PasteItems(work, dragged, targetName, prompts, conflict);
}

std::string ExplorerDropGroup(const clsMenuCollection& work, std::string_view hitName, bool onList,
                              std::string_view shownGroup) {
    if (!hitName.empty()) {
        const clsMenuItem* hit = work.GetMenuItemFromName(hitName);
        if (hitName == MIT_HF_ROOT || (hit && hit->SubMenu()))
            return std::string(hitName);
        // A shortcut row stands for the group the list shows; a shortcut node for the group that holds it.
        if (hit && !onList)
            return GroupFor(work, hitName);
    }
    return std::string(onList ? shownGroup : std::string_view(MIT_HF_ROOT));
}

EditOutcome DropFolders(clsMenuCollection& work, std::string_view groupName,
                        const std::vector<std::string>& paths, IFileSystem& files, IMessageBox& prompts) {
    EditOutcome outcome;
    if (paths.empty())
        return outcome;
    const std::string group = GroupFor(work, groupName);
    if (group == MIT_HF_ROOT || group == MIT_PATHS_DRIVES || !work.GetMenuItemFromName(group)) {
        Tell(prompts, "Can't add new items here.");
        return outcome;
    }
    for (const std::string& path : paths) {
        if (!files.FolderExists(path)) {
            prompts.Show("Cannot add " + path + ".\r\nOnly folders can be added to Karvello.",
                         EDIT_MESSAGE_TITLE, MessageButtons::Ok, MessageIcon::Critical);
            continue;
        }
        clsMenuItem* added = work.AddNewMenuItem({.Caption = LastPathComponent(path),
                                                  .OwnerName = group,
                                                  .Name = FreshName(work),
                                                  .FolderPath = path,
                                                  .ItemType = MIT_PATH,
                                                  .OpenType = MIT_PATH_EXPLORER,
                                                  .ComputePath = true});
        if (!added)
            continue;
        added->SetID(work.GetNextFreeID());
        outcome.Added.push_back(added->Name());
    }
    if (!outcome.Added.empty()) {
        outcome.Changed = true;
        outcome.Action = outcome.Added.size() == 1
                             ? "Add " + Quoted(*work.GetMenuItemFromName(outcome.Added.front()))
                             : "Add " + std::to_string(outcome.Added.size()) + " items";
    }
    return outcome;
}

// ---------------------------------------------------------------------------------------------------------
// Selection commands, Copy Shortcut, Restore

std::vector<int> InvertSelection(int count, const std::vector<int>& selected) {
    std::vector<bool> was(static_cast<size_t>(std::max(count, 0)), false);
    for (int row : selected) {
        if (row >= 0 && row < count)
            was[static_cast<size_t>(row)] = true;
    }
    std::vector<int> rows;
    for (int row = 0; row < count; ++row) {
        if (!was[static_cast<size_t>(row)])
            rows.push_back(row);
    }
    return rows;
}

std::optional<std::string> UpOneLevel(const clsMenuCollection& work, std::string_view treeName) {
    if (treeName == MIT_HF_ROOT)
        return std::nullopt;
    const clsMenuItem* item = work.GetMenuItemFromName(treeName);
    if (!item || item->IsTopLevel())
        return std::string(MIT_HF_ROOT);
    return item->OwnerName();
}

std::optional<ShortcutCopy> ShortcutToCopy(const clsMenuCollection& work, std::string_view name) {
    const clsMenuItem* item = work.GetMenuItemFromName(name);
    if (!item || item->FolderPath().empty())
        return std::nullopt;
    std::string fileName = RemoveInvalidChars(item->Caption());
    if (fileName.empty())
        fileName = "Shortcut";
    return ShortcutCopy{item->FolderPath(), fileName + ".lnk"};
}

EditOutcome RestoreGroup(clsMenuCollection& work, std::string_view groupName, int choice,
                         const SystemServices& services, bool importantSystemFoldersFirst,
                         IMessageBox& prompts) {
    EditOutcome outcome;
    if (groupName == MIT_PATHS_SYSTEM) {
        RemoveSystemFolders(work);
        AddSystemFolders(work, services.Registry, services.System, services.Files,
                         importantSystemFoldersFirst);
        outcome.Action = "Restore System Folders Group";
        Tell(prompts, "Content of System Folders group has been successfully restored.");
    } else if (groupName == MIT_GROUP_USER) {
        RemoveSubtree(work, MIT_GROUP_USER);
        CreatePersonalGroup(work, choice, services);
        outcome.Action = "Restore Personal Group";
        Tell(prompts, "Content of Personal group has been successfully restored.");
    } else {
        return outcome;
    }
    outcome.Changed = true;
    outcome.ShortcutsChanged = true;
    return outcome;
}

} // namespace krv
