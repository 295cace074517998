#include "organize/RestoreWizard.h"

#include <gtest/gtest.h>

#include "model/MenuVocabulary.h"

namespace krv {
namespace {

using Answer = std::optional<std::pair<std::string, int>>;
Answer Of(const std::optional<RestoreChoice>& choice) {
    if (!choice)
        return std::nullopt;
    return std::make_pair(choice->GroupName, choice->Choice);
}

TEST(RestoreWizard, BothModesFinishOnTheirOnlyPage) {
    RestoreWizard personal;
    personal.Init(RestoreMode::PersonalGroup, "");
    EXPECT_STREQ(personal.Texts().Caption, "Restore Personal Group Wizard");
    EXPECT_STREQ(personal.NextCaption(), "Finish");
    EXPECT_TRUE(personal.ChoicesVisible());
    EXPECT_FALSE(personal.PathBoxVisible());

    RestoreWizard system;
    system.Init(RestoreMode::SystemFolders, "kept");
    EXPECT_STREQ(system.Texts().Instruction, "To restore System Folders group, click Finish.");
    EXPECT_STREQ(system.Texts().Warning, personal.Texts().Warning);
    EXPECT_FALSE(system.ChoicesVisible());
    EXPECT_EQ(system.Text(), "kept");
    system.Init(RestoreMode::SystemFolders, "");
    EXPECT_EQ(system.Text(), "kept") << "an empty text keeps the one before";
    EXPECT_EQ(Of(system.Next()), Answer(std::make_pair(std::string(MIT_PATHS_SYSTEM), 0)));
}

TEST(RestoreWizard, TheChoiceIsTheSelectedButtonOrTwo) {
    struct Case {
        std::optional<int> selected;
        int choice;
    };
    for (const Case c : {Case{std::nullopt, 2}, Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{3, 3}, Case{7, 2}}) {
        RestoreWizard wizard;
        wizard.Init(RestoreMode::PersonalGroup, "");
        wizard.SelectChoice(c.selected);
        EXPECT_EQ(Of(wizard.Next()), Answer(std::make_pair(std::string(MIT_GROUP_USER), c.choice)))
            << c.selected.value_or(-1);
    }
}

TEST(RestoreWizard, BackTurnsToAnEarlierPageAndNextReturnsWithoutFinishing) {
    RestoreWizard wizard;
    wizard.Init(RestoreMode::PersonalGroup, "");
    EXPECT_TRUE(wizard.BackEnabled());
    wizard.Back();
    EXPECT_EQ(wizard.Page(), 1);
    EXPECT_STREQ(wizard.NextCaption(), "Next >");
    EXPECT_TRUE(wizard.PathBoxVisible());
    EXPECT_FALSE(wizard.ChoicesVisible());
    EXPECT_EQ(Of(wizard.Next()), std::nullopt);
    EXPECT_EQ(wizard.Page(), kLastWizardPage);
    wizard.Back();
    wizard.Back();
    wizard.Back();
    EXPECT_EQ(wizard.Page(), 0);
    EXPECT_FALSE(wizard.BackEnabled());
}

} // namespace
} // namespace krv
