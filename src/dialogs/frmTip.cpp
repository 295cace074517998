#include "dialogs/frmTip.h"

#include "PropertiesIds.h"
#include "settings/modOptions.h"

namespace krv {

frmTip::frmTip(TipWindowServices services)
    : services_(std::move(services)), tips_(services_.Files, services_.CodePage, services_.Random) {}

void frmTip::Run(HINSTANCE instance, HWND owner) {
    ShowModal(instance, IDD_TIP, owner);
}

bool frmTip::OnInitDialog() {
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    ::CheckDlgButton(Handle(), IDC_TIP_SHOW, services_.ProgramOptions.ShowTips ? BST_CHECKED : BST_UNCHECKED);
    // The tips are read anew each time the window opens.
    if (const std::optional<std::string> text = tips_.LoadWindow(services_.ProgramFolder))
        SetItemText(IDC_TIP_TEXT, *text);
    ::SetFocus(Item(IDC_TIP_OK));
    return false; // the focus is set
}

void frmTip::DisplayCurrentTip() {
    if (const std::optional<std::string> tip = tips_.DisplayCurrentTip())
        SetItemText(IDC_TIP_TEXT, *tip);
}

bool frmTip::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_TIP_NEXT:
        tips_.ShowRandomTip();
        DisplayCurrentTip();
        return true;
    case IDC_TIP_SHOW:
        SetShowTips(services_.ProgramOptions, services_.Registry,
                    ::IsDlgButtonChecked(Handle(), IDC_TIP_SHOW) == BST_CHECKED);
        return true;
    case IDC_TIP_OK:
    case IDCANCEL:
        End(IDOK);
        return true;
    default:
        return false;
    }
}

} // namespace krv
