#pragma once
// frmTip: the tip window, a window over TipOfTheDay.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "dialogs/TipOfTheDay.h"
#include "platform/win32/Dialog.h"

namespace krv {

class clsRegHandler;
class ICodePage;
class IFileSystem;
struct Options;

struct TipWindowServices {
    IFileSystem& Files;
    const ICodePage& CodePage;
    clsRegHandler& Registry;
    // ShowTips lives here and follows the check box.
    Options& ProgramOptions;
    // The folder of the executable, where the tips file lies.
    std::string ProgramFolder;
    // The program's uniform random numbers in [0, 1).
    std::function<double()> Random;
};

class frmTip final : public Dialog {
public:
    explicit frmTip(TipWindowServices services);
    void Run(HINSTANCE instance, HWND owner);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

    void DisplayCurrentTip();

    TipWindowServices services_;
    TipOfTheDay tips_;
};

} // namespace krv
