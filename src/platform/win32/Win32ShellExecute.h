#pragma once
// The shell's execute operation, the Recycle Bin and the HTML help viewer on Windows.

#include "platform/Shell.h"
#include "platform/win32/Handles.h"

namespace krv {

class Win32ShellExecute final : public IShell {
public:
    Win32ShellExecute() = default;
    Win32ShellExecute(const Win32ShellExecute&) = delete;
    Win32ShellExecute& operator=(const Win32ShellExecute&) = delete;
    // Closes the help windows this process opened before their library goes.
    ~Win32ShellExecute() override;

    int64_t Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                    int showCommand) override;
    bool MoveToRecycleBin(std::string_view path) override;
    bool OpenHtmlHelp(std::string_view helpFile, int command) override;

private:
    // The help viewer's library, loaded at its first use and kept for the run, as the viewer's window lives
    // in this process.
    unique_hmodule helpLibrary_;

    using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
    HtmlHelpFunction HtmlHelp();
};

} // namespace krv
