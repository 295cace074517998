#pragma once
// What the properties dialogs show of a file or folder beyond its attributes: its short (8.3) name, size and
// times, as the file system reports them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/DateTime.h"

namespace krv {

struct FileDetails {
    std::string ShortName; // the 8.3 name of the entry itself, without its folder
    uint64_t Size = 0;     // bytes; 0 for a folder
    DateTime Created;      // local times
    DateTime Modified;
    DateTime Accessed;
    uint32_t Attributes = 0; // FileAttribute bits
};

class IFileDetails {
public:
    virtual ~IFileDetails() = default;
    // The details of an existing file or folder; nullopt when it does not exist or cannot be read.
    virtual std::optional<FileDetails> GetDetails(std::string_view path) = 0;
};

} // namespace krv
