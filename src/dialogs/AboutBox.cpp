#include "dialogs/AboutBox.h"

#include <cstdio>

namespace krv {
namespace {

constexpr const char* kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kMsInfoPathValue = "PATH";
constexpr const char* kSharedToolsKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kSharedToolsMsInfoValue = "MSINFO";
constexpr const char* kMsInfoProgram = "\\MSINFO32.EXE";

std::string HexText(uint32_t number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "&h%X", static_cast<unsigned>(number));
    return buffer;
}

} // namespace

std::string AboutTitle(int major, int minor, int revision) {
    return "Tessary\u00ae Karvello\u00ae (" + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision) + ")";
}

bool AboutGetKeyValue(IRegistry& registry, RegistryRoot root, std::string_view keyPath,
                      std::string_view valueName, std::string& text) {
    const auto value = registry.QueryValue(root, keyPath, valueName);
    if (!value)
        return false;
    switch (value->type) {
    case RegistryValueType::String:
    case RegistryValueType::ExpandString:
        text = DecodeRegistryString(value->data);
        break;
    case RegistryValueType::DWord:
        text = HexText(DecodeRegistryDWord(value->data));
        break;
    default:
        break;
    }
    return true;
}

std::optional<std::string> FindSystemInformationProgram(IRegistry& registry, IFileSystem& files) {
    // An empty path names no program, so it counts as a failed read and the second place is tried.
    std::string path;
    if (AboutGetKeyValue(registry, RegistryRoot::LocalMachine, kMsInfoKey, kMsInfoPathValue, path) &&
        !path.empty())
        return path;
    std::string folder;
    if (AboutGetKeyValue(registry, RegistryRoot::LocalMachine, kSharedToolsKey, kSharedToolsMsInfoValue,
                         folder) &&
        !folder.empty()) {
        const std::string program = folder + kMsInfoProgram;
        if (files.FileExists(program))
            return program;
    }
    return std::nullopt;
}

void StartSysInfo(IRegistry& registry, IFileSystem& files, IMessageBox& messageBox,
                  const std::function<void(const std::string& program)>& startProgram) {
    if (const auto program = FindSystemInformationProgram(registry, files))
        startProgram(*program);
    else
        messageBox.Show(SYSINFO_UNAVAILABLE, "Karvello", MessageButtons::Ok, MessageIcon::Exclamation);
}

} // namespace krv
