#pragma once
// modOrganize: the editing commands of the Organize Folders window on its working collection — which
// commands a menu offers, cut, copy and paste through the window's clipboard, delete, rename, the refusals
// of Change and New, drag and drop inside the window and of folders from Windows Explorer, the selection
// commands and the restoring of the two fixed groups. It knows no window: it works on the collection and
// plain data, asks and tells through message boxes and a conflict callback, and reports what changed.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/clsMenuCollection.h"

namespace krv {

class IFileSystem;
class IMessageBox;
struct SystemServices;

// The title of every message of these commands that names no other.
inline constexpr const char* EDIT_MESSAGE_TITLE = "Karvello";

// --- Which entries the menus offer -------------------------------------------------------------------------

// The menus whose editing entries follow the selection.
enum class EditMenu { ItemPopup, EmptyPopup, Edit, Tools, View, Toolbar };

// The entries whose state depends on the selection, the clipboard or the options.
enum class EditEntry {
    Cut,
    Copy,
    Delete,
    Rename,
    Change,
    Properties,
    CopyShortcut,
    Paste,
    Explore,
    Restore,
    UpOneLevel,
    Undo,
    Redo,
    RestoreSystemFolders,
    RefreshDesktop,
    RefreshSendTo,
    RefreshFavorites,
};

struct EntryState {
    EditEntry Entry;
    bool Enabled = true;
    bool Visible = true;
    bool operator==(const EntryState&) const = default;
};

// What the states are decided from.
struct CommandStateInput {
    // The selected node or row key: "MIT_HF_ROOT", "C" + Name, or empty when nothing is selected.
    std::string SelectedKey{};
    int SelectedIcon = 0;
    bool ClipboardEmpty = true;
    bool CanUndo = false;
    bool CanRedo = false;
    bool ShowSystemFolders = true; // "AC0"
    bool RefreshDesktop = false;   // "ADVC2"
    bool RefreshSendTo = false;    // "ADVC3"
    bool RefreshFavorites = false; // "ADVC4"
};

// The entries of one menu with their states, in the menu's order.
std::vector<EntryState> SetCommandStates(EditMenu menu, const CommandStateInput& input);

// --- The window's clipboard --------------------------------------------------------------------------------

// Copies of cut or copied items with their subtrees. The top items have OwnerName "MIT_FL"; each remembers
// the group it came from, which Paste compares with its target.
class OrganizeClipboard {
public:
    enum class Mode { Copy = 0, Cut = 1 };
    struct Top {
        std::string Name{};
        std::string SourceGroup{};
    };

    bool Empty() const { return items_.Count() == 0; }
    Mode ClipboardMode() const { return mode_; }
    const clsMenuCollection& Items() const { return items_; }
    const std::vector<Top>& Tops() const { return tops_; }
    // The Names of the cut items and of everything inside them, shown ghosted until the clipboard is cleared.
    const std::unordered_set<std::string>& CutMarks() const { return cutMarks_; }

    void Clear();
    void SetMode(Mode mode) { mode_ = mode; }
    // Adds a copy of the item named name of work with its subtree.
    void AddSubtree(const clsMenuCollection& work, const std::string& name);
    // Drops one top item and its subtree (it has been pasted).
    void RemoveTop(const std::string& name);

private:
    clsMenuCollection items_;
    std::vector<Top> tops_;
    std::unordered_set<std::string> cutMarks_;
    Mode mode_ = Mode::Copy;
};

// --- The selection and what a command did
// -------------------------------------------------------------------

// The selection a command works on: the focused pane, the tree's selected node and the selected rows.
struct EditSelection {
    bool ListFocused = false;
    // The Name of the tree's selected node's item, "MIT_HF_ROOT" for the root.
    std::string TreeName = MIT_HF_ROOT;
    // The Names of the selected list rows, in list order.
    std::vector<std::string> ListNames{};

    // The items the command works on: the selected rows with the list focused, else the tree's node.
    std::vector<std::string> Targets() const;
    bool operator==(const EditSelection&) const = default;
};

struct EditOutcome {
    // The working collection changed: Modified is set and the panes are refilled.
    bool Changed = false;
    // Keyboard shortcuts may have changed: they are registered anew from the working collection.
    bool ShortcutsChanged = false;
    // What the undo entry names, for example "Delete 'Music'".
    std::string Action{};
    // The Names of the items the command added, for the panes to select.
    std::vector<std::string> Added{};
};

// The conflict question of a paste: the target group already holds existing and incoming comes in.
enum class ConflictAnswer { Replace, Rename, Cancel };
using ConflictPrompt =
    std::function<ConflictAnswer(const clsMenuItem& existing, const clsMenuItem& incoming)>;

// --- The commands
// -------------------------------------------------------------------------------------------

// Cut (cut true) or Copy of the selection into the clipboard; false when nothing was taken.
bool CutOrCopy(const clsMenuCollection& work, const EditSelection& selection, bool cut,
               OrganizeClipboard& clipboard, IMessageBox& prompts);

// "Cannot move NAME: The source is the same as the destination." and its title.
void ShowSameSourceError(IMessageBox& prompts, std::string_view name, bool move);

// Pastes the clipboard into the group targetName (a shortcut stands for the group that holds it).
EditOutcome PasteItems(clsMenuCollection& work, OrganizeClipboard& clipboard, std::string_view targetName,
                       IMessageBox& prompts, const ConflictPrompt& conflict);

// Deletes the selection, asking first when askBeforeDeleting ("GC0") is on.
EditOutcome DeleteItems(clsMenuCollection& work, const EditSelection& selection, bool askBeforeDeleting,
                        IMessageBox& prompts);

// False when Rename may not begin for the item (the root).
bool CanRename(const clsMenuCollection& work, std::string_view name);
// The end of an in-place rename; Changed false with the edit to be cancelled when refused or unchanged.
struct RenameOutcome {
    bool Accepted = false;
    EditOutcome Edit;
};
RenameOutcome RenameItem(clsMenuCollection& work, std::string_view name, std::string_view newCaption,
                         IMessageBox& prompts);

// False, after the message, when Change is refused for the item.
bool CanChange(std::string_view name, IMessageBox& prompts);
// The group a new item goes into for the tree's selected node, or nothing after the refusal's message.
std::optional<std::string> NewItemGroup(const clsMenuCollection& work, std::string_view treeName,
                                        IMessageBox& prompts);

// --- Drag and drop
// ------------------------------------------------------------------------------------------

// False for the items that cannot be dragged: the root, the Personal and the System Folders groups.
bool CanDrag(std::string_view name);
// Items dragged inside the window and dropped on targetName: a Cut and a Paste there, with Paste's
// refusals; the window's clipboard is left as it was.
EditOutcome MoveItems(clsMenuCollection& work, const std::vector<std::string>& names,
                      std::string_view targetName, IMessageBox& prompts, const ConflictPrompt& conflict);

// The group that folders dropped from Windows Explorer go into: the node or row under the drop point
// (hitName, empty when none) or else, in the list, the group the list shows.
std::string ExplorerDropGroup(const clsMenuCollection& work, std::string_view hitName, bool onList,
                              std::string_view shownGroup);
// Adds a Windows Explorer shortcut for every dropped folder; files and missing paths are refused.
EditOutcome DropFolders(clsMenuCollection& work, std::string_view groupName,
                        const std::vector<std::string>& paths, IFileSystem& files, IMessageBox& prompts);

// --- Selection commands
// -------------------------------------------------------------------------------------

// The rows selected after Invert Selection, from the selected rows among count rows.
std::vector<int> InvertSelection(int count, const std::vector<int>& selected);
// The node Up One Level selects: the parent group's Name, "MIT_HF_ROOT" above a top-level group, or
// nothing at the root.
std::optional<std::string> UpOneLevel(const clsMenuCollection& work, std::string_view treeName);

// --- Copy Shortcut
// ------------------------------------------------------------------------------------------

// What Copy Shortcut puts on the system clipboard: the Target Folder as text and a shell link to it.
struct ShortcutCopy {
    std::string FolderPath{};
    // The file name of the link, from the caption: "Docs.lnk".
    std::string LinkFileName{};
    bool operator==(const ShortcutCopy&) const = default;
};
std::optional<ShortcutCopy> ShortcutToCopy(const clsMenuCollection& work, std::string_view name);

// --- Restore
// ------------------------------------------------------------------------------------------------

// Puts the Personal group ("MIT_GROUP_USER", with the wizard's choice 0 to 3) or the System Folders group
// ("MIT_PATHS_SYSTEM") back into its initial state and tells so; any other name does nothing.
EditOutcome RestoreGroup(clsMenuCollection& work, std::string_view groupName, int choice,
                         const SystemServices& services, bool importantSystemFoldersFirst,
                         IMessageBox& prompts);

} // namespace krv
