#pragma once
// The pause window that stays on screen while a long operation runs: the four operations of modMain that
// drive it. Each one lets the pending window messages run before it returns, so that what it changed is on
// the screen at once and the program's other windows stay responsive between the steps of the operation.

#include <cstdint>
#include <string_view>

namespace krv {

class IPauseWindow {
public:
    virtual ~IPauseWindow() = default;

    // Shows the window in front of owner (a window handle) without blocking it: owner stays enabled.
    // Showing it while it is open keeps the open one. The other operations change nothing while it is
    // closed.
    virtual void ShowPauseWindow(intptr_t owner) = 0;
    // Sets the status line under the animation.
    virtual void SetPauseStatus(std::string_view text) = 0;
    virtual void SetPauseCaption(std::string_view text) = 0;
    // Unloads the window; nothing happens when it is not open.
    virtual void ClosePauseWindow() = 0;
};

} // namespace krv
