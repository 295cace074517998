#pragma once
// The shell seams on Windows: shell links through IShellLinkW, shell folders through the known-folder
// lookup, and message boxes.

#include "platform/MessageBox.h"
#include "platform/ShellLink.h"

#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

namespace krv {

// Writes links through the shell's own link object. Initialises COM on the calling thread for its lifetime
// (an apartment that is already there is kept as it is).
class Win32ShellLinkWriter final : public IShellLinkWriter {
public:
    Win32ShellLinkWriter();
    ~Win32ShellLinkWriter() override;
    Win32ShellLinkWriter(const Win32ShellLinkWriter&) = delete;
    Win32ShellLinkWriter& operator=(const Win32ShellLinkWriter&) = delete;

    bool WriteShellLink(std::string_view linkPath, const ShellLinkContent& content) override;

private:
    bool comInitialized_ = false;
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
