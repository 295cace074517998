#include "shell/modSystemTray.h"

#include <shellapi.h>

#include <cwchar>
#include <iterator>

namespace krv {
namespace {

constexpr UINT kIconId = 1;

NOTIFYICONDATAW BuildNotifyIconData(HWND window, UINT flags, UINT callbackMessage, HICON icon,
                                    const wchar_t* tip) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage;
    data.hIcon = icon;
    std::wcsncpy(data.szTip, tip, std::size(data.szTip) - 1);
    return data;
}

} // namespace

bool AddTrayIcon(HWND window, HICON icon) {
    NOTIFYICONDATAW data =
        BuildNotifyIconData(window, NIF_MESSAGE | NIF_ICON | NIF_TIP, TRAY_CALLBACK_MESSAGE, icon, L"Karvello");
    return ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void RemoveTrayIcon(HWND window) {
    NOTIFYICONDATAW data = BuildNotifyIconData(window, NIF_MESSAGE | NIF_ICON | NIF_TIP, 1, nullptr, L"");
    ::Shell_NotifyIconW(NIM_DELETE, &data);
}

} // namespace krv
