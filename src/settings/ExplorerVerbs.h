#pragma once
// The "Organize Folder" and "Organize Drive" verbs of Explorer's context menu, which start the program with
// "/ADD" and the chosen folder or drive. Part of the options module, beside modOptions.

#include <string>
#include <string_view>

namespace krv {

class clsRegHandler;

// What removing the verbs came to. A verb registered for the whole machine (by an administrator or an
// installer for all users) stays in Explorer whatever the user's own part holds, and the user cannot delete
// it, so that outcome is told apart from a plain failure.
enum class ExplorerVerbRemoval { Removed, Failed, KeptForAllUsers };

// The command both verbs run: the quoted executable path and " /ADD %L".
std::string ExplorerVerbCommand(std::string_view quotedExePath);

// Registers both verbs for the current user, unless Explorer already shows the folder verb (then nothing is
// written, not even a missing drive verb). True when the verbs were already there or every write succeeded.
bool AddExplorerVerbs(clsRegHandler& registry, std::string_view quotedExePath);
// Removes both verbs of the current user, when Explorer shows the folder verb. Removed when the verb was not
// there or both verbs were removed; KeptForAllUsers when either verb remains in the machine's classes.
ExplorerVerbRemoval RemoveExplorerVerbs(clsRegHandler& registry);

} // namespace krv
