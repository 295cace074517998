#pragma once
// The resident program's main window: never shown, it owns the program's lifetime and receives the
// messages that drive it.

#include "platform/win32/Handles.h"

#include <windows.h>

namespace krv {

class frmMain {
public:
    // Window class of the main window; other processes and the tests find the window by it.
    static constexpr const wchar_t* ClassName = L"KarvelloMain";
    static constexpr const wchar_t* Title = L"Karvello";

    explicit frmMain(HINSTANCE instance) noexcept : instance_(instance) {}
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    // Destroys the window while the object can still receive its last messages.
    ~frmMain() { window_.reset(); }

    // Registers the window class and creates the window, hidden. False when Windows refuses either.
    bool Load();
    HWND Handle() const noexcept { return window_.get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnClose();
    void OnEndSession(bool sessionEnding);
    void OnDestroy();

    HINSTANCE instance_;
    unique_hwnd window_;
};

} // namespace krv
