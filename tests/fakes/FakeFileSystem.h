#pragma once
// An in-memory file system for unit tests, with the rules of Windows that the program meets: paths compare
// without regard to case, "/" and "\" both separate, a folder is created only inside an existing one,
// read-only files cannot be deleted or replaced, and a folder lists its entries in the order they were made.
//
// Set-up helpers (AddFolder, AddFile) create missing parents, drive roots included; the IFileSystem
// operations behave like their Win32 counterparts and create nothing implicitly.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace krv {

class FakeFileSystem final : public IFileSystem {
public:
    // --- IFileSystem
    std::optional<uint32_t> GetAttributes(std::string_view path) override;
    bool SetAttributes(std::string_view path, uint32_t attributes) override;
    std::vector<DirectoryEntry> ListFolder(std::string_view folder) override;
    bool CreateFolder(std::string_view path) override;
    bool RemoveFolder(std::string_view path) override;
    bool Rename(std::string_view from, std::string_view to) override;
    bool DeleteFile(std::string_view path) override;
    std::optional<std::string> ReadFile(std::string_view path) override;
    bool ReplaceFileAtomically(std::string_view path, std::string_view content) override;
    // The time of the clock below when the file was last made or replaced.
    std::optional<FileTime> ModifiedTime(std::string_view path) override;

    // The process id that the fake's temporary names carry.
    static constexpr uint32_t kFakeProcessId = 4242;
    // Files made or replaced from now on carry this modification time.
    void SetClock(FileTime now) { clock_ = now; }

    // --- Set-up and inspection helpers (not subject to injected failures).

    // Creates the folder and any missing parents.
    void AddFolder(std::string_view path);
    // Creates or overwrites a file (and any missing parent folders).
    void AddFile(std::string_view path, std::string_view content, uint32_t attributes = FILE_ATTR_ARCHIVE);
    bool Exists(std::string_view path) const;
    // The content of a file; nullopt for a folder or a missing path.
    std::optional<std::string> Content(std::string_view path) const;
    // Every path held, as spelt when made, in the order of making (useful to look for stray temporary files).
    std::vector<std::string> AllPaths() const;

    // --- Failure injection.

    // Every later ReplaceFileAtomically writes this many bytes of its content into its temporary file and
    // then fails, as a full disk would; nullopt turns it off.
    void FailReplaceAfterBytes(std::optional<size_t> bytes) { replaceFailsAfter_ = bytes; }
    // ReadFile of this path fails although the file exists (a locked or unreadable file).
    void FailReadOf(std::string_view path);
    // Every changing operation (create, remove, rename, delete, set attributes, replace) on this path fails.
    void Lock(std::string_view path);

    // Number of successful ReplaceFileAtomically calls.
    int ReplaceCount() const { return replaceCount_; }
    // The temporary paths ReplaceFileAtomically used, in order.
    const std::vector<std::string>& TemporaryPaths() const { return temporaryPaths_; }

private:
    struct Entry {
        std::string path; // as spelt when made
        bool folder = false;
        uint32_t attributes = 0;
        std::string content;
        uint64_t order = 0;
        FileTime modified;
    };

    static std::string Normalize(std::string_view path);
    static std::string Key(std::string_view path);
    static std::string ParentOf(const std::string& normalized);
    static std::string NameOf(const std::string& normalized);
    Entry* Find(std::string_view path);
    const Entry* Find(std::string_view path) const;
    bool ParentFolderExists(const std::string& normalized) const;
    bool IsLocked(std::string_view path) const;
    bool HasChildren(const std::string& key) const;
    Entry& Make(const std::string& normalized, bool folder);

    std::map<std::string, Entry> entries_; // by folded normalized path
    std::set<std::string> unreadable_;
    std::set<std::string> locked_;
    std::optional<size_t> replaceFailsAfter_;
    std::vector<std::string> temporaryPaths_;
    uint64_t nextOrder_ = 0;
    int replaceCount_ = 0;
    int temporaryCounter_ = 0;
    FileTime clock_{2026, 12, 9, 10, 0, 0};
};

} // namespace krv
