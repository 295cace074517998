#include "platform/win32/Win32SystemInfo.h"

#include <string>

#include <windows.h>
#include <winnetwk.h>

#include "platform/Text.h"

namespace krv {

namespace {

// While it lives, an empty floppy or CD drive makes the file functions fail at once instead of asking the
// user to insert a disk.
class NoCriticalErrorBoxes {
public:
    NoCriticalErrorBoxes() noexcept {
        ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_);
    }
    NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
    NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;
    ~NoCriticalErrorBoxes() { ::SetThreadErrorMode(previous_, nullptr); }

private:
    DWORD previous_ = 0;
};

// The text up to its first NUL.
std::string NarrowUpToNul(const std::wstring& buffer) {
    return Narrow(std::wstring_view(buffer.c_str()));
}

// Calls fill(buffer, size) with a growing buffer until the folder fits; fill returns the length Windows
// reports (0 on failure, more than size when the buffer was too small).
template <typename Fill> std::string FolderFromSystem(Fill fill) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const UINT length = fill(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return Narrow(buffer);
        }
        buffer.assign(length + 1, L'\0');
    }
    return {};
}

} // namespace

std::vector<char> Win32SystemInfo::DriveLetters() {
    std::vector<char> letters;
    const DWORD present = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (present & (1u << i)) {
            letters.push_back(static_cast<char>('A' + i));
        }
    }
    return letters;
}

int32_t Win32SystemInfo::DriveType(std::string_view root) {
    return static_cast<int32_t>(::GetDriveTypeW(Widen(root).c_str()));
}

std::string Win32SystemInfo::VolumeLabel(std::string_view root) {
    NoCriticalErrorBoxes scope;
    std::wstring name(MAX_PATH + 1, L'\0');
    if (!::GetVolumeInformationW(Widen(root).c_str(), name.data(), static_cast<DWORD>(name.size()), nullptr,
                                 nullptr, nullptr, nullptr, 0)) {
        return {};
    }
    return NarrowUpToNul(name);
}

std::string Win32SystemInfo::NetworkConnection(std::string_view drive) {
    // The connection table is the workstation's own; asking it never reaches the server, so an offline
    // drive answers as fast as a connected one (with the remembered share and ERROR_CONNECTION_UNAVAIL).
    const std::wstring local = Widen(drive);
    std::wstring remote(MAX_PATH, L'\0');
    DWORD length = static_cast<DWORD>(remote.size());
    DWORD result = ::WNetGetConnectionW(local.c_str(), remote.data(), &length);
    if (result == ERROR_MORE_DATA) {
        remote.assign(length + 1, L'\0');
        length = static_cast<DWORD>(remote.size());
        result = ::WNetGetConnectionW(local.c_str(), remote.data(), &length);
    }
    if (result != NO_ERROR && result != ERROR_CONNECTION_UNAVAIL) {
        return {};
    }
    return NarrowUpToNul(remote);
}

std::string Win32SystemInfo::WindowsFolder() {
    return FolderFromSystem([](wchar_t* buffer, UINT size) { return ::GetWindowsDirectoryW(buffer, size); });
}

std::string Win32SystemInfo::SystemFolder() {
    return FolderFromSystem([](wchar_t* buffer, UINT size) { return ::GetSystemDirectoryW(buffer, size); });
}

std::string Win32SystemInfo::ExpandEnvironment(std::string_view text) {
    const std::wstring source = Widen(text);
    const DWORD needed = ::ExpandEnvironmentStringsW(source.c_str(), nullptr, 0);
    if (needed == 0) {
        return std::string(text);
    }
    std::wstring expanded(needed, L'\0');
    if (::ExpandEnvironmentStringsW(source.c_str(), expanded.data(), needed) == 0) {
        return std::string(text);
    }
    return NarrowUpToNul(expanded);
}

} // namespace krv
