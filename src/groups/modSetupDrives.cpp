#include "groups/modSetupDrives.h"

#include "menu/MenuEntryRemoval.h"
#include "model/clsMenuCollection.h"
#include "platform/MenuHost.h"
#include "platform/SystemInfo.h"
#include "platform/Text.h"

namespace krv {

namespace {

constexpr const char* kDrivesCaption = "Drives";
constexpr const char* kFloppyCaption = "3.5-Inch Floppy Disk";
constexpr const char* kCompactDiscCaption = "Compact Disc";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Drives A: and B: are floppy drives; asking one for its volume spins it up, or waits for a disk.
bool IsFloppyLetter(char letter) {
    return letter == 'A' || letter == 'B';
}

std::string WithDriveInBrackets(std::string_view text, std::string_view drivePart) {
    std::string caption(text);
    caption += " (";
    caption += Utf8ToUpper(drivePart);
    caption += ")";
    return caption;
}

} // namespace

DriveListEntry SplitDriveListEntry(std::string_view entry) {
    DriveListEntry parts;
    const auto blank = entry.find(' ');
    if (blank == std::string_view::npos) {
        parts.DrivePart = std::string(entry);
        return parts;
    }
    parts.DrivePart = std::string(entry.substr(0, blank));
    parts.HasLabel = true;
    const std::string_view bracketed = entry.substr(blank + 1);
    if (bracketed.size() >= 2) {
        parts.Label = std::string(bracketed.substr(1, bracketed.size() - 2));
    }
    return parts;
}

std::vector<std::string> ReadDriveList(ISystemInfo& system) {
    std::vector<std::string> entries;
    for (const char letter : system.DriveLetters()) {
        std::string drivePart{static_cast<char>(letter - 'A' + 'a'), ':'};
        const std::string root = drivePart + "\\";
        std::string label;
        switch (system.DriveType(root)) {
        case DRIVE_TYPE_REMOTE:
            label = system.NetworkConnection(drivePart);
            break;
        case DRIVE_TYPE_REMOVABLE:
            if (!IsFloppyLetter(letter)) {
                label = system.VolumeLabel(root);
            }
            break;
        default:
            label = system.VolumeLabel(root);
            break;
        }
        entries.push_back(label.empty() ? drivePart : drivePart + " [" + label + "]");
    }
    return entries;
}

std::string GetVolumeLabel(ISystemInfo& system, std::string_view root) {
    return system.VolumeLabel(root);
}

DriveCaption FormatDriveCaption(ISystemInfo& system, std::string_view entry) {
    const DriveListEntry parts = SplitDriveListEntry(entry);
    DriveCaption result;
    result.Root = parts.DrivePart + "\\";
    result.DriveType = system.DriveType(result.Root);
    if (parts.HasLabel) {
        result.Caption = WithDriveInBrackets(parts.Label, parts.DrivePart);
    } else if (result.DriveType == DRIVE_TYPE_REMOVABLE) {
        result.Caption = WithDriveInBrackets(kFloppyCaption, parts.DrivePart);
    } else if (result.DriveType == DRIVE_TYPE_CDROM) {
        const std::string label = GetVolumeLabel(system, result.Root);
        result.Caption = WithDriveInBrackets(label.empty() ? kCompactDiscCaption : label, parts.DrivePart);
    } else {
        result.Caption = Utf8ToUpper(parts.DrivePart);
    }
    return result;
}

void AddDrivesGroup(clsMenuCollection& collection) {
    clsMenuItem group;
    group.SetName(MIT_PATHS_DRIVES);
    group.SetCaption(kDrivesCaption);
    group.SetOwnerName(TOP_LEVEL_OWNER);
    // SubMenu makes any item a general group, so the group's own type is set after it.
    group.SetSubMenu(true);
    group.SetItemType(MIT_PATHS_DRIVES);
    group.SetRemark(REMARK_AUTO);
    collection.AddBefore(group, MIT_HF_DRIVES_SEP, false);
}

void AddDrives(clsMenuCollection& collection, ISystemInfo& system, std::vector<clsDrive>& driveList) {
    if (!collection.ItemExists(MIT_PATHS_DRIVES)) {
        AddDrivesGroup(collection);
    }
    driveList.clear();
    // Without the separator that places it the group is not added; drives without their group would be
    // top-level orphans.
    if (!collection.ItemExists(MIT_PATHS_DRIVES)) {
        return;
    }
    for (const std::string& entry : ReadDriveList(system)) {
        if (Trim(entry).empty()) {
            continue;
        }
        const DriveCaption drive = FormatDriveCaption(system, entry);
        collection.AddNewMenuItem({.Caption = drive.Caption,
                                   .OwnerName = MIT_PATHS_DRIVES,
                                   .FolderPath = drive.Root,
                                   .ItemType = MIT_DRIVE,
                                   .OpenType = MIT_PATH_EXPLORER,
                                   .DriveType = drive.DriveType,
                                   .Remark = REMARK_AUTO,
                                   .KeepCaptionCharacters = true,
                                   .KeyboardCode = -1});
        driveList.push_back({.Name = drive.Caption, .DriveType = drive.DriveType});
    }
}

void RemoveDrives(clsMenuCollection& collection, IMenuHost* alsoFromMenu) {
    if (collection.Count() == 0 || !collection.ItemExists(MIT_PATHS_DRIVES)) {
        return;
    }
    ItemNames names{MIT_PATHS_DRIVES};
    for (const clsMenuItem& item : collection) {
        if (item.OwnerName() == MIT_PATHS_DRIVES) {
            names.insert(item.Name());
        }
    }
    RemoveItemsAndEntries(collection, names, alsoFromMenu);
}

bool DrivesChanged(ISystemInfo& system, const std::vector<clsDrive>& driveList) {
    const std::vector<std::string> entries = ReadDriveList(system);
    if (entries.size() != driveList.size()) {
        return true;
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        const DriveCaption drive = FormatDriveCaption(system, entries[i]);
        if (drive.Caption != driveList[i].Name || drive.DriveType != driveList[i].DriveType) {
            return true;
        }
    }
    return false;
}

} // namespace krv
