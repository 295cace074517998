#pragma once
// OrganizePresenter: the decisions of the Organize Folders window. It owns the working collection (a copy of
// the program's tree), knows what the tree and the list show row by row, what the status bar says, which
// view and sort are on, and carries out the File, View, Tools and Help commands with their questions, and
// the closing rules. The window (IOrganizeView) only shows what it is given and reports what the user did.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/clsMenuCollection.h"
#include "organize/OrganizeCommands.h"
#include "organize/OrganizeDialogs.h"
#include "organize/OrganizeView.h"
#include "organize/UndoHistory.h"
#include "organize/modOrganize.h"
#include "organized/modShortcuts.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"

namespace krv {

class clsRegHandler;
class ISystemClipboard;
struct SystemServices;
class modFileHandler;
struct ProgramContext;

// The key of the tree's root node, which is no item.
inline constexpr const char* ROOT_NODE_KEY = "MIT_HF_ROOT";
inline constexpr const char* ROOT_NODE_TEXT = "Organized Folders";
inline constexpr const char* ORGANIZE_CAPTION = "Organize Folders";
// The registry key of the window's settings and placement (its short window name).
inline constexpr const char* ORGANIZE_WINDOW_NAME = "frmOrganize";

// The list view keys of "I2", in the order of the View menu.
inline constexpr const char* VIEW_KEY_LARGE_ICONS = "keyViewsIcoLarge";
inline constexpr const char* VIEW_KEY_SMALL_ICONS = "keyViewsIcoSmall";
inline constexpr const char* VIEW_KEY_LIST = "keyViewsList";
inline constexpr const char* VIEW_KEY_DETAILS = "keyViewsDetails";
inline constexpr const char* VIEW_KEY_GRID = "keyViewsGrid";

// The node or row key of an item, and the item name of a key.
std::string ItemKey(std::string_view name);
std::string NameOfKey(std::string_view key);

// The window's own settings, kept as "I1" to "I6" and "ICHW1" to "ICHW7" under its key.
struct OrganizeSettings {
    bool ShowStatusBar = true;
    std::string ViewKey = VIEW_KEY_DETAILS;
    bool ToolbarShowText = true;
    bool ToolbarLargeButtons = true;
    bool ShowShortcutsInLeftPane = true;
    // The stored tree width in twips, when it is greater than 100; otherwise the tree follows the window.
    std::optional<int> TreeWidth;
    // The stored column widths in twips; a missing one keeps the column's designed width.
    std::array<std::optional<int>, kListColumnCount> ColumnWidths{};
};

OrganizeSettings LoadOrganizeSettings(clsRegHandler& registry);
void SaveOrganizeSettings(clsRegHandler& registry, const OrganizeSettings& settings, int treeWidth,
                          const std::array<int, kListColumnCount>& columnWidths);

// What the editor hands to the running program. The resident program implements it (app/).
class IOrganizeProgram {
public:
    virtual ~IOrganizeProgram() = default;
    // Replaces the program's tree with a copy of work, rebuilds the popup menu and the keyboard table.
    virtual void ApplyToProgram(const clsMenuCollection& work) = 0;
    // Creates, fills and marks one Organized Folders directory from collection.
    virtual void RestoreOrganizedFolders(OrganizedFoldersLocation location,
                                         const clsMenuCollection& collection) = 0;
    // Registers the keyboard shortcuts of collection anew (the program's keyboard table).
    virtual void RebuildKeyboardShortcuts(clsMenuCollection& collection) = 0;
};

// Everything the presenter works with besides its view.
struct OrganizeServices {
    ProgramContext& Program;
    modFileHandler& Files;
    IOrganizeProgram& HandOver;
    IOrganizeDialogs& Dialogs;
    // Message boxes owned by the window.
    IMessageBox& Prompts;
    // The user's regional settings, for the dates of the list.
    ILocale& Locale;
    // What restoring the fixed groups reads of the system; without it Restore does nothing.
    const SystemServices* System = nullptr;
    // The system clipboard, for Copy Shortcut; without it Copy Shortcut does nothing.
    ISystemClipboard* Clipboard = nullptr;
};

// The web pages of the Help menu.
struct OrganizeWebPages {
    static constexpr const char* LatestVersion = "https://www.tessary.com/karvello/versions";
    static constexpr const char* Support = "https://www.tessary.com/karvello/support";
    static constexpr const char* HomePage = "https://www.tessary.com/karvello";
};

class OrganizePresenter {
public:
    OrganizePresenter(const OrganizeServices& services, IOrganizeView& view);
    OrganizePresenter(const OrganizePresenter&) = delete;
    OrganizePresenter& operator=(const OrganizePresenter&) = delete;

    // Window load, after the window has its placement: reads the settings and applies them to the view,
    // copies the program's tree, sets the caption and the File menu, fills the tree, selects the root.
    void Load();
    // The command of a road in ("/ADD folder", "/OPEN file"; anything else is ignored).
    void Init(std::string_view command);
    // The window was activated: the tip of the day, once, unless the window was opened for a command.
    void OnActivated();

    // --- What the user did in the window.
    void OnCommand(OrganizeCommand command);
    void OnTreeSelectionChanged(std::string_view key);
    void OnListSelectionChanged();
    void OnPaneFocused(OrganizePane pane);
    // A double click or Enter on a list row.
    void OnListRowActivated(int row);
    // A right click: on a node or row (key) or on empty list space (key empty), at a screen point.
    void OnContextMenu(OrganizePane pane, std::string_view key, int x, int y);
    // A menu of the menu bar is about to open.
    void OnMenuOpening(OrganizeMenu menu);
    // A click on a column header of the list sorts by that column (0 to 6).
    void OnColumnClick(int column);
    // The user closes the window (close box, File > Exit): true when it may close. The view saves its
    // placement first.
    bool OnClose();

    // --- The window's state, for the editing commands.
    clsMenuCollection& WorkCollection() { return work_; }
    const clsMenuCollection& WorkCollection() const { return work_; }
    bool Modified() const { return modified_; }
    void SetModified() { modified_ = true; }
    bool DefaultChanged() const { return defaultChanged_; }
    bool SaveOnExit() const { return saveOnExit_; }
    OrganizePane FocusPane() const { return focusPane_; }
    const std::string& ViewKey() const { return settings_.ViewKey; }
    const OrganizeSettings& Settings() const { return settings_; }
    const std::string& EditorConfigFile() const { return editorConfigFile_; }
    // True when the editor edits the program's current configuration file.
    bool EditsCurrentFile() const;

    // The tree's selected node: its key, and the Name of its group ("MIT_HF_ROOT" for the root).
    const std::string& SelectedTreeKey() const { return selectedTreeKey_; }
    std::string SelectedGroupName() const { return NameOfKey(selectedTreeKey_); }
    // The Names of the selected list rows, in list order.
    std::vector<std::string> SelectedListNames() const;
    // The rows the list shows now.
    const std::vector<ListRow>& ListRows() const { return listRows_; }
    // The text of one cell of the list (column 0 is the caption). The date columns are written in the
    // regional style when first asked for: a group of thousands of rows shows a few dozen at a time.
    const std::string& ListCellText(size_t row, int column);
    // The Names of the items shown ghosted (cut to the clipboard).
    void SetCutMarks(std::unordered_set<std::string> names);
    // Fills tree and list again from the working collection, keeping the selected node (or its nearest
    // remaining ancestor, else the root) and the selected rows that remain.
    void Refill();
    // Selects the node of a group and shows its content.
    void SelectGroup(std::string_view name);

    // --- The File commands (public so that the roads in and the tests reach them).
    void SetFormCaption();
    void RefreshFileMenu();
    // Writes the working collection to path (CurrentConfigFile when empty) and, with applyToProgram,
    // hands it to the running program; true on success.
    bool Apply(bool saveToFile, bool applyToProgram, std::string_view path, bool textFormat);
    void FuncConfigFileLoad(bool useDefaultFile);
    void FuncConfigFileSave(bool saveAs);
    void SetAsDefault();
    // "/OPEN": loads path as File > Open does, without the dialog and without the messages.
    void OpenFileQuietly(std::string_view path);
    void ExitDiscardingChanges();
    void ApplyListViewView(std::string_view viewKey);
    void SetStatusBarSelected();
    void RefreshOrganizedFolders(OrganizedFoldersLocation location);

    // --- Entry points of the editing commands (OrganizePresenterEditing.cpp), each called for its
    // command from the menus, the popup menus, the toolbar and the keys.
    void CutOrCopy(bool cut);
    void CopyShortcut();
    void Paste(std::string_view targetKey);
    void DeleteSelection();
    void RenameSelection();
    // The in-place rename of a node or row ended with text; true when the view keeps the new text.
    bool OnRenameFinished(std::string_view key, std::string_view text);
    void ChangeSelection();
    // New of a kind ("MIT_GROUP_GENERAL", "MIT_PATH_SHORTCUT", "MIT_PATH_EXPLORER", "MIT_OPENALL") in the
    // selected group, with a Target Folder to start from.
    void NewItem(std::string_view type, std::string_view initialPath);
    void SelectAll();
    void DeselectAll();
    void InvertSelection();
    void Undo();
    void Redo();
    void Restore(RestoreMode mode);
    // The restore wizard's result: the named group is restored with the chosen content.
    void RestoreGroup(std::string_view groupName, int choice);
    // Items dragged inside the window (node or row keys) were dropped on the node or row targetKey.
    void OnItemsDropped(const std::vector<std::string>& keys, std::string_view targetKey);
    // Folders dropped from Windows Explorer on the node or row targetKey (empty: the shown group).
    void OnFilesDropped(const std::vector<std::string>& paths, std::string_view targetKey);
    // Sets Enabled and Visible of the editing entries of a menu before it opens.
    void SetCommandStates(OrganizeMenu menu);

private:
    void FillTree();
    void FillList();
    ListRow MakeListRow(const clsMenuItem& item) const;
    void SortListRows();
    void ShowGroupStatus();
    void UpdateStatusBar(const StatusBarTexts& texts);
    void ApplyToolbar();
    void ShowToolbarStates();
    void SetViewChecks();
    void ToggleSetting(OrganizeCommand command);
    void OpenSelectedItem();
    const clsMenuItem* SelectedItem() const;
    std::string SelectedFolderPath() const;
    void UpOneLevel();
    void ShowProperties();
    void ShowShortcutsList();
    void ShowOptions();
    void ShowHelpPage(const char* address);
    void ShowSaveFailure(std::string_view path);
    bool LoadFile(std::string_view path, bool quietly);
    std::string NameForMessages(std::string_view path) const;
    void DoClose();

    // The editing commands' share of the state (OrganizePresenterEditing.cpp).
    EditSelection CurrentEditSelection() const;
    void ShowEditSelection(const EditSelection& selection);
    void ShowHistoryStep(const std::optional<EditSelection>& selection);
    // Runs an edit of the working collection under the undo history: a snapshot first, and when the edit
    // changed the collection the undo step named after it, Modified, the keyboard table and the panes.
    void RecordEdit(const std::function<EditOutcome()>& edit);
    // The same for a dialog that may change the working collection (the properties, the shortcuts list):
    // an undo step named action when it did; true then.
    bool RecordDialogEdit(std::string action, const std::function<void()>& dialog);
    void ShowEdited(bool shortcutsChanged, const std::vector<std::string>& added);
    ConflictPrompt ConflictQuestion();
    void ShowUndoEntries();

    OrganizeServices services_;
    IOrganizeView& view_;

    clsMenuCollection work_;
    bool modified_ = false;
    bool defaultChanged_ = false;
    bool saveOnExit_ = true;
    OrganizePane focusPane_ = OrganizePane::Tree;
    OrganizeSettings settings_;
    std::string editorConfigFile_;
    bool tipShown_ = false;

    std::string selectedTreeKey_ = ROOT_NODE_KEY;
    // The Names of the selected node's enclosing groups, nearest first: where the selection goes when a
    // refill no longer has its node.
    std::vector<std::string> selectedAncestors_;
    std::vector<ListRow> listRows_;
    // The locale's texts for the dates of the current list, asked of the system once per fill.
    std::unordered_map<uint32_t, std::string> listLocaleTexts_;
    std::unordered_set<std::string> cutNames_;
    OrganizeClipboard clipboard_;
    UndoHistory history_;
    // The column Arrange Icons sorted by (0 to 6), kept for later fills of the list.
    std::optional<int> sortColumn_;
    // What the status bar shows, so that it is rewritten only when a value changes.
    std::optional<StatusBarTexts> statusCache_;
};

} // namespace krv
