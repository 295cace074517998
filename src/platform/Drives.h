#pragma once
// The type of a drive, as Windows reports it for a root path.

#include <string_view>

namespace krv {

// What DriveType answers besides the drive types of DriveTypeCode (model/MenuVocabulary.h).
inline constexpr int DRIVE_TYPE_UNKNOWN = 0;
inline constexpr int DRIVE_TYPE_NO_ROOT = 1; // no such drive

class IDriveQuery {
public:
    virtual ~IDriveQuery() = default;
    // The type of the drive whose root is given ("D:\", "\\server\share\"); a drive without a medium still
    // has its type.
    virtual int DriveType(std::string_view root) = 0;
};

} // namespace krv
