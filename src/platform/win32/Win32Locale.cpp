#include "platform/win32/Win32Locale.h"

#include <windows.h>

#include "platform/Text.h"

namespace krv {

std::string Win32Locale::LocaleText(uint32_t item) {
    // The items read are short; a buffer of 100 characters holds every one of them, and an item that
    // does not fit reads as missing.
    wchar_t buffer[100] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, 100);
    if (length <= 0)
        return {};
    return Narrow(std::wstring_view(buffer, static_cast<size_t>(length - 1)));
}

} // namespace krv
