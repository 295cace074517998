#pragma once
// The few facts about the computer that the generated groups need: its drives and the Windows folders.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

// None of these calls may wait on a drive: no "insert a disk" box, no network round trip.
class ISystemInfo {
public:
    virtual ~ISystemInfo() = default;

    // The letters of the drives present, upper case, in letter order.
    virtual std::vector<char> DriveLetters() = 0;
    // The Windows drive type of a root such as "c:\" (DriveTypeCode; 0 unknown, 1 no such root).
    virtual int32_t DriveType(std::string_view root) = 0;
    // The volume label of a local root; empty when it has none or cannot be read (an empty drive).
    virtual std::string VolumeLabel(std::string_view root) = 0;
    // The share a network drive such as "z:" is connected to ("\\server\share"), also for a remembered
    // connection that is offline; empty when there is none. Answered locally, never over the network.
    virtual std::string NetworkConnection(std::string_view drive) = 0;

    // The Windows folder and the Windows system folder, without a trailing backslash.
    virtual std::string WindowsFolder() = 0;
    virtual std::string SystemFolder() = 0;
    // Replaces %NAME% references by the values of the environment (registry texts of the expandable type).
    virtual std::string ExpandEnvironment(std::string_view text) = 0;
};

} // namespace krv
