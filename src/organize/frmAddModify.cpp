#include "organize/frmAddModify.h"

#include <commctrl.h>
#include <shellapi.h>
#include <string>
#include <vector>

#include "ItemDialogIds.h"
#include "ResourceIds.h"
#include "platform/Text.h"

namespace krv {
namespace {

constexpr UINT_PTR kDropSubclassId = 1;

// Edit boxes hear of the folders dropped on them themselves; they hand the drop to their dialog.
LRESULT CALLBACK ForwardDrops(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_DROPFILES)
        return ::SendMessageW(::GetParent(window), WM_DROPFILES, wParam, lParam);
    if (message == WM_NCDESTROY)
        ::RemoveWindowSubclass(window, &ForwardDrops, kDropSubclassId);
    return ::DefSubclassProc(window, message, wParam, lParam);
}

void AddComboEntry(HWND combo, const std::string& text) {
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

} // namespace

unique_hicon LoadItemIcon(HINSTANCE instance, int32_t iconId, UINT dpi) {
    const int resource = iconId == ICON_ROOT ? IDI_KARVELLO : IDI_MENU_GROUP - ICON_GROUP + iconId;
    const int size = ::GetSystemMetricsForDpi(SM_CXICON, dpi != 0 ? dpi : 96);
    return unique_hicon(static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

frmAddModify::frmAddModify(const clsMenuCollection& collection, IFileSystem& files,
                           IFolderBrowser* folderBrowser)
    : collection_(collection), files_(files), folderBrowser_(folderBrowser),
      instance_(::GetModuleHandleW(nullptr)) {}

bool frmAddModify::Run(HINSTANCE instance, HWND owner) {
    instance_ = instance;
    ShowModal(instance, IDD_ADDMODIFY, owner);
    return Accepted();
}

bool frmAddModify::OnInitDialog() {
    messageBox_.emplace(Handle());
    IFolderBrowser& browser = folderBrowser_ != nullptr ? *folderBrowser_ : ownFolderBrowser_;
    logic_.emplace(
        ItemDialogServices{collection_, files_, *messageBox_, browser, reinterpret_cast<intptr_t>(Handle())},
        request_);
    FillCombos();
    SetHints();
    AcceptDrops(IDC_TXT_ITEMNAME);
    AcceptDrops(IDC_TXT_PATH);
    AddToolTip(IDC_CMD_DESCERASE, item_dialog_text::RESET_TIP);
    AddToolTip(IDC_CMD_BROWSE, item_dialog_text::BROWSE_TIP);
    AddToolTip(IDC_CMD_KEYBOARDERASE, item_dialog_text::ERASE_TIP);
    AddToolTip(IDC_CMD_FINISH_ITEM, item_dialog_text::FINISH_TIP);
    AddToolTip(IDC_CMD_CANCEL_ITEM, item_dialog_text::CANCEL_TIP);
    Refresh();
    return true;
}

void frmAddModify::FillCombos() {
    for (const ItemKindEntry& entry : ItemKindEntries())
        AddComboEntry(Item(IDC_CMB_TYPE), entry.Text);
    for (int index = 0; index < KEYBOARD_ENTRY_COUNT; ++index)
        AddComboEntry(Item(IDC_CMB_KEYBOARDSHORTCUT), KeyboardEntryText(index));
}

void frmAddModify::SetHints() {
    SetItemText(IDC_LBL_TYPE_HINT, item_dialog_text::TYPE_HINT);
    SetItemText(IDC_LBL_NAME_HINT, item_dialog_text::NAME_HINT);
    SetItemText(IDC_LBL_PATH_HINT, item_dialog_text::PATH_HINT);
    SetItemText(IDC_LBL_LOCATION_HINT, item_dialog_text::LOCATION_HINT);
    SetItemText(IDC_LBL_KEYBOARD_HINT, item_dialog_text::KEYBOARD_HINT);
    SetItemText(IDC_LBL_DESCRIPTION_HINT, item_dialog_text::DESCRIPTION_HINT);
}

void frmAddModify::AcceptDrops(int id) {
    ::DragAcceptFiles(Item(id), TRUE);
    ::SetWindowSubclass(Item(id), &ForwardDrops, kDropSubclassId, 0);
}

std::string frmAddModify::Text(int id) const {
    HWND control = Item(id);
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void frmAddModify::ShowText(int id, const std::string& text) {
    // Rewriting an unchanged box would move its caret to the start while the user types.
    if (Text(id) != text)
        SetItemText(id, text);
}

void frmAddModify::Refresh() {
    refreshing_ = true;
    const ItemDialogLogic& logic = *logic_;
    SetCaption(logic.Caption());
    ::SendDlgItemMessageW(Handle(), IDC_CMB_TYPE, CB_SETCURSEL, static_cast<WPARAM>(logic.KindIndex()), 0);
    if (logic.IconID() != iconShown_) {
        unique_hicon icon = LoadItemIcon(instance_, logic.IconID(), ::GetDpiForWindow(Handle()));
        ::SendDlgItemMessageW(Handle(), IDC_PIC_ICON_ITEM, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()),
                              0);
        icon_ = std::move(icon);
        iconShown_ = logic.IconID();
    }
    ShowText(IDC_LBL_TYPE, logic.TypeName());
    ShowText(IDC_TXT_ITEMNAME, logic.Name());
    ShowText(IDC_TXT_PATH, logic.Path());
    ShowText(IDC_TXT_LOCATION, logic.Location());
    ShowText(IDC_TXT_DESCRIPTION, logic.Description());
    ::SendDlgItemMessageW(Handle(), IDC_CMB_KEYBOARDSHORTCUT, CB_SETCURSEL,
                          static_cast<WPARAM>(logic.KeyboardIndex()), 0);
    Enable(IDC_TXT_ITEMNAME, logic.NameEditable());
    Enable(IDC_CMD_DESCERASE, logic.NameEditable());
    Enable(IDC_TXT_PATH, logic.PathEditable());
    Enable(IDC_CMD_BROWSE, logic.PathEditable());
    refreshing_ = false;
}

void frmAddModify::OnKeyboardChosen() {
    const auto chosen =
        static_cast<int>(::SendDlgItemMessageW(Handle(), IDC_CMB_KEYBOARDSHORTCUT, CB_GETCURSEL, 0, 0));
    // CB_SETCURSEL sends no notification, so putting the previous entry back asks nothing again.
    if (logic_->ChooseKeyboard(chosen) != chosen)
        Refresh();
}

void frmAddModify::OnOk() {
    // Enter in the path box browses for the folder instead of accepting the dialog.
    if (::GetFocus() == Item(IDC_TXT_PATH)) {
        if (logic_->Browse())
            Refresh();
        return;
    }
    if (!logic_->Finish())
        return;
    parameters_ = logic_->GetParameters();
    End(IDOK);
}

void frmAddModify::OnDropFiles(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        std::wstring path(static_cast<size_t>(::DragQueryFileW(drop, index, nullptr, 0)) + 1, L'\0');
        path.resize(::DragQueryFileW(drop, index, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(Narrow(path));
    }
    ::DragFinish(drop);
    if (logic_->DropPaths(paths))
        Refresh();
}

bool frmAddModify::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message != WM_DROPFILES)
        return false;
    OnDropFiles(reinterpret_cast<HDROP>(wParam));
    result = 0;
    return true;
}

bool frmAddModify::OnCommand(int id, int notifyCode, HWND) {
    if (!logic_)
        return false;
    ItemDialogLogic& logic = *logic_;
    switch (id) {
    case IDC_CMB_TYPE:
        if (notifyCode == CBN_SELCHANGE) {
            logic.ChooseKind(
                static_cast<int>(::SendDlgItemMessageW(Handle(), IDC_CMB_TYPE, CB_GETCURSEL, 0, 0)));
            Refresh();
        }
        return true;
    case IDC_TXT_ITEMNAME:
        if (notifyCode == EN_CHANGE && !refreshing_)
            logic.SetName(Text(IDC_TXT_ITEMNAME));
        return true;
    case IDC_TXT_PATH:
        if (notifyCode == EN_CHANGE && !refreshing_)
            logic.SetPath(Text(IDC_TXT_PATH));
        if (notifyCode == EN_KILLFOCUS) {
            logic.PathLostFocus();
            Refresh();
        }
        return true;
    case IDC_TXT_DESCRIPTION:
        if (notifyCode == EN_CHANGE && !refreshing_)
            logic.SetDescription(Text(IDC_TXT_DESCRIPTION));
        return true;
    case IDC_CMB_KEYBOARDSHORTCUT: {
        if (notifyCode == CBN_SETFOCUS)
            logic.KeyboardFocused();
        // While the list is open the arrow keys only look; the choice counts when it closes.
        const bool dropped =
            ::SendDlgItemMessageW(Handle(), IDC_CMB_KEYBOARDSHORTCUT, CB_GETDROPPEDSTATE, 0, 0) != 0;
        if ((notifyCode == CBN_SELCHANGE && !dropped) || notifyCode == CBN_CLOSEUP)
            OnKeyboardChosen();
        return true;
    }
    }
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_CMD_DESCERASE:
        logic.ResetName();
        break;
    case IDC_CMD_KEYBOARDERASE:
        logic.EraseKeyboard();
        break;
    case IDC_CMD_BROWSE:
        logic.Browse();
        break;
    case IDC_CMD_FINISH_ITEM:
        OnOk();
        return true;
    case IDC_CMD_CANCEL_ITEM:
        End(IDCANCEL);
        return true;
    default:
        return false;
    }
    Refresh();
    return true;
}

std::optional<ItemParameters> RunItemDialog(HINSTANCE instance, HWND owner,
                                            const clsMenuCollection& collection, IFileSystem& files,
                                            const ItemDialogRequest& request) {
    frmAddModify dialog(collection, files);
    dialog.Init(request);
    if (!dialog.Run(instance, owner))
        return std::nullopt;
    return dialog.GetParameters();
}

} // namespace krv
