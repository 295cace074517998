#include "organize/frmOrganizeDialogs.h"

#include "app/Program.h"
#include "dialogs/frmAbout.h"

namespace krv {

// --- The item dialog and the conflict dialog (frmAddModify, frmItemExists).

std::optional<ItemDialogResult> frmOrganizeDialogs::ShowItemDialog(clsMenuCollection&,
                                                                   const ItemDialogRequest&) {
    return std::nullopt;
}

ItemExistsAnswer frmOrganizeDialogs::AskItemExists(const clsMenuItem&, const clsMenuItem&) {
    return ItemExistsAnswer::Cancel;
}

// --- Properties, configuration file information, restore wizard, tip of the day (frmProperties,
// frmPropertiesConfigFile, frmWizard, frmTip).

bool frmOrganizeDialogs::ShowItemProperties(clsMenuCollection&, const std::string&) {
    return false;
}

void frmOrganizeDialogs::ShowConfigFileInformation(const clsMenuCollection&) {}

std::optional<RestoreChoice> frmOrganizeDialogs::ShowRestoreWizard(RestoreMode) {
    return std::nullopt;
}

void frmOrganizeDialogs::ShowTipOfTheDay() {}

// --- The windows of the Organize window itself and of the resident program.

void frmOrganizeDialogs::ShowShortcutsList(clsMenuCollection&) {}

OrganizeOptionsOutcome frmOrganizeDialogs::ShowOptions(clsMenuCollection& collection) {
    return parts_.Options ? parts_.Options(parts_.Owner, collection) : OrganizeOptionsOutcome{};
}

void frmOrganizeDialogs::ShowAbout() {
    frmAbout about(parts_.Registry, parts_.Program.fileSystem);
    about.Run(parts_.Instance, parts_.Owner);
}

} // namespace krv
