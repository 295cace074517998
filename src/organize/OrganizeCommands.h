#pragma once
// The command identifiers of the Organize Folders window: one list shared by its menus, its toolbar, its
// keyboard accelerators and the presenter that carries the commands out.

#include <cstdint>

namespace krv {

// Every value is the WM_COMMAND identifier of the menu entry, toolbar button or accelerator. The numbers lie
// in the range the window's resources use (1000 to 1999) and never change once given, so that tests and
// other programs that send WM_COMMAND keep working.
enum class OrganizeCommand : uint16_t {
    // --- File
    FileNewItem = 1100,        // item dialog for a new Windows Explorer shortcut (toolbar keyNew too)
    FileOpen = 1101,           // open a configuration file through the Open dialog
    FileOpenDefault = 1102,    // open the program's current configuration file
    FileSetDefault = 1103,     // make the edited file the program's configuration file
    FileSave = 1104,           // save to the edited file
    FileSaveAs = 1105,         // save as a configuration file or as a text listing
    FileInformation = 1106,    // configuration file information dialog
    FileOptions = 1107,        // the Options dialog over this window
    FileExitDiscarding = 1108, // close without saving, after a question
    FileExit = 1109,           // close the window (the closing rules decide what is saved)

    // --- Edit (carried out by the editing module; see OrganizePresenter's editing entry points)
    EditUndo = 1200,
    EditRedo = 1201,
    EditCut = 1202,
    EditCopy = 1203,
    EditCopyShortcut = 1204,
    EditPaste = 1205,
    EditDelete = 1206,
    EditRename = 1207,
    EditChange = 1208,
    EditSelectAll = 1209,
    EditDeselectAll = 1210,
    EditInvertSelection = 1211,
    // New of each kind (the empty-space popup menu's New submenu)
    NewGroup = 1220,
    NewFolderShortcut = 1221,
    NewExplorerShortcut = 1222,
    NewOpenAll = 1223,

    // --- View
    ViewToolbarLargeButtons = 1300,
    ViewToolbarShowText = 1301,
    ViewStatusBar = 1302,
    ViewShortcutsInLeftPane = 1303,
    ViewLargeIcons = 1310,
    ViewSmallIcons = 1311,
    ViewList = 1312,
    ViewDetails = 1313,
    ViewGrid = 1314,
    // Arrange Icons by the list's columns 1 to 7, in column order.
    ArrangeByName = 1320,
    ArrangeByType = 1321,
    ArrangeByKeyboardShortcut = 1322,
    ArrangeByTargetFolder = 1323,
    ArrangeByDescription = 1324,
    ArrangeByModified = 1325,
    ArrangeByCreated = 1326,
    ViewUpOneLevel = 1330, // toolbar keyUp, Backspace
    ViewRefresh = 1331,    // F5
    ViewProperties = 1332, // toolbar keyProperties, Alt+Enter

    // --- Tools
    ToolsFolderShortcutsList = 1400,
    ToolsWindowsExplorer = 1401, // toolbar keyWindowsExplorer, Ctrl+E
    ToolsFind = 1402,
    ToolsRestorePersonal = 1403,
    ToolsRestoreSystemFolders = 1404,
    ToolsRefreshDesktop = 1405,
    ToolsRefreshSendTo = 1406,
    ToolsRefreshFavorites = 1407,
    ToolsMapNetworkDrive = 1408,
    ToolsDisconnectNetworkDrive = 1409,

    // --- Help
    HelpContents = 1500,
    HelpIndex = 1501,
    HelpLatestVersion = 1502,
    HelpSupport = 1503,
    HelpHomePage = 1504,
    HelpTipOfTheDay = 1505,
    HelpAbout = 1506,

    // --- Entries of the item popup menu only, and keys without a menu entry
    PopupExplore = 1600, // shows the group's content
    PopupRestore = 1601, // restore wizard for the Personal or System Folders group under the mouse
    OpenSelected = 1610, // Enter: opens the selected group or folder shortcut
    SwitchPane = 1611,   // Tab: the focus goes to the other pane
};

constexpr int CommandId(OrganizeCommand command) {
    return static_cast<int>(command);
}

// The first and last identifiers the window gives its commands; WM_COMMAND identifiers outside are not its.
inline constexpr int kFirstOrganizeCommand = 1100;
inline constexpr int kLastOrganizeCommand = 1699;

constexpr bool IsOrganizeCommandId(int id) {
    return id >= kFirstOrganizeCommand && id <= kLastOrganizeCommand;
}

} // namespace krv
