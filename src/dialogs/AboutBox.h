#pragma once
// The decisions of the About box: its texts and how it finds the System Information program.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Registry.h"

namespace krv {

inline constexpr const char* ABOUT_CAPTION = "About Karvello";
inline constexpr const char* SYSINFO_UNAVAILABLE = "System Information is unavailable at this time.";
inline constexpr const char* TECH_SUPPORT_ADDRESS = "https://www.tessary.com/karvello/support";
// The maker's two notices.
inline constexpr const char* ABOUT_COPYRIGHT_NOTICE =
    "Copyright \u00a9 2026 Tessary. All rights reserved. Tessary and Karvello are registered trademarks of "
    "Tessary.";
inline constexpr const char* ABOUT_WARNING_NOTICE =
    "Warning: this computer program is protected by copyright law and international treaties. Unauthorized "
    "reproduction or distribution of this program, or any portion of it, may result in severe civil and "
    "criminal penalties.";

// "Tessary® Karvello® (" major.minor.revision ")".
std::string AboutTitle(int major, int minor, int revision);

// The About box's own registry read: a string value as its text, a 32-bit number as hexadecimal text with
// the prefix "&h". False when the key or the value cannot be read.
bool AboutGetKeyValue(IRegistry& registry, RegistryRoot root, std::string_view keyPath,
                      std::string_view valueName, std::string& text);

// The System Information program the system names, or nothing when it names none that can be started.
std::optional<std::string> FindSystemInformationProgram(IRegistry& registry, IFileSystem& files);

// Starts the System Information program through startProgram, or tells the user that there is none.
void StartSysInfo(IRegistry& registry, IFileSystem& files, IMessageBox& messageBox,
                  const std::function<void(const std::string& program)>& startProgram);

} // namespace krv
