#pragma once
// RestoreWizard: the state and texts of the restore wizard (frmWizard), which asks how one of the two
// built-in groups is to be put back into its initial state. The wizard only asks; the editor restores.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "organize/OrganizeDialogs.h"

namespace krv {

// The texts of one mode.
struct RestoreWizardTexts {
    const char* Caption;
    const char* Heading;
    const char* Subheading;
    const char* Instruction;
    const char* Warning;
};
const RestoreWizardTexts& WizardTexts(RestoreMode mode);

// The captions of the four choices of the personal-group mode; the index is the content kind the editor
// restores the group with.
inline constexpr std::array<const char*, 4> kRestoreChoiceCaptions = {
    "Blank content",
    "Sample group and shortcuts",
    "Map up to 25 first-level folders on all drives in the same group",
    "Map up to 25 drives in separate groups and up to 25 first-level folders for each drive",
};
// The choice Finish takes when none is selected.
inline constexpr int kDefaultRestoreChoice = 2;

// The last page, on which both modes start and finish.
inline constexpr int kLastWizardPage = 2;

class RestoreWizard {
public:
    // Sets the mode and the text handed in (kept when not empty); both modes start on the last page.
    void Init(RestoreMode mode, std::string_view text);

    RestoreMode Mode() const { return mode_; }
    int Page() const { return page_; }
    const std::string& Text() const { return text_; }
    const RestoreWizardTexts& Texts() const { return WizardTexts(mode_); }

    // How the page is laid out.
    bool OnLastPage() const { return page_ >= kLastWizardPage; }
    const char* NextCaption() const { return OnLastPage() ? "Finish" : "Next >"; }
    bool PathBoxVisible() const { return !OnLastPage(); }
    bool ChoicesVisible() const { return OnLastPage() && mode_ == RestoreMode::PersonalGroup; }
    bool BackEnabled() const { return page_ > 0; }

    // The choice buttons: one at most is selected.
    void SelectChoice(std::optional<int> choice) { selected_ = choice; }
    std::optional<int> SelectedChoice() const { return selected_; }

    // Next on the last page finishes and gives the group to restore and, for the personal group, the content
    // kind; on an earlier page it turns the page.
    std::optional<RestoreChoice> Next();
    void Back();

private:
    RestoreChoice Finish() const;

    RestoreMode mode_ = RestoreMode::PersonalGroup;
    int page_ = kLastWizardPage;
    std::string text_;
    std::optional<int> selected_;
};

} // namespace krv
