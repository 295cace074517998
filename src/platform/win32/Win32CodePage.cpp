#include "platform/win32/Win32CodePage.h"

#include <windows.h>

#include <climits>

namespace krv {
namespace {

// Where the system code page is UTF-8 itself, Windows refuses both the flag and a default character, and
// neither is needed: every character fits.
bool SystemIsUtf8() {
    return GetACP() == CP_UTF8;
}

// Converts with WC_NO_BEST_FIT_CHARS, so that a character the code page lacks becomes '?' instead of a
// look-alike ("Ł" would otherwise become "L" and a path could name another existing folder). lost tells
// whether any character had to be replaced.
std::string ToCodePage(std::string_view utf8, bool* lost) {
    const std::wstring wide = Widen(utf8);
    if (lost != nullptr)
        *lost = false;
    if (wide.empty() || wide.size() > INT_MAX / 4)
        return {};
    const bool utf8System = SystemIsUtf8();
    const DWORD flags = utf8System ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* defaultChar = utf8System ? nullptr : "?";
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8System || lost == nullptr ? nullptr : &usedDefault;
    const int length = static_cast<int>(wide.size());
    const int needed =
        WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, defaultChar, usedDefaultOut);
    if (needed <= 0)
        return {};
    std::string bytes(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), length, bytes.data(), needed, defaultChar,
                        usedDefaultOut);
    if (lost != nullptr)
        *lost = usedDefault != FALSE;
    return bytes;
}

} // namespace

std::string Win32AnsiCodePage::ToAnsi(std::string_view utf8) const {
    return ToCodePage(utf8, nullptr);
}

// A character can also be lost without the default character: a code page may map it to bytes that read
// back as another character. Reading the bytes back catches both.
bool Win32AnsiCodePage::Holds(std::string_view utf8) const {
    bool lost = false;
    const std::string bytes = ToCodePage(utf8, &lost);
    return !lost && FromAnsi(bytes) == utf8;
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
