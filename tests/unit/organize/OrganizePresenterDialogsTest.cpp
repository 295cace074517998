// The Organize window's presenter with the dialogs it opens: which dialog each command opens with what
// request, and what the presenter does with the answer (added or changed items, restored groups, Modified,
// the keyboard shortcuts registered anew, undo).

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "config/modFileHandler.h"
#include "fakes/FakeLocale.h"
#include "fakes/FakeOrganizeDialogs.h"
#include "fakes/FakeOrganizeView.h"
#include "fakes/FakeSystem.h"
#include "organize/OrganizePresenter.h"
#include "unit/menu/ResidentFixture.h"

namespace krv {
namespace {

class CountingHandOver final : public IOrganizeProgram {
public:
    void ApplyToProgram(const clsMenuCollection&) override {}
    void RestoreOrganizedFolders(OrganizedFoldersLocation, const clsMenuCollection&) override {}
    void RebuildKeyboardShortcuts(clsMenuCollection&) override { ++rebuilds; }
    int rebuilds = 0;
};

class OrganizePresenterDialogsTest : public ResidentTest {
protected:
    OrganizePresenterDialogsTest() {
        AddGroup(MIT_GROUP_USER, "Personal", "-1");
        AddShortcut("Docs", "C:\\Data", MIT_GROUP_USER, MIT_PATH_SHORTCUT, 49);
        AddGroup(MIT_PATHS_SYSTEM, "System Folders", "-1");
        system.AddDiskWithFolders('C', "System", 2);
        presenter.Load();
    }

    clsMenuCollection& Work() { return presenter.WorkCollection(); }
    const clsMenuItem* Find(const std::string& caption) {
        for (clsMenuItem& item : Work())
            if (item.Caption() == caption)
                return &item;
        return nullptr;
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const ShownMessage& shown : messageBox.Shown())
            texts.push_back(shown.text);
        return texts;
    }
    static ItemDialogResult Shortcut(const std::string& caption, const std::string& path, int32_t key = -1) {
        return ItemDialogResult{MIT_PATH, MIT_PATH_EXPLORER, caption, path, key, ""};
    }

    Windows1252CodePage codePage;
    modFileHandler files{fileSystem,     codePage,      regHandler,
                         "C:\\Karvello", state.options, [](clsMenuCollection&, bool) {}};
    FakeSystem system;
    SystemServices systemServices = system.Services();
    CountingHandOver handOver;
    FakeOrganizeDialogs dialogs;
    FakeLocale locale;
    FakeOrganizeView view;
    OrganizePresenter presenter{
        OrganizeServices{context, files, handOver, dialogs, messageBox, locale, &systemServices}, view};
};

TEST_F(OrganizePresenterDialogsTest, NewItemCommandsAskForTheirKindInTheSelectedGroup) {
    struct Case {
        OrganizeCommand Command;
        const char* Call;
    };
    const Case cases[] = {
        {OrganizeCommand::NewGroup, "ShowItemDialog New MIT_GROUP_GENERAL MIT_GROUP_USER"},
        {OrganizeCommand::NewFolderShortcut, "ShowItemDialog New MIT_PATH_SHORTCUT MIT_GROUP_USER"},
        {OrganizeCommand::NewExplorerShortcut, "ShowItemDialog New MIT_PATH_EXPLORER MIT_GROUP_USER"},
        {OrganizeCommand::NewOpenAll, "ShowItemDialog New MIT_OPENALL MIT_GROUP_USER"},
        {OrganizeCommand::FileNewItem, "ShowItemDialog New MIT_PATH_EXPLORER MIT_GROUP_USER"},
    };
    presenter.OnTreeSelectionChanged("C" + std::string(MIT_GROUP_USER));
    for (const Case& c : cases) {
        dialogs.calls.clear();
        presenter.OnCommand(c.Command);
        EXPECT_EQ(dialogs.calls, std::vector<std::string>{c.Call});
    }
    // Every dialog was cancelled: nothing changed.
    EXPECT_FALSE(presenter.Modified());
    EXPECT_EQ(handOver.rebuilds, 0);
}

TEST_F(OrganizePresenterDialogsTest, NewItemAtTheRootIsRefusedWithoutTheDialog) {
    presenter.OnCommand(OrganizeCommand::NewExplorerShortcut);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(Messages(), std::vector<std::string>{"Can't add new items here."});
}

TEST_F(OrganizePresenterDialogsTest, AnAcceptedNewItemIsAddedSelectedRegisteredAndCanBeUndone) {
    presenter.OnTreeSelectionChanged("C" + std::string(MIT_GROUP_USER));
    dialogs.itemDialogAnswers.push_back(Shortcut("Work", "C:\\Work", 50));
    presenter.OnCommand(OrganizeCommand::NewExplorerShortcut);

    const clsMenuItem* added = Find("Work");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->OwnerName(), MIT_GROUP_USER);
    EXPECT_EQ(added->FolderPath(), "C:\\Work");
    EXPECT_EQ(added->KeyboardCode(), 50);
    EXPECT_TRUE(presenter.Modified());
    EXPECT_EQ(handOver.rebuilds, 1);
    EXPECT_EQ(presenter.SelectedListNames(), std::vector<std::string>{added->Name()});

    presenter.OnCommand(OrganizeCommand::EditUndo);
    EXPECT_EQ(Find("Work"), nullptr);
    EXPECT_FALSE(presenter.Modified());
}

TEST_F(OrganizePresenterDialogsTest, AddCommandOpensTheDialogForTheFolderInThePersonalGroup) {
    struct Case {
        const char* Command;
        const char* Call;
    };
    const Case cases[] = {
        {"/ADD C:", "ShowItemDialog New MIT_PATH_EXPLORER MIT_GROUP_USER C:\\"},
        {"/ADD  D:\\Music ", "ShowItemDialog New MIT_PATH_EXPLORER MIT_GROUP_USER D:\\Music"},
        {"/ADD \\\\server\\share", "ShowItemDialog New MIT_PATH_EXPLORER MIT_GROUP_USER \\\\server\\share"},
    };
    for (const Case& c : cases) {
        dialogs.calls.clear();
        presenter.OnTreeSelectionChanged("MIT_HF_ROOT");
        presenter.Init(c.Command);
        EXPECT_EQ(dialogs.calls, std::vector<std::string>{c.Call}) << c.Command;
    }
    dialogs.itemDialogAnswers.push_back(Shortcut("share", "\\\\server\\share", 51));
    presenter.Init("/ADD \\\\server\\share");
    const clsMenuItem* added = Find("share");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->OwnerName(), MIT_GROUP_USER);
    EXPECT_EQ(handOver.rebuilds, 1);
}

TEST_F(OrganizePresenterDialogsTest, ChangeIsRefusedForTheFixedGroupsAndAppliesAnAcceptedDialog) {
    presenter.OnTreeSelectionChanged("C" + std::string(MIT_GROUP_USER));
    presenter.OnCommand(OrganizeCommand::EditChange);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(Messages(), std::vector<std::string>{"Can't change this group."});

    const std::string docs = Find("Docs")->Name();
    presenter.OnPaneFocused(OrganizePane::List);
    view.selectedRows = {0};
    presenter.OnListSelectionChanged();
    dialogs.itemDialogAnswers.push_back(Shortcut("Papers", "D:\\Papers", -1));
    presenter.OnCommand(OrganizeCommand::EditChange);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"ShowItemDialog Change " + docs + " MIT_GROUP_USER"});
    const clsMenuItem* changed = Work().GetMenuItemFromName(docs);
    ASSERT_NE(changed, nullptr);
    EXPECT_EQ(changed->Caption(), "Papers");
    EXPECT_EQ(changed->FolderPath(), "D:\\Papers");
    EXPECT_EQ(changed->KeyboardCode(), -1);
    EXPECT_TRUE(presenter.Modified());
    EXPECT_EQ(handOver.rebuilds, 1);
}

TEST_F(OrganizePresenterDialogsTest, PropertiesThatChangedTheTreeMarkItModifiedAndRegisterTheShortcuts) {
    presenter.OnTreeSelectionChanged("C" + std::string(MIT_GROUP_USER));
    presenter.OnCommand(OrganizeCommand::ViewProperties);
    EXPECT_FALSE(presenter.Modified());

    dialogs.propertiesChange = [](clsMenuCollection& collection) {
        for (clsMenuItem& item : collection)
            if (item.FolderPath() == "C:\\Data")
                item.SetFolderPath("C:\\Data2");
    };
    presenter.OnCommand(OrganizeCommand::ViewProperties);
    EXPECT_TRUE(presenter.Modified());
    EXPECT_EQ(handOver.rebuilds, 1);
    EXPECT_EQ(Find("Docs")->FolderPath(), "C:\\Data2");
    presenter.OnCommand(OrganizeCommand::EditUndo);
    EXPECT_EQ(Find("Docs")->FolderPath(), "C:\\Data");
}

TEST_F(OrganizePresenterDialogsTest, TheWizardsChoiceRestoresTheGroupWithTheWaitCursorAndItsMessage) {
    struct Case {
        OrganizeCommand Command;
        std::optional<RestoreChoice> Answer;
        const char* Call;
        const char* Message; // nullptr: nothing restored
    };
    const Case cases[] = {
        {OrganizeCommand::ToolsRestorePersonal, std::nullopt, "ShowRestoreWizard Personal", nullptr},
        {OrganizeCommand::ToolsRestorePersonal, RestoreChoice{MIT_GROUP_USER, 0},
         "ShowRestoreWizard Personal", "Content of Personal group has been successfully restored."},
        {OrganizeCommand::ToolsRestoreSystemFolders, RestoreChoice{MIT_PATHS_SYSTEM, 0},
         "ShowRestoreWizard System", "Content of System Folders group has been successfully restored."},
    };
    for (const Case& c : cases) {
        dialogs.calls.clear();
        messageBox = FakeMessageBox{};
        view.busyCalls.clear();
        dialogs.restoreAnswers.push_back(c.Answer);
        presenter.OnCommand(c.Command);
        EXPECT_EQ(dialogs.calls, std::vector<std::string>{c.Call});
        if (c.Message == nullptr) {
            EXPECT_TRUE(Messages().empty());
            EXPECT_FALSE(presenter.Modified());
        } else {
            EXPECT_EQ(Messages(), std::vector<std::string>{c.Message});
            EXPECT_EQ(view.busyCalls, (std::vector<bool>{true, false}));
            EXPECT_TRUE(presenter.Modified());
        }
    }
    // The blank Personal group replaced the one with Docs.
    EXPECT_EQ(Find("Docs"), nullptr);
    ASSERT_NE(Work().GetMenuItemFromName(MIT_GROUP_USER), nullptr);
}

TEST_F(OrganizePresenterDialogsTest, TheTipShowsOnceOnActivationWhenSwitchedOnAndNotOpenedForACommand) {
    struct Case {
        bool ShowTips;
        bool OpenedByCommand;
        size_t Tips;
    };
    const Case cases[] = {{true, false, 1}, {false, false, 0}, {true, true, 0}};
    for (const Case& c : cases) {
        state.options.ShowTips = c.ShowTips;
        state.OrganizeOpenedByCommand = c.OpenedByCommand;
        FakeOrganizeDialogs fresh;
        OrganizePresenter opened{
            OrganizeServices{context, files, handOver, fresh, messageBox, locale, &systemServices}, view};
        opened.Load();
        opened.OnActivated();
        opened.OnActivated();
        EXPECT_EQ(fresh.calls.size(), c.Tips) << c.ShowTips << c.OpenedByCommand;
    }
}

TEST_F(OrganizePresenterDialogsTest, HelpAndFileEntriesOpenTheirDialogs) {
    const std::pair<OrganizeCommand, const char*> cases[] = {
        {OrganizeCommand::HelpTipOfTheDay, "ShowTipOfTheDay"},
        {OrganizeCommand::HelpAbout, "ShowAbout"},
        {OrganizeCommand::FileInformation, "ShowConfigFileInformation"},
    };
    for (const auto& [command, call] : cases) {
        dialogs.calls.clear();
        presenter.OnCommand(command);
        EXPECT_EQ(dialogs.calls, std::vector<std::string>{call});
    }
}

} // namespace
} // namespace krv
