#pragma once
// The decisions of the Options dialog, apart from its window: which nodes it shows, what checking a node,
// Default, Apply, OK, Cancel and Exit do to the options, and what applying them changes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/clsMenuCollection.h"
#include "platform/MessageBox.h"
#include "settings/OptionChanges.h"
#include "settings/modOptions.h"

namespace krv {

class clsRegHandler;

enum class OptionsTab { General, Appearance, Advanced };
inline constexpr std::array<OptionsTab, 3> kOptionsTabs = {OptionsTab::General, OptionsTab::Appearance,
                                                           OptionsTab::Advanced};

// One checkable node of the dialog's tree views.
struct OptionNode {
    const char* ValueName;   // "GC0" ... "ADVC7", also the node's key
    const char* Caption;     // the node's text
    const char* Description; // shown in the tab's description label when the node is clicked
    OptionsTab Tab;
};

// The twenty nodes in the order the tree views show them.
const std::array<OptionNode, 20>& OptionNodes();
const OptionNode* FindOptionNode(std::string_view valueName);
const char* TabCaption(OptionsTab tab);
// The text of the tab's description label when the tab is opened or clicked.
const char* TabDescription(OptionsTab tab);

inline constexpr const char* EXIT_QUESTION = "Are you sure you want to exit and close Karvello?";
inline constexpr const char* EXIT_QUESTION_TITLE = "Exit Karvello";
// Shown when the Explorer option was switched off but the verbs are the whole machine's.
inline constexpr const char* VERBS_KEPT_FOR_ALL_USERS =
    "The \"Organize Folder\" entry of Explorer's context menu is set up for all users of this computer, so "
    "Karvello cannot remove it. An administrator can remove it.";
inline constexpr const char* VERBS_KEPT_FOR_ALL_USERS_TITLE = "Karvello";

// What the dialog works with.
struct OptionsDialogServices {
    Options& CurrentOptions;
    clsRegHandler& Registry;
    std::string QuotedExePath;
    // False on the Windows 95/98/Me family, where there are no hot keys: "ADVC7" is neither shown nor
    // touched by Default.
    bool HotKeysAvailable = true;
    OptionChangeServices Changes;
    IMessageBox& MessageBox;
};

class OptionsDialogLogic {
public:
    explicit OptionsDialogLogic(const OptionsDialogServices& services);
    OptionsDialogLogic(const OptionsDialogLogic&) = delete;
    OptionsDialogLogic& operator=(const OptionsDialogLogic&) = delete;

    // The collection the options act on, and whether it is the program's main collection (the dialog was
    // opened from the popup menu) rather than the Organize window's.
    void Init(clsMenuCollection& collection, bool forMainCollection);

    // The nodes a tab shows, in order.
    std::vector<const OptionNode*> Nodes(OptionsTab tab) const;
    bool IsShown(std::string_view valueName) const;
    // The node's check mark, which is the option's current state.
    bool IsChecked(std::string_view valueName) const;

    // A node was checked or unchecked: the option changes at once and Apply becomes possible. "GC2" and
    // "GC3" exclude each other, so either one takes the other to the opposite state.
    void SetChecked(std::string_view valueName, bool checked);
    // The Default button: every shown option to its default; nothing is saved or applied yet.
    void RestoreDefaults();
    // Apply: saves and carries the changes out; the applied options become the new baseline.
    void Apply();
    // OK: saves and carries the changes out.
    void Finish();
    // Cancel: the options of the baseline come back.
    void Cancel();
    // Exit: asks whether to end the program; true (and the exit request set) on Yes.
    bool ConfirmExit();

    // Without revert the current options become the baseline; with revert the baseline becomes current.
    void CopyOptions(bool revert);
    // Carries out the differences between the current options and the baseline.
    void ApplyOptionChanges();

    bool ApplyEnabled() const { return applyEnabled_; }
    // Something was changed that the caller shows (the Organize window redraws its tree).
    bool SettingsChanged() const { return settingsChanged_; }
    bool ExitRequested() const { return exitRequested_; }

private:
    void SaveOptions();

    OptionsDialogServices services_;
    clsMenuCollection* collection_ = nullptr;
    bool forMainCollection_ = false;
    Options baseline_;
    bool settingsChanged_ = false;
    bool applyEnabled_ = false;
    bool exitRequested_ = false;
};

} // namespace krv
