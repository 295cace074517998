#pragma once
// Files and folders as the portable code sees them. Paths are Windows paths (backslashes) in UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

// File attribute bits with the values Windows gives them.
enum FileAttribute : uint32_t {
    FILE_ATTR_READONLY = 0x1,
    FILE_ATTR_HIDDEN = 0x2,
    FILE_ATTR_SYSTEM = 0x4,
    FILE_ATTR_DIRECTORY = 0x10,
    FILE_ATTR_ARCHIVE = 0x20,
    FILE_ATTR_NORMAL = 0x80,
    FILE_ATTR_REPARSE_POINT = 0x400,
    FILE_ATTR_COMPRESSED = 0x800,
};

// The folder part of a Windows path: the text before its last backslash, empty when it has none.
inline std::string_view FolderOfPath(std::string_view path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash);
}

// Temporary files of a save stand beside their target and are named after it: the target's name, ".~krv",
// the id of the saving process, "_", a random part in hexadecimal, and ".tmp". The process id and the random
// part keep two saves (or a save and the leftover of a killed one) from ever choosing the same name.
std::string TemporaryFileName(std::string_view targetPath, uint32_t processId, uint64_t randomPart);
// True when entryName (a name without folder) is such a temporary file of the file named targetName,
// including the "NAME.~krvN.tmp" names of earlier versions; names compare without regard to case.
bool IsTemporaryFileOf(std::string_view entryName, std::string_view targetName);

// A local date-time of a file, to the second.
struct FileTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

struct DirectoryEntry {
    std::string name;    // the entry's own name, without its folder
    uint32_t attributes; // FileAttribute bits
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;

    // Attributes of a file or folder; nullopt when it does not exist.
    virtual std::optional<uint32_t> GetAttributes(std::string_view path) = 0;
    virtual bool SetAttributes(std::string_view path, uint32_t attributes) = 0;
    bool FolderExists(std::string_view path) {
        auto attributes = GetAttributes(path);
        return attributes && (*attributes & FILE_ATTR_DIRECTORY);
    }
    bool FileExists(std::string_view path) {
        auto attributes = GetAttributes(path);
        return attributes && !(*attributes & FILE_ATTR_DIRECTORY);
    }

    // The entries of a folder ("." and ".." left out) in the order the system lists them.
    virtual std::vector<DirectoryEntry> ListFolder(std::string_view folder) = 0;

    virtual bool CreateFolder(std::string_view path) = 0;
    // Removes an empty folder.
    virtual bool RemoveFolder(std::string_view path) = 0;
    virtual bool Rename(std::string_view from, std::string_view to) = 0;
    virtual bool DeleteFile(std::string_view path) = 0;

    // The whole content of a file; nullopt when it cannot be read.
    virtual std::optional<std::string> ReadFile(std::string_view path) = 0;
    // Writes content to a temporary file in the same folder, flushes it and puts it in place of path in one
    // step. On any failure the previous file stays as it was and the result is false.
    virtual bool ReplaceFileAtomically(std::string_view path, std::string_view content) = 0;
    // When the file was last written, in local time; nullopt when that cannot be told.
    virtual std::optional<FileTime> ModifiedTime(std::string_view path) {
        (void)path;
        return std::nullopt;
    }
};

// Deletes the temporary files that earlier saves of targetPath left behind (a save that was killed, a disk
// that filled up). Other files of the folder stay, whatever their names.
void RemoveStaleTemporaries(IFileSystem& files, std::string_view targetPath);

} // namespace krv
