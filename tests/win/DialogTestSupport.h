#pragma once
// What the win tests of the dialogs share: texts of windows and controls, common controls version 6, an
// owner window, the search for windows a dialog opened (a message box), pictures of a window taken from
// the screen into win-screenshots/ beside the test program, and whether a control's text fits it.
#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/Text.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32MessagePump.h"

namespace krv::wintest {

// The message the owner counts, to see that the pause window's operations let pending messages run.
inline constexpr UINT kCountedMessage = WM_APP + 7;

inline std::string WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

inline std::string ItemText(HWND dialog, int id) {
    wchar_t text[512] = {};
    ::GetDlgItemTextW(dialog, id, text, static_cast<int>(std::size(text)));
    return Narrow(text);
}

inline std::string ExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return Narrow(folder.substr(0, folder.find_last_of(L'\\')));
}

// Common controls version 6 for the scope, from the program's manifest kept in the test program under
// resource 2, so that the dialogs look as they do in the program.
class CommonControls6Scope {
public:
    CommonControls6Scope() {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        ACTCTXW context{};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = path;
        context.hModule = ::GetModuleHandleW(nullptr);
        context.lpResourceName = MAKEINTRESOURCEW(2);
        context_ = ::CreateActCtxW(&context);
        if (context_ != INVALID_HANDLE_VALUE)
            ::ActivateActCtx(context_, &cookie_);
    }
    CommonControls6Scope(const CommonControls6Scope&) = delete;
    CommonControls6Scope& operator=(const CommonControls6Scope&) = delete;
    ~CommonControls6Scope() {
        if (context_ == INVALID_HANDLE_VALUE)
            return;
        ::DeactivateActCtx(0, cookie_);
        ::ReleaseActCtx(context_);
    }
    bool Active() const { return context_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

// A visible top-level window that counts kCountedMessage, standing for the window that owns the dialogs.
class OwnerWindow {
public:
    OwnerWindow() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &OwnerWindow::WindowProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = L"KarvelloTestOwner";
        ::RegisterClassExW(&windowClass);
        window_.reset(::CreateWindowExW(0, windowClass.lpszClassName, L"Owner", WS_OVERLAPPEDWINDOW, 20, 20,
                                        640, 400, nullptr, nullptr, windowClass.hInstance, nullptr));
        ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&counted_));
        ::ShowWindow(window_.get(), SW_SHOW);
        ::UpdateWindow(window_.get());
    }
    HWND get() const { return window_.get(); }
    intptr_t Id() const { return reinterpret_cast<intptr_t>(window_.get()); }
    void PostCounted() const { ::PostMessageW(window_.get(), kCountedMessage, 0, 0); }
    int Counted() const { return counted_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kCountedMessage) {
            ++*reinterpret_cast<int*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    int counted_ = 0;
    unique_hwnd window_;
};

struct WindowSearch {
    std::vector<HWND> known;
    std::vector<HWND> found;
};

inline BOOL CALLBACK CollectUnknownVisibleWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    if (::IsWindowVisible(window) &&
        std::find(search.known.begin(), search.known.end(), window) == search.known.end())
        search.found.push_back(window);
    return TRUE;
}

// The visible top-level windows of this thread other than the given ones: a message box would be one.
inline std::vector<HWND> OtherVisibleWindows(std::vector<HWND> known) {
    WindowSearch search{std::move(known), {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectUnknownVisibleWindow,
                        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Brings the window to the front, lets it paint itself completely and reach the display, then copies its
// client area from the screen into a 24-bit bitmap and writes that as a .bmp file into win-screenshots/
// beside the test program. The screen is the witness because it shows what the user sees: PrintWindow
// under Wine draws none of the controls. The frame and the caption are left out: without a window manager
// on the test display nobody draws them (the caption is checked as text instead). True when the file was
// written.
inline bool WriteScreenshot(HWND window, const std::string& name) {
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Win32MessagePump pump;
    for (int round = 0; round < 15; ++round) {
        pump.DoEvents();
        ::Sleep(20);
    }
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    const int width = client.right;
    const int height = client.bottom;
    const int stride = (width * 3 + 3) & ~3;

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height; // bottom-up, as .bmp files are usually stored
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(stride * height);
    void* bits = nullptr;
    const unique_hbitmap bitmap(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&header),
                                                   DIB_RGB_COLORS, &bits, nullptr, 0));
    const unique_memory_dc dc(::CreateCompatibleDC(nullptr));
    const window_dc screen(nullptr);
    if (!bitmap || !dc || !screen)
        return false;
    const HGDIOBJ previous = ::SelectObject(dc.get(), bitmap.get());
    const bool copied = ::BitBlt(dc.get(), 0, 0, width, height, screen.get(), origin.x, origin.y, SRCCOPY);
    ::GdiFlush();
    ::SelectObject(dc.get(), previous);
    if (!copied)
        return false;

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::string content(reinterpret_cast<const char*>(&file), sizeof file);
    content.append(reinterpret_cast<const char*>(&header), sizeof header);
    content.append(static_cast<const char*>(bits), header.biSizeImage);

    Win32FileSystem files;
    const std::string folder = ExecutableFolder() + "\\win-screenshots";
    files.CreateFolder(folder);
    return files.ReplaceFileAtomically(folder + "\\" + name + ".bmp", content);
}

// True when the control's text fits its client area in the control's font: wrapped for labels, on one
// line for buttons (less the room the button's frame takes).
inline bool TextFits(HWND control, bool wraps) {
    RECT client{};
    ::GetClientRect(control, &client);
    const window_dc dc(control);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = ::SelectObject(dc.get(), font);
    const std::wstring text = Widen(WindowText(control));
    RECT needed{0, 0, client.right, 0};
    const UINT format = DT_CALCRECT | (wraps ? DT_WORDBREAK | DT_NOPREFIX : DT_SINGLELINE);
    ::DrawTextW(dc.get(), text.c_str(), -1, &needed, format);
    ::SelectObject(dc.get(), previous);
    const int frame = wraps ? 0 : 2 * ::GetSystemMetrics(SM_CXEDGE) + 4;
    return needed.right <= client.right - frame && needed.bottom <= client.bottom;
}

} // namespace krv::wintest
