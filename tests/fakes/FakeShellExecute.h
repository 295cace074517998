#pragma once
// A fake of the shell's execute operation, the Recycle Bin and the help viewer that remembers what it was
// asked.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Shell.h"

namespace krv {

struct ExecutedCommand {
    std::string verb;
    std::string file;
    std::string parameters;
    int showCommand = 0;
    bool operator==(const ExecutedCommand&) const = default;
};

class FakeShell final : public IShell {
public:
    int64_t Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                    int showCommand) override;
    bool MoveToRecycleBin(std::string_view path) override;
    bool OpenHtmlHelp(std::string_view helpFile, int command) override;

    const std::vector<ExecutedCommand>& Executed() const { return executed_; }
    const std::vector<std::string>& Recycled() const { return recycled_; }
    const std::vector<std::pair<std::string, int>>& HelpOpened() const { return helpOpened_; }
    // Whether the help viewer shows a window (by default it does).
    void SetHelpViewerWorks(bool works) { helpViewerWorks_ = works; }

private:
    std::vector<ExecutedCommand> executed_;
    std::vector<std::string> recycled_;
    std::vector<std::pair<std::string, int>> helpOpened_;
    bool helpViewerWorks_ = true;
};

} // namespace krv
