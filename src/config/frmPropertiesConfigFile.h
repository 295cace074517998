#pragma once
// frmPropertiesConfigFile: the configuration file information dialog, a window over ConfigFileInfo.

#include <windows.h>

#include <optional>

#include "config/ConfigFileInfo.h"
#include "dialogs/modRegionalSettings.h"
#include "platform/win32/Dialog.h"
#include "platform/win32/Win32Shell.h"

namespace krv {

class clsRegHandler;

struct ConfigInfoServices {
    modFileHandler& Files;
    IFileDetails& Details;
    ILocale& Locale;
    // The placement store ("frmInfo").
    clsRegHandler& Registry;
    // The tree whose statistics are shown, and the options of the running program.
    const clsMenuCollection& Collection;
    const Options& ProgramOptions;
    // nullptr gives message boxes owned by the dialog.
    IMessageBox* Messages = nullptr;
};

class frmPropertiesConfigFile final : public Dialog {
public:
    explicit frmPropertiesConfigFile(ConfigInfoServices services);
    void Run(HINSTANCE instance, HWND owner);

    enum class Tab { File = 0, Summary = 1, Statistics = 2 };
    void ShowTab(Tab tab);
    // Whether the dialog closed by accepting (Accept Changes or Escape).
    bool Accepted() const { return accepted_; }

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void AddTabs();
    void FillFilePage(const ConfigFilePage& page);
    void FillSummary();
    void FillStatistics();
    SummaryTexts EditedSummary() const;
    void Close(bool accepted);

    ConfigInfoServices services_;
    modRegionalSettings regional_;
    std::optional<Win32MessageBox> ownMessages_;
    std::optional<ConfigFileInfo> info_;
    bool accepted_ = false;
};

} // namespace krv
