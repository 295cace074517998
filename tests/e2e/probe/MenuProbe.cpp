// e2e_menu_probe.dll: reads a window's popup menu from inside the window's own process. Menus belong to the
// process that made them (on Wine no other process can read them), so e2e_helper hooks this library into
// the window's thread and asks it, by a marked null message, to write the menu beside the library as text.
#include <windows.h>

#include <cstdio>
#include <iterator>
#include <string>

namespace {

// wParam of the null message that asks for the menu; any other null message passes untouched.
constexpr WPARAM kProbeMarker = 0x4B52564D; // "KRVM"

HMODULE g_module = nullptr;

std::wstring OutputPath() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(g_module, path, MAX_PATH);
    return std::wstring(path) + L".menu.txt";
}

// One line per entry: kind, owner-drawn (1 or 0) and text separated by tabs, UTF-8; a submenu's entries
// follow its own entry, indented by two blanks a level.
void WriteMenu(std::FILE* file, HMENU menu, int level) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = static_cast<UINT>(std::size(text) - 1);
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
            continue;
        const wchar_t* kind = (info.fType & MFT_SEPARATOR) ? L"separator" : info.hSubMenu ? L"popup" : L"item";
        const std::wstring line = std::wstring(static_cast<size_t>(level) * 2, L' ') + kind + L"\t" +
                                  ((info.fType & MFT_OWNERDRAW) ? L"1" : L"0") + L"\t" + text + L"\n";
        char utf8[4096] = {};
        const int length = ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8,
                                                 sizeof(utf8), nullptr, nullptr);
        std::fwrite(utf8, 1, static_cast<size_t>(length), file);
        if (info.hSubMenu != nullptr)
            WriteMenu(file, info.hSubMenu, level + 1);
    }
}

void DumpMenu(HWND window) {
    const std::wstring path = OutputPath();
    const std::wstring partial = path + L".part";
    std::FILE* file = _wfopen(partial.c_str(), L"wb");
    if (file == nullptr)
        return;
    HMENU bar = ::GetMenu(window);
    HMENU popup = bar != nullptr ? ::GetSubMenu(bar, 0) : nullptr;
    if (popup != nullptr)
        WriteMenu(file, popup, 0);
    else
        std::fputs("no popup\n", file);
    std::fclose(file);
    // The helper waits for the file's final name, so it never reads half a menu.
    ::MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuProbeHook(int code, WPARAM removing, LPARAM record) {
    const auto* message = reinterpret_cast<const MSG*>(record);
    if (code == HC_ACTION && removing == PM_REMOVE && message->message == WM_NULL &&
        message->wParam == kProbeMarker)
        DumpMenu(message->hwnd);
    return ::CallNextHookEx(nullptr, code, removing, record);
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        g_module = module;
    return TRUE;
}
