#include "organize/OrganizePresenter.h"

#include <gtest/gtest.h>

#include "config/modFileHandler.h"
#include "fakes/FakeLocale.h"
#include "fakes/FakeOrganizeDialogs.h"
#include "fakes/FakeOrganizeView.h"
#include "menu/modMenuSetup.h"
#include "platform/Locale.h"
#include "platform/Text.h"
#include "settings/FormPosition.h"
#include "settings/RegistryNames.h"
#include "unit/menu/ResidentFixture.h"

namespace krv {
namespace {

constexpr const char* kFolder = "C:\\Program Files\\Karvello";
constexpr const char* kDefaultFile = "C:\\Program Files\\Karvello\\default.krvc";
constexpr const char* kOtherFile = "C:\\Data\\other.krvc";
constexpr const char* kOrgKey = "Software\\Tessary\\Karvello\\frmOrg";

// What the editor handed to the running program, one line per call.
class RecordingHandOver final : public IOrganizeProgram {
public:
    explicit RecordingHandOver(ProgramState& state) : state_(state) {}
    void ApplyToProgram(const clsMenuCollection& work) override {
        calls.push_back("ApplyToProgram " + std::to_string(work.Count()));
        state_.MenuItems.Clear();
        CopyCollection(work, state_.MenuItems);
    }
    void RestoreOrganizedFolders(OrganizedFoldersLocation location, const clsMenuCollection&) override {
        calls.push_back("RestoreOrganizedFolders " + std::to_string(static_cast<int>(location)));
    }
    void RebuildKeyboardShortcuts(clsMenuCollection& collection) override {
        calls.push_back(std::string("RebuildKeyboardShortcuts ") +
                        (&collection == &state_.MenuItems ? "program" : "work"));
    }
    std::vector<std::string> calls;

private:
    ProgramState& state_;
};

class OrganizePresenterTest : public ResidentTest {
protected:
    OrganizePresenterTest() {
        InitOptionNames(state.options);
        fileSystem.AddFolder(kFolder);
        // The fixed entry the program adds to every tree: never shown in the editor.
        AddItem(MIT_HF_ORGANIZE, MIT_HF_ORGANIZE, "-1");
        AddGroup(MIT_GROUP_USER, "Personal", "-1");
        AddGroup("W", "Work", MIT_GROUP_USER);
        AddNamedShortcut("DO", "Docs", "C:\\Docs", "W", MIT_PATH_SHORTCUT, 49)
            .SetUserDescription("my papers");
        AddNamedShortcut("MU", "Music", "C:\\Music", MIT_GROUP_USER, MIT_PATH_EXPLORER);
        state.MenuItems.AddNewMenuItem(
            {.Caption = "All", .OwnerName = MIT_GROUP_USER, .Name = "OA", .ItemType = MIT_OPENALL});
        files.GetConfigFileName(true);
        EXPECT_TRUE(files.SaveConfigFile(state.MenuItems, "", false));
    }

    clsMenuItem& AddNamedShortcut(const std::string& name, const std::string& caption,
                                  const std::string& folder, const std::string& owner, const char* openType,
                                  int32_t keyboardCode = -1) {
        clsMenuItem* item = state.MenuItems.AddNewMenuItem({.Caption = caption,
                                                            .OwnerName = owner,
                                                            .Name = name,
                                                            .FolderPath = folder,
                                                            .ItemType = MIT_PATH,
                                                            .OpenType = openType,
                                                            .KeyboardCode = keyboardCode});
        EXPECT_NE(item, nullptr);
        return *item;
    }
    OrganizePresenter& Open() {
        presenter.Load();
        return presenter;
    }
    void SetOrg(const std::string& name, const std::string& value) {
        regHandler.SetKeyValue(RegistryRoot::CurrentUser, kOrgKey, name, value);
    }
    std::string Org(const std::string& name) {
        std::string value;
        regHandler.GetKeyValue(RegistryRoot::CurrentUser, kOrgKey, name, value);
        return value;
    }
    // A second configuration file with one group "Other" in the Personal group.
    void WriteOtherFile() {
        clsMenuCollection other;
        other.AddNewMenuItem(
            {.Caption = "Personal", .OwnerName = "-1", .Name = MIT_GROUP_USER, .SubMenu = true});
        other.AddNewMenuItem({.Caption = "Other", .OwnerName = MIT_GROUP_USER, .Name = "X", .SubMenu = true});
        ASSERT_TRUE(files.SaveConfigFile(other, kOtherFile, false));
    }
    void OpenOtherFile() {
        WriteOtherFile();
        view.openAnswers.push_back(FileDialogChoice{kOtherFile, 1});
        presenter.OnCommand(OrganizeCommand::FileOpen);
        messageBox = FakeMessageBox();
    }
    // "title|text" of each message shown, in order.
    std::vector<std::string> Messages() const {
        std::vector<std::string> lines;
        for (const ShownMessage& shown : messageBox.Shown())
            lines.push_back(shown.title + "|" + shown.text);
        return lines;
    }
    void SelectRows(const std::vector<std::string>& captions) {
        view.selectedRows.clear();
        for (const std::string& caption : captions)
            view.selectedRows.push_back(view.RowIndex(caption));
        presenter.OnListSelectionChanged();
    }
    std::string FileText(const char* path) const { return fileSystem.Content(path).value_or("<none>"); }

    Windows1252CodePage codePage;
    modFileHandler files{fileSystem, codePage,      regHandler,
                         kFolder,    state.options, [](clsMenuCollection&, bool) {}};
    RecordingHandOver handOver{state};
    FakeOrganizeDialogs dialogs;
    FakeLocale locale;
    FakeOrganizeView view;
    OrganizePresenter presenter{OrganizeServices{context, files, handOver, dialogs, messageBox, locale},
                                view};
};

// --- Loading

TEST_F(OrganizePresenterTest, LoadAppliesTheSettingsBeforeFillingAndStartsUnmodifiedAtTheRoot) {
    SetOrg("ICHW2", "1500");
    SetOrg("I6", "2600");
    Open();
    const std::vector<std::string> expected = {"SetListColumnWidth 1 1500",
                                               "SetListViewMode 3",
                                               "SetTreeWidth 2600",
                                               "ShowStatusBar 1",
                                               "SetToolbar 11",
                                               "SetCaption Organize Folders",
                                               "SetTreeRows 6",
                                               "SelectTreeNode MIT_HF_ROOT"};
    EXPECT_EQ(view.log, expected);
    EXPECT_FALSE(presenter.Modified());
    EXPECT_FALSE(presenter.DefaultChanged());
    EXPECT_TRUE(presenter.SaveOnExit());
    EXPECT_EQ(presenter.FocusPane(), OrganizePane::Tree);
    EXPECT_EQ(presenter.EditorConfigFile(), kDefaultFile);
    EXPECT_TRUE(presenter.EditsCurrentFile());
    EXPECT_EQ(view.hidden, (std::set{OrganizeCommand::FileOpenDefault, OrganizeCommand::FileSetDefault}));
    // The working collection is a copy: the program's tree does not follow its edits.
    presenter.WorkCollection().Remove("W");
    EXPECT_NE(state.MenuItems.GetMenuItemFromName("W"), nullptr);
}

TEST_F(OrganizePresenterTest, StoredSettingsAndTheirFallbacks) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> stored;
        bool statusBar;
        ListViewMode mode;
        bool grid;
        bool text;
        bool large;
        std::optional<int> treeWidth;
    };
    const Case cases[] = {
        {{}, true, ListViewMode::Report, false, true, true, std::nullopt},
        {{{"I1", "False"}, {"I3", "0"}, {"I4", " false "}},
         false,
         ListViewMode::Report,
         false,
         false,
         false,
         std::nullopt},
        {{{"I2", "keyViewsGrid"}}, true, ListViewMode::Report, true, true, true, std::nullopt},
        {{{"I2", "keyViewsIcoSmall"}}, true, ListViewMode::SmallIcons, false, true, true, std::nullopt},
        {{{"I2", "keyViewsNone"}, {"I1", "maybe"}},
         true,
         ListViewMode::Report,
         false,
         true,
         true,
         std::nullopt},
        {{{"I6", "100"}}, true, ListViewMode::Report, false, true, true, std::nullopt},
        {{{"I6", "101"}}, true, ListViewMode::Report, false, true, true, 101},
        {{{"I6", " 3000 "}}, true, ListViewMode::Report, false, true, true, 3000},
        {{{"I6", "wide"}}, true, ListViewMode::Report, false, true, true, std::nullopt},
        {{{"I6", "-500"}}, true, ListViewMode::Report, false, true, true, std::nullopt},
    };
    for (const Case& c : cases) {
        FakeRegistry fresh;
        clsRegHandler handler(fresh);
        for (const auto& [name, value] : c.stored)
            handler.SetKeyValue(RegistryRoot::CurrentUser, kOrgKey, name, value);
        const std::string what =
            c.stored.empty() ? "none" : c.stored.front().first + "=" + c.stored.front().second;
        const OrganizeSettings settings = LoadOrganizeSettings(handler);
        EXPECT_EQ(settings.ShowStatusBar, c.statusBar) << what;
        EXPECT_EQ(settings.ToolbarShowText, c.text) << what;
        EXPECT_EQ(settings.ToolbarLargeButtons, c.large) << what;
        EXPECT_EQ(settings.TreeWidth, c.treeWidth) << what;

        registry = FakeRegistry();
        for (const auto& [name, value] : c.stored)
            SetOrg(name, value);
        FakeOrganizeView fresher;
        OrganizePresenter other(OrganizeServices{context, files, handOver, dialogs, messageBox, locale},
                                fresher);
        other.Load();
        EXPECT_EQ(fresher.mode, c.mode) << what;
        EXPECT_EQ(fresher.gridLines, c.grid) << what;
        EXPECT_EQ(fresher.statusBarShown, c.statusBar) << what;
        EXPECT_EQ(fresher.treeWidthSet, c.treeWidth.has_value()) << what;
        EXPECT_EQ(fresher.checked.contains(OrganizeCommand::ViewStatusBar), c.statusBar) << what;
        EXPECT_EQ(fresher.checked.contains(OrganizeCommand::ViewToolbarShowText), c.text) << what;
        EXPECT_EQ(fresher.checked.contains(OrganizeCommand::ViewToolbarLargeButtons), c.large) << what;
    }
}

TEST_F(OrganizePresenterTest, AStoredMinimizedWindowOpensNormalAtItsPlace) {
    for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
             {"L", "1500"}, {"T", "1500"}, {"W", "9000"}, {"H", "6000"}, {"S", "1"}})
        SetOrg(name, value);
    const ScreenInfo screen{{0, 0, 1280, 1024}, {0, 0, 1280, 1024}, 96};
    const FormPlacement placement =
        LoadFormPosition(regHandler, ORGANIZE_WINDOW_NAME, false, 1024, 819, false, {}, screen);
    EXPECT_EQ(placement.State, FormWindowState::Normal);
    EXPECT_EQ(placement.Bounds, (PixelRect{100, 100, 600, 400}));
    // Any value missing: 4/5 of the screen, centred.
    SetOrg("W", "");
    const FormPlacement centred =
        LoadFormPosition(regHandler, ORGANIZE_WINDOW_NAME, false, 1024, 819, false, {}, screen);
    EXPECT_EQ(centred.Bounds, (PixelRect{128, 102, 1024, 819}));
}

// --- Tree and list

TEST_F(OrganizePresenterTest, TreeHoldsGroupsAndShortcutsOnlyWithTheLeftPaneOption) {
    struct Case {
        const char* stored;
        std::vector<std::string> outline;
    };
    const Case cases[] = {
        {"True", {"Organized Folders", "  Personal", "    Work", "      Docs", "    Music", "    Open-All"}},
        {"False", {"Organized Folders", "  Personal", "    Work"}},
    };
    for (const Case& c : cases) {
        view = FakeOrganizeView();
        SetOrg("I5", c.stored);
        Open();
        EXPECT_EQ(view.TreeOutline(), c.outline) << c.stored;
        EXPECT_EQ(view.treeRows.at(1).Key, "C" + std::string(MIT_GROUP_USER));
        EXPECT_EQ(view.treeRows.at(0).Key, ROOT_NODE_KEY);
    }
    // The View command turns it on again, keeping the selected group.
    presenter.SelectGroup("W");
    presenter.OnCommand(OrganizeCommand::ViewShortcutsInLeftPane);
    EXPECT_EQ(view.treeRows.size(), 6u);
    EXPECT_EQ(view.selectedNode, "CW");
    EXPECT_TRUE(view.checked.contains(OrganizeCommand::ViewShortcutsInLeftPane));
}

TEST_F(OrganizePresenterTest, ListRowsShowEveryColumnAndHideGeneratedEntries) {
    locale.items[LOCALE_ITEM_SHORT_DATE] = "d.M.yyyy";
    Open();
    EXPECT_EQ(view.ListTexts(), (std::vector<std::string>{"Personal"}));
    presenter.WorkCollection().GetMenuItemFromName("MU")->SetTimeModified({2026, 3, 9, 0, 0, 0});
    presenter.WorkCollection().GetMenuItemFromName("MU")->SetTimeCreated({});
    presenter.SelectGroup(MIT_GROUP_USER);
    EXPECT_EQ(view.ListTexts(), (std::vector<std::string>{"Work", "Music", "Open-All"}));
    const ListRow* music = view.Row("Music");
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->Key, "CMU");
    EXPECT_EQ(music->SubItems[0], presenter.WorkCollection().GetMenuItemFromName("MU")->Description());
    EXPECT_EQ(music->SubItems[2], "C:\\Music");
    const auto musicRow = static_cast<size_t>(view.RowIndex("Music"));
    EXPECT_EQ(presenter.ListCellText(musicRow, 0), "Music");
    EXPECT_EQ(presenter.ListCellText(musicRow, 5), "9.3.2026");
    EXPECT_EQ(presenter.ListCellText(musicRow, 6), "Never");
    EXPECT_EQ(presenter.ListCellText(musicRow, 3), "C:\\Music");
    EXPECT_EQ(presenter.ListCellText(musicRow, kListColumnCount), "");
    EXPECT_EQ(presenter.ListCellText(view.listRows->size(), 1), "");
    EXPECT_EQ(music->SubItems[1], "");
    EXPECT_EQ(view.Row("Open-All")->SubItems[0], "Open-All Shortcut");
    presenter.SelectGroup("W");
    const ListRow* docs = view.Row("Docs");
    ASSERT_NE(docs, nullptr);
    EXPECT_EQ(docs->SubItems[1], "Shift+Ctrl+1");
    EXPECT_EQ(docs->SubItems[3], "my papers");
    EXPECT_FALSE(docs->SubItems[0].empty());
}

TEST_F(OrganizePresenterTest, ArrangeIconsSortsDatesAsDatesAndTextsWithoutCase) {
    locale.items[LOCALE_ITEM_SHORT_DATE] = "d.M.yyyy";
    Open();
    clsMenuCollection& work = presenter.WorkCollection();
    work.GetMenuItemFromName("W")->SetTimeModified({2026, 1, 10, 0, 0, 0}); // "10.1.2026"
    work.GetMenuItemFromName("MU")->SetTimeModified({2026, 1, 9, 0, 0, 0}); // "9.1.2026"
    work.GetMenuItemFromName("OA")->SetTimeModified({2025, 12, 31, 0, 0, 0});
    work.GetMenuItemFromName("OA")->SetCaption2("apples");
    presenter.SelectGroup(MIT_GROUP_USER);
    const struct {
        OrganizeCommand command;
        std::vector<std::string> order;
    } cases[] = {
        {OrganizeCommand::ArrangeByName, {"apples", "Music", "Work"}},
        {OrganizeCommand::ArrangeByModified, {"apples", "Music", "Work"}},
        {OrganizeCommand::ArrangeByCreated, {"apples", "Music", "Work"}}, // all never: kept in name order
        {OrganizeCommand::ArrangeByTargetFolder, {"apples", "Work", "Music"}},
    };
    for (const auto& c : cases) {
        presenter.OnCommand(c.command);
        EXPECT_EQ(view.ListTexts(), c.order) << CommandId(c.command);
    }
    // The order holds for later fills, and the selection follows its rows.
    SelectRows({"Music"});
    presenter.OnCommand(OrganizeCommand::ArrangeByName);
    EXPECT_EQ(view.selectedRows, std::vector<int>{1});
    presenter.OnCommand(OrganizeCommand::ViewRefresh);
    EXPECT_EQ(view.ListTexts(), (std::vector<std::string>{"apples", "Music", "Work"}));
    EXPECT_EQ(view.selectedRows, std::vector<int>{1});
}

TEST_F(OrganizePresenterTest, StatusBarIsRewrittenOnlyWhenAValueChanges) {
    Open();
    presenter.SelectGroup(MIT_GROUP_USER);
    EXPECT_EQ(view.status.Count, "3 object(s)");
    EXPECT_EQ(view.status.Name, "Personal");
    const int writes = view.statusWrites;
    presenter.SelectGroup(MIT_GROUP_USER);
    EXPECT_EQ(view.statusWrites, writes);

    struct Case {
        std::vector<std::string> rows;
        std::string count;
        std::string type;
        std::string name;
    };
    const Case cases[] = {
        {{"Music"}, "1 object(s) selected", view.Row("Music")->SubItems[0], "Music"},
        {{"Music", "Open-All"}, "2 object(s) selected", "Multiple selection", "Personal"},
        {{}, "2 object(s) selected", "Multiple selection", "Personal"}, // none selected: unchanged
        {{"Open-All"}, "1 object(s) selected", "Open-All Shortcut", "Open-All"},
    };
    for (const Case& c : cases) {
        SelectRows(c.rows);
        EXPECT_EQ(view.status.Count, c.count);
        EXPECT_EQ(view.status.Type, c.type);
        EXPECT_EQ(view.status.Name, c.name);
    }
    const int before = view.statusWrites;
    SelectRows({"Open-All"});
    EXPECT_EQ(view.statusWrites, before);
    presenter.SelectGroup(ROOT_NODE_KEY);
    EXPECT_EQ(view.status.Type, "Root");
    EXPECT_EQ(view.status.Name, "Organized Folders");
}

TEST_F(OrganizePresenterTest, EachViewChecksItsEntryAndClearsTheOtherFour) {
    Open();
    const struct {
        OrganizeCommand command;
        ListViewMode mode;
        bool grid;
        const char* key;
    } cases[] = {
        {OrganizeCommand::ViewLargeIcons, ListViewMode::LargeIcons, false, "keyViewsIcoLarge"},
        {OrganizeCommand::ViewSmallIcons, ListViewMode::SmallIcons, false, "keyViewsIcoSmall"},
        {OrganizeCommand::ViewList, ListViewMode::List, false, "keyViewsList"},
        {OrganizeCommand::ViewGrid, ListViewMode::Report, true, "keyViewsGrid"},
        {OrganizeCommand::ViewDetails, ListViewMode::Report, false, "keyViewsDetails"},
    };
    const std::set<OrganizeCommand> views = {OrganizeCommand::ViewLargeIcons, OrganizeCommand::ViewSmallIcons,
                                             OrganizeCommand::ViewList, OrganizeCommand::ViewDetails,
                                             OrganizeCommand::ViewGrid};
    for (const auto& c : cases) {
        presenter.OnCommand(c.command);
        EXPECT_EQ(view.mode, c.mode);
        EXPECT_EQ(view.gridLines, c.grid);
        EXPECT_EQ(presenter.ViewKey(), c.key);
        std::set<OrganizeCommand> checkedViews;
        for (OrganizeCommand command : view.checked)
            if (views.contains(command))
                checkedViews.insert(command);
        EXPECT_EQ(checkedViews, std::set{c.command});
    }
    presenter.ApplyListViewView("keyViewsTiles");
    EXPECT_EQ(presenter.ViewKey(), "keyViewsDetails");
    EXPECT_TRUE(view.checked.contains(OrganizeCommand::ViewDetails));

    const struct {
        OrganizeCommand command;
        bool FakeOrganizeView::*shown;
    } toggles[] = {{OrganizeCommand::ViewStatusBar, &FakeOrganizeView::statusBarShown},
                   {OrganizeCommand::ViewToolbarShowText, &FakeOrganizeView::toolbarText},
                   {OrganizeCommand::ViewToolbarLargeButtons, &FakeOrganizeView::toolbarLarge}};
    for (const auto& t : toggles) {
        presenter.OnCommand(t.command);
        EXPECT_FALSE(view.*t.shown) << CommandId(t.command);
        EXPECT_FALSE(view.checked.contains(t.command)) << CommandId(t.command);
        presenter.OnCommand(t.command);
        EXPECT_TRUE(view.*t.shown) << CommandId(t.command);
        EXPECT_TRUE(view.checked.contains(t.command)) << CommandId(t.command);
    }
}

TEST_F(OrganizePresenterTest, ToolbarButtonsFollowTheSelectionWithoutAMenuOpening) {
    Open();
    presenter.SelectGroup(MIT_GROUP_USER);
    presenter.OnPaneFocused(OrganizePane::List);
    const std::set<OrganizeCommand> rowButtons = {OrganizeCommand::EditCut, OrganizeCommand::EditCopy,
                                                  OrganizeCommand::EditDelete,
                                                  OrganizeCommand::ViewProperties};
    for (OrganizeCommand command : rowButtons)
        EXPECT_TRUE(view.disabled.contains(command)) << CommandId(command);
    SelectRows({"Music"});
    for (OrganizeCommand command : rowButtons)
        EXPECT_FALSE(view.disabled.contains(command)) << CommandId(command);
    // The root has no level above it.
    presenter.OnPaneFocused(OrganizePane::Tree);
    presenter.SelectGroup(ROOT_NODE_KEY);
    EXPECT_TRUE(view.disabled.contains(OrganizeCommand::ViewUpOneLevel));
    presenter.SelectGroup("W");
    EXPECT_FALSE(view.disabled.contains(OrganizeCommand::ViewUpOneLevel));
}

TEST_F(OrganizePresenterTest, RightClicksOpenTheItemOrTheEmptySpacePopup) {
    Open();
    presenter.OnContextMenu(OrganizePane::List, "CMU", 10, 20);
    presenter.OnContextMenu(OrganizePane::List, "", 30, 40);
    presenter.OnContextMenu(OrganizePane::Tree, "CW", 50, 60);
    EXPECT_EQ(view.Logged("ShowPopupMenu"),
              (std::vector<std::string>{
                  "ShowPopupMenu " + std::to_string(static_cast<int>(OrganizeMenu::ItemPopup)) + " 10,20",
                  "ShowPopupMenu " + std::to_string(static_cast<int>(OrganizeMenu::EmptyPopup)) + " 30,40",
                  "ShowPopupMenu " + std::to_string(static_cast<int>(OrganizeMenu::ItemPopup)) + " 50,60"}));
    EXPECT_EQ(presenter.FocusPane(), OrganizePane::Tree);
}

TEST_F(OrganizePresenterTest, TheTipOfTheDayShowsOnceAndNotForARoadInWithACommand) {
    const struct {
        bool tips;
        bool byCommand;
        size_t shown;
    } cases[] = {{true, false, 1}, {false, false, 0}, {true, true, 0}};
    for (const auto& c : cases) {
        dialogs.calls.clear();
        state.options.ShowTips = c.tips;
        state.OrganizeOpenedByCommand = c.byCommand;
        FakeOrganizeView fresh;
        OrganizePresenter p(OrganizeServices{context, files, handOver, dialogs, messageBox, locale}, fresh);
        p.Load();
        p.OnActivated();
        p.OnActivated();
        EXPECT_EQ(dialogs.calls.size(), c.shown) << c.tips << c.byCommand;
    }
}

// --- Files

TEST_F(OrganizePresenterTest, OpeningAnotherFileShowsItsTreeCaptionAndFileMenu) {
    Open();
    OpenOtherFile();
    EXPECT_EQ(view.caption, "Organize Folders - other.krvc");
    EXPECT_EQ(presenter.EditorConfigFile(), kOtherFile);
    EXPECT_TRUE(view.hidden.empty());
    EXPECT_EQ(view.TreeOutline(), (std::vector<std::string>{"Organized Folders", "  Personal", "    Other"}));
    EXPECT_FALSE(presenter.Modified());
    EXPECT_EQ(
        view.Logged("AskOpenFileName"),
        std::vector<std::string>{"AskOpenFileName Open Configuration File | Karvello Configuration File "
                                 "(*.krvc)|*.krvc|All Files (*.*)|*.*"});
    // The program keeps its own tree and hot keys.
    EXPECT_NE(state.MenuItems.GetMenuItemFromName("W"), nullptr);
    EXPECT_EQ(handOver.calls, std::vector<std::string>{"RebuildKeyboardShortcuts program"});

    presenter.OnCommand(OrganizeCommand::FileOpenDefault);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Karvello|Default configuration file is successfully opened."});
    EXPECT_EQ(view.caption, "Organize Folders");
    EXPECT_EQ(view.hidden.size(), 2u);
}

TEST_F(OrganizePresenterTest, OpenFlowsWithTheirQuestionsAndCancelPaths) {
    struct Case {
        const char* what;
        bool modified;
        std::vector<MessageAnswer> answers;
        std::optional<FileDialogChoice> chosen;
        bool readOnlyDefault;
        bool dialogShown;
        std::vector<std::string> messages;
        std::string editorFile;
    };
    const std::string save = "Karvello|Do you want to save the changes you made to default.krvc?";
    const std::string opened = "Karvello|Configuration file other.krvc is successfully opened.";
    const Case cases[] = {
        {"unmodified, dialog cancelled", false, {}, std::nullopt, false, true, {}, kDefaultFile},
        {"unmodified, opened", false, {}, FileDialogChoice{kOtherFile, 1}, false, true, {opened}, kOtherFile},
        {"modified, Cancel",
         true,
         {MessageAnswer::Cancel},
         FileDialogChoice{kOtherFile, 1},
         false,
         false,
         {save},
         kDefaultFile},
        {"modified, No",
         true,
         {MessageAnswer::No},
         FileDialogChoice{kOtherFile, 1},
         false,
         true,
         {save, opened},
         kOtherFile},
        {"modified, Yes",
         true,
         {MessageAnswer::Yes},
         FileDialogChoice{kOtherFile, 1},
         false,
         true,
         {save, opened},
         kOtherFile},
        {"missing file",
         false,
         {},
         FileDialogChoice{"  C:\\Data\\none.krvc ", 1},
         false,
         true,
         {"Karvello|Error opening configuration file none.krvc"},
         kDefaultFile},
        // The edits that could not be saved are not thrown away for the other file.
        {"modified, Yes, read-only",
         true,
         {MessageAnswer::Yes},
         FileDialogChoice{kOtherFile, 1},
         true,
         false,
         {save, "Karvello|Error saving configuration file default.krvc\r\nFile is read-only."},
         kDefaultFile},
    };
    for (const Case& c : cases) {
        view = FakeOrganizeView();
        messageBox = FakeMessageBox();
        WriteOtherFile();
        fileSystem.SetAttributes(kDefaultFile, c.readOnlyDefault ? FILE_ATTR_READONLY : FILE_ATTR_ARCHIVE);
        OrganizePresenter p(OrganizeServices{context, files, handOver, dialogs, messageBox, locale}, view);
        p.Load();
        if (c.modified) {
            p.WorkCollection().Remove("MU");
            p.SetModified();
        }
        for (MessageAnswer answer : c.answers)
            messageBox.Answer(answer);
        if (c.chosen)
            view.openAnswers.push_back(c.chosen);
        p.OnCommand(OrganizeCommand::FileOpen);
        EXPECT_EQ(Messages(), c.messages) << c.what;
        EXPECT_EQ(p.EditorConfigFile(), c.editorFile) << c.what;
        EXPECT_EQ(view.Logged("AskOpenFileName").size(), c.dialogShown ? 1u : 0u) << c.what;
        // Only Yes writes the edits to the file, and it hands them to the program with them.
        const bool saved =
            !c.readOnlyDefault && !c.answers.empty() && c.answers.front() == MessageAnswer::Yes;
        clsMenuCollection onDisk;
        ASSERT_TRUE(files.LoadConfigFile(onDisk, kDefaultFile)) << c.what;
        EXPECT_EQ(onDisk.GetMenuItemFromName("MU") == nullptr, saved) << c.what;
        EXPECT_EQ(state.MenuItems.GetMenuItemFromName("MU") == nullptr, saved) << c.what;
        fileSystem.SetAttributes(kDefaultFile, FILE_ATTR_ARCHIVE);
        if (saved) {
            AddNamedShortcut("MU", "Music", "C:\\Music", MIT_GROUP_USER, MIT_PATH_EXPLORER);
            ASSERT_TRUE(files.SaveConfigFile(state.MenuItems, kDefaultFile, false));
        }
    }
}

TEST_F(OrganizePresenterTest, SaveFlowsWithTheirMessagesAndFailures) {
    Open();
    presenter.WorkCollection().Remove("MU");
    presenter.SetModified();

    // A read-only file is named in the failure, and the edits stay unsaved.
    fileSystem.SetAttributes(kDefaultFile, FILE_ATTR_READONLY);
    presenter.OnCommand(OrganizeCommand::FileSave);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Karvello|Error saving configuration file default.krvc\r\nFile is read-only."});
    EXPECT_TRUE(presenter.Modified());
    EXPECT_TRUE(handOver.calls.empty());

    // A file that cannot be written for another reason gets the short text.
    messageBox = FakeMessageBox();
    fileSystem.SetAttributes(kDefaultFile, FILE_ATTR_ARCHIVE);
    fileSystem.Lock(kDefaultFile);
    presenter.OnCommand(OrganizeCommand::FileSave);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Karvello|Error saving configuration file default.krvc"});

    messageBox = FakeMessageBox();
    fileSystem = FakeFileSystem();
    fileSystem.AddFolder(kFolder);
    fileSystem.AddFolder("C:\\Data");
    presenter.OnCommand(OrganizeCommand::FileSave);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Karvello|Default configuration file is successfully saved."});
    EXPECT_FALSE(presenter.Modified());
    // The program's own file: the running menu gets the tree the file now holds.
    EXPECT_EQ(handOver.calls, std::vector<std::string>{"ApplyToProgram " +
                                                       std::to_string(presenter.WorkCollection().Count())});
    EXPECT_EQ(state.MenuItems.GetMenuItemFromName("MU"), nullptr);
}

TEST_F(OrganizePresenterTest, SaveAsTextListingKeepsTheEditorsFileAndCaption) {
    Open();
    presenter.SetModified();
    view.saveAnswers.push_back(FileDialogChoice{" C:\\Data\\tree.txt ", 2});
    presenter.OnCommand(OrganizeCommand::FileSaveAs);
    EXPECT_EQ(
        view.Logged("AskSaveFileName"),
        std::vector<std::string>{"AskSaveFileName Save Configuration File As | Karvello Configuration File "
                                 "(*.krvc)|*.krvc|Text Document (*.txt)|*.txt"});
    EXPECT_EQ(FileText("C:\\Data\\tree.txt"), files.TextListingBytes(presenter.WorkCollection()));
    EXPECT_EQ(presenter.EditorConfigFile(), kDefaultFile);
    EXPECT_EQ(view.caption, "Organize Folders");
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Karvello|Configuration file tree.txt is successfully saved."});
    // The listing holds no tree: closing still saves the edits.
    EXPECT_TRUE(presenter.Modified());
    EXPECT_TRUE(handOver.calls.empty());
}

TEST_F(OrganizePresenterTest, SaveAsAConfigurationFileMakesItTheEditorsFile) {
    Open();
    presenter.SetModified();
    view.saveAnswers.push_back(FileDialogChoice{"C:\\Data\\copy.krvc", 1});
    presenter.OnCommand(OrganizeCommand::FileSaveAs);
    EXPECT_EQ(presenter.EditorConfigFile(), "C:\\Data\\copy.krvc");
    EXPECT_EQ(view.caption, "Organize Folders - copy.krvc");
    EXPECT_TRUE(view.hidden.empty());
    EXPECT_FALSE(presenter.Modified());
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Karvello|Configuration file copy.krvc is successfully saved."});
    EXPECT_EQ(FileText("C:\\Data\\copy.krvc"), files.ConfigurationBytes(presenter.WorkCollection()));
}

TEST_F(OrganizePresenterTest, SaveAsOverAnExistingFileAsksFirst) {
    const std::string question =
        "Save Configuration File As|File C:\\Data\\old.krvc already exists.\r\nDo you want to replace it?";
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel, MessageAnswer::Yes}) {
        fileSystem.AddFile("C:\\Data\\old.krvc", "old bytes");
        messageBox = FakeMessageBox();
        view = FakeOrganizeView();
        Open();
        messageBox.Answer(answer);
        view.saveAnswers.push_back(FileDialogChoice{"C:\\Data\\old.krvc", 1});
        presenter.OnCommand(OrganizeCommand::FileSaveAs);
        ASSERT_FALSE(Messages().empty());
        EXPECT_EQ(Messages().front(), question);
        EXPECT_EQ(FileText("C:\\Data\\old.krvc") == "old bytes", answer != MessageAnswer::Yes);
        EXPECT_EQ(presenter.EditorConfigFile(),
                  answer == MessageAnswer::Yes ? "C:\\Data\\old.krvc" : std::string(kDefaultFile));
    }
    // A cancelled dialog does nothing at all.
    messageBox = FakeMessageBox();
    presenter.OnCommand(OrganizeCommand::FileSaveAs);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(OrganizePresenterTest, SetAsDefaultMakesTheEditorsFileTheProgramsFile) {
    Open();
    OpenOtherFile();
    messageBox.Answer(MessageAnswer::No);
    presenter.OnCommand(OrganizeCommand::FileSetDefault);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Karvello|Do you want to make other.krvc the default configuration file?"});
    EXPECT_EQ(files.CurrentConfigFile(), kDefaultFile);
    EXPECT_FALSE(presenter.DefaultChanged());

    messageBox = FakeMessageBox();
    messageBox.Answer(MessageAnswer::Yes);
    presenter.OnCommand(OrganizeCommand::FileSetDefault);
    EXPECT_EQ(Messages().back(), "Karvello|other.krvc is now the default configuration file.");
    EXPECT_EQ(messageBox.Shown().front().icon, MessageIcon::Question);
    EXPECT_EQ(messageBox.Shown().back().icon, MessageIcon::Information);
    EXPECT_EQ(files.CurrentConfigFile(), kOtherFile);
    std::string stored;
    regHandler.GetKeyValue(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, REG_VALUE_CONFIG_FILE, stored);
    EXPECT_EQ(stored, kOtherFile);
    EXPECT_TRUE(presenter.DefaultChanged());
    EXPECT_EQ(view.caption, "Organize Folders");
    EXPECT_EQ(view.hidden.size(), 2u);

    // Closing now hands the file's tree to the program without a question, though nothing was edited.
    messageBox = FakeMessageBox();
    EXPECT_TRUE(presenter.OnClose());
    EXPECT_TRUE(Messages().empty());
    EXPECT_NE(state.MenuItems.GetMenuItemFromName("X"), nullptr);
}

// --- Closing

TEST_F(OrganizePresenterTest, ClosingDecisions) {
    struct Case {
        const char* what;
        bool otherFile;
        bool modified;
        std::optional<MessageAnswer> answer;
        bool closes;
        bool defaultWritten;
        bool otherWritten;
        bool applied;
    };
    const Case cases[] = {
        {"unmodified", false, false, std::nullopt, true, false, false, false},
        {"current file edited", false, true, std::nullopt, true, true, false, true},
        {"other file, Cancel", true, true, MessageAnswer::Cancel, false, false, false, false},
        {"other file, No", true, true, MessageAnswer::No, true, false, false, false},
        {"other file, Yes", true, true, MessageAnswer::Yes, true, false, true, false},
    };
    for (const Case& c : cases) {
        view = FakeOrganizeView();
        messageBox = FakeMessageBox();
        handOver.calls.clear();
        WriteOtherFile();
        ASSERT_TRUE(files.SaveConfigFile(state.MenuItems, kDefaultFile, false));
        const std::string defaultBefore = FileText(kDefaultFile);
        const std::string otherBefore = FileText(kOtherFile);
        OrganizePresenter p(OrganizeServices{context, files, handOver, dialogs, messageBox, locale}, view);
        p.Load();
        if (c.otherFile) {
            view.openAnswers.push_back(FileDialogChoice{kOtherFile, 1});
            p.OnCommand(OrganizeCommand::FileOpen);
            messageBox = FakeMessageBox();
            handOver.calls.clear();
        }
        if (c.modified) {
            p.WorkCollection().AddNewMenuItem({.Caption = "New", .OwnerName = MIT_GROUP_USER, .Name = "NEW"});
            p.SetModified();
        }
        if (c.answer)
            messageBox.Answer(*c.answer);
        p.OnCommand(OrganizeCommand::FileExit);
        EXPECT_EQ(view.closed, c.closes) << c.what;
        EXPECT_EQ(Messages(), c.answer
                                  ? std::vector<std::string>{"Karvello|Do you want to save the changes you "
                                                             "made to other.krvc?"}
                                  : std::vector<std::string>{})
            << c.what;
        EXPECT_EQ(FileText(kDefaultFile) != defaultBefore, c.defaultWritten) << c.what;
        EXPECT_EQ(FileText(kOtherFile) != otherBefore, c.otherWritten) << c.what;
        EXPECT_EQ(state.MenuItems.GetMenuItemFromName("NEW") != nullptr, c.applied) << c.what;
        EXPECT_EQ(view.Logged("SavePlacement").size(), 1u) << c.what;
        if (c.applied)
            state.MenuItems.Remove("NEW");
    }
}

TEST_F(OrganizePresenterTest, ClosingAfterEditsRefreshesTheOrganizedFoldersThatAreOn) {
    state.options.AdvancedOptions[ADVC6_AUTO_REFRESH_DIRECTORIES] = true;
    state.options.AdvancedOptions[ADVC2_ORGANIZED_FOLDERS_DESKTOP] = true;
    state.options.AdvancedOptions[ADVC4_ORGANIZED_FOLDERS_FAVORITES] = true;
    Open();
    presenter.SetModified();
    EXPECT_TRUE(presenter.OnClose());
    const int count = presenter.WorkCollection().Count();
    EXPECT_EQ(
        handOver.calls,
        (std::vector<std::string>{
            "ApplyToProgram " + std::to_string(count),
            "RestoreOrganizedFolders " + std::to_string(static_cast<int>(OrganizedFoldersLocation::Desktop)),
            "RestoreOrganizedFolders " +
                std::to_string(static_cast<int>(OrganizedFoldersLocation::Favorites))}));
    EXPECT_EQ(pauseWindow.status, "Saving Organized Folders in the Favorites...");
    EXPECT_FALSE(pauseWindow.open);
    EXPECT_EQ(pauseWindow.owner, 4242);

    // Without "ADVC6" the directories are left alone.
    handOver.calls.clear();
    state.options.AdvancedOptions[ADVC6_AUTO_REFRESH_DIRECTORIES] = false;
    presenter.SetModified();
    EXPECT_TRUE(presenter.OnClose());
    EXPECT_EQ(handOver.calls.size(), 1u);
    EXPECT_EQ(pauseWindow.status, "Saving Organized Folders...");
}

TEST_F(OrganizePresenterTest, AFailedSaveAtClosingKeepsTheWindowAndTheRunningMenu) {
    Open();
    presenter.WorkCollection().Remove("MU");
    presenter.SetModified();
    fileSystem.SetAttributes(kDefaultFile, FILE_ATTR_READONLY);
    presenter.OnCommand(OrganizeCommand::FileExit);
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Karvello|Error saving configuration file default.krvc\r\nFile is read-only."});
    EXPECT_NE(state.MenuItems.GetMenuItemFromName("MU"), nullptr);
    EXPECT_TRUE(handOver.calls.empty());
    EXPECT_FALSE(pauseWindow.open);
}

TEST_F(OrganizePresenterTest, ExitDiscardingChanges) {
    struct Case {
        bool modified;
        std::optional<MessageAnswer> answer;
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        {false, std::nullopt, true, false},
        {true, MessageAnswer::Cancel, false, false},
        {true, MessageAnswer::Yes, true, false},
        {true, MessageAnswer::No, true, true},
    };
    for (const Case& c : cases) {
        view = FakeOrganizeView();
        messageBox = FakeMessageBox();
        ASSERT_TRUE(files.SaveConfigFile(state.MenuItems, kDefaultFile, false));
        const std::string before = FileText(kDefaultFile);
        OrganizePresenter p(OrganizeServices{context, files, handOver, dialogs, messageBox, locale}, view);
        p.Load();
        if (c.modified) {
            p.WorkCollection().Remove("OA");
            p.SetModified();
        }
        if (c.answer)
            messageBox.Answer(*c.answer);
        p.OnCommand(OrganizeCommand::FileExitDiscarding);
        EXPECT_EQ(view.closed, c.closes);
        EXPECT_EQ(FileText(kDefaultFile) != before, c.saved);
        if (c.answer) {
            ASSERT_EQ(messageBox.Shown().size(), 1u);
            EXPECT_EQ(
                Messages().front(),
                "Exit Discarding Changes|Are you sure you want to exit and lose any changes you have made?");
            EXPECT_EQ(messageBox.Shown().front().icon, MessageIcon::Information);
        } else {
            EXPECT_TRUE(Messages().empty());
        }
        if (c.saved)
            state.MenuItems.AddNewMenuItem(
                {.Caption = "All", .OwnerName = MIT_GROUP_USER, .Name = "OA", .ItemType = MIT_OPENALL});
    }
}

TEST_F(OrganizePresenterTest, ClosingStoresTheSettingsAndColumnWidths) {
    Open();
    presenter.OnCommand(OrganizeCommand::ViewList);
    presenter.OnCommand(OrganizeCommand::ViewStatusBar);
    presenter.OnCommand(OrganizeCommand::ViewShortcutsInLeftPane);
    view.treeWidth = 2475;
    view.columnWidths[6] = 777;
    ASSERT_TRUE(presenter.OnClose());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"I1", "False"}, {"I2", "keyViewsList"}, {"I3", "True"},    {"I4", "True"},
        {"I5", "False"}, {"I6", "2475"},         {"ICHW1", "3000"}, {"ICHW7", "777"}};
    for (const auto& [name, value] : expected)
        EXPECT_EQ(Org(name), value) << name;
    // They come back at the next opening.
    FakeOrganizeView next;
    OrganizePresenter reopened(OrganizeServices{context, files, handOver, dialogs, messageBox, locale}, next);
    reopened.Load();
    EXPECT_EQ(next.mode, ListViewMode::List);
    EXPECT_FALSE(next.statusBarShown);
    EXPECT_EQ(next.treeWidth, 2475);
    EXPECT_EQ(next.columnWidths[6], 777);
    EXPECT_EQ(next.treeRows.size(), 3u);
}

// --- Roads in, Tools, Help, keys

TEST_F(OrganizePresenterTest, RoadsInOpenAFileQuietlyOrANewShortcutInThePersonalGroup) {
    Open();
    WriteOtherFile();
    presenter.Init("  /OPEN  C:\\Data\\other.krvc ");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(view.caption, "Organize Folders - other.krvc");
    EXPECT_EQ(view.treeRows.size(), 3u);
    presenter.Init("/OPEN C:\\Data\\none.krvc");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(presenter.EditorConfigFile(), kOtherFile);

    // "/ADD folder" opens the editor on the Personal group, where the new shortcut goes.
    presenter.SelectGroup(ROOT_NODE_KEY);
    presenter.Init("/ADD C:");
    EXPECT_EQ(view.selectedNode, "C" + std::string(MIT_GROUP_USER));
    dialogs.calls.clear();
    presenter.Init("/ADD");
    presenter.Init("/HELP");
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(OrganizePresenterTest, ToolsEntriesFollowTheOptionsAndRefreshWithThePauseWindow) {
    state.options.AdvancedOptions[ADVC3_ORGANIZED_FOLDERS_SEND_TO] = true;
    Open();
    presenter.OnMenuOpening(OrganizeMenu::Tools);
    EXPECT_TRUE(view.disabled.contains(OrganizeCommand::ToolsRefreshDesktop));
    EXPECT_FALSE(view.disabled.contains(OrganizeCommand::ToolsRefreshSendTo));
    EXPECT_TRUE(view.disabled.contains(OrganizeCommand::ToolsRefreshFavorites));

    const struct {
        OrganizeCommand command;
        OrganizedFoldersLocation location;
        const char* status;
    } cases[] = {
        {OrganizeCommand::ToolsRefreshDesktop, OrganizedFoldersLocation::Desktop,
         "Refreshing Organized Folders on the Desktop"},
        {OrganizeCommand::ToolsRefreshSendTo, OrganizedFoldersLocation::SendTo,
         "Refreshing Organized Folders in the Send To"},
        {OrganizeCommand::ToolsRefreshFavorites, OrganizedFoldersLocation::Favorites,
         "Refreshing Organized Folders in the Favorites"},
    };
    for (const auto& c : cases) {
        handOver.calls.clear();
        presenter.OnCommand(c.command);
        EXPECT_EQ(handOver.calls, std::vector<std::string>{"RestoreOrganizedFolders " +
                                                           std::to_string(static_cast<int>(c.location))});
        EXPECT_EQ(pauseWindow.caption, "Refresh Organized Folders...");
        EXPECT_EQ(pauseWindow.status, c.status);
        EXPECT_FALSE(pauseWindow.open);
    }
    EXPECT_TRUE(Messages().empty());
    presenter.OnCommand(OrganizeCommand::ToolsMapNetworkDrive);
    presenter.OnCommand(OrganizeCommand::ToolsDisconnectNetworkDrive);
    EXPECT_EQ(view.Logged("MapNetworkDrive").size() + view.Logged("DisconnectNetworkDrive").size(), 2u);
}

TEST_F(OrganizePresenterTest, TheShortcutsListMarksTheEditorModifiedAndRebuildsTheKeyboardTable) {
    Open();
    presenter.SelectGroup("W");
    dialogs.shortcutsListChange = [](clsMenuCollection& work) { work.Remove("DO"); };
    presenter.OnCommand(OrganizeCommand::ToolsFolderShortcutsList);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"ShowShortcutsList"});
    EXPECT_TRUE(presenter.Modified());
    EXPECT_TRUE(view.ListTexts().empty());
    EXPECT_EQ(view.selectedNode, "CW");
    EXPECT_EQ(handOver.calls, std::vector<std::string>{"RebuildKeyboardShortcuts work"});
}

TEST_F(OrganizePresenterTest, KeysOpenGoUpAndSwitchPanes) {
    Open();
    presenter.SelectGroup(MIT_GROUP_USER);
    // Enter on a group row in the list opens the group.
    presenter.OnPaneFocused(OrganizePane::List);
    SelectRows({"Work"});
    presenter.OnCommand(OrganizeCommand::OpenSelected);
    EXPECT_EQ(view.selectedNode, "CW");
    EXPECT_EQ(view.ListTexts(), std::vector<std::string>{"Docs"});
    // Backspace goes up one level, twice to the root, and stays there.
    presenter.OnCommand(OrganizeCommand::ViewUpOneLevel);
    EXPECT_EQ(view.selectedNode, "C" + std::string(MIT_GROUP_USER));
    presenter.OnCommand(OrganizeCommand::ViewUpOneLevel);
    presenter.OnCommand(OrganizeCommand::ViewUpOneLevel);
    EXPECT_EQ(view.selectedNode, ROOT_NODE_KEY);
    // Tab moves the focus to the other pane each time.
    presenter.OnPaneFocused(OrganizePane::Tree);
    presenter.OnCommand(OrganizeCommand::SwitchPane);
    EXPECT_EQ(view.focused, OrganizePane::List);
    presenter.OnCommand(OrganizeCommand::SwitchPane);
    EXPECT_EQ(view.focused, OrganizePane::Tree);
    // Enter on a group node in the tree goes into the list.
    presenter.OnCommand(OrganizeCommand::OpenSelected);
    EXPECT_EQ(view.focused, OrganizePane::List);
    // Enter on a shortcut opens its folder in Windows Explorer.
    presenter.SelectGroup(MIT_GROUP_USER);
    presenter.OnPaneFocused(OrganizePane::List);
    SelectRows({"Music"});
    state.options.GeneralOptions[GC3_DOUBLE_CLICK_OPENS_EXPLORER] = true;
    presenter.OnCommand(OrganizeCommand::OpenSelected);
    ASSERT_EQ(shell.Executed().size(), 1u);
    EXPECT_NE(shell.Executed().front().parameters.find("C:\\Music"), std::string::npos);
}

TEST_F(OrganizePresenterTest, HelpEntriesAndTheOptionsDialog) {
    fileSystem.AddFolder("C:\\Karvello");
    fileSystem.AddFile(state.HelpFilePath, "help");
    Open();
    presenter.OnCommand(OrganizeCommand::HelpContents);
    presenter.OnCommand(OrganizeCommand::HelpIndex);
    EXPECT_EQ(shell.HelpOpened(),
              (std::vector<std::pair<std::string, int>>{{state.HelpFilePath, HELP_COMMAND_CONTENTS},
                                                        {state.HelpFilePath, HELP_COMMAND_INDEX}}));
    for (const OrganizeCommand command :
         {OrganizeCommand::HelpLatestVersion, OrganizeCommand::HelpSupport, OrganizeCommand::HelpHomePage})
        presenter.OnCommand(command);
    ASSERT_EQ(shell.Executed().size(), 3u);
    const std::set<std::string> addresses = {shell.Executed()[0].file, shell.Executed()[1].file,
                                             shell.Executed()[2].file};
    EXPECT_EQ(addresses.size(), 3u);
    for (const ExecutedCommand& executed : shell.Executed()) {
        EXPECT_EQ(executed.verb, "open");
        EXPECT_TRUE(executed.file.starts_with("https://")) << executed.file;
    }
    presenter.OnCommand(OrganizeCommand::FileOptions);
    EXPECT_TRUE(presenter.Modified());
    presenter.OnCommand(OrganizeCommand::HelpTipOfTheDay);
    presenter.OnCommand(OrganizeCommand::HelpAbout);
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"ShowOptions", "ShowTipOfTheDay", "ShowAbout"}));
}

} // namespace
} // namespace krv
