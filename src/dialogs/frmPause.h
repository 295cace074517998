#pragma once
// frmPause: the window that stays on screen, modeless, while a long operation runs. The program keeps one
// for the whole run and drives it through the pause-window operations.

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

#include "platform/PauseWindow.h"
#include "platform/win32/Dialog.h"
#include "platform/win32/Win32MessagePump.h"

namespace krv {

class frmPause final : public Dialog, public IPauseWindow {
public:
    // instance holds the window's template; the clip "filecopy.avi" in applicationPath plays when it is
    // there.
    frmPause(HINSTANCE instance, std::string applicationPath)
        : instance_(instance), applicationPath_(std::move(applicationPath)) {}

    void ShowPauseWindow(intptr_t owner) override;
    void SetPauseStatus(std::string_view text) override;
    void SetPauseCaption(std::string_view text) override;
    void ClosePauseWindow() override;
    bool IsOpen() const { return Handle() != nullptr; }

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    HINSTANCE instance_;
    std::string applicationPath_;
    Win32MessagePump pump_;
};

} // namespace krv
