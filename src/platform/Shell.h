#pragma once
// Starting programs and documents through the shell, the Recycle Bin and the HTML help viewer.

#include <cstdint>
#include <string_view>

namespace krv {

// The show command every program and document is started with: in its current size and position (SW_SHOW).
inline constexpr int SHOW_COMMAND_SHOW = 5;

// The help viewer's commands that open a help file at its table of contents (HH_DISPLAY_TOC) and at its
// index (HH_DISPLAY_INDEX).
inline constexpr int HELP_COMMAND_CONTENTS = 1;
inline constexpr int HELP_COMMAND_INDEX = 2;

class IShell {
public:
    virtual ~IShell() = default;
    // Runs verb ("open", "find") on file with the given parameters and no owner window; the shell's result
    // code, greater than 32 on success.
    virtual int64_t Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                            int showCommand) = 0;
    // Deletes a file or folder so that it can be restored from the Recycle Bin; true when the shell reports
    // success.
    virtual bool MoveToRecycleBin(std::string_view path) = 0;
    // Opens a compiled help file in the HTML help viewer with no owner window; false when the viewer gave
    // no window.
    virtual bool OpenHtmlHelp(std::string_view helpFile, int command) = 0;
};

} // namespace krv
