#pragma once
// TipOfTheDay: the tips of the tip window (frmTip), read from the tips file beside the program, one tip a
// line, and the window's check box that switches the automatic showing on and off.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

class clsRegHandler;
class ICodePage;
class IFileSystem;
struct Options;

inline constexpr const char* TIP_FILE_NAME = "TIPOFDAY.TXT";

// What the tip shows when the tips file is missing.
std::string TipsNotFoundText();
// The tips file of a program folder.
std::string TipFilePath(std::string_view programFolder);

// The lines of a text: ended by CR LF, CR or LF; a last line without its end counts, an end after the last
// line starts no further one. Empty lines are lines.
std::vector<std::string> SplitTipLines(std::string_view text);

class TipOfTheDay {
public:
    // random gives the program's next uniform random number in [0, 1).
    TipOfTheDay(IFileSystem& files, const ICodePage& codePage, std::function<double()> random);

    // Reads the tips of the file (ANSI code page) and shows a random one; false when the path is empty or
    // there is no such file.
    bool LoadTips(std::string_view path);
    // Picks a tip at random (the same one may come twice in a row).
    void ShowRandomTip();
    // The tip to show; nothing while the list is empty.
    std::optional<std::string> DisplayCurrentTip() const;

    size_t TipCount() const { return tips_.size(); }
    // Numbered from 1; 0 before a tip was picked.
    size_t CurrentTip() const { return current_; }

    // The text the window's tip label starts with: a random tip, the not-found text, or nothing (an empty
    // file keeps the label as it is).
    std::optional<std::string> LoadWindow(std::string_view programFolder);

private:
    IFileSystem& files_;
    const ICodePage& codePage_;
    std::function<double()> random_;
    std::vector<std::string> tips_;
    size_t current_ = 0;
};

// The check box "Show Tips when opening Organize Folders window": ShowTips follows it and is written to
// "TIP" at once ("-1" or "0"); a failed write is ignored.
void SetShowTips(Options& options, clsRegHandler& registry, bool checked);

} // namespace krv
