#pragma once
// Files and folders of Windows through the W functions.

#include "platform/FileSystem.h"

namespace krv {

class Win32FileSystem final : public IFileSystem {
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
