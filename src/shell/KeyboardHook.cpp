#include "shell/KeyboardHook.h"

#include "menu/modKeyboardHook.h"

namespace krv {
namespace {

// The window that hears of shortcut key strokes while the hook is installed.
HWND g_shortcutTarget = nullptr;

bool KeyIsDown(int virtualKey) { return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

} // namespace

void KeyboardHook::InstallKeyboardHook(HINSTANCE instance, HWND target) {
    if (hook_ != nullptr)
        return;
    g_shortcutTarget = target;
    hook_ = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook::KeyboardHookProc, instance, 0);
    if (hook_ == nullptr)
        g_shortcutTarget = nullptr;
}

void KeyboardHook::RemoveKeyboardHook() {
    if (hook_ == nullptr)
        return;
    ::UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    g_shortcutTarget = nullptr;
}

// The item is opened from the main window's message handler, not inside this procedure: opening can show a
// message box, and Windows silently removes a low-level hook that does not return in time. The key stroke
// always goes on to the next hook, so the application in front receives it too.
LRESULT CALLBACK KeyboardHook::KeyboardHookProc(int code, WPARAM message, LPARAM record) {
    if (code == HC_ACTION && g_shortcutTarget != nullptr) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(record);
        if (IsShortcutKeyStroke(code, static_cast<uint32_t>(message), key->vkCode, KeyIsDown(VK_CONTROL),
                                KeyIsDown(VK_SHIFT)))
            ::PostMessageW(g_shortcutTarget, SHORTCUT_KEY_MESSAGE, key->vkCode, 0);
    }
    return ::CallNextHookEx(nullptr, code, message, record);
}

} // namespace krv
