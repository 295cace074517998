#pragma once
// FakeSystemInfo: drives and Windows folders in memory, counting the volume queries each root received.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/SystemInfo.h"

namespace krv {

class FakeSystemInfo final : public ISystemInfo {
public:
    struct Drive {
        char Letter = 'C';     // upper case
        int32_t Type = 3;      // DriveTypeCode
        std::string Label{};   // the volume label (ignored for a drive without medium)
        std::string Share{};   // the share of a network drive
        bool HasMedium = true; // false for an empty floppy or CD drive
    };

    void AddDrive(const Drive& drive);
    void RemoveDrive(char letter);
    Drive* FindDrive(char letter);

    std::vector<char> DriveLetters() override;
    int32_t DriveType(std::string_view root) override;
    std::string VolumeLabel(std::string_view root) override;
    std::string NetworkConnection(std::string_view drive) override;
    std::string WindowsFolder() override { return windowsFolder; }
    std::string SystemFolder() override { return systemFolder; }
    // Replaces %NAME% by environment[NAME] (exact names); unknown names stay as they are.
    std::string ExpandEnvironment(std::string_view text) override;

    // Number of VolumeLabel calls per drive letter (upper case).
    int VolumeQueries(char letter) const;

    std::string windowsFolder = "C:\\WINDOWS";
    std::string systemFolder = "C:\\WINDOWS\\system32";
    std::map<std::string, std::string> environment;

private:
    std::map<char, Drive> drives_; // ordered by letter, as the system lists them
    std::map<char, int> volumeQueries_;
};

} // namespace krv
