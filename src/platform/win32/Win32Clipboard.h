#pragma once
// The system clipboard through the Windows clipboard and the shell's link objects.

#include <windows.h>

#include "platform/SystemClipboard.h"

namespace krv {

class Win32Clipboard final : public ISystemClipboard {
public:
    // owner: the window that owns the clipboard's content while it is there.
    explicit Win32Clipboard(HWND owner) : owner_(owner) {}

    // Writes the link into a folder of its own under the user's temporary folder (a file drop names files
    // that exist), then puts the Target Folder as text and the link as a file drop on the clipboard.
    bool PutFolderShortcut(std::string_view folderPath, std::string_view linkFileName) override;

private:
    HWND owner_;
};

} // namespace krv
