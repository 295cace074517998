#include "platform/win32/Win32CodePage.h"

#include <climits>
#include <windows.h>

namespace krv {

// Characters the code page lacks become '?'. Where the system code page is UTF-8 itself, Windows refuses a
// default character, and none is needed.
std::string Win32AnsiCodePage::ToAnsi(std::string_view utf8) const {
    const std::wstring wide = Widen(utf8);
    if (wide.empty() || wide.size() > INT_MAX / 4)
        return {};
    const bool utf8System = GetACP() == CP_UTF8;
    const char* defaultChar = utf8System ? nullptr : "?";
    const int length = static_cast<int>(wide.size());
    const int needed = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, defaultChar, nullptr);
    if (needed <= 0)
        return {};
    std::string bytes(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, bytes.data(), needed, defaultChar, nullptr);
    return bytes;
}

std::string Win32AnsiCodePage::FromAnsi(std::string_view bytes) const {
    if (bytes.empty() || bytes.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), needed);
    return Narrow(wide);
}

} // namespace krv
