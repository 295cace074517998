#pragma once
// The resident program's start: its entry procedure, the single-instance test and the message loop.

#include <windows.h>

namespace krv {

// Main: hands the command line to a running instance and ends, or becomes the resident instance, runs the
// start-up and the message loop until the main window is gone; returns the exit code.
int Main(HINSTANCE instance);

} // namespace krv
