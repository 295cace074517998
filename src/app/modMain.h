#pragma once
// modMain: the resident program's start-up decisions, the hand-over between processes, and the small path
// and file services that many modules call.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"

namespace krv {

class clsRegHandler;

// The registered window message that tells the resident instance to read its command.
inline constexpr const char* REGISTERED_MESSAGE_NAME = "!KARVELLO!REGMSG!";
// The only command that ends the resident instance, honoured only when it arrives through "TRANSFER".
inline constexpr const char* EXIT_COMMAND = "/EXIT";

// --- Paths and files.

// True when path is an existing folder or names an existing drive (medium or not) or network share.
bool PathExists(IFileSystem& fileSystem, ISystemInfo& system, std::string_view path);
bool FileExists(IFileSystem& fileSystem, std::string_view path);
// True when the file's read-only attribute is set.
bool IsReadOnlyFile(IFileSystem& fileSystem, std::string_view path);
// The text with each of the characters \ / : * ? " < > | replaced by "-".
std::string ReplaceInvalidChars(std::string_view text);
// The part after the last backslash; the first character of the path when that part is empty; the whole
// path when it has no backslash.
std::string GetFileNamePart(std::string_view path);
// The part before the last backslash, with a backslash appended when that part ends in ":"; the whole
// path when it has no backslash.
std::string GetParentFolder(std::string_view path);
// Both at once; without a backslash, folder is empty and name is the whole path.
void SplitPath(std::string_view path, std::string& name, std::string& folder);
bool MoveToRecycleBin(IShell& shell, std::string_view path);

// --- Windows version.

struct WindowsVersion {
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t platformId = 0; // 1 for the Windows 95 family, 2 for the NT family
};

struct WindowsVersionTraits {
    // The Windows 95/98/ME family, or a version that could not be told: no keyboard shortcuts there.
    bool IsOldWindows = true;
    // The owner-draw item state that the system gives a highlighted menu entry.
    uint32_t MenuSelectedState = 1;
};

// What the program concludes from the system's version; nullopt when the query failed.
WindowsVersionTraits DetectWindowsVersion(const std::optional<WindowsVersion>& version);

// --- The paths the program computes once at start-up.

struct ProgramPaths {
    std::string ExplorerPath;    // the program that opens folders
    std::string ApplicationPath; // the executable's folder, without a trailing backslash
    std::string QuotedExePath;   // the executable between double quotes, for the start-up entry and verbs
    std::string HelpFilePath;    // the compiled help beside the program
};

// Derived from the Windows folder and the executable's full path.
ProgramPaths ComputeProgramPaths(std::string_view windowsDirectory, std::string_view executablePath);

// --- Commands and the hand-over.

// The arguments of a whole process command line: the text after the program name (quoted or not) and the
// blanks that follow it.
std::string CommandLineArguments(std::string_view commandLine);

enum class CommandKind { Empty, Add, Open, Exit, Other };

struct ResidentCommand {
    CommandKind kind = CommandKind::Empty;
    std::string argument; // the folder of "/ADD ", the file of "/OPEN "
};

// What a command text asks for. "/EXIT" is recognised only exactly as written, and "/ADD " and "/OPEN " only
// in upper case followed by a blank, as the senders write them.
ResidentCommand ParseCommand(std::string_view command);

// The command another process left in "TRANSFER"; empty when it cannot be read.
std::string ReadTransferCommand(clsRegHandler& registry);

// The second-instance path: reads the resident window's handle from "HWND" (doing nothing at all when it
// is missing), stores the arguments in "TRANSFER" and posts the registered message to that window. A
// handle text that is not a number posts nothing. postMessage receives the window handle.
void NotifyRunningInstance(clsRegHandler& registry, std::string_view arguments,
                           const std::function<void(int64_t window)>& postMessage);

} // namespace krv
