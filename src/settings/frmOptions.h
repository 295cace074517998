#pragma once
// frmOptions: the Options dialog, a window over OptionsDialogLogic.

#include "platform/win32/Dialog.h"
#include "platform/win32/Win32Shell.h"
#include "settings/OptionsDialogLogic.h"

#include <optional>

#include <windows.h>

namespace krv {

// What the caller learns when the dialog has closed.
struct OptionsDialogResult {
    bool SettingsChanged = false;
    bool ExitRequested = false;
};

class frmOptions final : public Dialog {
public:
    // services.MessageBox is replaced by message boxes owned by the dialog.
    explicit frmOptions(const OptionsDialogServices& services) : services_(services) {}

    // The collection the options act on, and whether it is the program's main collection.
    void Init(clsMenuCollection& collection, bool forMainCollection);
    OptionsDialogResult Run(HINSTANCE instance, HWND owner);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroy() override;

    void AddTabs();
    void FillTree(OptionsTab tab);
    void ShowTab(OptionsTab tab);
    void ResetDescriptions();
    void ShowDescription(OptionsTab tab, const OptionNode& node);
    // The check marks follow the options, which one click may change in two places ("GC2" and "GC3").
    void RefreshChecks();
    void OnNodeToggled(OptionsTab tab, HTREEITEM item);
    void OnTreeClick(OptionsTab tab);

    void OnRestore();
    void OnApply();
    void OnFinish();
    void OnCancel();
    void OnExit();

    OptionsDialogServices services_;
    std::optional<Win32MessageBox> messageBox_;
    std::optional<OptionsDialogLogic> logic_;
    clsMenuCollection* collection_ = nullptr;
    bool forMainCollection_ = false;
    OptionsDialogResult result_;
};

// Opens the Options dialog modally over owner, unless it is open already (optionsWindowOpen, the
// program-wide flag, is set while it is open); nothing when it was already open.
std::optional<OptionsDialogResult> ShowOptionsDialog(HINSTANCE instance, HWND owner,
                                                     const OptionsDialogServices& services,
                                                     clsMenuCollection& collection, bool forMainCollection,
                                                     bool& optionsWindowOpen);

} // namespace krv
