#include "fakes/FakeSystem.h"


namespace krv {

namespace {

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kCurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";

} // namespace

void FakeSystem::AddShellFolder(std::string_view name, std::string_view path, bool common, bool createFolder) {
    registry.PutString(common ? RegistryRoot::LocalMachine : RegistryRoot::CurrentUser, kShellFolders, name, path);
    if (createFolder) {
        files.AddFolder(path);
    }
}

void FakeSystem::AddCurrentVersionFolder(std::string_view name, std::string_view path, bool createFolder) {
    registry.PutString(RegistryRoot::LocalMachine, kCurrentVersion, name, path);
    if (createFolder) {
        files.AddFolder(path);
    }
}

void FakeSystem::AddTypicalSystemFolders() {
    const std::string profile = "C:\\Documents and Settings\\Ann";
    const std::string allUsers = "C:\\Documents and Settings\\All Users";
    for (const char* name : {"Desktop", "Favorites", "History", "SendTo", "AppData", "Administrative Tools", "Cache",
                             "Local AppData", "Local Settings", "My Pictures", "NetHood", "PrintHood", "Recent",
                             "Cookies", "Templates"}) {
        AddShellFolder(name, profile + "\\" + name);
    }
    AddShellFolder("Personal", profile + "\\My Documents");
    AddShellFolder("Programs", profile + "\\Start Menu\\Programs");
    AddShellFolder("Startup", profile + "\\Start Menu\\Programs\\Startup");
    AddShellFolder("Fonts", system.windowsFolder + "\\Fonts");
    for (const char* name : {"Common AppData", "Common Desktop", "Common Documents", "Common Templates",
                             "Common Administrative Tools", "Common Programs", "Common Start Menu",
                             "Common Startup"}) {
        AddShellFolder(name, allUsers + "\\" + name, true);
    }
    AddCurrentVersionFolder("ProgramFilesDir", "C:\\Program Files");
    AddCurrentVersionFolder("CommonFilesDir", "C:\\Program Files\\Common Files");
    AddCurrentVersionFolder("MediaPath", system.windowsFolder + "\\Media");
    for (const char* name : {"Cursors", "Downloaded Program Files", "Inf", "Java", "Offline Web Pages", "Speech",
                             "System", "Tasks", "Temp"}) {
        files.AddFolder(system.windowsFolder + "\\" + name);
    }
    files.AddFolder(system.systemFolder + "\\drivers\\etc");
}

void FakeSystem::AddDiskWithFolders(char letter, std::string_view label, int count) {
    system.AddDrive({.Letter = letter, .Type = 3, .Label = std::string(label)});
    const std::string root = std::string(1, letter) + ":\\";
    files.AddFolder(root);
    for (int i = 1; i <= count; ++i) {
        files.AddFolder(root + (i < 10 ? "Folder0" : "Folder") + std::to_string(i));
    }
}

} // namespace krv
