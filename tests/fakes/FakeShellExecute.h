#pragma once
// Fakes of the shell's execute operation, the Recycle Bin, the help viewer and the drive query: they
// remember what they were asked and answer from a table.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Drives.h"
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

// Drives by root ("D:\"); any other root has no drive.
class FakeDriveQuery final : public IDriveQuery {
public:
    int DriveType(std::string_view root) override;
    void AddDrive(std::string_view root, int type);

private:
    std::map<std::string, int> drives_;
};

} // namespace krv
