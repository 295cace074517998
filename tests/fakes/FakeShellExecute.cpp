#include "fakes/FakeShellExecute.h"

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

} // namespace krv
