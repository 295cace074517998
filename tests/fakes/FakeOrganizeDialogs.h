#pragma once
// The Organize window's dialogs as a script: each answers what the test put in, and every call is recorded
// as one line ("ShowItemDialog New MIT_PATH_EXPLORER MIT_GROUP_USER C:\Data").

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/clsMenuCollection.h"
#include "organize/OrganizeDialogs.h"

namespace krv {

class FakeOrganizeDialogs final : public IOrganizeDialogs {
public:
    std::optional<ItemDialogResult> ShowItemDialog(clsMenuCollection&,
                                                   const ItemDialogRequest& request) override {
        calls.push_back(
            "ShowItemDialog " +
            std::string(request.DialogMode == ItemDialogRequest::Mode::New ? "New " : "Change ") +
            (request.DialogMode == ItemDialogRequest::Mode::New ? request.RequestedType : request.ItemName) +
            " " + request.TargetGroupName + (request.InitialPath.empty() ? "" : " " + request.InitialPath));
        return Next(itemDialogAnswers);
    }
    bool ShowItemProperties(clsMenuCollection& collection, const std::string& itemName) override {
        calls.push_back("ShowItemProperties " + itemName);
        if (propertiesChange)
            propertiesChange(collection);
        return static_cast<bool>(propertiesChange);
    }
    void ShowConfigFileInformation(const clsMenuCollection&) override {
        calls.push_back("ShowConfigFileInformation");
    }
    std::optional<RestoreChoice> ShowRestoreWizard(RestoreMode mode) override {
        calls.push_back(mode == RestoreMode::PersonalGroup ? "ShowRestoreWizard Personal"
                                                           : "ShowRestoreWizard System");
        return Next(restoreAnswers);
    }
    void ShowTipOfTheDay() override { calls.push_back("ShowTipOfTheDay"); }
    void ShowShortcutsList(clsMenuCollection& collection) override {
        calls.push_back("ShowShortcutsList");
        if (shortcutsListChange)
            shortcutsListChange(collection);
    }
    OrganizeOptionsOutcome ShowOptions(clsMenuCollection&) override {
        calls.push_back("ShowOptions");
        return optionsOutcome;
    }
    void ShowAbout() override { calls.push_back("ShowAbout"); }
    ItemExistsAnswer AskItemExists(const clsMenuItem& existing, const clsMenuItem& incoming) override {
        calls.push_back("AskItemExists " + existing.Caption() + " " + incoming.Caption());
        const auto answer = Next(itemExistsAnswers);
        return answer ? *answer : ItemExistsAnswer::Cancel;
    }

    std::vector<std::string> calls;
    std::deque<std::optional<ItemDialogResult>> itemDialogAnswers;
    std::deque<std::optional<RestoreChoice>> restoreAnswers;
    std::deque<std::optional<ItemExistsAnswer>> itemExistsAnswers;
    // What the properties dialog and the shortcuts list do to the collection, when set.
    std::function<void(clsMenuCollection&)> propertiesChange;
    std::function<void(clsMenuCollection&)> shortcutsListChange;
    OrganizeOptionsOutcome optionsOutcome;

private:
    // The next scripted answer; nothing (the cancel answer) when the script has run out.
    template <typename T> static T Next(std::deque<T>& answers) {
        if (answers.empty())
            return T{};
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

} // namespace krv
