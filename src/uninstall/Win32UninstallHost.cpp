#include "uninstall/Win32UninstallHost.h"

#include <string>

#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv {
namespace {

// The resident program stores its window handle as decimal text; window handles keep their meaning in the
// low 32 bits, so the number converts back whatever sign it was written with.
HWND ToWindow(int64_t handle) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
}

} // namespace

Win32UninstallHost::Win32UninstallHost() : handOverMessage_(RegisterWindowMessageW(L"!KARVELLO!REGMSG!")) {}

bool Win32UninstallHost::HasWindowsDirectory() {
    wchar_t directory[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(directory, MAX_PATH);
    return length > 0 && length < MAX_PATH;
}

bool Win32UninstallHost::WindowExists(int64_t handle) {
    return handle != 0 && IsWindow(ToWindow(handle));
}

void Win32UninstallHost::PostHandOverMessage(int64_t handle) {
    if (handOverMessage_ != 0)
        PostMessageW(ToWindow(handle), handOverMessage_, 0, 0);
}

std::string Win32UninstallHost::ExpandEnvironment(std::string_view text) {
    return system_.ExpandEnvironment(text);
}

bool Win32UninstallHost::StartCommand(std::string_view commandLine) {
    // The stored command is a whole command line (program and arguments), so it goes to CreateProcessW
    // as it is, which also finds a program named without its folder.
    std::wstring command = Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    const unique_kernel_handle processHandle(process.hProcess);
    const unique_kernel_handle threadHandle(process.hThread);
    return true;
}

} // namespace krv
