#pragma once
// The system clipboard as the Organize window's Copy Shortcut needs it.

#include <string_view>

namespace krv {

class ISystemClipboard {
public:
    virtual ~ISystemClipboard() = default;
    // Puts folderPath on the clipboard as text and, as a file drop, a shell link to it named linkFileName,
    // so that pasting into a folder window makes a shortcut. False when the clipboard could not be filled.
    virtual bool PutFolderShortcut(std::string_view folderPath, std::string_view linkFileName) = 0;
};

} // namespace krv
