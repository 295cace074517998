#include "shell/frmMain.h"

namespace krv {

bool frmMain::Load() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &frmMain::WindowProc;
    windowClass.hInstance = instance_;
    windowClass.lpszClassName = ClassName;
    if (::RegisterClassExW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    // The window is created without WS_VISIBLE and never shown; `this` travels with WM_NCCREATE so that the
    // window procedure can reach the object from the first message on.
    HWND window = ::CreateWindowExW(0, ClassName, Title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_, this);
    return window != nullptr;
}

LRESULT CALLBACK frmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmMain*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_.reset(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmMain*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The window is gone; the object must neither destroy it again nor receive later messages.
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        (void)self->window_.release();
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_ENDSESSION:
        OnEndSession(wParam != FALSE);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        return ::DefWindowProcW(window_.get(), message, wParam, lParam);
    }
}

void frmMain::OnClose() {
    ::DestroyWindow(window_.get());
}

void frmMain::OnEndSession(bool sessionEnding) {
    // Windows may end the process as soon as this message returns, so the shutdown happens now, not after
    // the message loop has seen WM_QUIT.
    if (sessionEnding) {
        ::DestroyWindow(window_.get());
    }
}

void frmMain::OnDestroy() {
    ::PostQuitMessage(0);
}

} // namespace krv
