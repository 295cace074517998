#pragma once
// Entry procedure of the resident program.

#include <windows.h>

namespace krv {

// Main: hands the command line to a running instance and ends, or becomes the resident instance, runs the
// start-up and the message loop until the main window is gone; returns the exit code.
int Main(HINSTANCE instance);

} // namespace krv
