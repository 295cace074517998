// A stand-in for the HTML help viewer's library (hhctrl.ocx), put beside the program under test, which then
// loads it instead of the system's. Wine has no HTML engine here to show a help file; the stand-in instead
// writes down every call it gets, one line each, to hhctrl-calls.txt beside itself:
//   command=1 file=C:\Program Files\Karvello\Karvello.chm data=0
// and answers with a window of its own (class KarvelloHelpStandIn, titled with the file), as the viewer
// answers with its window, so that the caller sees the viewer open.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HMODULE ThisModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

std::wstring RecordPath() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(ThisModule(), path, MAX_PATH);
    std::wstring record(path);
    record.resize(record.find_last_of(L'\\') + 1);
    return record + L"hhctrl-calls.txt";
}

void Record(const wchar_t* file, UINT command, DWORD_PTR data) {
    FILE* out = _wfopen(RecordPath().c_str(), L"ab");
    if (out == nullptr)
        return;
    const std::wstring line = L"command=" + std::to_wstring(command) + L" file=" + (file ? file : L"(none)") +
                              L" data=" + std::to_wstring(static_cast<unsigned long long>(data)) + L"\n";
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size() - 1, out);
    std::fclose(out);
}

HWND ShowViewerWindow(const wchar_t* file) {
    static const wchar_t* const kClass = L"KarvelloHelpStandIn";
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ThisModule();
    windowClass.lpszClassName = kClass;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassW(&windowClass); // fails harmlessly when a previous call registered it
    return ::CreateWindowExW(0, kClass, file ? file : L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 60, 480, 200,
                             nullptr, nullptr, ThisModule(), nullptr);
}

} // namespace

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpW(HWND, LPCWSTR file, UINT command, DWORD_PTR data) {
    Record(file, command, data);
    // HH_CLOSE_ALL (0x12) and the other commands without a viewer window get no window.
    if (command != 0x12)
        return ShowViewerWindow(file);
    return nullptr;
}
