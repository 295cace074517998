#pragma once
// modSetupDrives: the generated Drives group, one entry per drive of the computer.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "groups/clsDrive.h"

namespace krv {

class clsMenuCollection;
class IMenuHost;
class ISystemInfo;

// One entry of the system's drive list split into its parts: "c: [SYSTEM]" gives "c:" and "SYSTEM".
struct DriveListEntry {
    std::string DrivePart; // the text before the first blank: the drive letter and colon
    std::string Label;     // the bracketed text after the blank without its brackets; empty without a blank
    bool HasLabel = false; // the entry has a blank (a label or, for a network drive, its share)
};
DriveListEntry SplitDriveListEntry(std::string_view entry);

// The system's drive list as a drive-list control shows it: one entry per drive in letter order, the letter in
// lower case with a colon, followed for a drive that has one by a blank and in square brackets the volume
// label ("c: [SYSTEM]") or, for a network drive, the share it is connected to ("z: [\\server\docs]").
// Neither a floppy drive nor a network drive is asked for its volume, so reading the list never waits on one.
std::vector<std::string> ReadDriveList(ISystemInfo& system);

struct DriveCaption {
    std::string Caption;   // "SYSTEM (C:)", "3.5-Inch Floppy Disk (A:)", "Compact Disc (D:)", "E:"
    std::string Root;      // the drive part and a backslash: "c:\"
    int32_t DriveType = 0; // DriveTypeCode
};
DriveCaption FormatDriveCaption(ISystemInfo& system, std::string_view entry);

// The volume label of a root, empty when it has none or the drive holds no medium.
std::string GetVolumeLabel(ISystemInfo& system, std::string_view root);

// Adds the group "MIT_PATHS_DRIVES" before the separator "MIT_HF_DRIVES_SEP".
void AddDrivesGroup(clsMenuCollection& collection);
// Adds the group when missing and one entry per drive, in the order of the system's list; driveList is
// replaced by the drives added, the baseline for DrivesChanged.
void AddDrives(clsMenuCollection& collection, ISystemInfo& system, std::vector<clsDrive>& driveList);
// Removes the group and its drives; with a menu host their menu entries are deleted first.
void RemoveDrives(clsMenuCollection& collection, IMenuHost* alsoFromMenu);
// True when the system's drives differ in number, caption or type from those the group was filled with.
bool DrivesChanged(ISystemInfo& system, const std::vector<clsDrive>& driveList);

} // namespace krv
