#include "shell/ResidentStartup.h"

#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <sddl.h>
#include <string>

#include "app/modMain.h"
#include "groups/modSetupSystemFolders.h"
#include "organize/OrganizeMenus.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"
#include "shell/ResidentServices.h"
#include "shell/frmMain.h"

namespace krv {
namespace {

int RunMessageLoop(frmMain& mainWindow) {
    MSG message{};
    // GetMessageW returns -1 on failure and 0 on WM_QUIT; both end the loop.
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (mainWindow.TranslateWindowAccelerators(message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 1;
}

struct LocalMemoryDeleter {
    void operator()(wchar_t* memory) const { ::LocalFree(memory); }
};

// The logged-on user's security identifier as text ("S-1-5-21-..."); empty when it cannot be read.
std::wstring UserSid() {
    unique_kernel_handle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put()))
        return {};
    DWORD size = 0;
    ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    if (size == 0)
        return {};
    auto buffer = std::make_unique<unsigned char[]>(size);
    if (!::GetTokenInformation(token.get(), TokenUser, buffer.get(), size, &size))
        return {};
    wchar_t* text = nullptr;
    if (!::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.get())->User.Sid, &text))
        return {};
    const std::unique_ptr<wchar_t, LocalMemoryDeleter> owned(text);
    return owned.get();
}

// The previous-instance test: a mutex in the user's session whose name holds the user's identifier, so that
// another user's copy on the same computer does not count. alreadyRunning tells whether it existed before.
unique_kernel_handle TakeInstanceMutex(bool& alreadyRunning) {
    const std::wstring sid = UserSid();
    const std::wstring name = L"Local\\Karvello-" + (sid.empty() ? std::wstring(L"user") : sid);
    unique_kernel_handle mutex(::CreateMutexW(nullptr, FALSE, name.c_str()));
    alreadyRunning = ::GetLastError() == ERROR_ALREADY_EXISTS;
    return mutex;
}

std::optional<WindowsVersion> QueryWindowsVersion() {
    // GetVersionExW reports at most the version named in the manifest, which is all the program asks of it.
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(&info))
        return std::nullopt;
#pragma GCC diagnostic pop
    return WindowsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwPlatformId};
}

std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

void NotifyRunningInstanceOf(UINT registeredMessage, const std::string& arguments) {
    Win32Registry registry;
    clsRegHandler regHandler(registry);
    NotifyRunningInstance(regHandler, arguments, [registeredMessage](int64_t window) {
        ::PostMessageW(reinterpret_cast<HWND>(static_cast<intptr_t>(window)), registeredMessage, 0, 0);
    });
}

// Steps 3 to 6 of the start-up: the state table, the Windows version, the paths, the toolbar captions, the
// option names, the configuration file's name, the Organized Folders paths and the options, in this order.
void InitializeState(ResidentServices& services, UINT registeredMessage, const std::string& executablePath) {
    ProgramState& state = services.state;
    services.pump.DoEvents();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    state.RegisteredMessage = registeredMessage;

    const WindowsVersionTraits traits = DetectWindowsVersion(QueryWindowsVersion());
    state.IsOldWindows = traits.IsOldWindows;
    state.MenuSelectedState = traits.MenuSelectedState;

    state.WindowsDirectory = GetSystemFolderPath(services.registry, services.systemInfo, "SystemRoot");
    state.PersonalDirectory = GetSystemFolderPath(services.registry, services.systemInfo, "Personal");
    const ProgramPaths paths = ComputeProgramPaths(state.WindowsDirectory, executablePath);
    state.ExplorerPath = paths.ExplorerPath;
    state.ApplicationPath = paths.ApplicationPath;
    state.QuotedExePath = paths.QuotedExePath;
    state.HelpFilePath = paths.HelpFilePath;

    state.ToolbarCaptions = ToolbarCaptionTable();
    InitOptionNames(state.options);
    services.files.GetConfigFileName(false);
    services.shortcuts.InitOrganizedFoldersPaths(state.QuotedExePath);
    LoadOptions(state.options, services.regHandler, state.IsOldWindows);
}

} // namespace

int Main(HINSTANCE instance) {
    const UINT registeredMessage = ::RegisterWindowMessageW(L"!KARVELLO!REGMSG!");
    bool alreadyRunning = false;
    const unique_kernel_handle instanceMutex = TakeInstanceMutex(alreadyRunning);
    const std::string arguments = CommandLineArguments(Narrow(::GetCommandLineW()));
    if (alreadyRunning) {
        NotifyRunningInstanceOf(registeredMessage, arguments);
        return 0;
    }

    const std::string executablePath = ExecutablePath();
    auto services =
        std::make_unique<ResidentServices>(instance, ComputeProgramPaths("", executablePath).ApplicationPath);
    InitializeState(*services, registeredMessage, executablePath);
    frmMain mainWindow(instance, *services, arguments);
    if (!mainWindow.Load())
        return 1;
    return RunMessageLoop(mainWindow);
}

} // namespace krv

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return krv::Main(instance);
}
