#pragma once
// frmProperties: the item properties dialog, a window over ItemProperties.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "dialogs/modRegionalSettings.h"
#include "organize/ItemProperties.h"
#include "platform/Locale.h"
#include "platform/win32/Dialog.h"
#include "platform/win32/Win32Shell.h"

namespace krv {

class clsRegHandler;

struct PropertiesDialogServices {
    IFileSystem& Files;
    IFileDetails& Details;
    IShell& Shell;
    ILocale& Locale;
    // The placement store ("frmProp").
    clsRegHandler& Registry;
    // Opens the item dialog over owner (the properties dialog, which it keeps disabled meanwhile) for the
    // item named itemName and applies what the user accepts; true when the item was changed.
    std::function<bool(HWND owner, const std::string& itemName)> Change;
    // The questions and refusals; nullptr gives message boxes owned by the dialog.
    IMessageBox* Messages = nullptr;
};

class frmProperties final : public Dialog {
public:
    frmProperties(clsMenuCollection& collection, std::string itemName, PropertiesDialogServices services);

    // Shows the dialog modally; true when the collection was changed (the editor refreshes and marks itself
    // modified).
    bool Run(HINSTANCE instance, HWND owner);
    bool CollectionChanged() const { return logic_ && logic_->CollectionChanged(); }

    enum class Tab { Item = 0, TargetFolder = 1 };
    void ShowTab(Tab tab);

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnDestroy() override;

    void AddTabs();
    void FillItemTab();
    void FillFolderTab();
    void RefreshApply();
    // Apply; false when the dialog must stay open.
    bool OnApply();
    void OnFinish();
    void OnDelete();
    void OnChange();
    void OnCopyShortcut();
    void OnAttributeClicked(int id);

    clsMenuCollection& collection_;
    std::string itemName_;
    PropertiesDialogServices services_;
    modRegionalSettings regional_;
    std::optional<Win32MessageBox> ownMessages_;
    std::optional<ItemProperties> logic_;
    // Filling the name box must not count as the user's edit.
    bool filling_ = false;
};

} // namespace krv
