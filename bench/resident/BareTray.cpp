// The baseline of the resident program's figures: a tray program with one icon and nothing else, built the
// way Karvello.exe is (same compiler, runtime and flags), so that start-up time and private memory can be
// given as ratios measured in one run. Closes on WM_CLOSE, taking its icon with it.
#include <windows.h>
#include <shellapi.h>

namespace {

constexpr wchar_t kClassName[] = L"BareTray";
constexpr UINT kIconId = 1;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        NOTIFYICONDATAW icon{};
        icon.cbSize = sizeof(icon);
        icon.hWnd = window;
        icon.uID = kIconId;
        ::Shell_NotifyIconW(NIM_DELETE, &icon);
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (::RegisterClassExW(&windowClass) == 0)
        return 1;
    HWND window = ::CreateWindowExW(0, kClassName, L"BareTray", 0, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = window;
    icon.uID = kIconId;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    ::lstrcpynW(icon.szTip, L"BareTray", ARRAYSIZE(icon.szTip));
    if (!::Shell_NotifyIconW(NIM_ADD, &icon))
        return 1;
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
