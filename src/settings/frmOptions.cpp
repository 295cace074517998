#include "settings/frmOptions.h"

#include <commctrl.h>

#include "DialogIds.h"
#include "platform/Text.h"
#include "platform/win32/WindowPlacement.h"

namespace krv {
namespace {

// Posted by a click on a check box or by the space bar: the tree view changes the check mark only after
// the notification has been handled, so the new state is read when this message arrives.
constexpr UINT WM_APP_NODE_TOGGLED = WM_APP + 1;
constexpr const char* kWindowName = "frmOptions";

struct TabControls {
    OptionsTab Tab;
    int Page;
    int Tree;
    int Frame;
    int Label;
};
constexpr TabControls kTabControls[] = {
    {OptionsTab::General, IDD_OPTIONS_GENERAL, IDC_TV_GENERAL, IDC_FRAME1, IDC_LBL_INF_GENERAL},
    {OptionsTab::Appearance, IDD_OPTIONS_APPEARANCE, IDC_TV_APPEARANCE, IDC_FRAME2, IDC_LBL_INF_APPEARANCE},
    {OptionsTab::Advanced, IDD_OPTIONS_ADVANCED, IDC_TV_ADVANCED, IDC_FRAME3, IDC_LBL_INF_ADVANCED},
};

const TabControls& ControlsOf(OptionsTab tab) {
    return kTabControls[static_cast<int>(tab)];
}

std::optional<OptionsTab> TabOfTree(int controlId) {
    for (const TabControls& controls : kTabControls) {
        if (controls.Tree == controlId)
            return controls.Tab;
    }
    return std::nullopt;
}

const OptionNode* NodeOfItem(HWND tree, HTREEITEM item) {
    if (item == nullptr)
        return nullptr;
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!TreeView_GetItem(tree, &data))
        return nullptr;
    const auto index = static_cast<size_t>(data.lParam);
    return index < OptionNodes().size() ? &OptionNodes()[index] : nullptr;
}

} // namespace

void frmOptions::Init(clsMenuCollection& collection, bool forMainCollection) {
    collection_ = &collection;
    forMainCollection_ = forMainCollection;
}

OptionsDialogResult frmOptions::Run(HINSTANCE instance, HWND owner) {
    instance_ = instance;
    ShowModal(instance, IDD_OPTIONS, owner);
    return result_;
}

bool frmOptions::Page::OnCommand(int id, int notifyCode, HWND control) {
    ::SendMessageW(::GetParent(Handle()), WM_COMMAND, MAKEWPARAM(id, notifyCode),
                   reinterpret_cast<LPARAM>(control));
    return true;
}

bool frmOptions::Page::OnNotify(const NMHDR& header, LRESULT& result) {
    result =
        ::SendMessageW(::GetParent(Handle()), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    return true;
}

HWND frmOptions::Control(int id) {
    if (HWND control = Item(id))
        return control;
    for (Page& page : pages_) {
        if (HWND control = page.Item(id))
            return control;
    }
    return nullptr;
}

void frmOptions::SetControlText(int id, std::string_view text) {
    ::SetWindowTextW(Control(id), Widen(text).c_str());
}

void frmOptions::CreatePages(HINSTANCE instance) {
    HWND tabs = Item(IDC_SSTAB1);
    RECT area{};
    ::GetWindowRect(tabs, &area);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    // Each page follows the tab control in the tab order, before the buttons below it.
    HWND previous = tabs;
    for (const TabControls& controls : kTabControls) {
        Page& page = PageOf(controls.Tab);
        if (!page.CreateModeless(instance, controls.Page, Handle()))
            continue;
        // The page takes the tab's background, so that its labels and frames sit on it seamlessly.
        EnableTabPageBackground(page.Handle());
        ::SetWindowPos(page.Handle(), previous, area.left, area.top, area.right - area.left,
                       area.bottom - area.top, SWP_NOACTIVATE);
        previous = page.Handle();
    }
}

bool frmOptions::OnInitDialog() {
    messageBox_.emplace(Handle());
    OptionsDialogServices services = services_;
    logic_.emplace(OptionsDialogServices{services.CurrentOptions, services.Registry, services.QuotedExePath,
                                         services.HotKeysAvailable, services.Changes, *messageBox_});
    if (collection_ != nullptr)
        logic_->Init(*collection_, forMainCollection_);

    AddTabs();
    CreatePages(instance_);
    SetControlText(IDC_LBL_INF_GENERAL, TabDescription(OptionsTab::General));
    RestoreFormPosition(Handle(), services_.Registry, kWindowName, true, 0, 0, false);
    for (OptionsTab tab : kOptionsTabs)
        FillTree(tab);
    ResetDescriptions();
    ShowTab(OptionsTab::General);

    PageOf(OptionsTab::General).AddToolTip(IDC_CMD_CLOSE_FO, "Exit and close Karvello application");
    AddToolTip(IDC_CMD_RESTORE, "Restore default values");
    AddToolTip(IDC_CMD_FINISH, "Accept changes");
    AddToolTip(IDC_CMD_CANCEL, "Don't accept changes");
    AddToolTip(IDC_CMD_APPLY, "Apply changes");
    return true;
}

void frmOptions::AddTabs() {
    HWND tabs = Item(IDC_SSTAB1);
    for (OptionsTab tab : kOptionsTabs) {
        std::wstring caption = Widen(TabCaption(tab));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        TabCtrl_InsertItem(tabs, static_cast<int>(tab), &item);
    }
}

void frmOptions::FillTree(OptionsTab tab) {
    HWND tree = Control(ControlsOf(tab).Tree);
    // Check boxes must be switched on after the tree view exists and before it holds items.
    ::SetWindowLongPtrW(tree, GWL_STYLE, ::GetWindowLongPtrW(tree, GWL_STYLE) | TVS_CHECKBOXES);
    for (const OptionNode* node : logic_->Nodes(tab)) {
        std::wstring caption = Widen(node->Caption);
        TVINSERTSTRUCTW insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = caption.data();
        insert.item.lParam = static_cast<LPARAM>(node - OptionNodes().data());
        HTREEITEM item = TreeView_InsertItem(tree, &insert);
        TreeView_SetCheckState(tree, item, logic_->IsChecked(node->ValueName));
    }
    // The first node is current, so that the arrow keys and the space bar work from the start.
    TreeView_SelectItem(tree, TreeView_GetRoot(tree));
}

void frmOptions::ShowTab(OptionsTab tab) {
    for (const TabControls& controls : kTabControls)
        ::ShowWindow(PageOf(controls.Tab).Handle(), controls.Tab == tab ? SW_SHOW : SW_HIDE);
    TabCtrl_SetCurSel(Item(IDC_SSTAB1), static_cast<int>(tab));
}

void frmOptions::ResetDescriptions() {
    for (const TabControls& controls : kTabControls)
        SetControlText(controls.Label, TabDescription(controls.Tab));
}

void frmOptions::ShowDescription(OptionsTab tab, const OptionNode& node) {
    SetControlText(ControlsOf(tab).Label, node.Description);
}

void frmOptions::RefreshChecks() {
    for (const TabControls& controls : kTabControls) {
        HWND tree = Control(controls.Tree);
        for (HTREEITEM item = TreeView_GetRoot(tree); item != nullptr;
             item = TreeView_GetNextSibling(tree, item)) {
            const OptionNode* node = NodeOfItem(tree, item);
            if (node == nullptr)
                continue;
            const bool checked = logic_->IsChecked(node->ValueName);
            if ((TreeView_GetCheckState(tree, item) == 1) != checked)
                TreeView_SetCheckState(tree, item, checked);
        }
    }
    Enable(IDC_CMD_APPLY, logic_->ApplyEnabled());
}

void frmOptions::OnNodeToggled(OptionsTab tab, HTREEITEM item) {
    HWND tree = Control(ControlsOf(tab).Tree);
    const OptionNode* node = NodeOfItem(tree, item);
    if (node == nullptr)
        return;
    const bool checked = TreeView_GetCheckState(tree, item) == 1;
    if (checked != logic_->IsChecked(node->ValueName))
        logic_->SetChecked(node->ValueName, checked);
    RefreshChecks();
}

void frmOptions::OnTreeClick(OptionsTab tab) {
    HWND tree = Control(ControlsOf(tab).Tree);
    TVHITTESTINFO hit{};
    const DWORD position = ::GetMessagePos();
    hit.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ::ScreenToClient(tree, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree, &hit);
    if (item == nullptr)
        return;
    if (const OptionNode* node = NodeOfItem(tree, item))
        ShowDescription(tab, *node);
    if (hit.flags & TVHT_ONITEMSTATEICON)
        ::PostMessageW(Handle(), WM_APP_NODE_TOGGLED, static_cast<WPARAM>(tab),
                       reinterpret_cast<LPARAM>(item));
}

bool frmOptions::OnNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    if (header.idFrom == IDC_SSTAB1 && header.code == TCN_SELCHANGE) {
        const int selected = TabCtrl_GetCurSel(Item(IDC_SSTAB1));
        if (selected >= 0 && selected < static_cast<int>(kOptionsTabs.size())) {
            ResetDescriptions();
            ShowTab(kOptionsTabs[static_cast<size_t>(selected)]);
        }
        return true;
    }
    const std::optional<OptionsTab> tab = TabOfTree(static_cast<int>(header.idFrom));
    if (!tab)
        return false;
    switch (header.code) {
    case NM_CLICK:
        OnTreeClick(*tab);
        return true;
    case TVN_SELCHANGEDW: {
        const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
        if (const OptionNode* node = NodeOfItem(header.hwndFrom, change.itemNew.hItem))
            ShowDescription(*tab, *node);
        return true;
    }
    case TVN_KEYDOWN: {
        const auto& key = reinterpret_cast<const NMTVKEYDOWN&>(header);
        if (key.wVKey == VK_SPACE) {
            ::PostMessageW(Handle(), WM_APP_NODE_TOGGLED, static_cast<WPARAM>(*tab),
                           reinterpret_cast<LPARAM>(TreeView_GetSelection(header.hwndFrom)));
        }
        return true;
    }
    default:
        return false;
    }
}

bool frmOptions::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message != WM_APP_NODE_TOGGLED || wParam >= kOptionsTabs.size())
        return false;
    OnNodeToggled(kOptionsTabs[wParam], reinterpret_cast<HTREEITEM>(lParam));
    result = TRUE;
    return true;
}

bool frmOptions::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_CMD_RESTORE:
        OnRestore();
        return true;
    case IDC_CMD_APPLY:
        OnApply();
        return true;
    case IDC_CMD_FINISH:
        OnFinish();
        return true;
    case IDC_CMD_CANCEL:
        OnCancel();
        return true;
    case IDC_CMD_CLOSE_FO:
        OnExit();
        return true;
    case IDCANCEL:
        // Escape and the close box hide the dialog without reverting the check marks.
        End(IDCANCEL);
        return true;
    default:
        return false;
    }
}

void frmOptions::OnRestore() {
    logic_->RestoreDefaults();
    RefreshChecks();
}

void frmOptions::OnApply() {
    {
        WaitCursorScope wait;
        logic_->Apply();
    }
    Enable(IDC_CMD_APPLY, false);
}

void frmOptions::OnFinish() {
    {
        WaitCursorScope wait;
        logic_->Finish();
    }
    End(IDOK);
}

void frmOptions::OnCancel() {
    logic_->Cancel();
    End(IDCANCEL);
}

void frmOptions::OnExit() {
    if (logic_->ConfirmExit())
        End(IDCANCEL);
}

void frmOptions::OnDestroy() {
    StoreFormPosition(Handle(), services_.Registry, kWindowName, true);
    if (logic_) {
        result_.SettingsChanged = logic_->SettingsChanged();
        result_.ExitRequested = logic_->ExitRequested();
    }
    logic_.reset();
}

OptionsDialogResult RunOptionsDialog(HINSTANCE instance, HWND owner, const OptionsDialogServices& services,
                                     clsMenuCollection& collection, bool forMainCollection) {
    frmOptions dialog(services);
    dialog.Init(collection, forMainCollection);
    return dialog.Run(instance, owner);
}

} // namespace krv
