#include "organized/modUninstall.h"

#include <charconv>
#include <string>
#include <vector>

#include "organized/modShortcuts.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

constexpr std::string_view kTitle = "Karvello Removal";
constexpr std::string_view kExitCommand = "/EXIT";

// A path that starts at a drive root or on a network share, never at the current folder.
bool IsAbsolutePath(std::string_view path) {
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    const bool onDrive = path.size() >= 3 && isLetter(path[0]) && path[1] == ':' && path[2] == '\\';
    return onDrive || path.starts_with("\\\\");
}

// Asks the running Karvello to exit. False when the user would not let it close, which ends the uninstall.
bool CloseRunningKarvello(clsRegHandler& registry, IMessageBox& messageBox, IUninstallHost& host,
                          std::string_view windowText) {
    const auto handle = ParseWindowHandle(windowText);
    if (!handle || !host.WindowExists(*handle))
        return true;
    const MessageAnswer answer = messageBox.Show(
        "Do you want to close Karvello application so the uninstallation process can proceed?", kTitle,
        MessageButtons::YesNoCancel, MessageIcon::Question);
    if (answer != MessageAnswer::Yes) {
        messageBox.Show("Please close Karvello before continuing with the uninstallation!", kTitle,
                        MessageButtons::Ok, MessageIcon::Critical);
        return false;
    }
    registry.SetKeyValue(RegistryRoot::CurrentUser, REG_KEY_PROGRAM, REG_VALUE_TRANSFER, kExitCommand);
    host.PostHandOverMessage(*handle);
    return true;
}

// The recorded Organized Folders directories that exist, in the order Desktop, Send To, Favorites.
std::vector<std::string> RecordedDirectories(clsRegHandler& registry, IFileSystem& fileSystem) {
    std::vector<std::string> directories;
    for (const OrganizedFoldersLocation location : kOrganizedFoldersLocations) {
        std::string path;
        if (registry.GetKeyValue(RegistryRoot::CurrentUser, REG_KEY_SETTINGS,
                                 OrganizedFoldersRegistryValue(location), path) &&
            IsOrganizedFoldersPath(path) && fileSystem.FolderExists(path))
            directories.push_back(path);
    }
    return directories;
}

} // namespace

std::optional<int64_t> ParseWindowHandle(std::string_view text) {
    int64_t handle = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, handle);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return handle;
}

bool IsOrganizedFoldersPath(std::string_view path) {
    const size_t slash = path.rfind('\\');
    return IsAbsolutePath(path) && slash != std::string_view::npos &&
           path.substr(slash + 1) == kOrganizedFoldersDirectoryName;
}

void RunUninstall(clsRegHandler& registry, IFileSystem& fileSystem, IMessageBox& messageBox,
                  IUninstallHost& host) {
    if (!host.HasWindowsDirectory())
        return;
    // Installers often store the command as an expandable text ("%ProgramFiles%\..."), which is started
    // with its references replaced.
    std::string uninstallCommand;
    if (!registry.GetKeyValueExpanded(
            RegistryRoot::CurrentUser, REG_KEY_SETTINGS, REG_VALUE_UNINSTALL_STRING,
            [&host](std::string_view text) { return host.ExpandEnvironment(text); }, uninstallCommand))
        return;
    std::string windowText;
    if (!registry.GetKeyValue(RegistryRoot::CurrentUser, REG_KEY_PROGRAM, REG_VALUE_HWND, windowText))
        return;
    if (!CloseRunningKarvello(registry, messageBox, host, windowText))
        return;

    const std::vector<std::string> directories = RecordedDirectories(registry, fileSystem);
    if (!directories.empty() &&
        messageBox.Show(
            "Do you want to delete directories with Organized Folders shortcuts from Desktop, Send To "
            "and Favorites?",
            kTitle, MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes) {
        for (const std::string& directory : directories)
            DeleteFolderTree(fileSystem, directory);
    }
    host.StartCommand(uninstallCommand);
}

} // namespace krv
