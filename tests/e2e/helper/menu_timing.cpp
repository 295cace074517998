// The e2e helper's menu-timing command: starts the timing half of e2e_menu_probe.dll inside the program that
// owns a window (tests/e2e/probe/MenuTiming.cpp) and keeps its hook on the window's thread for as long as a
// benchmark drives the menu.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"

namespace krv {

int MenuTimingCommand(const std::vector<std::wstring>& positional);

namespace {

constexpr WPARAM kTimingMarker = 0x4B52564C; // "KRVL", as the probe expects it

std::wstring ProbePath() {
    wchar_t helperPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, helperPath, MAX_PATH);
    const std::wstring path(helperPath);
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"e2e_menu_probe.dll";
}

bool FileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The probe writes "ready" as the first line of its record once it watches the window.
bool RecordSaysReady(const std::wstring& record) {
    std::FILE* file = _wfopen(record.c_str(), L"rb");
    if (file == nullptr)
        return false;
    char line[16] = {};
    const bool ready = std::fgets(line, sizeof(line), file) != nullptr && std::string(line) == "ready\n";
    std::fclose(file);
    return ready;
}

} // namespace

// menu-timing HWND [SECONDS]: empties the probe's record (e2e_menu_probe.dll.timing.txt beside the helper),
// starts the timing in the window's process, prints "ready" and waits until the file
// e2e_menu_probe.dll.timing.stop appears or SECONDS (default 3600) have passed.
int MenuTimingCommand(const std::vector<std::wstring>& positional) {
    if (positional.empty())
        return 2;
    HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(positional[0].c_str(), nullptr, 10)));
    const DWORD seconds = positional.size() > 1 ? std::wcstoul(positional[1].c_str(), nullptr, 10) : 3600;
    const std::wstring probePath = ProbePath();
    const std::wstring record = probePath + L".timing.txt";
    const std::wstring stop = probePath + L".timing.stop";
    ::DeleteFileW(record.c_str());
    ::DeleteFileW(stop.c_str());

    const DWORD threadId = ::GetWindowThreadProcessId(window, nullptr);
    const unique_hmodule probe(::LoadLibraryW(probePath.c_str()));
    const auto hook = probe ? reinterpret_cast<HOOKPROC>(
                                  reinterpret_cast<void*>(::GetProcAddress(probe.get(), "MenuTimingHook")))
                            : nullptr;
    HHOOK installed = threadId != 0 && hook != nullptr
                          ? ::SetWindowsHookExW(WH_GETMESSAGE, hook, probe.get(), threadId)
                          : nullptr;
    if (installed == nullptr) {
        std::fputs("e2e_helper: cannot hook the thread of the window\n", stderr);
        return 1;
    }
    bool ready = false;
    for (int waited = 0; waited < 100 && !ready; ++waited) {
        if (waited % 10 == 0)
            ::PostMessageW(window, WM_NULL, kTimingMarker, 0);
        ::Sleep(100);
        ready = RecordSaysReady(record);
    }
    if (!ready) {
        ::UnhookWindowsHookEx(installed);
        std::fputs("e2e_helper: the window's process did not start the timing\n", stderr);
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    while (!FileExists(stop) && ::GetTickCount64() < deadline)
        ::Sleep(200);
    ::UnhookWindowsHookEx(installed);
    ::DeleteFileW(stop.c_str());
    return 0;
}

} // namespace krv
