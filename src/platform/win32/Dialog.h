#pragma once
// Base of the program's dialogs: a dialog template from the resources, shown in the system's message font,
// with a static procedure that forwards each message to the object's virtual handlers.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/Handles.h"

namespace krv {

class Dialog {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // Runs the dialog modally over owner; the result is what End was given (-1 when it could not be shown).
    INT_PTR ShowModal(HINSTANCE instance, int templateId, HWND owner);
    // Creates the dialog modeless over owner; the caller shows it. False when it could not be created.
    bool CreateModeless(HINSTANCE instance, int templateId, HWND owner);
    // Destroys a modeless dialog; a modal one ends with End.
    void Destroy();

    HWND Handle() const noexcept { return window_; }
    HWND Item(int id) const { return ::GetDlgItem(window_, id); }
    // Tool tips of the dialog's buttons, shown when the mouse rests on them.
    void AddToolTip(int id, std::string_view text);

protected:
    Dialog() = default;

    // The handlers return true when they handled the message.
    virtual bool OnInitDialog() { return true; }
    virtual bool OnCommand(int id, int notifyCode, HWND control);
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    // Any other message; result is the dialog procedure's message result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // The window is being destroyed: save what has to be saved, release what the dialog made.
    virtual void OnDestroy() {}

    // Ends a modal dialog (hides it and leaves its message loop).
    void End(INT_PTR result);
    void SetItemText(int id, std::string_view text);
    void SetCaption(std::string_view text);
    void Enable(int id, bool enabled);
    void Show(int id, bool shown);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    bool modal_ = false;
    unique_hwnd toolTips_;
    std::vector<std::wstring> toolTipTexts_;
};

// The dialog template of the resource, with its font replaced by the system's message font so that the
// dialog looks like the rest of the system and grows with the font the user has chosen. Empty when the
// resource cannot be found.
std::vector<BYTE> DialogTemplateWithMessageFont(HINSTANCE instance, int templateId);

// Gives a child dialog that lies on a tab control the tab's background (the themed texture where themes
// are on), so that its labels and frames do not show the plain dialog colour on it.
void EnableTabPageBackground(HWND page);

// The wait cursor for the lifetime of the scope.
class WaitCursorScope {
public:
    WaitCursorScope() : previous_(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
    ~WaitCursorScope() { ::SetCursor(previous_); }

private:
    HCURSOR previous_;
};

} // namespace krv
