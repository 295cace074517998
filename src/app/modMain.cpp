#include "app/modMain.h"

#include "organized/modUninstall.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

constexpr std::string_view kInvalidChars = "\\/:*?\"<>|";

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The root of a drive reference ("D", "D:", "D:\", "\\server\share", "\\server\share\"); nullopt for any
// other text, which the drive test then does not apply to.
std::optional<std::string> DriveRoot(std::string_view drive) {
    if (!drive.empty() && IsLetter(drive[0]) &&
        (drive.size() == 1 || (drive[1] == ':' && (drive.size() == 2 || (drive.size() == 3 && drive[2] == '\\')))))
        return std::string(1, drive[0]) + ":\\";
    if (drive.starts_with("\\\\")) {
        std::string_view rest = drive.substr(2);
        if (rest.ends_with('\\'))
            rest.remove_suffix(1);
        const size_t slash = rest.find('\\');
        if (slash != std::string_view::npos && slash > 0 && slash + 1 < rest.size() &&
            rest.find('\\', slash + 1) == std::string_view::npos)
            return std::string(drive.substr(0, 2 + rest.size())) + "\\";
    }
    return std::nullopt;
}

} // namespace

bool PathExists(IFileSystem& fileSystem, ISystemInfo& system, std::string_view path) {
    if (fileSystem.FolderExists(path))
        return true;
    const auto root = DriveRoot(path);
    if (!root)
        return false;
    // GetDriveType's answers for no drive at all: unknown (0) and no root directory (1).
    const int32_t type = system.DriveType(*root);
    return type > 1;
}

bool FileExists(IFileSystem& fileSystem, std::string_view path) {
    return fileSystem.FileExists(path);
}

bool IsReadOnlyFile(IFileSystem& fileSystem, std::string_view path) {
    const auto attributes = fileSystem.GetAttributes(path);
    return attributes && (*attributes & FILE_ATTR_READONLY);
}

std::string ReplaceInvalidChars(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (kInvalidChars.find(c) != std::string_view::npos)
            c = '-';
    return result;
}

std::string GetFileNamePart(std::string_view path) {
    const size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        return std::string(path);
    if (slash + 1 == path.size())
        return std::string(path.substr(0, 1));
    return std::string(path.substr(slash + 1));
}

std::string GetParentFolder(std::string_view path) {
    const size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos)
        return std::string(path);
    std::string parent(path.substr(0, slash));
    if (parent.ends_with(':'))
        parent += '\\';
    return parent;
}

void SplitPath(std::string_view path, std::string& name, std::string& folder) {
    if (path.find('\\') == std::string_view::npos) {
        name = std::string(path);
        folder.clear();
        return;
    }
    name = GetFileNamePart(path);
    folder = GetParentFolder(path);
}

bool MoveToRecycleBin(IShell& shell, std::string_view path) {
    return shell.MoveToRecycleBin(path);
}

WindowsVersionTraits DetectWindowsVersion(const std::optional<WindowsVersion>& version) {
    if (!version)
        return {.IsOldWindows = true, .MenuSelectedState = 1};
    if (version->major >= 5)
        return {.IsOldWindows = false, .MenuSelectedState = 257};
    if (version->major == 4 && version->minor == 0)
        return {.IsOldWindows = version->platformId == 1, .MenuSelectedState = 1};
    return {.IsOldWindows = true, .MenuSelectedState = 1};
}

ProgramPaths ComputeProgramPaths(std::string_view windowsDirectory, std::string_view executablePath) {
    ProgramPaths paths;
    paths.ExplorerPath = std::string(windowsDirectory) + "\\EXPLORER.EXE";
    const size_t slash = executablePath.rfind('\\');
    std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : executablePath.substr(0, slash);
    std::string_view fileName =
        slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
    // A program in a drive's root still gets a folder without the trailing backslash, so that every path
    // built as folder + "\" + name is well formed.
    while (folder.ends_with('\\'))
        folder.remove_suffix(1);
    const size_t dot = fileName.rfind('.');
    const std::string_view baseName = dot == std::string_view::npos ? fileName : fileName.substr(0, dot);
    paths.ApplicationPath = std::string(folder);
    paths.QuotedExePath = "\"" + paths.ApplicationPath + "\\" + std::string(baseName) + ".exe\"";
    paths.HelpFilePath = paths.ApplicationPath + "\\Karvello.chm";
    return paths;
}

std::string CommandLineArguments(std::string_view commandLine) {
    size_t i = 0;
    while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t'))
        ++i;
    if (i < commandLine.size() && commandLine[i] == '"') {
        const size_t close = commandLine.find('"', i + 1);
        i = close == std::string_view::npos ? commandLine.size() : close + 1;
    }
    while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t')
        ++i;
    while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t'))
        ++i;
    return std::string(commandLine.substr(i));
}

ResidentCommand ParseCommand(std::string_view command) {
    constexpr std::string_view kAdd = "/ADD ";
    constexpr std::string_view kOpen = "/OPEN ";
    if (command.empty())
        return {};
    if (command == EXIT_COMMAND)
        return {.kind = CommandKind::Exit, .argument = {}};
    if (command.starts_with(kAdd))
        return {.kind = CommandKind::Add, .argument = std::string(command.substr(kAdd.size()))};
    if (command.starts_with(kOpen))
        return {.kind = CommandKind::Open, .argument = std::string(command.substr(kOpen.size()))};
    return {.kind = CommandKind::Other, .argument = {}};
}

std::string ReadTransferCommand(clsRegHandler& registry) {
    std::string command;
    if (!registry.GetKeyValue(RegistryRoot::CurrentUser, REG_KEY_PROGRAM, REG_VALUE_TRANSFER, command))
        return {};
    return command;
}

void NotifyRunningInstance(clsRegHandler& registry, std::string_view arguments,
                           const std::function<void(int64_t window)>& postMessage) {
    std::string windowText;
    if (!registry.GetKeyValue(RegistryRoot::CurrentUser, REG_KEY_PROGRAM, REG_VALUE_HWND, windowText))
        return;
    registry.SetKeyValue(RegistryRoot::CurrentUser, REG_KEY_PROGRAM, REG_VALUE_TRANSFER, arguments);
    if (const auto window = ParseWindowHandle(windowText))
        postMessage(*window);
}

} // namespace krv
