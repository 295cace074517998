#pragma once
// frmOptions: the Options dialog, a window over OptionsDialogLogic.

#include <windows.h>

#include <array>
#include <optional>

#include "platform/win32/Dialog.h"
#include "platform/win32/Win32Shell.h"
#include "settings/OptionsDialogLogic.h"

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
    // One tab's page, a child dialog inside the tab control; it hands its controls' notifications to the
    // Options dialog, which decides what they do.
    class Page final : public Dialog {
    private:
        bool OnCommand(int id, int notifyCode, HWND control) override;
        bool OnNotify(const NMHDR& header, LRESULT& result) override;
    };

    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroy() override;

    void AddTabs();
    void CreatePages(HINSTANCE instance);
    Page& PageOf(OptionsTab tab) { return pages_[static_cast<size_t>(tab)]; }
    // A control of the dialog or of one of its pages.
    HWND Control(int id);
    void SetControlText(int id, std::string_view text);
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
    HINSTANCE instance_ = nullptr;
    std::array<Page, 3> pages_;
    std::optional<Win32MessageBox> messageBox_;
    std::optional<OptionsDialogLogic> logic_;
    clsMenuCollection* collection_ = nullptr;
    bool forMainCollection_ = false;
    OptionsDialogResult result_;
};

// Shows the Options dialog modally over owner for collection (the program's main collection when
// forMainCollection) and returns what the caller reads afterwards.
OptionsDialogResult RunOptionsDialog(HINSTANCE instance, HWND owner, const OptionsDialogServices& services,
                                     clsMenuCollection& collection, bool forMainCollection);

} // namespace krv
