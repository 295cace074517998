#pragma once
// Identifiers of the resources compiled into the programs, shared by the .rc files and the C++ code.

// The program icon. It has the lowest icon identifier, so Explorer shows it for the .exe files.
#define IDI_KARVELLO 1
