#include "organize/frmOrganizeDialogs.h"

#include <cstdlib>

#include "app/Program.h"
#include "config/frmPropertiesConfigFile.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmTip.h"
#include "model/clsMenuCollection.h"
#include "organize/ItemDialogLogic.h"
#include "organize/frmAddModify.h"
#include "organize/frmItemExists.h"
#include "organize/frmProperties.h"
#include "organize/frmShortcutsList.h"
#include "organize/frmWizard.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32FileDetails.h"
#include "platform/win32/Win32Locale.h"

namespace krv {

// --- The item dialog and the conflict dialog (frmAddModify, frmItemExists).

namespace {

// Marks the item dialog open for as long as it is shown, so that a second road in ("/ADD" from the
// Explorer verb) brings the dialog to the front instead of starting another one under it.
class ItemDialogOpenMark {
public:
    explicit ItemDialogOpenMark(bool& open) : open_(open) { open_ = true; }
    ItemDialogOpenMark(const ItemDialogOpenMark&) = delete;
    ItemDialogOpenMark& operator=(const ItemDialogOpenMark&) = delete;
    ~ItemDialogOpenMark() { open_ = false; }

private:
    bool& open_;
};

} // namespace

std::optional<ItemDialogResult> frmOrganizeDialogs::ShowItemDialog(clsMenuCollection& collection,
                                                                   const ItemDialogRequest& request) {
    return ShowItemDialogOver(parts_.Owner, collection, request);
}

std::optional<ItemDialogResult> frmOrganizeDialogs::ShowItemDialogOver(HWND owner,
                                                                       clsMenuCollection& collection,
                                                                       const ItemDialogRequest& request) {
    std::optional<ItemParameters> parameters;
    {
        const ItemDialogOpenMark mark(parts_.Program.state.ItemDialogOpen);
        parameters = RunItemDialog(parts_.Instance, owner, collection, parts_.Program.fileSystem, request);
    }
    if (!parameters)
        return std::nullopt;
    // The shortcuts the user agreed to take from other items are taken only now that the dialog was
    // accepted; the caller registers the keyboard shortcuts anew.
    TakeKeyboardShortcuts(collection, *parameters);
    return static_cast<const ItemDialogResult&>(*parameters);
}

ItemExistsAnswer frmOrganizeDialogs::AskItemExists(const clsMenuItem& existing, const clsMenuItem& incoming) {
    Win32Locale locale;
    return RunItemExistsDialog(parts_.Instance, parts_.Owner, locale, existing, incoming);
}

// --- Properties, configuration file information, restore wizard, tip of the day (frmProperties,
// frmPropertiesConfigFile, frmWizard, frmTip).

bool frmOrganizeDialogs::ShowItemProperties(clsMenuCollection& collection, const std::string& itemName) {
    Win32FileDetails details;
    Win32Locale locale;
    // Change opens the item dialog for the item over the properties and applies what it accepts. Owned by
    // the properties dialog, it keeps that one disabled meanwhile, and closing it does not enable the
    // editor under the still open properties.
    const auto change = [this, &collection](HWND owner, const std::string& name) {
        const clsMenuItem* item = collection.GetMenuItemFromName(name);
        if (item == nullptr)
            return false;
        const ItemDialogRequest request{ItemDialogRequest::Mode::Change, "", name, item->OwnerName(), ""};
        const std::optional<ItemDialogResult> result = ShowItemDialogOver(owner, collection, request);
        return result && ApplyItemChange(collection, name, *result);
    };
    frmProperties properties(
        collection, itemName,
        {parts_.Program.fileSystem, details, parts_.Program.shell, locale, parts_.Program.registry, change});
    return properties.Run(parts_.Instance, parts_.Owner);
}

void frmOrganizeDialogs::ShowConfigFileInformation(const clsMenuCollection& collection) {
    if (parts_.Files == nullptr)
        return;
    Win32FileDetails details;
    Win32Locale locale;
    frmPropertiesConfigFile information(
        {*parts_.Files, details, locale, parts_.Program.registry, collection, parts_.Program.state.options});
    information.Run(parts_.Instance, parts_.Owner);
}

std::optional<RestoreChoice> frmOrganizeDialogs::ShowRestoreWizard(RestoreMode mode) {
    frmWizard wizard;
    wizard.Init(mode, "");
    return wizard.Run(parts_.Instance, parts_.Owner);
}

void frmOrganizeDialogs::ShowTipOfTheDay() {
    const Win32AnsiCodePage codePage;
    frmTip tip({parts_.Program.fileSystem, codePage, parts_.Program.registry, parts_.Program.state.options,
                parts_.Program.state.ApplicationPath,
                // The generator the program seeded once at its start.
                [] { return static_cast<double>(std::rand()) / (static_cast<double>(RAND_MAX) + 1.0); }});
    tip.Run(parts_.Instance, parts_.Owner);
}

// --- The windows of the Organize window itself and of the resident program.

void frmOrganizeDialogs::ShowShortcutsList(clsMenuCollection& collection) {
    frmShortcutsList list(collection, parts_.Program.fileSystem, parts_.Program.registry);
    list.Run(parts_.Instance, parts_.Owner);
}

OrganizeOptionsOutcome frmOrganizeDialogs::ShowOptions(clsMenuCollection& collection) {
    return parts_.Options ? parts_.Options(parts_.Owner, collection) : OrganizeOptionsOutcome{};
}

void frmOrganizeDialogs::ShowAbout() {
    frmAbout about(parts_.Registry, parts_.Program.fileSystem);
    about.Run(parts_.Instance, parts_.Owner);
}

} // namespace krv
