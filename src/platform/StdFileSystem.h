#pragma once
// IFileSystem over the C++ standard library, for the portable tools (krvc) on systems other than Windows.
// Paths are taken as given, in UTF-8; attributes are reduced to what the standard library can tell: folder,
// and read-only for a file the owner may not write.

#include "platform/FileSystem.h"

namespace krv {

class StdFileSystem final : public IFileSystem {
public:
    std::optional<uint32_t> GetAttributes(std::string_view path) override;
    bool SetAttributes(std::string_view path, uint32_t attributes) override;
    std::vector<DirectoryEntry> ListFolder(std::string_view folder) override;
    bool CreateFolder(std::string_view path) override;
    bool RemoveFolder(std::string_view path) override;
    bool Rename(std::string_view from, std::string_view to) override;
    bool DeleteFile(std::string_view path) override;
    std::optional<std::string> ReadFile(std::string_view path) override;
    bool ReplaceFileAtomically(std::string_view path, std::string_view content) override;
    std::optional<FileTime> ModifiedTime(std::string_view path) override;
};

} // namespace krv
