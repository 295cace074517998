#pragma once
// Writing Windows shell links (.lnk files) and finding the user's shell folders.

#include <optional>
#include <string>
#include <string_view>

namespace krv {

// What a link holds. Everything not named here keeps the shell's default (no arguments, no working
// directory, no icon location, no hot key).
struct ShellLinkContent {
    std::string target{};
    int showCommand = 1; // SW_SHOWNORMAL
    std::string description{};

    bool operator==(const ShellLinkContent&) const = default;
};

class IShellLinkWriter {
public:
    virtual ~IShellLinkWriter() = default;
    // Creates or overwrites the link file at linkPath; false when the shell could not save it.
    virtual bool WriteShellLink(std::string_view linkPath, const ShellLinkContent& content) = 0;
};

// The per-user shell folders that the Organized Folders directories live in.
enum class ShellFolder { Desktop, SendTo, Favorites };

class IShellFolders {
public:
    virtual ~IShellFolders() = default;
    // The folder's path without a trailing backslash; nullopt when the system has none for this user.
    virtual std::optional<std::string> ShellFolderPath(ShellFolder folder) = 0;
};

} // namespace krv
