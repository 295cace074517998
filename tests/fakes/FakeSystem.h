#pragma once
// FakeSystem: the fakes the generated menu content reads, bundled, with helpers that set up shell folders
// and disks as Windows would show them.

#include <string>
#include <string_view>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeMenuWindow.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSystemInfo.h"
#include "menu/modMenuSetup.h"

namespace krv {

struct FakeSystem {
    FakeSystemInfo system;
    FakeFileSystem files;
    FakeRegistry registry;
    FakeMessagePump pump;

    SystemServices Services() { return {system, files, registry, pump}; }

    // A value of the user's (or, with common, the all users') "Shell Folders" key; the folder is created
    // unless createFolder is false.
    void AddShellFolder(std::string_view name, std::string_view path, bool common = false,
                        bool createFolder = true);
    // A value of HKLM "Software\Microsoft\Windows\CurrentVersion" ("ProgramFilesDir", ...).
    void AddCurrentVersionFolder(std::string_view name, std::string_view path, bool createFolder = true);
    // Every folder of the System Folders table present, as on a typical installation.
    void AddTypicalSystemFolders();
    // A fixed disk with count visible first-level folders named Folder01, Folder02, ...
    void AddDiskWithFolders(char letter, std::string_view label, int count);
};

} // namespace krv
