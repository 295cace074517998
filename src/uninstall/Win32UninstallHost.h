#pragma once
// What Unkarvel asks of Windows: the hand-over message to the resident Karvello and the uninstall command.

#include <windows.h>

#include "organized/modUninstall.h"
#include "platform/win32/Win32SystemInfo.h"

namespace krv {

class Win32UninstallHost final : public IUninstallHost {
public:
    // Registers the hand-over message first of all, so that both programs agree on its number.
    Win32UninstallHost();

    bool HasWindowsDirectory() override;
    bool WindowExists(int64_t handle) override;
    void PostHandOverMessage(int64_t handle) override;
    std::string ExpandEnvironment(std::string_view text) override;
    bool StartCommand(std::string_view commandLine) override;

private:
    UINT handOverMessage_;
    Win32SystemInfo system_;
};

} // namespace krv
