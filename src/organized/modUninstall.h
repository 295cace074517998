#pragma once
// modUninstall: what Unkarvel decides and does, over the seams, so that its Windows program stays a shell
// around one call. It lives beside the Organized Folders because removing their directories is most of it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace krv {

class clsRegHandler;

// What Unkarvel needs of Windows besides the registry, the file system and message boxes. The host registers
// the hand-over message when it is made, before anything else happens.
class IUninstallHost {
public:
    virtual ~IUninstallHost() = default;
    virtual bool HasWindowsDirectory() = 0;
    virtual bool WindowExists(int64_t handle) = 0;
    // Posts the registered hand-over message, both parameters 0, without waiting for an answer.
    virtual void PostHandOverMessage(int64_t handle) = 0;
    // Replaces the %NAME% references of a text by the values of the environment.
    virtual std::string ExpandEnvironment(std::string_view text) = 0;
    // Starts a command line in a normal, focused window without waiting for it.
    virtual bool StartCommand(std::string_view commandLine) = 0;
};

// The window handle that the resident program stored as decimal text; nullopt for anything else.
std::optional<int64_t> ParseWindowHandle(std::string_view text);

// True for a path that the uninstaller may delete: an absolute path whose last component is the
// Organized Folders directory name. The registry values that name these paths can be changed by any
// program of the user, so nothing else is ever deleted on their word.
bool IsOrganizedFoldersPath(std::string_view path);

// Unkarvel's whole run: ask the running Karvello to exit, offer to delete the Organized Folders
// directories, and start the stored uninstall command.
void RunUninstall(clsRegHandler& registry, IFileSystem& fileSystem, IMessageBox& messageBox,
                  IUninstallHost& host);

} // namespace krv
