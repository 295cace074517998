#pragma once
// The common Open and Save As dialogs, from a library loaded when one is first shown.

#include <windows.h>
#include <commdlg.h>

namespace krv {

// Shows the Open dialog, or the Save As dialog when save is true; false when the user cancelled or the
// dialogs' library could not be loaded. The library (comdlg32) is not linked: loading it brings the
// printing libraries with it, well over a megabyte of the resident program's memory that only the
// editor's File > Open and Save As ever need.
bool ShowFileDialog(OPENFILENAMEW& dialog, bool save);

} // namespace krv
