#pragma once
// frmAbout: the About box.

#include <windows.h>

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/win32/Dialog.h"

namespace krv {

class frmAbout final : public Dialog {
public:
    frmAbout(IRegistry& registry, IFileSystem& files) : registry_(registry), files_(files) {}

    void Run(HINSTANCE instance, HWND owner);
    // Starts the System Information program, or says that there is none.
    void StartSysInfo();

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnDestroy() override;

    IRegistry& registry_;
    IFileSystem& files_;
    unique_hfont titleFont_;
};

// The program's own version numbers from its version resource: major, minor and revision (the third
// number); zeros when the resource is missing.
struct ProgramVersion {
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
};
ProgramVersion ReadProgramVersion(HINSTANCE instance);

} // namespace krv
