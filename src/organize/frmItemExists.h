#pragma once
// frmItemExists: the conflict dialog that asks whether a pasted item replaces the existing item of the same
// caption, or is renamed.

#include <windows.h>

#include "organize/ItemDialogConflict.h"
#include "platform/Locale.h"
#include "platform/win32/Dialog.h"
#include "platform/win32/Handles.h"

namespace krv {

class frmItemExists final : public Dialog {
public:
    explicit frmItemExists(ILocale& locale) : regional_(locale) {}

    // The item already in the group and the one that would join it.
    void Init(const clsMenuItem& existing, const clsMenuItem& incoming);
    ItemExistsAnswer Run(HINSTANCE instance, HWND owner);
    bool ReplaceChosen() const { return replaceChosen_; }
    bool RenameChosen() const { return renameChosen_; }

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void ShowIcon(int id, int32_t iconId, unique_hicon& owner);

    modRegionalSettings regional_;
    HINSTANCE instance_ = ::GetModuleHandleW(nullptr);
    clsMenuItem existing_;
    clsMenuItem incoming_;
    unique_hicon titleIcon_;
    unique_hicon existingIcon_;
    unique_hicon incomingIcon_;
    bool replaceChosen_ = false;
    bool renameChosen_ = false;
};

ItemExistsAnswer RunItemExistsDialog(HINSTANCE instance, HWND owner, ILocale& locale,
                                     const clsMenuItem& existing, const clsMenuItem& incoming);

} // namespace krv
