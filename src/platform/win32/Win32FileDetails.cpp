#include "platform/win32/Win32FileDetails.h"

#include <windows.h>

#include "platform/Text.h"

namespace krv {
namespace {

// A file time as the local date and time the user sees in Explorer; the zero date-time when it is unset.
DateTime LocalTime(const FILETIME& time) {
    if (time.dwHighDateTime == 0 && time.dwLowDateTime == 0)
        return DateTime::Zero();
    FILETIME local{};
    SYSTEMTIME parts{};
    if (!::FileTimeToLocalFileTime(&time, &local) || !::FileTimeToSystemTime(&local, &parts))
        return DateTime::Zero();
    return {parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute, parts.wSecond};
}

// The last part of the short form of the path; the long name where the volume keeps no short names.
std::string ShortName(const std::wstring& path) {
    const DWORD needed = ::GetShortPathNameW(path.c_str(), nullptr, 0);
    std::wstring shortPath(needed, L'\0');
    if (needed == 0 || ::GetShortPathNameW(path.c_str(), shortPath.data(), needed) == 0)
        shortPath = path;
    shortPath.resize(wcslen(shortPath.c_str()));
    while (shortPath.size() > 3 && (shortPath.back() == L'\\' || shortPath.back() == L'/'))
        shortPath.pop_back();
    const size_t slash = shortPath.find_last_of(L"\\/");
    return Narrow(slash == std::wstring::npos ? shortPath : shortPath.substr(slash + 1));
}

} // namespace

std::optional<FileDetails> Win32FileDetails::GetDetails(std::string_view path) {
    const std::wstring widePath = Widen(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(widePath.c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    FileDetails details;
    details.ShortName = ShortName(widePath);
    details.Attributes = data.dwFileAttributes;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        details.Size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    details.Created = LocalTime(data.ftCreationTime);
    details.Modified = LocalTime(data.ftLastWriteTime);
    details.Accessed = LocalTime(data.ftLastAccessTime);
    return details;
}

} // namespace krv
