#include "organize/frmWizard.h"

#include "PropertiesIds.h"

namespace krv {
namespace {

constexpr int kChoiceButtons[] = {IDC_WIZ_CHOICE0, IDC_WIZ_CHOICE1, IDC_WIZ_CHOICE2, IDC_WIZ_CHOICE3};

} // namespace

std::optional<RestoreChoice> frmWizard::Run(HINSTANCE instance, HWND owner) {
    answer_.reset();
    ShowModal(instance, IDD_WIZARD, owner);
    return answer_;
}

bool frmWizard::OnInitDialog() {
    answer_.reset();
    const RestoreWizardTexts& texts = wizard_.Texts();
    SetCaption(texts.Caption);
    SetItemText(IDC_WIZ_HEADING, texts.Heading);
    SetItemText(IDC_WIZ_SUBHEADING, texts.Subheading);
    SetItemText(IDC_WIZ_INSTRUCTION, texts.Instruction);
    SetItemText(IDC_WIZ_EXPLANATION, texts.Warning);
    SetItemText(IDC_WIZ_PATH, wizard_.Text());
    for (size_t index = 0; index < kRestoreChoiceCaptions.size(); ++index)
        SetItemText(kChoiceButtons[index], kRestoreChoiceCaptions[index]);

    // The heading in the dialog's own font, bold.
    auto dialogFont = reinterpret_cast<HFONT>(::SendMessageW(Handle(), WM_GETFONT, 0, 0));
    LOGFONTW font{};
    if (dialogFont != nullptr && ::GetObjectW(dialogFont, sizeof font, &font) != 0) {
        font.lfWeight = FW_BOLD;
        headingFont_.reset(::CreateFontIndirectW(&font));
        if (headingFont_)
            ::SendDlgItemMessageW(Handle(), IDC_WIZ_HEADING, WM_SETFONT,
                                  reinterpret_cast<WPARAM>(headingFont_.get()), TRUE);
    }
    LayOutPage();
    return true;
}

void frmWizard::OnDestroy() {
    ::SendDlgItemMessageW(Handle(), IDC_WIZ_HEADING, WM_SETFONT, 0, FALSE);
    headingFont_.reset();
}

void frmWizard::LayOutPage() {
    SetItemText(IDC_WIZ_NEXT, wizard_.NextCaption());
    Show(IDC_WIZ_PATH, wizard_.PathBoxVisible());
    for (const int id : kChoiceButtons)
        Show(id, wizard_.ChoicesVisible());
    Enable(IDC_WIZ_BACK, wizard_.BackEnabled());
}

std::optional<int> frmWizard::CheckedChoice() const {
    for (int index = 0; index < static_cast<int>(std::size(kChoiceButtons)); ++index) {
        if (::IsDlgButtonChecked(Handle(), kChoiceButtons[index]) == BST_CHECKED)
            return index;
    }
    return std::nullopt;
}

void frmWizard::OnNext() {
    wizard_.SelectChoice(CheckedChoice());
    if (std::optional<RestoreChoice> finished = wizard_.Next()) {
        answer_ = std::move(finished);
        End(IDOK);
        return;
    }
    LayOutPage();
}

bool frmWizard::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_WIZ_NEXT:
        OnNext();
        return true;
    case IDC_WIZ_BACK:
        wizard_.Back();
        LayOutPage();
        return true;
    case IDC_WIZ_CANCEL:
        answer_.reset();
        End(IDCANCEL);
        return true;
    default:
        return false;
    }
}

} // namespace krv
