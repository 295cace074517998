#pragma once
// Drives and Windows folders from the system, asked so that no drive can hold up the caller.

#include "platform/SystemInfo.h"

namespace krv {

class Win32SystemInfo final : public ISystemInfo {
public:
    std::vector<char> DriveLetters() override;
    int32_t DriveType(std::string_view root) override;
    std::string VolumeLabel(std::string_view root) override;
    std::string NetworkConnection(std::string_view drive) override;
    std::string WindowsFolder() override;
    std::string SystemFolder() override;
    std::string ExpandEnvironment(std::string_view text) override;
};

} // namespace krv
