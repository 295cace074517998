#pragma once
// modMenuAction: what choosing an entry of the popup menu does, the command dispatcher of the resident
// program, and the small shell operations that start Windows Explorer.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/clsMenuCollection.h"

namespace krv {

struct ProgramContext;

// The message box title of the program.
inline constexpr const char* PROGRAM_TITLE = "Karvello";

// Carries out a chosen entry: Help, Options and Organize Folders by name, then Open-All shortcuts, folder
// shortcuts and drives by type; anything else does nothing. The item may be gone from the program's tree
// when this returns (a shortcut with a missing folder that the user deleted).
void ExecuteMenuItem(ProgramContext& context, clsMenuItem& item);
// Opens one folder shortcut or drive in Explorer; true when Explorer was started. A folder shortcut whose
// folder is missing is reported instead and, when the user agrees, deleted from the tree and the file.
bool OpenMenuItem(ProgramContext& context, clsMenuItem& item);
// Opens every folder shortcut of the Open-All shortcut's group, in tree order.
void OpenAllInGroup(ProgramContext& context, const clsMenuItem& openAllItem);
void ShowHelp(ProgramContext& context, int command);
void ShowOptions(ProgramContext& context, clsMenuCollection& collection, bool mainCollection);
// Starts Explorer on path (the documents folder when empty), with the folder tree when doublePane.
void OpenInExplorer(ProgramContext& context, std::string_view path, bool doublePane);
// The system's search window for path ("C:\" when empty).
void FindInFolder(ProgramContext& context, std::string_view path);
// Runs the shell's "open" verb on path; the shell's result code.
int64_t OpenWithShell(ProgramContext& context, std::string_view path);

// The command dispatcher: fromCommand with an empty command reads the command another process left; the
// exit command ends the program; anything else opens the Organize window (or brings it or the item dialog to
// the front) and hands the command to it.
void OpenOrganizer(ProgramContext& context, bool fromCommand, std::string command);

// Explorer's argument for a menu entry's folder: "/e" for the double pane, then "," and the folder when
// there is one.
std::string ExplorerArgument(std::string_view folder, bool doublePane);
// A folder as one piece of Explorer's argument: quoted when it holds a comma, since Explorer splits its
// argument at commas and would otherwise open a wrong folder.
std::string QuoteForExplorer(std::string_view folder);

} // namespace krv
