#pragma once
// frmOrganize: the Organize Folders window, a top-level window with the tree and list panes, the toolbar,
// the status bar and the menus. It is a passive view (IOrganizeView): what it shows and what the commands
// do is decided by its OrganizePresenter.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "menu/modMenuSetup.h"
#include "organize/OrganizeMenus.h"
#include "organize/OrganizePresenter.h"
#include "organize/frmOrganizeDialogs.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Shell.h"

namespace krv {

class IRegistry;

class frmOrganize final : public IOrganizeView {
public:
    // The window class; tests and other programs find the window by it.
    static constexpr const wchar_t* ClassName = L"KarvelloOrganize";

    struct Parts {
        HINSTANCE Instance;
        // The resident program's hidden main window, the owner.
        HWND Owner;
        ProgramContext& Program;
        modFileHandler& Files;
        IOrganizeProgram& HandOver;
        IRegistry& Registry;
        ILocale& Locale;
        std::function<OrganizeOptionsOutcome(HWND owner, clsMenuCollection& collection)> Options;
        // Called once the window has been destroyed; the owner then releases this object (later, not from
        // inside the call).
        std::function<void()> Closed;
        // What restoring the fixed groups reads of the system; without it Restore does nothing.
        std::optional<SystemServices> System{};
    };

    explicit frmOrganize(Parts parts);
    frmOrganize(const frmOrganize&) = delete;
    frmOrganize& operator=(const frmOrganize&) = delete;
    ~frmOrganize() override;

    // Creates the window, runs the presenter's load and shows it. False when Windows refuses the window.
    bool Load();
    HWND Handle() const noexcept { return window_; }
    OrganizePresenter& Presenter() { return *presenter_; }
    // The window's keyboard accelerators, for the program's message loop; true when msg was one.
    bool TranslateAccelerators(MSG& msg);

    // IOrganizeView
    intptr_t WindowHandle() const override { return reinterpret_cast<intptr_t>(window_); }
    void SetCaption(std::string_view caption) override;
    void SetTreeRows(const std::vector<TreeRow>& rows) override;
    void SelectTreeNode(std::string_view key) override;
    void SetListRows(const std::vector<ListRow>& rows) override;
    void RedrawList() override;
    std::vector<int> SelectedListRows() const override;
    int SelectedListCount() const override;
    void SelectListRows(const std::vector<int>& rows) override;
    void SetListViewMode(ListViewMode mode, bool gridLines) override;
    std::array<int, kListColumnCount> ListColumnWidths() const override;
    void SetListColumnWidth(int column, int widthTwips) override;
    void SetStatusBar(const StatusBarTexts& texts) override;
    void ShowStatusBar(bool shown) override;
    void SetToolbar(bool showText, bool largeButtons) override;
    void FocusPane(OrganizePane pane) override;
    int TreeWidth() const override;
    void SetTreeWidth(int widthTwips) override;
    void SetCommandChecked(OrganizeCommand command, bool checked) override;
    void SetCommandEnabled(OrganizeCommand command, bool enabled) override;
    void SetCommandVisible(OrganizeCommand command, bool visible) override;
    void ShowPopupMenu(OrganizeMenu menu, int x, int y) override;
    void SetBusy(bool busy) override;
    std::optional<FileDialogChoice> AskOpenFileName(std::string_view title, std::string_view filter) override;
    std::optional<FileDialogChoice> AskSaveFileName(std::string_view title, std::string_view filter) override;
    void MapNetworkDrive() override;
    void DisconnectNetworkDrive() override;
    void BringToFront() override;
    void SavePlacement() override;
    void Close() override;
    void BeginRename(OrganizePane pane, std::string_view key) override;

private:
    // --- Editing in the window: in-place rename, drag and drop, folders dropped from Windows Explorer
    // (frmOrganizeEditing.cpp).
    friend class OrganizeDropTarget;
    struct EditingState;
    void InitEditing();
    void EndEditing();
    std::optional<LRESULT> OnEditingNotify(const NMHDR& header);
    std::optional<LRESULT> OnEditingMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool IsDropHighlighted(int row) const;
    void StartDrag(std::vector<std::string> keys, HIMAGELIST image, POINT screen);
    void EndDrag(bool drop);
    void HighlightDropTarget(HWND pane, std::optional<POINT> screen, bool groupsOnly);
    std::string KeyAt(HWND pane, POINT screen, bool groupsOnly) const;
    // Shared only so that this header needs no definition of it; the window is its one owner.
    std::shared_ptr<EditingState> editing_;

    // A submenu built from the menu tables, with the entries it holds, so that hidden entries can be
    // taken out and put back.
    struct BuiltMenu {
        HMENU Menu;
        std::vector<const MenuEntry*> Entries;
        std::vector<HMENU> Submenus; // for each entry: its submenu, or null
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateChildren();
    void CreateImageLists();
    unique_himagelist MakeItemImages(int size) const;
    void ShowLargeItemImages();
    // The toolbar's normal and disabled pictures for one button size, made on first use.
    std::pair<HIMAGELIST, HIMAGELIST> ToolbarImages(bool large);
    void CreateMenus();
    HMENU BuildMenu(std::span<const MenuEntry> entries, size_t& index, uint8_t level, bool popup);
    void SyncMenu(const BuiltMenu& menu);
    void SyncAllMenus();
    void CreateAccelerators();
    void AddListColumns();
    void RebuildToolbarButtons();
    void UpdateFonts();
    void Layout();
    int Dpi() const;
    int ToPixels(int twips) const;
    int ToTwips(int pixels) const;

    LRESULT OnNotify(const NMHDR& header);
    LRESULT OnTreeNotify(const NMHDR& header);
    LRESULT OnListNotify(const NMHDR& header);
    void OnListDisplayInfo(NMLVDISPINFOW& info);
    void OnInitMenuPopup(HMENU menu);
    void OnContextMenuAt(HWND control, POINT screen);
    void OnSplitterMouse(UINT message, LPARAM lParam);
    bool InSplitter(POINT client) const;
    std::optional<FileDialogChoice> AskFileName(bool save, std::string_view title, std::string_view filter);

    Parts parts_;
    HWND window_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND tree_ = nullptr;
    HWND list_ = nullptr;
    HWND status_ = nullptr;
    HWND splitterBar_ = nullptr;

    std::optional<Win32MessageBox> prompts_;
    std::optional<frmOrganizeDialogs> dialogs_;
    std::optional<Win32Clipboard> clipboard_;
    std::unique_ptr<OrganizePresenter> presenter_;

    // Image lists: the items' pictures (small and large), and the toolbar's pairs (normal and disabled).
    unique_himagelist imlSmall_;
    unique_himagelist imlLarge_;
    unique_himagelist imlTlbSmall_;
    unique_himagelist imlTlbSmallDis_;
    unique_himagelist imlTlbBig_;
    unique_himagelist imlTlbBigDis_;
    unique_hfont font_;
    unique_hicon statusIcon_;
    int imageDpi_ = 0;

    unique_hmenu menuBar_;
    unique_hmenu itemPopup_;
    unique_hmenu emptyPopup_;
    unique_hmenu toolbarPopup_;
    std::vector<BuiltMenu> builtMenus_;
    std::unordered_map<HMENU, OrganizeMenu> topMenus_;
    std::unordered_set<int> hidden_;
    std::unordered_set<int> checked_;
    std::unordered_set<int> disabled_;
    HACCEL accelerators_ = nullptr;

    // --- Filling the tree in slices (frmOrganizeTree.cpp).
    static LRESULT CALLBACK TreeProc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    bool TreeFillPending() const noexcept { return nextTreeRow_ < pendingTreeRows_.size(); }
    void InsertTreeRows(size_t count, bool timed);
    void FillTreeSlice();
    void FinishTreeFill();
    std::optional<LRESULT> OnTreeFillMessage(UINT message);
    // The node of a key, once the tree holds it: a node not inserted yet finishes the filling first.
    HTREEITEM NodeOf(std::string_view key);

    // The tree's nodes by key, and the key of each node (its lParam is the index).
    std::unordered_map<std::string, HTREEITEM> nodes_;
    std::vector<std::string> nodeKeys_;
    // The rows still to be inserted after the first slice, from nextTreeRow_ on, and the parents whose
    // children came in the slice being inserted (they are expanded once it ends).
    std::vector<TreeRow> pendingTreeRows_;
    size_t nextTreeRow_ = 0;
    std::vector<HTREEITEM> parentsToExpand_;
    std::unordered_set<HTREEITEM> expandedParents_;
    // Set while the window itself talks to the tree during a fill, so that its messages do not end the
    // filling as an outside request does.
    bool fillingTree_ = false;
    bool reportingTreeSelection_ = true;
    const std::vector<ListRow>* rows_ = nullptr;
    // The wide texts the list hands out stay alive until the next request.
    std::wstring displayText_;

    bool showStatusBar_ = true;
    bool showText_ = true;
    bool largeButtons_ = true;
    std::optional<int> treeWidth_; // twips, when set by the registry or the splitter
    bool splitting_ = false;
    bool busy_ = false;
    bool closed_ = false;
};

} // namespace krv
