#include "platform/StdFileSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#if defined(_WIN32)
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace krv {
namespace {

namespace fs = std::filesystem;

fs::path PathOf(std::string_view utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string Utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

bool IsReadOnly(const fs::file_status& status) {
    return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

uint32_t AttributesOf(const fs::file_status& status) {
    if (fs::is_directory(status))
        return FILE_ATTR_DIRECTORY;
    return IsReadOnly(status) ? uint32_t{FILE_ATTR_READONLY} : uint32_t{FILE_ATTR_NORMAL};
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// Pushes the written bytes through the C library and the system's cache to the disk.
bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

uint32_t ProcessId() {
#if defined(_WIN32)
    return static_cast<uint32_t>(_getpid());
#else
    return static_cast<uint32_t>(getpid());
#endif
}

// A fresh random part for every temporary name; the generator is seeded once per process from the system's
// entropy and the clock, so that two processes never walk the same sequence.
uint64_t RandomPart() {
    static std::mt19937_64 generator = [] {
        std::random_device device;
        const auto now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        std::seed_seq seed{device(), device(), static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
        return std::mt19937_64(seed);
    }();
    return generator();
}

} // namespace

std::optional<uint32_t> StdFileSystem::GetAttributes(std::string_view path) {
    std::error_code error;
    const fs::file_status status = fs::status(PathOf(path), error);
    if (error || !fs::exists(status))
        return std::nullopt;
    return AttributesOf(status);
}

bool StdFileSystem::SetAttributes(std::string_view path, uint32_t attributes) {
    std::error_code error;
    const fs::path target = PathOf(path);
    if (!fs::exists(target, error))
        return false;
    const auto options = (attributes & FILE_ATTR_READONLY) ? fs::perm_options::remove : fs::perm_options::add;
    fs::permissions(target, fs::perms::owner_write, options, error);
    return !error;
}

std::vector<DirectoryEntry> StdFileSystem::ListFolder(std::string_view folder) {
    std::vector<DirectoryEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(PathOf(folder), error), end; !error && it != end; it.increment(error)) {
        std::error_code statusError;
        entries.push_back({Utf8Of(it->path().filename()), AttributesOf(it->status(statusError))});
    }
    return entries;
}

bool StdFileSystem::CreateFolder(std::string_view path) {
    std::error_code error;
    return fs::create_directory(PathOf(path), error) && !error;
}

bool StdFileSystem::RemoveFolder(std::string_view path) {
    std::error_code error;
    const fs::path target = PathOf(path);
    return fs::is_directory(target, error) && fs::remove(target, error) && !error;
}

// Like MoveFileW, an existing target is not overwritten.
bool StdFileSystem::Rename(std::string_view from, std::string_view to) {
    std::error_code error;
    const fs::path source = PathOf(from);
    const fs::path target = PathOf(to);
    if (!fs::exists(source, error) || fs::exists(target, error))
        return false;
    fs::rename(source, target, error);
    return !error;
}

// Like DeleteFileW, a read-only file stays.
bool StdFileSystem::DeleteFile(std::string_view path) {
    std::error_code error;
    const fs::path target = PathOf(path);
    const fs::file_status status = fs::symlink_status(target, error);
    if (error || !fs::exists(status) || fs::is_directory(status) || IsReadOnly(status))
        return false;
    return fs::remove(target, error) && !error;
}

std::optional<std::string> StdFileSystem::ReadFile(std::string_view path) {
    const fs::path source = PathOf(path);
    std::error_code error;
    if (!fs::is_regular_file(source, error))
        return std::nullopt;
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Read in blocks of the size the file has, which it is read in at once unless it grew meanwhile;
    // a character at a time through the stream buffer took longer than reading the records themselves.
    const uintmax_t expected = fs::file_size(source, error);
    std::string content;
    size_t block = error || expected == 0 ? size_t{64} * 1024 : static_cast<size_t>(expected) + 1;
    while (in) {
        const size_t used = content.size();
        content.resize(used + block);
        in.read(content.data() + used, static_cast<std::streamsize>(block));
        content.resize(used + static_cast<size_t>(in.gcount()));
        block = std::max(block, size_t{64} * 1024);
    }
    if (in.bad())
        return std::nullopt;
    return content;
}

// The content reaches the disk in a temporary file beside the target, which then takes the target's place in
// one rename; a failure on the way leaves the target as it was and removes the temporary file.
bool StdFileSystem::ReplaceFileAtomically(std::string_view path, std::string_view content) {
    const fs::path target = PathOf(path);
    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    if (fs::exists(existing) && (fs::is_directory(existing) || IsReadOnly(existing)))
        return false;

    fs::path temporary;
    UniqueFile file;
    // Each attempt draws a new random name, so leftovers of earlier saves cannot use up the names.
    for (int attempt = 0; attempt < 16 && !file; ++attempt) {
        temporary = PathOf(TemporaryFileName(path, ProcessId(), RandomPart()));
        // "x": the file must be new, so that another file of that name is never overwritten.
        file.reset(std::fopen(temporary.string().c_str(), "wbx"));
    }
    if (!file)
        return false;
    const bool written =
        (content.empty() || std::fwrite(content.data(), 1, content.size(), file.get()) == content.size()) &&
        FlushToDisk(file.get());
    const bool closed = std::fclose(file.release()) == 0;
    if (written && closed) {
        fs::rename(temporary, target, error);
        if (!error)
            return true;
    }
    fs::remove(temporary, error);
    return false;
}

std::optional<FileTime> StdFileSystem::ModifiedTime(std::string_view path) {
    std::error_code error;
    const fs::file_time_type written = fs::last_write_time(PathOf(path), error);
    if (error)
        return std::nullopt;
    // The file clock's epoch differs from the system clock's; both are taken now to carry the difference.
    const auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        written - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
#if defined(_WIN32)
    if (localtime_s(&local, &seconds) != 0)
        return std::nullopt;
#else
    if (localtime_r(&seconds, &local) == nullptr)
        return std::nullopt;
#endif
    return FileTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace krv
