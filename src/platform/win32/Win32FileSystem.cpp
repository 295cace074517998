#include "platform/win32/Win32FileSystem.h"

#include <algorithm>
#include <random>

#include "platform/Text.h"
#include "platform/win32/Handles.h"

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

// A fresh random part for every temporary name, from a generator seeded once per process.
uint64_t RandomPart() {
    static std::mt19937_64 generator = [] {
        LARGE_INTEGER counter{};
        QueryPerformanceCounter(&counter);
        std::random_device device;
        std::seed_seq seed{device(), static_cast<unsigned>(counter.LowPart),
                           static_cast<unsigned>(counter.HighPart),
                           static_cast<unsigned>(GetCurrentProcessId())};
        return std::mt19937_64(seed);
    }();
    return generator();
}

// Creates a new, empty file beside the target whose name no other file has. The name is made from the
// target's own, so that it stays inside the same folder (and volume) whatever the length of the path; each
// attempt draws a new random part, so leftovers of earlier saves cannot use up the names.
unique_file_handle CreateTemporaryBeside(std::string_view target, std::wstring& temporary) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = Widen(TemporaryFileName(target, GetCurrentProcessId(), RandomPart()));
        unique_file_handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS))
            return file;
    }
    return unique_file_handle();
}

// Puts the finished temporary file in the target's place. An existing target is replaced with ReplaceFileW,
// which keeps the file's identity (creation time, security, streams); where that call is refused (another
// volume, a file system without it) the move with write-through serves. Either way the attributes the user
// gave the file (hidden, system, archive) are given back to the new content.
bool PutInPlace(const std::wstring& temporary, const std::wstring& target, DWORD previousAttributes) {
    const bool existed = previousAttributes != INVALID_FILE_ATTRIBUTES;
    bool placed = existed && ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                          REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (!placed)
        placed = MoveFileExW(temporary.c_str(), target.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!placed)
        return false;
    if (existed) {
        const DWORD now = GetFileAttributesW(target.c_str());
        if (now != INVALID_FILE_ATTRIBUTES && now != previousAttributes)
            SetFileAttributesW(target.c_str(), previousAttributes);
    }
    return true;
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
    unique_file_handle file = CreateTemporaryBeside(path, temporary);
    if (!file)
        return false;
    const bool written = WriteAll(file.get(), content) && FlushFileBuffers(file.get());
    file.reset(); // the replace below needs the file closed
    if (!written || !PutInPlace(temporary, target, attributes)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<FileTime> Win32FileSystem::ModifiedTime(std::string_view path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!FileTimeToSystemTime(&data.ftLastWriteTime, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return std::nullopt;
    return FileTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

} // namespace krv
