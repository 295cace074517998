#pragma once
// IOrganizeView: the Organize Folders window as its presenter sees it. The window is passive: it shows the
// rows, texts and states it is given and reports what the user did to the presenter (OrganizePresenter).
// A fake view drives the presenter in the unit tests.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/DateTime.h"
#include "organize/OrganizeCommands.h"

namespace krv {

// Which pane last had the focus (the presenter's FocusPane).
enum class OrganizePane : int { Tree = 0, List = 1 };

// The menus whose entries the presenter enables, shows and checks before they open.
enum class OrganizeMenu { File, Edit, View, Tools, Help, ItemPopup, EmptyPopup, Toolbar };

// The list view's display modes.
enum class ListViewMode { LargeIcons, SmallIcons, List, Report };

// The list's columns, in their order.
inline constexpr int kListColumnCount = 7;

// One node of the tree. ParentKey is empty for the root; a node's parent always comes before it.
struct TreeRow {
    std::string Key; // "MIT_HF_ROOT" for the root, "C" + Name for an item
    std::string ParentKey;
    std::string Text;
    int Image = 0; // icon number of the item (model/MenuVocabulary.h)
    // Cut to the editor's clipboard: shown ghosted.
    bool Ghosted = false;
};

// One row of the list: its key, caption and icon, and the texts of columns 2 to 7.
struct ListRow {
    std::string Key; // "C" + Name
    std::string Text;
    int Icon = 0;
    // "Type", "Keyboard Shortcut", "Target Folder", "Description", "Modified", "Created". The two dates
    // are written the first time the row is shown (OrganizePresenter::ListCellText), not for every row.
    std::array<std::string, kListColumnCount - 1> SubItems;
    bool DatesWritten = false;
    // Cut to the editor's clipboard: shown ghosted.
    bool Ghosted = false;
    // The dates behind the two date columns, so that Arrange Icons sorts them as dates.
    DateTime Modified;
    DateTime Created;
};

// The three panels of the status bar.
struct StatusBarTexts {
    std::string Count; // count + " object(s)", with " selected" for a selection
    std::string Type;
    std::string Name;
    int Icon = 0;
    bool operator==(const StatusBarTexts&) const = default;
};

// A file chosen in a common file dialog: its path (trimmed) and the 1-based number of the filter chosen.
struct FileDialogChoice {
    std::string Path;
    int FilterIndex = 1;
};

class IOrganizeView {
public:
    virtual ~IOrganizeView() = default;

    // The window's handle as a number: the owner of the pause window and of message boxes.
    virtual intptr_t WindowHandle() const = 0;
    virtual void SetCaption(std::string_view caption) = 0;

    // --- The tree pane.
    // Replaces every node; nodes are expanded as they are added.
    virtual void SetTreeRows(const std::vector<TreeRow>& rows) = 0;
    // Selects the node with key (without reporting it back as a user's selection).
    virtual void SelectTreeNode(std::string_view key) = 0;

    // --- The list pane.
    // Shows rows; the vector is the presenter's and stays unchanged until the next call, so that a virtual
    // list can read its rows on demand.
    virtual void SetListRows(const std::vector<ListRow>& rows) = 0;
    // The rows given last changed in place (their ghosting); the selection stays.
    virtual void RedrawList() = 0;
    // Indexes into the last rows given, of the selected rows, in list order.
    virtual std::vector<int> SelectedListRows() const = 0;
    virtual int SelectedListCount() const = 0;
    // Selects exactly the given rows (an empty list clears the selection).
    virtual void SelectListRows(const std::vector<int>& rows) = 0;
    virtual void SetListViewMode(ListViewMode mode, bool gridLines) = 0;
    // The current widths of the seven columns (0 to 6), in twips as the registry keeps them.
    virtual std::array<int, kListColumnCount> ListColumnWidths() const = 0;
    virtual void SetListColumnWidth(int column, int widthTwips) = 0;

    // --- Status bar, toolbar, panes.
    virtual void SetStatusBar(const StatusBarTexts& texts) = 0;
    virtual void ShowStatusBar(bool shown) = 0;
    // Shows each button's caption (showText) or gives it as the tool tip, and the large or small pictures.
    virtual void SetToolbar(bool showText, bool largeButtons) = 0;
    virtual void FocusPane(OrganizePane pane) = 0;
    // The tree pane's width in twips. Setting one fixes it (the splitter's TreeWidthSet); without one the
    // tree follows the window's width.
    virtual int TreeWidth() const = 0;
    virtual void SetTreeWidth(int widthTwips) = 0;

    // --- Menus. The command's entry in every menu that has it.
    virtual void SetCommandChecked(OrganizeCommand command, bool checked) = 0;
    virtual void SetCommandEnabled(OrganizeCommand command, bool enabled) = 0;
    virtual void SetCommandVisible(OrganizeCommand command, bool visible) = 0;
    // Opens a popup menu (ItemPopup, EmptyPopup or Toolbar) at the screen point; the chosen command comes
    // back as an ordinary command.
    virtual void ShowPopupMenu(OrganizeMenu menu, int x, int y) = 0;
    // The text of the command's menu entries ("Undo Delete 'Music'"), keeping each entry's key name.
    virtual void SetCommandText(OrganizeCommand, std::string_view) {}
    // Starts the in-place rename of the node (tree) or row (list) with key; the view reports its end
    // through OrganizePresenter::OnRenameFinished.
    virtual void BeginRename(OrganizePane, std::string_view) {}

    // --- Prompts and system dialogs owned by the window.
    virtual void SetBusy(bool busy) = 0;
    // The common Open and Save As dialogs with a title and a filter ("Name|*.ext|Name|*.ext"); nothing when
    // cancelled.
    virtual std::optional<FileDialogChoice> AskOpenFileName(std::string_view title,
                                                            std::string_view filter) = 0;
    virtual std::optional<FileDialogChoice> AskSaveFileName(std::string_view title,
                                                            std::string_view filter) = 0;
    virtual void MapNetworkDrive() = 0;
    virtual void DisconnectNetworkDrive() = 0;

    // --- The window itself.
    virtual void BringToFront() = 0;
    // Stores the window's placement under its window name (the first step of closing).
    virtual void SavePlacement() = 0;
    // Destroys the window; the presenter calls it once closing has been decided.
    virtual void Close() = 0;
};

} // namespace krv
