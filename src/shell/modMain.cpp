#include "shell/modMain.h"

#include "shell/frmMain.h"

namespace krv {
namespace {

int RunMessageLoop() {
    MSG message{};
    // GetMessageW returns -1 on failure and 0 on WM_QUIT; both end the loop.
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 1;
}

} // namespace

int Main(HINSTANCE instance) {
    frmMain mainWindow(instance);
    if (!mainWindow.Load()) {
        return 1;
    }
    return RunMessageLoop();
}

} // namespace krv

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return krv::Main(instance);
}
