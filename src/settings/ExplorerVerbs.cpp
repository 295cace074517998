#include "settings/ExplorerVerbs.h"

#include "settings/clsRegHandler.h"

namespace krv {
namespace {

// Explorer reads its verbs from HKEY_CLASSES_ROOT, a view that merges the machine's classes with the user's
// (HKEY_CURRENT_USER\Software\Classes). A standard user may not write the machine's part, so the verbs are
// written to and removed from the user's part, while the test for their presence reads the merged view.
constexpr const char* kUserClasses = "Software\\Classes\\";
// The machine's part of HKEY_CLASSES_ROOT, which only an administrator may change.
constexpr const char* kMachineClasses = "Software\\Classes\\";

constexpr const char* kFolderShell = "Directory\\shell";
constexpr const char* kFolderVerb = "Organize Folder";
constexpr const char* kFolderVerbKey = "Directory\\shell\\Organize Folder";
constexpr const char* kFolderVerbCaption = "&Organize Folder";
constexpr const char* kDriveShell = "Drive\\shell";
constexpr const char* kDriveVerb = "Organize Drive";
constexpr const char* kDriveVerbKey = "Drive\\shell\\Organize Drive";
constexpr const char* kDriveVerbCaption = "&Organize Drive";
constexpr const char* kCommand = "command";
constexpr const char* kDefaultValue = "";

std::string UserClassKey(std::string_view classKey) {
    return kUserClasses + std::string(classKey);
}

// The user's own verb counts as well, for systems whose HKEY_CLASSES_ROOT does not show the user's classes
// (Wine); on Windows the merged view already holds it.
bool FolderVerbPresent(clsRegHandler& registry) {
    std::string caption;
    return registry.GetKeyValue(RegistryRoot::ClassesRoot, kFolderVerbKey, kDefaultValue, caption) ||
           registry.GetKeyValue(RegistryRoot::CurrentUser, UserClassKey(kFolderVerbKey), kDefaultValue,
                                caption);
}

bool MachineVerbPresent(clsRegHandler& registry, std::string_view verbKey) {
    std::string caption;
    return registry.GetKeyValue(RegistryRoot::LocalMachine, kMachineClasses + std::string(verbKey),
                                kDefaultValue, caption);
}

bool WriteVerb(clsRegHandler& registry, std::string_view verbKey, std::string_view caption,
               std::string_view command) {
    const std::string key = UserClassKey(verbKey);
    const bool captionWritten = registry.SetKeyValue(RegistryRoot::CurrentUser, key, kDefaultValue, caption);
    const bool commandWritten =
        registry.SetKeyValue(RegistryRoot::CurrentUser, key + "\\" + kCommand, kDefaultValue, command);
    return captionWritten && commandWritten;
}

// A key can only be deleted once it has no subkeys, so the "command" subkey goes first.
bool DeleteVerb(clsRegHandler& registry, std::string_view shellKey, std::string_view verb) {
    const std::string shell = UserClassKey(shellKey);
    const bool commandDeleted =
        registry.DeleteKey(RegistryRoot::CurrentUser, shell + "\\" + std::string(verb), kCommand);
    const bool verbDeleted = registry.DeleteKey(RegistryRoot::CurrentUser, shell, verb);
    return commandDeleted && verbDeleted;
}

} // namespace

std::string ExplorerVerbCommand(std::string_view quotedExePath) {
    return std::string(quotedExePath) + " /ADD %L";
}

bool AddExplorerVerbs(clsRegHandler& registry, std::string_view quotedExePath) {
    if (FolderVerbPresent(registry))
        return true;
    const std::string command = ExplorerVerbCommand(quotedExePath);
    const bool folderWritten = WriteVerb(registry, kFolderVerbKey, kFolderVerbCaption, command);
    const bool driveWritten = WriteVerb(registry, kDriveVerbKey, kDriveVerbCaption, command);
    return folderWritten && driveWritten;
}

// The user's verbs go first; what the machine holds is looked at afterwards, since the user's deletions fail
// where only the machine has the verbs, and that is no failure to report as such.
ExplorerVerbRemoval RemoveExplorerVerbs(clsRegHandler& registry) {
    if (!FolderVerbPresent(registry))
        return ExplorerVerbRemoval::Removed;
    const bool folderDeleted = DeleteVerb(registry, kFolderShell, kFolderVerb);
    const bool driveDeleted = DeleteVerb(registry, kDriveShell, kDriveVerb);
    if (MachineVerbPresent(registry, kFolderVerbKey) || MachineVerbPresent(registry, kDriveVerbKey))
        return ExplorerVerbRemoval::KeptForAllUsers;
    return folderDeleted && driveDeleted ? ExplorerVerbRemoval::Removed : ExplorerVerbRemoval::Failed;
}

} // namespace krv
