#pragma once
// A pause window that only remembers what it was asked to show.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/PauseWindow.h"

namespace krv {

class FakePauseWindow final : public IPauseWindow {
public:
    void ShowPauseWindow(intptr_t ownerWindow) override {
        open = true;
        owner = ownerWindow;
    }
    void SetPauseStatus(std::string_view text) override {
        if (open)
            status = text;
    }
    void SetPauseCaption(std::string_view text) override {
        if (open)
            caption = text;
    }
    void ClosePauseWindow() override { open = false; }

    bool open = false;
    intptr_t owner = 0;
    std::string caption;
    std::string status;
};

} // namespace krv
