#include "organize/frmShortcutsList.h"

#include <array>
#include <commctrl.h>

#include "OrganizeIds.h"
#include "platform/Text.h"
#include "platform/win32/WindowPlacement.h"

namespace krv {
namespace {

// The short name "frmLST" is the placement store's for this window name.
constexpr const char* kWindowName = "frmShortcutsList";

struct Column {
    const wchar_t* Caption;
    int Width; // dialog units
};
constexpr std::array<Column, 5> kColumns = {{{L"Shortcut", 65},
                                             {L"Group", 50},
                                             {L"Keyboard Shortcut", 62},
                                             {L"Target Folder", 100},
                                             {L"Target State", 45}}};

} // namespace

bool frmShortcutsList::Run(HINSTANCE instance, HWND owner) {
    ShowModal(instance, IDD_SHORTCUTS_LIST, owner);
    return list_ && list_->Changed();
}

bool frmShortcutsList::OnInitDialog() {
    prompts_.emplace(Handle());
    list_.emplace(collection_, fileSystem_, *prompts_);
    RestoreFormPosition(Handle(), registry_, kWindowName, true, 0, 0, false);
    HWND view = Item(IDC_LST_SHORTCUTS);
    ::SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP,
                   LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
    AddColumns();
    Fill();
    AddToolTip(IDC_CMD_DELETE_SHORTCUT, "Delete the selected folder shortcut");
    AddToolTip(IDC_CMD_DELETE_KEYS, "Delete the keyboard shortcuts of all folder shortcuts");
    AddToolTip(IDC_CMD_DELETE_MISSING, "Delete the folder shortcuts whose target folders are missing");
    return true;
}

void frmShortcutsList::OnDestroy() {
    StoreFormPosition(Handle(), registry_, kWindowName, true);
}

void frmShortcutsList::AddColumns() {
    HWND view = Item(IDC_LST_SHORTCUTS);
    for (size_t i = 0; i < kColumns.size(); ++i) {
        RECT units{0, 0, kColumns[i].Width, 0};
        ::MapDialogRect(Handle(), &units);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(kColumns[i].Caption);
        column.cx = units.right;
        column.iSubItem = static_cast<int>(i);
        ::SendMessageW(view, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void frmShortcutsList::Fill() {
    HWND view = Item(IDC_LST_SHORTCUTS);
    ::SendMessageW(view, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(view, LVM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const ShortcutsListRow& row : list_->Rows()) {
        const std::array<std::wstring, kColumns.size()> texts = {
            Widen(row.Caption), Widen(row.GroupCaption), Widen(row.KeyboardShortcut), Widen(row.FolderPath),
            row.TargetExists ? L"OK" : L"Missing"};
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<wchar_t*>(texts[0].c_str());
        const int inserted =
            static_cast<int>(::SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (size_t column = 1; column < texts.size(); ++column) {
            LVITEMW sub{};
            sub.iSubItem = static_cast<int>(column);
            sub.pszText = const_cast<wchar_t*>(texts[column].c_str());
            ::SendMessageW(view, LVM_SETITEMTEXTW, static_cast<WPARAM>(inserted),
                           reinterpret_cast<LPARAM>(&sub));
        }
        ++index;
    }
    ::SendMessageW(view, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(view, nullptr, TRUE);
    SetItemText(IDC_LBL_SUMMARY, list_->Summary());
    Enable(IDC_CMD_DELETE_SHORTCUT, SelectedRow() >= 0);
}

int frmShortcutsList::SelectedRow() const {
    return static_cast<int>(
        ::SendMessageW(Item(IDC_LST_SHORTCUTS), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool frmShortcutsList::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_LST_SHORTCUTS)
        return false;
    if (header.code == LVN_ITEMCHANGED) {
        Enable(IDC_CMD_DELETE_SHORTCUT, SelectedRow() >= 0);
        result = 0;
        return true;
    }
    if (header.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE) {
        ::PostMessageW(Handle(), WM_COMMAND, MAKEWPARAM(IDC_CMD_DELETE_SHORTCUT, BN_CLICKED), 0);
        result = 0;
        return true;
    }
    return false;
}

bool frmShortcutsList::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_CMD_DELETE_SHORTCUT: {
        const int row = SelectedRow();
        if (row >= 0 && list_->DeleteShortcut(static_cast<size_t>(row)))
            Fill();
        return true;
    }
    case IDC_CMD_DELETE_KEYS:
        list_->DeleteAllKeyboardShortcuts();
        Fill();
        return true;
    case IDC_CMD_DELETE_MISSING:
        list_->DeleteMissingTargets();
        Fill();
        return true;
    case IDC_CMD_LST_CLOSE:
    case IDCANCEL:
        End(IDC_CMD_LST_CLOSE);
        return true;
    default:
        return false;
    }
}

} // namespace krv
