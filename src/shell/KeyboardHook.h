#pragma once
// The system-wide low-level keyboard hook behind the Shift+Ctrl+digit shortcuts.

#include <windows.h>

namespace krv {

// The message the hook posts to the main window for a shortcut key stroke; wParam is the digit's key code.
inline constexpr UINT SHORTCUT_KEY_MESSAGE = WM_APP + 2;

// InstallKeyboardHook / RemoveKeyboardHook. One hook per process: the hook procedure receives no context,
// so it reaches the window to tell through the one installation.
class KeyboardHook {
public:
    KeyboardHook() = default;
    KeyboardHook(const KeyboardHook&) = delete;
    KeyboardHook& operator=(const KeyboardHook&) = delete;
    ~KeyboardHook() { RemoveKeyboardHook(); }

    // Hooks the keyboard of all threads; a failing installation is silent and leaves the shortcuts off.
    void InstallKeyboardHook(HINSTANCE instance, HWND target);
    void RemoveKeyboardHook();
    bool Installed() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK KeyboardHookProc(int code, WPARAM message, LPARAM record);

    HHOOK hook_ = nullptr;
};

} // namespace krv
