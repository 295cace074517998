#pragma once
// frmPause: the window that stays on screen, modeless, while a long operation runs.

#include <windows.h>

#include <string_view>

#include "platform/win32/Dialog.h"
#include "platform/win32/Win32MessagePump.h"

namespace krv {

class frmPause final : public Dialog {
public:
    frmPause() = default;

    // Shows the window in front of owner without blocking; the clip "filecopy.avi" in applicationPath
    // plays when it is there.
    bool ShowPauseWindow(HINSTANCE instance, HWND owner, std::string_view applicationPath);
    void SetPauseCaption(std::string_view text);
    // Sets the status line and lets pending window messages run, so that it is painted at once.
    void SetPauseStatus(std::string_view text);
    void ClosePauseWindow();
    bool IsOpen() const { return Handle() != nullptr; }

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    std::wstring clipPath_;
    Win32MessagePump pump_;
};

} // namespace krv
