#pragma once
// modBFF: the folder browse dialog, as the portable code asks for it. The Windows implementation shows the
// shell's folder picker over the owner window (platform/win32/Win32FolderBrowser.h).

#include <cstdint>
#include <string>

namespace krv {

// The title the browser shows when the caller gives none.
inline constexpr const char* BFF_DEFAULT_TITLE = "Select a folder";

// What the browser shows: its title, the instruction above the folders, the folder it starts in, and the
// texts of the check box and the three buttons it adds to the browser window.
struct BrowseForFolderRequest {
    // The window the browser is shown over (a window handle as an integer); 0 for none.
    intptr_t Owner = 0;
    std::string Title{};
    std::string Instruction{};
    std::string StartFolder{};
    std::string OptionText{};
    std::string OkText{};
    std::string CancelText{};
    std::string NewFolderText{};
};

// The folder the user chose, and the state the check box was left in.
struct BrowseForFolderResult {
    // Empty when the user cancelled.
    std::string Path{};
    bool OptionChecked = false;
};

class IFolderBrowser {
public:
    virtual ~IFolderBrowser() = default;
    // Shows the browser modally and returns the chosen folder, or an empty path when the user cancels.
    virtual BrowseForFolderResult BrowseForFolder(const BrowseForFolderRequest& request) = 0;
};

} // namespace krv
