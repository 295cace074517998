// The item properties dialog, the restore wizard, the configuration file information dialog and the tip
// window on the real API, driven through their controls' messages: what they show, what they change on disk
// and in the registry, and pictures of each (named with the screen's DPI, so that a run in a prefix at 150 %
// adds its own).
#include <windows.h>

#include <commctrl.h>
#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "PropertiesIds.h"
#include "config/frmPropertiesConfigFile.h"
#include "config/modFileHandler.h"
#include "dialogs/frmTip.h"
#include "model/clsMenuCollection.h"
#include "organize/frmProperties.h"
#include "organize/frmWizard.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32FileDetails.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace krv {
namespace {

using namespace wintest;

// Answers the questions from a script and remembers what was shown, so that no box blocks the test.
class ScriptedMessageBox final : public IMessageBox {
public:
    MessageAnswer Show(std::string_view text, std::string_view, MessageButtons, MessageIcon) override {
        shown.emplace_back(text);
        if (answers.empty())
            return MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<MessageAnswer> answers;
    std::vector<std::string> shown;
};

std::string Picture(const char* name, HWND window) {
    return std::string(name) + "-" + std::to_string(::GetDpiForWindow(window) * 100 / 96);
}

void Click(HWND dialog, int id) {
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void SelectTab(HWND dialog, int tabsId, int index) {
    HWND tabs = ::GetDlgItem(dialog, tabsId);
    TabCtrl_SetCurSel(tabs, index);
    NMHDR header{tabs, static_cast<UINT_PTR>(tabsId), static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageW(dialog, WM_NOTIFY, static_cast<WPARAM>(tabsId), reinterpret_cast<LPARAM>(&header));
}

bool Checked(HWND dialog, int id) {
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool Visible(HWND dialog, int id) {
    return ::IsWindowVisible(::GetDlgItem(dialog, id)) != FALSE;
}

// A check box's text fits when it fits beside the box.
bool CheckBoxFits(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    const window_dc dc(control);
    const HGDIOBJ previous =
        ::SelectObject(dc.get(), reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, 0, 0};
    ::DrawTextW(dc.get(), Widen(WindowText(control)).c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc.get(), previous);
    const int box = ::GetSystemMetrics(SM_CXMENUCHECK) + 2 * ::GetSystemMetrics(SM_CXEDGE);
    return needed.right + box <= client.right && needed.bottom <= client.bottom;
}

// Every visible label, button and check box of the dialog shows its whole text.
void ExpectNothingClipped(HWND dialog, const char* where) {
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child) || WindowText(child).empty())
            continue;
        wchar_t className[32] = {};
        ::GetClassNameW(child, className, 32);
        const LONG_PTR style = ::GetWindowLongPtrW(child, GWL_STYLE);
        const std::wstring kind = className;
        const int id = ::GetDlgCtrlID(child);
        if (kind == L"Static" && (style & SS_TYPEMASK) <= SS_RIGHT && (style & SS_ENDELLIPSIS) == 0) {
            EXPECT_TRUE(TextFits(child, true))
                << where << ": label " << id << " \"" << WindowText(child) << "\"";
        }
        if (kind == L"Button") {
            const LONG_PTR type = style & BS_TYPEMASK;
            if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
                EXPECT_TRUE(TextFits(child, false)) << where << ": button " << WindowText(child);
            } else if ((style & BS_MULTILINE) == 0) {
                EXPECT_TRUE(CheckBoxFits(child)) << where << ": box " << WindowText(child);
            }
        }
    }
}

class TemporaryFolder {
public:
    explicit TemporaryFolder(const char* name) {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        path = Narrow(temp) + name + std::to_string(::GetCurrentProcessId());
        Remove(path);
        files.CreateFolder(path);
    }
    ~TemporaryFolder() { Remove(path); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    void Remove(const std::string& folder) {
        for (const DirectoryEntry& entry : files.ListFolder(folder)) {
            const std::string inside = folder + "\\" + entry.name;
            files.SetAttributes(inside, FILE_ATTRIBUTE_NORMAL);
            if (entry.attributes & FILE_ATTR_DIRECTORY)
                Remove(inside);
            else
                ::DeleteFileW(Widen(inside).c_str());
        }
        files.SetAttributes(folder, FILE_ATTRIBUTE_NORMAL);
        files.RemoveFolder(folder);
    }

    Win32FileSystem files;
    std::string path;
};

std::string ClipboardText() {
    if (!::OpenClipboard(nullptr))
        return {};
    std::string text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = Narrow(chars);
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

class PropertiesWinTest : public ::testing::Test {
protected:
    PropertiesWinTest() {
        folder.files.CreateFolder(docs);
        folder.files.CreateFolder(docs + "\\Sub");
        Add(MIT_GROUP_USER, "Personal", "-1", "", true);
        Add("N1", "Docs", MIT_GROUP_USER, docs);
        Add("N2", "Same", MIT_GROUP_USER, docs);
        Add("N3", "Sub", MIT_GROUP_USER, docs + "\\Sub");
        Add("N4", "Lost", MIT_GROUP_USER, "Q:\\Nowhere\\Lost");
    }

    void Add(const std::string& name, const std::string& caption, const std::string& owner,
             const std::string& path, bool group = false) {
        clsMenuItem item;
        item.SetName(name);
        item.SetCaption(caption);
        item.SetOwnerName(owner);
        item.SetSubMenu(group);
        item.SetFolderPath(path);
        item.SetIconIDDescription();
        ASSERT_TRUE(tree.AddOne(item, true, true));
    }

    PropertiesDialogServices Services() {
        return {folder.files,
                details,
                shell,
                locale,
                regHandler,
                [this](HWND owner, const std::string& name) {
                    changed.push_back(name);
                    changeOwner = owner;
                    tree.GetMenuItemFromName(name)->SetCaption("Docs changed");
                    return true;
                },
                &messages};
    }
    std::string PathOf(const char* name) { return tree.GetMenuItemFromName(name)->FolderPath(); }

    CommonControls6Scope controls;
    OwnerWindow owner;
    TemporaryFolder folder{"karvello-props-"};
    std::string docs = folder.path + "\\Docs";
    clsMenuCollection tree;
    Win32FileDetails details;
    Win32ShellExecute shell;
    Win32Locale locale;
    Win32Registry registry;
    clsRegHandler regHandler{registry};
    ScriptedMessageBox messages;
    std::vector<std::string> changed;
    HWND changeOwner = nullptr;
};

TEST_F(PropertiesWinTest, ShowsTheItemAndItsFolderAndAppliesAttributes) {
    ASSERT_TRUE(folder.files.SetAttributes(docs, FILE_ATTRIBUTE_HIDDEN));
    frmProperties dialog(tree, "N1", Services());
    ASSERT_TRUE(dialog.CreateModeless(::GetModuleHandleW(nullptr), IDD_PROPERTIES, owner.get()));
    const HWND box = dialog.Handle();
    ::ShowWindow(box, SW_SHOW);

    EXPECT_EQ(WindowText(box), "Properties");
    EXPECT_EQ(ItemText(box, IDC_PROP_NAME), "Docs");
    EXPECT_EQ(ItemText(box, IDC_PROP_TYPE), "Folder Shortcut (single pane)");
    EXPECT_EQ(ItemText(box, IDC_PROP_PATH), docs);
    EXPECT_EQ(ItemText(box, IDC_PROP_LOCATION), "\\\\Personal");
    EXPECT_EQ(ItemText(box, IDC_PROP_MODIFIED), "Never");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(box, IDC_PROP_APPLY)));
    EXPECT_TRUE(Visible(box, IDC_PROP_CHANGE));
    EXPECT_FALSE(Visible(box, IDC_FOLDER_NAME));
    ExpectNothingClipped(box, "item tab");
    EXPECT_TRUE(WriteScreenshot(box, Picture("properties-item", box)));

    SelectTab(box, IDC_PROP_TABS, 1);
    EXPECT_TRUE(Visible(box, IDC_FOLDER_NAME));
    EXPECT_FALSE(Visible(box, IDC_PROP_CHANGE));
    EXPECT_EQ(ItemText(box, IDC_FOLDER_NAME), "Docs");
    EXPECT_EQ(ItemText(box, IDC_FOLDER_LOCATION), folder.path);
    EXPECT_FALSE(ItemText(box, IDC_FOLDER_MSDOS).empty());
    EXPECT_FALSE(ItemText(box, IDC_FOLDER_CREATED).empty());
    EXPECT_EQ(ItemText(box, IDC_FOLDER_WARNING), PROPERTIES_WARNING_TEXT);
    EXPECT_TRUE(Checked(box, IDC_FOLDER_HIDDEN));
    EXPECT_FALSE(Checked(box, IDC_FOLDER_READONLY) || Checked(box, IDC_FOLDER_SYSTEM));
    ExpectNothingClipped(box, "folder tab");
    EXPECT_TRUE(WriteScreenshot(box, Picture("properties-folder", box)));

    ::SendDlgItemMessageW(box, IDC_FOLDER_HIDDEN, BM_CLICK, 0, 0);
    ::SendDlgItemMessageW(box, IDC_FOLDER_ARCHIVE, BM_CLICK, 0, 0);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(box, IDC_PROP_APPLY))) << "a change is pending";
    Click(box, IDC_PROP_APPLY);
    const auto attributes = folder.files.GetAttributes(docs).value_or(0);
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_HIDDEN, 0u);
    // Wine keeps no archive bit on folders; the box shows what the folder has after the change.
    EXPECT_EQ(Checked(box, IDC_FOLDER_ARCHIVE), (attributes & FILE_ATTRIBUTE_ARCHIVE) != 0);
    EXPECT_FALSE(Checked(box, IDC_FOLDER_HIDDEN));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(box, IDC_PROP_APPLY)));

    Click(box, IDC_PROP_COPY);
    EXPECT_EQ(ClipboardText(), docs);
    Click(box, IDC_PROP_CHANGE);
    EXPECT_EQ(changed, std::vector<std::string>{"N1"});
    // The item dialog is owned by the properties dialog: closing it must not enable the editor under the
    // properties, which stay modal.
    EXPECT_EQ(changeOwner, box);
    EXPECT_EQ(ItemText(box, IDC_PROP_NAME), "Docs changed") << "the item tab is filled again";
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(box, IDC_PROP_APPLY)));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PropertiesWinTest, RenamingOnOkMovesTheFolderAndItsShortcutsOnly) {
    frmProperties dialog(tree, "N2", Services());
    ASSERT_TRUE(dialog.CreateModeless(::GetModuleHandleW(nullptr), IDD_PROPERTIES, owner.get()));
    const HWND box = dialog.Handle();
    ::ShowWindow(box, SW_SHOW);
    SelectTab(box, IDC_PROP_TABS, 1);

    // A name that Windows would cut short is refused and the dialog stays.
    ::SetDlgItemTextW(box, IDC_FOLDER_NAME, L"Papers.");
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(box, IDC_PROP_APPLY)));
    Click(box, IDC_PROP_FINISH);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].starts_with("Name of the Target Folder cannot contain"));
    EXPECT_TRUE(::IsWindowVisible(box)) << "the dialog stays open";
    EXPECT_TRUE(folder.files.FolderExists(docs));

    ::SetDlgItemTextW(box, IDC_FOLDER_NAME, L"Papers");
    messages.answers.push_back(MessageAnswer::Yes);
    Click(box, IDC_PROP_FINISH);
    ASSERT_EQ(messages.shown.size(), 2u);
    const std::string papers = folder.path + "\\Papers";
    EXPECT_EQ(messages.shown[1],
              "Are you sure you want to rename the folder on disc from " + docs + " to " + papers + " ?");
    EXPECT_TRUE(folder.files.FolderExists(papers + "\\Sub"));
    EXPECT_FALSE(folder.files.GetAttributes(docs));
    EXPECT_EQ(PathOf("N1"), papers);
    EXPECT_EQ(PathOf("N2"), papers);
    EXPECT_EQ(PathOf("N3"), docs + "\\Sub");
    EXPECT_TRUE(dialog.CollectionChanged());
}

TEST_F(PropertiesWinTest, AnItemOnAMissingDriveShowsAnEmptyFolderTab) {
    frmProperties dialog(tree, "N4", Services());
    ASSERT_TRUE(dialog.CreateModeless(::GetModuleHandleW(nullptr), IDD_PROPERTIES, owner.get()));
    const HWND box = dialog.Handle();
    SelectTab(box, IDC_PROP_TABS, 1);
    for (const int id : {IDC_FOLDER_NAME, IDC_FOLDER_LOCATION, IDC_FOLDER_MSDOS, IDC_FOLDER_CREATED})
        EXPECT_EQ(ItemText(box, id), "") << id;
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(box, IDC_FOLDER_DELETE)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(box, IDC_FOLDER_READONLY)));
}

TEST(WizardWinTest, BothModesShowTheirTextsAndFinishWithTheChoice) {
    const CommonControls6Scope controls;
    const OwnerWindow owner;
    struct Case {
        RestoreMode mode;
        int click; // a choice button, or 0 for none
        const char* group;
        int choice;
    };
    const Case cases[] = {
        {RestoreMode::PersonalGroup, IDC_WIZ_CHOICE3, MIT_GROUP_USER, 3},
        {RestoreMode::PersonalGroup, 0, MIT_GROUP_USER, 2},
        {RestoreMode::SystemFolders, 0, MIT_PATHS_SYSTEM, 0},
    };
    for (const Case& c : cases) {
        frmWizard wizard;
        wizard.Init(c.mode, "");
        ASSERT_TRUE(wizard.CreateModeless(::GetModuleHandleW(nullptr), IDD_WIZARD, owner.get()));
        const HWND box = wizard.Handle();
        ::ShowWindow(box, SW_SHOW);
        const RestoreWizardTexts& texts = WizardTexts(c.mode);
        EXPECT_EQ(WindowText(box), texts.Caption);
        EXPECT_EQ(ItemText(box, IDC_WIZ_HEADING), texts.Heading);
        EXPECT_EQ(ItemText(box, IDC_WIZ_SUBHEADING), texts.Subheading);
        EXPECT_EQ(ItemText(box, IDC_WIZ_INSTRUCTION), texts.Instruction);
        EXPECT_EQ(ItemText(box, IDC_WIZ_EXPLANATION), texts.Warning);
        EXPECT_EQ(ItemText(box, IDC_WIZ_NEXT), "Finish");
        EXPECT_FALSE(Visible(box, IDC_WIZ_PATH));
        EXPECT_EQ(Visible(box, IDC_WIZ_CHOICE3), c.mode == RestoreMode::PersonalGroup);
        EXPECT_EQ(ItemText(box, IDC_WIZ_CHOICE3), kRestoreChoiceCaptions[3]);
        EXPECT_FALSE(Checked(box, IDC_WIZ_CHOICE0) || Checked(box, IDC_WIZ_CHOICE2)) << "none is preselected";
        if (c.click == 0) {
            ExpectNothingClipped(box, texts.Caption);
            EXPECT_TRUE(WriteScreenshot(
                box,
                Picture(c.mode == RestoreMode::PersonalGroup ? "wizard-personal" : "wizard-system", box)));
        } else {
            ::SendDlgItemMessageW(box, c.click, BM_CLICK, 0, 0);
        }
        Click(box, IDC_WIZ_NEXT);
        ASSERT_TRUE(wizard.Answer()) << texts.Caption;
        EXPECT_EQ(wizard.Answer()->GroupName, c.group);
        EXPECT_EQ(wizard.Answer()->Choice, c.choice);
        EXPECT_FALSE(::IsWindowVisible(box)) << "Finish closes the wizard";
    }

    frmWizard cancelled;
    cancelled.Init(RestoreMode::PersonalGroup, "");
    ASSERT_TRUE(cancelled.CreateModeless(::GetModuleHandleW(nullptr), IDD_WIZARD, owner.get()));
    ::SendDlgItemMessageW(cancelled.Handle(), IDC_WIZ_CHOICE1, BM_CLICK, 0, 0);
    Click(cancelled.Handle(), IDC_WIZ_CANCEL);
    EXPECT_FALSE(cancelled.Answer());
}

class ConfigInfoWinTest : public ::testing::Test {
protected:
    ConfigInfoWinTest() {
        InitOptionNames(options);
        LoadOptions(options, regHandler, false);
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&classes);
    }

    // A file of exactly 1,536 bytes: the personal group section and a title that fills it up.
    void WriteFile() {
        const std::string items = std::string("[MIT_GROUP_USER:]\0[END:]\0", 25);
        const std::string tag = std::string("[SUMMARY_TITLE:]\0", 17);
        const std::string end = std::string("\0[END:]\0", 8);
        original = items + tag + std::string(1536 - items.size() - tag.size() - end.size(), 't') + end;
        ASSERT_EQ(original.size(), 1536u);
        ASSERT_TRUE(folder.files.ReplaceFileAtomically(file, original));
        handler.SetLoadedConfigFile(file);
        handler.Summary().SummaryTitle = "Old title";
    }
    ConfigInfoServices Services() { return {handler, details, locale, regHandler, tree, options, &messages}; }

    CommonControls6Scope controls;
    OwnerWindow owner;
    TemporaryFolder folder{"karvello-info-"};
    std::string file = folder.path + "\\tree.krvc";
    std::string original;
    Win32Registry registry;
    clsRegHandler regHandler{registry};
    Options options;
    Win32AnsiCodePage codePage;
    modFileHandler handler{folder.files, codePage, regHandler,
                           folder.path,  options,  [](clsMenuCollection&, bool) {}};
    Win32FileDetails details;
    Win32Locale locale;
    clsMenuCollection tree;
    ScriptedMessageBox messages;
};

TEST_F(ConfigInfoWinTest, ShowsSizeAndStatisticsAndEscapeWritesTheEditedSummary) {
    WriteFile();
    frmPropertiesConfigFile dialog(Services());
    ASSERT_TRUE(dialog.CreateModeless(::GetModuleHandleW(nullptr), IDD_CONFIG_INFO, owner.get()));
    const HWND box = dialog.Handle();
    ::ShowWindow(box, SW_SHOW);
    EXPECT_EQ(WindowText(box), "Information");
    EXPECT_EQ(ItemText(box, IDC_INFO_NAME), "tree.krvc");
    EXPECT_EQ(ItemText(box, IDC_INFO_TYPE), "Karvello Configuration File");
    EXPECT_EQ(ItemText(box, IDC_INFO_LOCATION), folder.path);
    EXPECT_EQ(ItemText(box, IDC_INFO_SIZE), "1.5 KB (1,536 bytes)");
    EXPECT_TRUE(Checked(box, IDC_INFO_ARCHIVE));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(box, IDC_INFO_ARCHIVE))) << "attributes only display";
    ExpectNothingClipped(box, "file page");
    EXPECT_TRUE(WriteScreenshot(box, Picture("information-file", box)));

    SelectTab(box, IDC_INFO_TABS, 2);
    HWND list = ::GetDlgItem(box, IDC_INFO_STATISTICS);
    EXPECT_TRUE(::IsWindowVisible(list));
    ASSERT_EQ(ListView_GetItemCount(list), 9);
    wchar_t text[64] = {};
    ListView_GetItemText(list, 8, 0, text, 64);
    EXPECT_EQ(Narrow(text), "Show Options in menu");
    ListView_GetItemText(list, 8, 1, text, 64);
    EXPECT_EQ(Narrow(text), "Yes");
    EXPECT_TRUE(WriteScreenshot(box, Picture("information-statistics", box)));

    SelectTab(box, IDC_INFO_TABS, 1);
    EXPECT_EQ(ItemText(box, IDC_INFO_TITLE), "Old title");
    ExpectNothingClipped(box, "summary page");
    EXPECT_TRUE(WriteScreenshot(box, Picture("information-summary", box)));
    ::SetDlgItemTextW(box, IDC_INFO_TITLE, L"");
    ::SetDlgItemTextW(box, IDC_INFO_AUTHOR, L"Ann");
    Click(box, IDCANCEL); // what the Escape key sends
    EXPECT_TRUE(dialog.Accepted());
    EXPECT_EQ(folder.files.ReadFile(file),
              original.substr(0, 25) + std::string("[SUMMARY_AUTHOR:]\0Ann\0[END:]\0", 29));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ConfigInfoWinTest, CancelLeavesTheFileAndAMissingFileIsReported) {
    WriteFile();
    frmPropertiesConfigFile dialog(Services());
    ASSERT_TRUE(dialog.CreateModeless(::GetModuleHandleW(nullptr), IDD_CONFIG_INFO, owner.get()));
    ::SetDlgItemTextW(dialog.Handle(), IDC_INFO_TITLE, L"Edited");
    Click(dialog.Handle(), IDC_INFO_CANCEL);
    EXPECT_FALSE(dialog.Accepted());
    EXPECT_EQ(folder.files.ReadFile(file), original);

    handler.SetLoadedConfigFile(folder.path + "\\gone.krvc");
    frmPropertiesConfigFile missing(Services());
    ASSERT_TRUE(missing.CreateModeless(::GetModuleHandleW(nullptr), IDD_CONFIG_INFO, owner.get()));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "File " + folder.path + "\\gone.krvc doesn't exist.");
    EXPECT_EQ(ItemText(missing.Handle(), IDC_INFO_SIZE), "");
}

TEST(TipWinTest, ShowsTheAnsiTipAndWritesTheCheckBoxAtOnce) {
    const CommonControls6Scope controls;
    const OwnerWindow owner;
    TemporaryFolder folder("karvello-tip-");
    Win32Registry registry;
    clsRegHandler regHandler(registry);
    Options options;
    options.ShowTips = true;
    Win32AnsiCodePage codePage;
    const auto services = [&] {
        return TipWindowServices{folder.files, codePage,    regHandler,
                                 options,      folder.path, [] { return 0.5; }};
    };

    frmTip missing(services());
    ASSERT_TRUE(missing.CreateModeless(::GetModuleHandleW(nullptr), IDD_TIP, owner.get()));
    EXPECT_EQ(ItemText(missing.Handle(), IDC_TIP_TEXT), TipsNotFoundText());
    ::ShowWindow(missing.Handle(), SW_SHOW);
    EXPECT_TRUE(WriteScreenshot(missing.Handle(), Picture("tip-not-found", missing.Handle())));
    missing.Destroy();

    // One tip in the ANSI code page, "café" with its 0xE9.
    ASSERT_TRUE(
        folder.files.ReplaceFileAtomically(folder.path + "\\TIPOFDAY.TXT", "Open a caf\xE9 folder.\r\n"));
    frmTip tip(services());
    ASSERT_TRUE(tip.CreateModeless(::GetModuleHandleW(nullptr), IDD_TIP, owner.get()));
    const HWND box = tip.Handle();
    ::ShowWindow(box, SW_SHOW);
    EXPECT_EQ(WindowText(box), "Tip of the Day");
    EXPECT_EQ(ItemText(box, IDC_TIP_HEADING), "Did you know...");
    EXPECT_EQ(ItemText(box, IDC_TIP_TEXT), "Open a caf\xC3\xA9 folder.");
    Click(box, IDC_TIP_NEXT);
    EXPECT_EQ(ItemText(box, IDC_TIP_TEXT), "Open a caf\xC3\xA9 folder.");
    EXPECT_TRUE(Checked(box, IDC_TIP_SHOW));
    ExpectNothingClipped(box, "tip");
    EXPECT_TRUE(WriteScreenshot(box, Picture("tip", box)));

    ::SendDlgItemMessageW(box, IDC_TIP_SHOW, BM_CLICK, 0, 0);
    std::string stored;
    EXPECT_TRUE(regHandler.GetKeyValue(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, REG_VALUE_TIP, stored));
    EXPECT_EQ(stored, "0");
    EXPECT_FALSE(options.ShowTips);
    ::SendDlgItemMessageW(box, IDC_TIP_SHOW, BM_CLICK, 0, 0);
    EXPECT_TRUE(regHandler.GetKeyValue(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, REG_VALUE_TIP, stored));
    EXPECT_EQ(stored, "-1");
    Click(box, IDC_TIP_OK);
    EXPECT_FALSE(::IsWindowVisible(box));
}

} // namespace
} // namespace krv
