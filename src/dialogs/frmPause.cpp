#include "dialogs/frmPause.h"

#include <commctrl.h>

#include "DialogIds.h"
#include "platform/Text.h"

namespace krv {

void frmPause::ShowPauseWindow(intptr_t owner) {
    // An open window stays as it is; one that cannot be made leaves the operation to run without it.
    if (IsOpen() || CreateModeless(instance_, IDD_PAUSE, reinterpret_cast<HWND>(owner))) {
        ::ShowWindow(Handle(), SW_SHOW);
        ::UpdateWindow(Handle());
    }
    pump_.DoEvents();
}

void frmPause::SetPauseCaption(std::string_view text) {
    if (IsOpen())
        SetCaption(text);
    pump_.DoEvents();
}

void frmPause::SetPauseStatus(std::string_view text) {
    if (IsOpen()) {
        SetItemText(IDC_LBL_STATUS, text);
        ::UpdateWindow(Handle());
    }
    pump_.DoEvents();
}

void frmPause::ClosePauseWindow() {
    Destroy();
    pump_.DoEvents();
}

bool frmPause::OnInitDialog() {
    // A missing clip leaves the animation empty; nothing is reported.
    const std::wstring clipPath = Widen(applicationPath_ + "\\filecopy.avi");
    Animate_Open(Item(IDC_ANIMATION1), clipPath.c_str());
    return false; // the window does not take the focus from the one the user works in
}

bool frmPause::OnCommand(int id, int notifyCode, HWND) {
    if ((id == IDC_CMD_CLOSE && notifyCode == BN_CLICKED) || id == IDCANCEL) {
        Destroy();
        return true;
    }
    return false;
}

bool frmPause::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message != WM_SETCURSOR)
        return false;
    // The window tells the user that the program is busy, except over the button that closes it.
    const bool overClose = reinterpret_cast<HWND>(wParam) == Item(IDC_CMD_CLOSE);
    ::SetCursor(::LoadCursorW(nullptr, overClose ? IDC_ARROW : IDC_WAIT));
    ::SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, TRUE);
    result = TRUE;
    return true;
}

} // namespace krv
