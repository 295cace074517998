#include "platform/win32/Win32FileSystem.h"

#include "platform/Text.h"
#include "platform/win32/Handles.h"

#include <algorithm>

// <windows.h> maps DeleteFile to its A or W function; here it is the name of the interface operation.
#undef DeleteFile

namespace krv {
namespace {

// ReadFile and WriteFile move at most this much per call, well inside their 32-bit counts.
constexpr size_t kChunk = 1u << 24;

bool WriteAll(HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const DWORD part = static_cast<DWORD>(std::min(content.size(), kChunk));
        DWORD written = 0;
        if (!WriteFile(file, content.data(), part, &written, nullptr) || written != part)
            return false;
        content.remove_prefix(part);
    }
    return true;
}

// Creates a new, empty file beside the target whose name no other file has. The name is made from the
// target's own, so that it stays inside the same folder (and volume) whatever the length of the path.
unique_file_handle CreateTemporaryBeside(const std::wstring& target, std::wstring& temporary) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target + L".~krv" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                    std::to_wstring(++counter) + L".tmp";
        unique_file_handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return unique_file_handle();
}

} // namespace

std::optional<uint32_t> Win32FileSystem::GetAttributes(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return static_cast<uint32_t>(attributes);
}

bool Win32FileSystem::SetAttributes(std::string_view path, uint32_t attributes) {
    return SetFileAttributesW(Widen(path).c_str(), attributes) != FALSE;
}

std::vector<DirectoryEntry> Win32FileSystem::ListFolder(std::string_view folder) {
    std::wstring pattern = Widen(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/')
        pattern += L'\\';
    pattern += L'*';
    std::vector<DirectoryEntry> entries;
    WIN32_FIND_DATAW data{};
    unique_find_handle find(FindFirstFileW(pattern.c_str(), &data));
    if (!find)
        return entries;
    do {
        const std::wstring_view name = data.cFileName;
        if (name != L"." && name != L"..")
            entries.push_back({Narrow(name), static_cast<uint32_t>(data.dwFileAttributes)});
    } while (FindNextFileW(find.get(), &data));
    return entries;
}

bool Win32FileSystem::CreateFolder(std::string_view path) {
    return CreateDirectoryW(Widen(path).c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::RemoveFolder(std::string_view path) {
    return RemoveDirectoryW(Widen(path).c_str()) != FALSE;
}

bool Win32FileSystem::Rename(std::string_view from, std::string_view to) {
    return MoveFileW(Widen(from).c_str(), Widen(to).c_str()) != FALSE;
}

bool Win32FileSystem::DeleteFile(std::string_view path) {
    return DeleteFileW(Widen(path).c_str()) != FALSE;
}

std::optional<std::string> Win32FileSystem::ReadFile(std::string_view path) {
    unique_file_handle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > std::string().max_size())
        return std::nullopt;
    std::string content(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < content.size()) {
        const DWORD part = static_cast<DWORD>(std::min(content.size() - done, kChunk));
        DWORD got = 0;
        if (!::ReadFile(file.get(), content.data() + done, part, &got, nullptr))
            return std::nullopt;
        if (got == 0)
            break; // the file shrank while it was read
        done += got;
    }
    content.resize(done);
    return content;
}

// The new content goes to a temporary file in the target's folder, reaches the disk, and only then takes the
// target's place in one move; whatever fails on the way, the target keeps its previous content.
bool Win32FileSystem::ReplaceFileAtomically(std::string_view path, std::string_view content) {
    const std::wstring target = Widen(path);
    // Windows refuses to move over a read-only file, but not every implementation of the call does (Wine
    // replaces it); the user protected that file, so it is refused here for all of them.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    std::wstring temporary;
    unique_file_handle file = CreateTemporaryBeside(target, temporary);
    if (!file)
        return false;
    const bool written = WriteAll(file.get(), content) && FlushFileBuffers(file.get());
    file.reset(); // the move below needs the file closed
    if (!written ||
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace krv
