#include "platform/win32/Win32MessagePump.h"

#include <windows.h>

namespace krv {

void Win32MessagePump::DoEvents() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The request to end belongs to the message loop; put it back for the loop to see.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

} // namespace krv
