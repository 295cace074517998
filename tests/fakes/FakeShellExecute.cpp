#include "fakes/FakeShellExecute.h"

#include "platform/Text.h"

namespace krv {

int64_t FakeShell::Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                           int showCommand) {
    executed_.push_back({std::string(verb), std::string(file), std::string(parameters), showCommand});
    return 42; // any value above 32 means success
}

bool FakeShell::MoveToRecycleBin(std::string_view path) {
    recycled_.emplace_back(path);
    return true;
}

bool FakeShell::OpenHtmlHelp(std::string_view helpFile, int command) {
    helpOpened_.emplace_back(std::string(helpFile), command);
    return helpViewerWorks_;
}

void FakeDriveQuery::AddDrive(std::string_view root, int type) { drives_[Utf8ToUpper(root)] = type; }

int FakeDriveQuery::DriveType(std::string_view root) {
    const auto it = drives_.find(Utf8ToUpper(root));
    return it == drives_.end() ? DRIVE_TYPE_NO_ROOT : it->second;
}

} // namespace krv
