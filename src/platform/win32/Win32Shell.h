#pragma once
// The shell seams on Windows: shell links through IShellLinkW, shell folders through the known-folder
// lookup, and message boxes.

#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

#include "platform/MessageBox.h"
#include "platform/ShellLink.h"
#include "platform/win32/Handles.h"

namespace krv {

// Writes links through the shell's own link object. COM is initialised on the calling thread for the
// writer's lifetime (an apartment that is already there is kept as it is).
class Win32ShellLinkWriter final : public IShellLinkWriter {
public:
    bool WriteShellLink(std::string_view linkPath, const ShellLinkContent& content) override;

private:
    com_init_scope com_;
};

class Win32ShellFolders final : public IShellFolders {
public:
    std::optional<std::string> ShellFolderPath(ShellFolder folder) override;
};

// Message boxes without an owner window, as the programs show them when no window of theirs is in front,
// or over a window of the program (a dialog's question keeps the dialog disabled while it is shown).
class Win32MessageBox final : public IMessageBox {
public:
    Win32MessageBox() = default;
    explicit Win32MessageBox(HWND owner) : owner_(owner) {}
    MessageAnswer Show(std::string_view text, std::string_view title, MessageButtons buttons,
                       MessageIcon icon) override;

private:
    HWND owner_ = nullptr;
};

} // namespace krv
