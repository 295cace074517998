#pragma once
// The fixed vocabulary of the folder tree: item types, open types, fixed names, markers and icon numbers.

namespace krv {

// Item types (clsMenuItem::ItemType) and open types (clsMenuItem::OpenType).
inline constexpr const char* MIT_PATH = "MIT_PATH";
inline constexpr const char* MIT_PATH_SHORTCUT = "MIT_PATH_SHORTCUT";
inline constexpr const char* MIT_PATH_EXPLORER = "MIT_PATH_EXPLORER";
inline constexpr const char* MIT_OPENALL = "MIT_OPENALL";
inline constexpr const char* MIT_GROUP_GENERAL = "MIT_GROUP_GENERAL";
inline constexpr const char* MIT_DRIVE = "MIT_DRIVE";

// Fixed names (and, for some, item types and file section tags).
inline constexpr const char* MIT_GROUP_USER = "MIT_GROUP_USER";
inline constexpr const char* MIT_PATHS_DRIVES = "MIT_PATHS_DRIVES";
inline constexpr const char* MIT_HF_DRIVES_SEP = "MIT_HF_DRIVES_SEP";
inline constexpr const char* MIT_PATHS_SYSTEM = "MIT_PATHS_SYSTEM";
inline constexpr const char* MIT_PATHS_SYSTEM_W = "MIT_PATHS_SYSTEM_W";
inline constexpr const char* MIT_PATHS_SYSTEM_P = "MIT_PATHS_SYSTEM_P";
inline constexpr const char* MIT_PATHS_SYSTEM_PSM = "MIT_PATHS_SYSTEM_PSM";
inline constexpr const char* MIT_PATHS_SYSTEM_A = "MIT_PATHS_SYSTEM_A";
inline constexpr const char* MIT_PATHS_SYSTEM_ASM = "MIT_PATHS_SYSTEM_ASM";
inline constexpr const char* MIT_HF_ORGANIZE = "MIT_HF_ORGANIZE";
inline constexpr const char* MIT_HF_SETTINGS = "MIT_HF_SETTINGS";
inline constexpr const char* MIT_HF_HELP = "MIT_HF_HELP";
inline constexpr const char* MIT_HF_HELP_SEP = "MIT_HF_HELP_SEP";
inline constexpr const char* MIT_HF_ROOT = "MIT_HF_ROOT";
inline constexpr const char* MIT_FL = "MIT_FL";

// OwnerName of a top-level item.
inline constexpr const char* TOP_LEVEL_OWNER = "-1";

// Remark of items the program makes itself.
inline constexpr const char* REMARK_AUTO = "REMARK_AUTO";

// Indexes into the program's table of 13 menu icons (slot 0 holds a copy of slot 1).
enum IconIndex : int {
    ICON_ROOT = 1,
    ICON_GROUP = 2,
    ICON_FOLDER_SHORTCUT = 3,
    ICON_EXPLORER_SHORTCUT = 4,
    ICON_OPTIONS = 5,
    ICON_HELP = 6,
    ICON_ORGANIZE = 7,
    ICON_FLOPPY = 8,
    ICON_FIXED_DISK = 9,
    ICON_REMOTE_DISK = 10,
    ICON_CDROM = 11,
    ICON_OPENALL = 12,
    ICON_COUNT = 13,
};

// Windows drive types as GetDriveType reports them.
enum DriveTypeCode : int {
    DRIVE_TYPE_REMOVABLE = 2,
    DRIVE_TYPE_FIXED = 3,
    DRIVE_TYPE_REMOTE = 4,
    DRIVE_TYPE_CDROM = 5,
};

} // namespace krv
