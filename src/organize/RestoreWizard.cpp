#include "organize/RestoreWizard.h"

#include "model/MenuVocabulary.h"

namespace krv {

const RestoreWizardTexts& WizardTexts(RestoreMode mode) {
    static constexpr const char* kWarning =
        "All changes will be erased and the initial group content will be "
        "restored. All actions are irreversible.";
    static constexpr RestoreWizardTexts kPersonal = {
        "Restore Personal Group Wizard", "Restore Personal Group", "Confirm restoring Personal group",
        "To continue, select how you want to restore Personal group and click Finish.", kWarning};
    static constexpr RestoreWizardTexts kSystemFolders = {
        "Restore System Folders Group Wizard", "Restore System Folders Group",
        "Confirm restoring System Folders group", "To restore System Folders group, click Finish.", kWarning};
    return mode == RestoreMode::SystemFolders ? kSystemFolders : kPersonal;
}

void RestoreWizard::Init(RestoreMode mode, std::string_view text) {
    mode_ = mode;
    page_ = kLastWizardPage;
    selected_.reset();
    if (!text.empty())
        text_ = std::string(text);
}

std::optional<RestoreChoice> RestoreWizard::Next() {
    if (OnLastPage())
        return Finish();
    ++page_;
    return std::nullopt;
}

void RestoreWizard::Back() {
    if (page_ > 0)
        --page_;
}

RestoreChoice RestoreWizard::Finish() const {
    if (mode_ == RestoreMode::SystemFolders)
        return {MIT_PATHS_SYSTEM, 0};
    const int choice =
        selected_ && *selected_ >= 0 && *selected_ < static_cast<int>(kRestoreChoiceCaptions.size())
            ? *selected_
            : kDefaultRestoreChoice;
    return {MIT_GROUP_USER, choice};
}

} // namespace krv
