// Entry point of Unkarvel, the uninstaller. Its steps (asking the running Karvello to exit, removing the
// Organized Folders directories, starting the stored uninstall command) are added with the uninstaller's
// own work; until then the program starts and ends without touching anything.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return 0;
}
