#include "platform/win32/Win32FileDialogs.h"

namespace krv {

namespace {

using FileDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);

FileDialogFunction DialogFunction(const char* name) {
    // Loaded once and kept for the life of the process, as a linked library would be.
    static const HMODULE library = ::LoadLibraryW(L"comdlg32.dll");
    if (library == nullptr)
        return nullptr;
    // GetProcAddress gives every function the same type; the void(*)() step tells the compiler the cast
    // to the real one is meant.
    return reinterpret_cast<FileDialogFunction>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}

} // namespace

bool ShowFileDialog(OPENFILENAMEW& dialog, bool save) {
    const FileDialogFunction show = DialogFunction(save ? "GetSaveFileNameW" : "GetOpenFileNameW");
    return show != nullptr && show(&dialog) != FALSE;
}

} // namespace krv
