#pragma once
// clsDrive: one drive as the Drives group was last filled, so that a changed set of drives can be noticed.

#include <cstdint>
#include <string>

namespace krv {

struct clsDrive {
    std::string Name{};    // the drive's menu caption, e.g. "SYSTEM (C:)"
    int32_t DriveType = 0; // DriveTypeCode

    bool operator==(const clsDrive&) const = default;
};

} // namespace krv
