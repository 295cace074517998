#pragma once
// frmAddModify: the item dialog, a window over ItemDialogLogic, in which the user makes a new item or
// changes one.

#include <windows.h>

#include <optional>

#include "organize/ItemDialogLogic.h"
#include "platform/win32/Dialog.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32FolderBrowser.h"
#include "platform/win32/Win32Shell.h"

namespace krv {

class frmAddModify final : public Dialog {
public:
    // The dialog shows the folder browser over itself; another browser may be given instead.
    frmAddModify(const clsMenuCollection& collection, IFileSystem& files,
                 IFolderBrowser* folderBrowser = nullptr);

    void Init(const ItemDialogRequest& request) { request_ = request; }
    // Shows the dialog modally; true when the user accepted it.
    bool Run(HINSTANCE instance, HWND owner);
    bool Accepted() const { return parameters_.has_value(); }
    // What the user entered; only meaningful when accepted.
    ItemParameters GetParameters() const { return parameters_.value_or(ItemParameters{}); }

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    void FillCombos();
    void SetHints();
    void AcceptDrops(int id);
    void Refresh();
    void ShowText(int id, const std::string& text);
    std::string Text(int id) const;
    void OnKeyboardChosen();
    void OnOk();
    void OnDropFiles(HDROP drop);

    const clsMenuCollection& collection_;
    IFileSystem& files_;
    IFolderBrowser* folderBrowser_;
    Win32FolderBrowser ownFolderBrowser_;
    HINSTANCE instance_;
    ItemDialogRequest request_;
    std::optional<Win32MessageBox> messageBox_;
    std::optional<ItemDialogLogic> logic_;
    std::optional<ItemParameters> parameters_;
    unique_hicon icon_;
    int32_t iconShown_ = 0;
    // Set while the window shows the logic's state, so that the boxes' change notifications are not taken
    // for the user's edits.
    bool refreshing_ = false;
};

// Shows the item dialog over owner; the entered values when the user accepted it.
std::optional<ItemParameters> RunItemDialog(HINSTANCE instance, HWND owner,
                                            const clsMenuCollection& collection, IFileSystem& files,
                                            const ItemDialogRequest& request);

// The picture of an icon number (1 to 12) of the item vocabulary at the size of a large icon for dpi.
unique_hicon LoadItemIcon(HINSTANCE instance, int32_t iconId, UINT dpi);

} // namespace krv
