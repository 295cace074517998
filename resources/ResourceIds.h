#pragma once
// Identifiers of the resources compiled into the programs, shared by the .rc files and the C++ code.

// The program icon. It has the lowest icon identifier, so Explorer shows it for the .exe files.
#define IDI_KARVELLO 1

// The pictures of the popup menu, by icon number 2 to 12 (number 1, the root, is the program icon).
#define IDI_MENU_GROUP 102
#define IDI_MENU_FOLDER_SHORTCUT 103
#define IDI_MENU_EXPLORER_SHORTCUT 104
#define IDI_MENU_OPTIONS 105
#define IDI_MENU_HELP 106
#define IDI_MENU_ORGANIZE 107
#define IDI_MENU_FLOPPY 108
#define IDI_MENU_FIXED_DISK 109
#define IDI_MENU_REMOTE_DISK 110
#define IDI_MENU_CDROM 111
#define IDI_MENU_OPEN_ALL 112
