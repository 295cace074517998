#pragma once
// Where the program keeps its state in the registry: every key and value name, in one place.

namespace krv {

// Under HKEY_CURRENT_USER.
inline constexpr const char* REG_KEY_PROGRAM = "Software\\Tessary\\Karvello";
inline constexpr const char* REG_KEY_SETTINGS = "Software\\Tessary\\Karvello\\Settings";
inline constexpr const char* REG_KEY_RUN = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Values of REG_KEY_PROGRAM.
inline constexpr const char* REG_VALUE_HWND = "HWND";
inline constexpr const char* REG_VALUE_TRANSFER = "TRANSFER";

// Values of REG_KEY_SETTINGS (the option values are named by modOptions).
inline constexpr const char* REG_VALUE_CONFIG_FILE = "ConfigFile";
inline constexpr const char* REG_VALUE_TIP = "TIP";
inline constexpr const char* REG_VALUE_DIR_DESKTOP = "DirDesktop";
inline constexpr const char* REG_VALUE_DIR_SEND_TO = "DirSendTo";
inline constexpr const char* REG_VALUE_DIR_FAVORITES = "DirFavorites";
inline constexpr const char* REG_VALUE_UNINSTALL_STRING = "UninstallString";

// The start-up entry, a value of REG_KEY_RUN.
inline constexpr const char* REG_VALUE_RUN_KARVELLO = "Karvello";

} // namespace krv
