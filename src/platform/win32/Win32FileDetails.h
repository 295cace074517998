#pragma once
// File details of Windows: attributes, size and times from the file system, the short name from the system.

#include "platform/FileDetails.h"

namespace krv {

class Win32FileDetails final : public IFileDetails {
public:
    std::optional<FileDetails> GetDetails(std::string_view path) override;
};

} // namespace krv
