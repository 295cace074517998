// e2e_helper.exe: the end-to-end tests' hands inside Wine. It finds the programs' windows, posts and sends
// them messages, presses dialog buttons by their text and reads resources of the built programs, from
// another process, as a user or another program would. tests/e2e/lib.sh wraps each command.
//
// Results go to standard output in UTF-8, one item a line; the exit code is 0 on success, 1 when the
// window, dialog or button was not found in time (or the call failed) and 2 for a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <fcntl.h>
#include <io.h>
#include <map>
#include <optional>
#include <psapi.h>
#include <string>
#include <vector>

#include "ControlCommands.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv {

// The commands on the common controls of a window (e2e_controls.cpp).
int RunControlCommand(const std::wstring& name, const std::vector<std::wstring>& arguments, bool& handled);
// The Organize window's commands (organize_panes.cpp).
int OrganizePanesCommand(const std::vector<std::wstring>& positional);
int DropFilesCommand(const std::vector<std::wstring>& positional);
// The menu timing probe's session (menu_timing.cpp).
int MenuTimingCommand(const std::vector<std::wstring>& positional);

namespace {

using Arguments = std::vector<std::wstring>;

void Print(const std::wstring& line) {
    const std::string text = Narrow(line) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void PrintError(const std::wstring& line) {
    const std::string text = "e2e_helper: " + Narrow(line) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
}

// --name value options after the command; positional arguments stay in order.
struct CommandLine {
    std::map<std::wstring, std::wstring> options;
    Arguments positional;

    std::optional<std::wstring> Option(const wchar_t* name) const {
        auto found = options.find(name);
        return found == options.end() ? std::nullopt : std::optional<std::wstring>(found->second);
    }
    DWORD TimeoutMs() const {
        return static_cast<DWORD>(std::wcstoul(Option(L"timeout").value_or(L"10000").c_str(), nullptr, 10));
    }
};

CommandLine Parse(const Arguments& arguments) {
    CommandLine result;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (argument.rfind(L"--", 0) == 0 && i + 1 < arguments.size()) {
            result.options[argument.substr(2)] = arguments[++i];
        } else {
            result.positional.push_back(argument);
        }
    }
    return result;
}

std::wstring WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

std::wstring WindowClass(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

// Button captions carry '&' before their access key ("&Yes"); users read them without it.
std::wstring WithoutAccessKeys(const std::wstring& text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i;
        }
        result.push_back(text[i]);
    }
    return result;
}

std::wstring HandleText(HWND window) {
    return std::to_wstring(reinterpret_cast<uintptr_t>(window));
}

HWND ParseHandle(const std::wstring& text) {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(text.c_str(), nullptr, 10)));
}

// Calls find every 50 ms until it gives a window or the time is up.
template <typename Find> HWND WaitFor(DWORD timeoutMs, Find find) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND window = find()) {
            return window;
        }
        if (::GetTickCount64() >= deadline) {
            return nullptr;
        }
        ::Sleep(50);
    }
}

struct WindowQuery {
    std::optional<std::wstring> className;
    std::optional<std::wstring> title;
    bool visibleOnly = false;
};

// Enumeration callbacks are plain functions: a lambda cannot take the stdcall convention on 32-bit Windows.
BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    ::EnumChildWindows(parent, &CollectWindow, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindTopLevel(const WindowQuery& query) {
    for (HWND window : TopLevelWindows()) {
        if ((!query.className || WindowClass(window) == *query.className) &&
            (!query.title || WindowText(window) == *query.title) &&
            (!query.visibleOnly || ::IsWindowVisible(window))) {
            return window;
        }
    }
    return nullptr;
}

HWND FindButton(HWND dialog, const std::wstring& caption) {
    for (HWND child : Children(dialog)) {
        if (WindowClass(child) == L"Button" && WithoutAccessKeys(WindowText(child)) == caption) {
            return child;
        }
    }
    return nullptr;
}

std::optional<UINT> ParseMessage(const std::wstring& text) {
    static const std::map<std::wstring, UINT> named = {
        {L"WM_NULL", WM_NULL},
        {L"WM_CLOSE", WM_CLOSE},
        {L"WM_QUIT", WM_QUIT},
        {L"WM_COMMAND", WM_COMMAND},
        {L"WM_ENDSESSION", WM_ENDSESSION},
        {L"WM_QUERYENDSESSION", WM_QUERYENDSESSION},
        {L"WM_USER", WM_USER},
        {L"WM_TIMER", WM_TIMER},
    };
    if (auto found = named.find(text); found != named.end()) {
        return found->second;
    }
    // "registered:NAME" is the number Windows gives the registered message NAME in every process.
    const std::wstring registered = L"registered:";
    if (text.rfind(registered, 0) == 0) {
        const UINT number = ::RegisterWindowMessageW(text.substr(registered.size()).c_str());
        return number == 0 ? std::nullopt : std::optional<UINT>(number);
    }
    wchar_t* end = nullptr;
    const unsigned long number = std::wcstoul(text.c_str(), &end, 0);
    return (end != text.c_str() && *end == L'\0') ? std::optional<UINT>(static_cast<UINT>(number))
                                                  : std::nullopt;
}

uintptr_t ParseParameter(const CommandLine& command, size_t index) {
    return command.positional.size() > index ? std::wcstoull(command.positional[index].c_str(), nullptr, 0)
                                             : 0;
}

int FindWindowCommand(const CommandLine& command) {
    WindowQuery query{command.Option(L"class"), command.Option(L"title"),
                      command.options.count(L"visible") > 0};
    HWND window = WaitFor(command.TimeoutMs(), [&] { return FindTopLevel(query); });
    if (window == nullptr) {
        return 1;
    }
    Print(HandleText(window));
    return 0;
}

int WindowInfoCommand(const CommandLine& command) {
    HWND window = ParseHandle(command.positional.at(0));
    if (!::IsWindow(window)) {
        return 1;
    }
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    Print(L"class=" + WindowClass(window));
    Print(L"title=" + WindowText(window));
    Print(L"visible=" + std::to_wstring(::IsWindowVisible(window) ? 1 : 0));
    Print(L"enabled=" + std::to_wstring(::IsWindowEnabled(window) ? 1 : 0));
    Print(L"pid=" + std::to_wstring(processId));
    return 0;
}

int ListWindowsCommand() {
    for (HWND window : TopLevelWindows()) {
        Print(HandleText(window) + L"\t" + std::to_wstring(::IsWindowVisible(window) ? 1 : 0) + L"\t" +
              WindowClass(window) + L"\t" + WindowText(window));
    }
    return 0;
}

int PostOrSendCommand(const CommandLine& command, bool send) {
    if (command.positional.size() < 2) {
        return 2;
    }
    HWND window = ParseHandle(command.positional[0]);
    const std::optional<UINT> message = ParseMessage(command.positional[1]);
    if (!message) {
        PrintError(L"unknown message " + command.positional[1]);
        return 2;
    }
    const auto wParam = static_cast<WPARAM>(ParseParameter(command, 2));
    const auto lParam = static_cast<LPARAM>(ParseParameter(command, 3));
    if (!send) {
        return ::PostMessageW(window, *message, wParam, lParam) ? 0 : 1;
    }
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(window, *message, wParam, lParam, SMTO_ABORTIFHUNG, command.TimeoutMs(),
                               &result)) {
        return 1;
    }
    Print(std::to_wstring(static_cast<intptr_t>(result)));
    return 0;
}

int WaitGoneCommand(const CommandLine& command) {
    HWND window = ParseHandle(command.positional.at(0));
    // WaitFor looks for a window; here the "window" found is any non-null value once the handle is gone.
    HWND gone = WaitFor(command.TimeoutMs(), [&] { return ::IsWindow(window) ? nullptr : HWND_MESSAGE; });
    return gone != nullptr ? 0 : 1;
}

HWND WaitForDialog(const CommandLine& command) {
    const std::optional<std::wstring> title = command.Option(L"title");
    if (!title) {
        return nullptr;
    }
    WindowQuery query{std::nullopt, title, true};
    return WaitFor(command.TimeoutMs(), [&] { return FindTopLevel(query); });
}

// Looks again on every try: a dialog that is closing, a wizard page whose button has not yet taken its new
// caption, or a button still disabled while the page changes all settle within moments, and a busy machine
// only makes those moments longer.
int ClickButtonCommand(const CommandLine& command) {
    const std::optional<std::wstring> title = command.Option(L"title");
    const std::optional<std::wstring> caption = command.Option(L"button");
    if (!title || !caption) {
        PrintError(L"click-button needs --title and --button");
        return 1;
    }
    const WindowQuery query{std::nullopt, title, true};
    std::wstring reason = L"no visible window titled " + *title;
    HWND clicked = WaitFor(command.TimeoutMs(), [&]() -> HWND {
        HWND dialog = FindTopLevel(query);
        if (dialog == nullptr) {
            return nullptr;
        }
        HWND button = FindButton(dialog, *caption);
        if (button == nullptr) {
            reason = L"no button " + *caption;
            return nullptr;
        }
        if (!::IsWindowEnabled(button)) {
            reason = L"button " + *caption + L" is disabled";
            return nullptr;
        }
        // The dialog gets the notification its button sends when clicked. BM_CLICK would do the same through
        // the button, but a dialog that is not the active window ignores it, and under Wine without a window
        // manager another process's dialog never is. Posting fails only when the dialog has just gone.
        const int id = ::GetDlgCtrlID(button);
        if (!::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button))) {
            reason = L"the window titled " + *title + L" closed before its button was pressed";
            return nullptr;
        }
        return button;
    });
    if (clicked == nullptr) {
        PrintError(reason);
        return 1;
    }
    return 0;
}

int DialogTextCommand(const CommandLine& command) {
    HWND dialog = WaitForDialog(command);
    if (dialog == nullptr) {
        return 1;
    }
    for (HWND child : Children(dialog)) {
        if (WindowClass(child) == L"Static" && ::GetWindowTextLengthW(child) > 0) {
            Print(WindowText(child));
        }
    }
    return 0;
}

// Reads the version strings, the icon count and the manifest of a built program without running it.
int ResourcesCommand(const CommandLine& command) {
    const std::wstring& path = command.positional.at(0);
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        PrintError(L"no version resource in " + path);
        return 1;
    }
    std::vector<BYTE> version(size);
    ::GetFileVersionInfoW(path.c_str(), 0, size, version.data());
    for (const wchar_t* name : {L"CompanyName", L"ProductName", L"FileDescription", L"FileVersion",
                                L"ProductVersion", L"OriginalFilename"}) {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        if (::VerQueryValueW(version.data(), query.c_str(), &value, &length) && length > 0) {
            Print(std::wstring(name) + L"=" + static_cast<const wchar_t*>(value));
        }
    }
    Print(L"Icons=" + std::to_wstring(::ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 0)));

    unique_hmodule module(
        ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    HRSRC manifest =
        module ? ::FindResourceW(module.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : nullptr;
    if (manifest != nullptr) {
        const auto* bytes = static_cast<const char*>(::LockResource(::LoadResource(module.get(), manifest)));
        const std::string text(bytes, ::SizeofResource(module.get(), manifest));
        Print(L"Manifest=" + std::to_wstring(text.size()) + L" bytes");
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputs("\n", stdout);
    }
    return 0;
}

// Shows a message box and ends with the button's identifier (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7), so that
// the harness can prove on itself that it reads and answers message boxes.
int MessageBoxCommand(const CommandLine& command) {
    static const std::map<std::wstring, UINT> buttons = {
        {L"ok", MB_OK}, {L"yesno", MB_YESNO}, {L"yesnocancel", MB_YESNOCANCEL}, {L"okcancel", MB_OKCANCEL}};
    const auto found = buttons.find(command.Option(L"buttons").value_or(L"ok"));
    if (found == buttons.end()) {
        return 2;
    }
    return ::MessageBoxW(nullptr, command.Option(L"text").value_or(L"").c_str(),
                         command.Option(L"title").value_or(L"").c_str(), found->second | MB_ICONQUESTION);
}

// The entries of the popup that a window's menu bar holds first (the popup a tray program shows), read by
// e2e_menu_probe.dll inside the window's process, since menus cannot be read from another process.
int WindowMenuCommand(const CommandLine& command) {
    HWND window = ParseHandle(command.positional[0]);
    DWORD processId = 0;
    const DWORD threadId = ::GetWindowThreadProcessId(window, &processId);
    wchar_t helperPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, helperPath, MAX_PATH);
    std::wstring probePath(helperPath);
    probePath = probePath.substr(0, probePath.find_last_of(L'\\') + 1) + L"e2e_menu_probe.dll";
    const std::wstring outputPath = probePath + L".menu.txt";
    ::DeleteFileW(outputPath.c_str());

    const unique_hmodule probe(::LoadLibraryW(probePath.c_str()));
    const auto hook = probe ? reinterpret_cast<HOOKPROC>(
                                  reinterpret_cast<void*>(::GetProcAddress(probe.get(), "MenuProbeHook")))
                            : nullptr;
    if (threadId == 0 || hook == nullptr) {
        PrintError(L"cannot probe window " + command.positional[0]);
        return 1;
    }
    HHOOK installed = ::SetWindowsHookExW(WH_GETMESSAGE, hook, probe.get(), threadId);
    if (installed == nullptr) {
        PrintError(L"cannot hook the thread of window " + command.positional[0]);
        return 1;
    }
    constexpr WPARAM kProbeMarker = 0x4B52564D;
    std::FILE* file = nullptr;
    for (DWORD waited = 0; waited < command.TimeoutMs() && file == nullptr; waited += 100) {
        if (waited % 1000 == 0)
            ::PostMessageW(window, WM_NULL, kProbeMarker, 0);
        ::Sleep(100);
        file = _wfopen(outputPath.c_str(), L"rb");
    }
    ::UnhookWindowsHookEx(installed);
    if (file == nullptr) {
        PrintError(L"window " + command.positional[0] + L" did not show its menu");
        return 1;
    }
    std::string text;
    char buffer[4096];
    for (size_t read; (read = std::fread(buffer, 1, sizeof(buffer), file)) > 0;)
        text.append(buffer, read);
    std::fclose(file);
    ::DeleteFileW(outputPath.c_str());
    std::fwrite(text.data(), 1, text.size(), stdout);
    return text.rfind("no popup", 0) == 0 ? 1 : 0;
}

// Private memory, working set and the GDI and USER object counts of a process, by its Windows process id.
int ProcessInfoCommand(const CommandLine& command) {
    const DWORD processId = static_cast<DWORD>(std::wcstoul(command.positional[0].c_str(), nullptr, 10));
    const unique_kernel_handle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (!process || !::GetProcessMemoryInfo(
                        process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory))) {
        PrintError(L"cannot read process " + command.positional[0]);
        return 1;
    }
    Print(L"private=" + std::to_wstring(memory.PrivateUsage));
    Print(L"workingset=" + std::to_wstring(memory.WorkingSetSize));
    Print(L"gdi=" + std::to_wstring(::GetGuiResources(process.get(), GR_GDIOBJECTS)));
    Print(L"user=" + std::to_wstring(::GetGuiResources(process.get(), GR_USEROBJECTS)));
    return 0;
}

// A stand-in for the resident Karvello in the uninstaller's tests: a hidden window of the class
// "KarvelloStandIn" that takes the hand-over message "!KARVELLO!REGMSG!". When it arrives, the window writes
// one line to the record file (the message's parameters and the "TRANSFER" value as it stood at that moment,
// as Karvello would read it) and the stand-in ends, as Karvello ends on "/EXIT". WM_CLOSE ends it too.
struct StandIn {
    UINT handOverMessage = 0;
    std::wstring record;
};

std::wstring TransferValue() {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Tessary\\Karvello", L"TRANSFER", RRF_RT_REG_SZ, nullptr,
                       value, &size) != ERROR_SUCCESS) {
        return L"<missing>";
    }
    return value;
}

LRESULT CALLBACK StandInProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const auto* standIn = reinterpret_cast<const StandIn*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (standIn != nullptr && message == standIn->handOverMessage && message != 0) {
        const std::string line = Narrow(L"received wParam=" + std::to_wstring(wParam) + L" lParam=" +
                                        std::to_wstring(lParam) + L" TRANSFER=" + TransferValue()) +
                                 "\n";
        unique_file_handle file(::CreateFileW(standIn->record.c_str(), FILE_APPEND_DATA, 0, nullptr,
                                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        ::DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

int StandInCommand(const CommandLine& command) {
    const std::optional<std::wstring> record = command.Option(L"record");
    if (!record) {
        return 2;
    }
    StandIn standIn{::RegisterWindowMessageW(L"!KARVELLO!REGMSG!"), *record};
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = StandInProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KarvelloStandIn";
    if (::RegisterClassW(&windowClass) == 0 ||
        ::CreateWindowExW(0, L"KarvelloStandIn", L"Karvello stand-in", WS_OVERLAPPED, 0, 0, 0, 0, nullptr,
                          nullptr, windowClass.hInstance, &standIn) == nullptr) {
        return 1;
    }
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    return 0;
}

void Usage() {
    PrintError(
        L"commands:\n"
        L"  find-window [--class NAME] [--title TEXT] [--visible 1] [--timeout MS]   prints the window "
        L"handle\n"
        L"  window-info HWND                                 class, title, visible, pid\n"
        L"  list-windows                                     every top-level window\n"
        L"  post HWND MESSAGE [WPARAM [LPARAM]]              MESSAGE: number, WM_CLOSE..., registered:NAME\n"
        L"  send HWND MESSAGE [WPARAM [LPARAM]]              prints the result\n"
        L"  wait-gone HWND [--timeout MS]\n"
        L"  click-button --title TEXT --button CAPTION [--timeout MS]\n"
        L"  dialog-text --title TEXT [--timeout MS]          the dialog's static texts\n"
        L"  resources PROGRAM.exe                            version strings, icon count, manifest\n"
        L"  window-menu HWND                                 entries of the first popup of its menu bar\n"
        L"  process-info PID                                 private bytes, working set, GDI and USER "
        L"objects\n"
        L"  standin --record FILE                            a window playing the running Karvello\n"
        L"  tree-items HWND | tree-select HWND TEXT          nodes of the window's tree view; select one\n"
        L"  list-items HWND [COLUMNS] | list-select HWND ROW rows of its list view; select one (-1: none)\n"
        L"  list-positions HWND                              where its list view shows each row, \"X Y\"\n"
        L"  status-text HWND                                 the panels of its status bar\n"
        L"  tree-count HWND                                  the number of nodes of its tree view\n"
        L"  time-open MAINHWND CLASS                         ms until a hand-over's window shows, paints\n"
        L"  time-select HWND TEXT                            ms until a node's selection is back, painted\n"
        L"  organize-panes HWND                              nodes and rows of the Organize window\n"
        L"  drop-files X Y PATH...                           drags PATH in through OLE, drops at X, Y\n"
        L"  menu-timing HWND [SECONDS]                       times its popups from inside until told to stop\n" +
        std::wstring(DialogControlCommandsUsage()));
}

int Run(const Arguments& arguments) {
    if (arguments.empty()) {
        Usage();
        return 2;
    }
    if (const std::optional<int> result = RunDialogControlCommand(arguments))
        return *result;
    const std::wstring& name = arguments[0];
    const CommandLine command = Parse(Arguments(arguments.begin() + 1, arguments.end()));
    const bool needsHandle = name == L"window-info" || name == L"wait-gone" || name == L"resources" ||
                             name == L"window-menu" || name == L"process-info";
    if (needsHandle && command.positional.empty()) {
        Usage();
        return 2;
    }
    if (name == L"find-window")
        return FindWindowCommand(command);
    if (name == L"window-info")
        return WindowInfoCommand(command);
    if (name == L"list-windows")
        return ListWindowsCommand();
    if (name == L"post")
        return PostOrSendCommand(command, false);
    if (name == L"send")
        return PostOrSendCommand(command, true);
    if (name == L"wait-gone")
        return WaitGoneCommand(command);
    if (name == L"click-button")
        return ClickButtonCommand(command);
    if (name == L"dialog-text")
        return DialogTextCommand(command);
    if (name == L"messagebox")
        return MessageBoxCommand(command);
    if (name == L"resources")
        return ResourcesCommand(command);
    if (name == L"window-menu")
        return WindowMenuCommand(command);
    if (name == L"process-info")
        return ProcessInfoCommand(command);
    if (name == L"standin")
        return StandInCommand(command);
    if (name == L"organize-panes" && !command.positional.empty())
        return OrganizePanesCommand(command.positional);
    if (name == L"drop-files")
        return DropFilesCommand(command.positional);
    if (name == L"menu-timing")
        return MenuTimingCommand(command.positional);
    bool handled = false;
    if (const int result = RunControlCommand(name, command.positional, handled); handled)
        return result;
    Usage();
    return 2;
}

} // namespace
} // namespace krv

int wmain(int argc, wchar_t** argv) {
    // Bash reads the output; Windows line ends would leave a carriage return on every value.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return krv::Run(krv::Arguments(argv + 1, argv + argc));
}
