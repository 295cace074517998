#pragma once
// frmWizard: the restore wizard, a window over RestoreWizard. It only asks; the editor restores.

#include <windows.h>

#include <optional>
#include <string_view>

#include "organize/RestoreWizard.h"
#include "platform/win32/Dialog.h"

namespace krv {

class frmWizard final : public Dialog {
public:
    void Init(RestoreMode mode, std::string_view text) { wizard_.Init(mode, text); }
    // Shows the wizard modally; the group and the choice when the user finished, nothing when cancelled.
    std::optional<RestoreChoice> Run(HINSTANCE instance, HWND owner);
    const std::optional<RestoreChoice>& Answer() const { return answer_; }

private:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnDestroy() override;

    void LayOutPage();
    std::optional<int> CheckedChoice() const;
    void OnNext();

    RestoreWizard wizard_;
    std::optional<RestoreChoice> answer_;
    unique_hfont headingFont_;
};

} // namespace krv
