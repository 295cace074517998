#pragma once
// frmOrganizeDialogs: the windows the Organize Folders window opens over itself, each opened by its own
// dialog class. Each function is a few lines; a window that the program does not have yet does what the
// program did before it existed (nothing, or the cancel answer).

#include <windows.h>

#include <functional>

#include "organize/OrganizeDialogs.h"

namespace krv {

class IFileSystem;
class IRegistry;
class clsRegHandler;
class modFileHandler;
struct ProgramContext;

class frmOrganizeDialogs final : public IOrganizeDialogs {
public:
    struct Parts {
        HINSTANCE Instance;
        // The Organize window, the owner of every dialog.
        HWND Owner;
        ProgramContext& Program;
        IRegistry& Registry;
        // Shows the Options dialog of the running program over the owner for the collection.
        std::function<OrganizeOptionsOutcome(HWND owner, clsMenuCollection& collection)> Options;
        // The program's configuration file handler (the file last loaded and its summary texts), for the
        // information dialog; without it that dialog is not shown.
        modFileHandler* Files = nullptr;
    };
    explicit frmOrganizeDialogs(Parts parts) : parts_(std::move(parts)) {}

    std::optional<ItemDialogResult> ShowItemDialog(clsMenuCollection& collection,
                                                   const ItemDialogRequest& request) override;
    bool ShowItemProperties(clsMenuCollection& collection, const std::string& itemName) override;
    void ShowConfigFileInformation(const clsMenuCollection& collection) override;
    std::optional<RestoreChoice> ShowRestoreWizard(RestoreMode mode) override;
    void ShowTipOfTheDay() override;
    void ShowShortcutsList(clsMenuCollection& collection) override;
    OrganizeOptionsOutcome ShowOptions(clsMenuCollection& collection) override;
    void ShowAbout() override;
    ItemExistsAnswer AskItemExists(const clsMenuItem& existing, const clsMenuItem& incoming) override;

private:
    std::optional<ItemDialogResult> ShowItemDialogOver(HWND owner, clsMenuCollection& collection,
                                                       const ItemDialogRequest& request);

    Parts parts_;
};

} // namespace krv
