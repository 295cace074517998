#pragma once
// Entry procedure of the resident program.

#include <windows.h>

namespace krv {

// Creates the hidden main window and runs the message loop until the window is gone; returns the exit code.
int Main(HINSTANCE instance);

} // namespace krv
