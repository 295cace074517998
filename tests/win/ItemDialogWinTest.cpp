// The item dialog, the item-exists conflict dialog and the folder browser on the real API, driven through
// their controls' messages; message boxes and the browser are answered as a user would, by their buttons.
// Pictures of both dialogs go to win-screenshots/ with the display's dpi in their names.
#include <windows.h>

#include <commctrl.h>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "ItemDialogIds.h"
#include "fakes/FakeFolderBrowser.h"
#include "organize/frmAddModify.h"
#include "organize/frmItemExists.h"
#include "platform/Text.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32FolderBrowser.h"
#include "platform/win32/Win32Locale.h"

namespace krv {
namespace {

using namespace wintest;

// Runs an action on the first visible window of this thread that is none of the known ones, as soon as one
// appears while a modal loop (a message box, the browser) runs; the answer comes from a thread timer,
// whose messages every modal loop dispatches.
class WhenWindowAppears {
public:
    WhenWindowAppears(std::vector<HWND> known, std::function<void(HWND)> action)
        : known_(std::move(known)), action_(std::move(action)) {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, 50, &WhenWindowAppears::OnTimer);
    }
    WhenWindowAppears(const WhenWindowAppears&) = delete;
    WhenWindowAppears& operator=(const WhenWindowAppears&) = delete;
    ~WhenWindowAppears() {
        ::KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    int Count() const { return count_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        WhenWindowAppears* self = current_;
        if (self == nullptr || self->busy_)
            return;
        const std::vector<HWND> others = OtherVisibleWindows(self->known_);
        for (HWND window : others) {
            // Tool tips are windows of the dialog's own, not what a test waits for.
            wchar_t className[64] = {};
            ::GetClassNameW(window, className, 64);
            if (std::wstring(className) == TOOLTIPS_CLASSW)
                continue;
            self->busy_ = true;
            ++self->count_;
            self->action_(window);
            self->busy_ = false;
            return;
        }
    }

    static inline WhenWindowAppears* current_ = nullptr;
    std::vector<HWND> known_;
    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    int count_ = 0;
    bool busy_ = false;
};

// The message text of a message box (its static control 0xFFFF).
std::string MessageBoxText(HWND box) {
    return ItemText(box, 0xFFFF);
}

void PressButton(HWND dialog, int id) {
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::vector<std::string> ComboEntries(HWND combo) {
    std::vector<std::string> entries;
    const auto count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        std::wstring text(static_cast<size_t>(::SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
        text.resize(static_cast<size_t>(
            ::SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
        entries.push_back(Narrow(text));
    }
    return entries;
}

void ChooseEntry(HWND dialog, int comboId, int index) {
    HWND combo = ::GetDlgItem(dialog, comboId);
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

int Selected(HWND dialog, int comboId) {
    return static_cast<int>(::SendDlgItemMessageW(dialog, comboId, CB_GETCURSEL, 0, 0));
}

// A drop of files as the shell hands it to a window that accepts them: a DROPFILES block with the paths.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::wstring list;
    for (const std::string& path : paths)
        list += Widen(path) + L'\0';
    list += L'\0';
    const size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<BYTE*>(drop) + sizeof(DROPFILES), list.data(),
                list.size() * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::string DpiSuffix(HWND window) {
    return "-" + std::to_string(::GetDpiForWindow(window));
}

class ItemDialogWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        root = Narrow(temp) + "karvello-item-" + std::to_string(::GetCurrentProcessId());
        work = root + "\\Work";
        docs = root + "\\Docs";
        for (const std::string& folder : {root, work, docs})
            ASSERT_TRUE(files.CreateFolder(folder) || files.FolderExists(folder));
        collection.AddNewMenuItem({.Caption = "Personal",
                                   .OwnerName = "-1",
                                   .Name = MIT_GROUP_USER,
                                   .SubMenu = true,
                                   .ComputePath = true});
        collection.AddNewMenuItem({.Caption = "Music",
                                   .OwnerName = MIT_GROUP_USER,
                                   .Name = "NMusic",
                                   .FolderPath = docs,
                                   .ComputePath = true,
                                   .KeyboardCode = '5'});
    }
    void TearDown() override {
        for (const std::string& folder : {work, docs, root})
            files.RemoveFolder(folder);
    }
    // The dialog for a new item of type in the personal group, shown modeless so that the test can look
    // at it while it is open.
    HWND Open(frmAddModify& dialog, const std::string& type, const std::string& path = "") {
        dialog.Init({.DialogMode = ItemDialogRequest::Mode::New,
                     .RequestedType = type,
                     .ItemName = "",
                     .TargetGroupName = MIT_GROUP_USER,
                     .InitialPath = path});
        EXPECT_TRUE(dialog.CreateModeless(::GetModuleHandleW(nullptr), IDD_ADDMODIFY, owner.get()));
        ::ShowWindow(dialog.Handle(), SW_SHOW);
        return dialog.Handle();
    }

    CommonControls6Scope controls;
    OwnerWindow owner;
    Win32FileSystem files;
    FakeFolderBrowser browser;
    clsMenuCollection collection;
    std::string root, work, docs;
};

TEST_F(ItemDialogWinTest, ShowsEveryFrameHintAndEntryOfANewItem) {
    frmAddModify dialog(collection, files, &browser);
    const HWND window = Open(dialog, MIT_PATH_EXPLORER);
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(WindowText(window), "New Item");
    const std::vector<std::pair<int, std::string>> texts = {
        {IDC_FRM_TYPE, "Type"},
        {IDC_LBL_TYPE, "Folder Shortcut"},
        {IDC_LBL_TYPE_HINT, "Defines function of the item."},
        {IDC_FRM_NAME, "Name"},
        {IDC_CMD_DESCERASE, "Reset"},
        {IDC_LBL_NAME_HINT,
         "Name of the item. If omitted, the item is named after its path. Name of Open-All "
         "items is fixed and cannot be changed."},
        {IDC_FRM_PATH, "Target Folder"},
        {IDC_CMD_BROWSE, "Browse..."},
        {IDC_LBL_PATH_HINT,
         "Path of the folder this menu item opens. Applies to Folder and Windows Explorer shortcuts."},
        {IDC_FRM_LOCATION, "Location"},
        {IDC_TXT_LOCATION, "\\\\Personal"},
        {IDC_LBL_LOCATION_HINT, "Location of this item within Organized Folders."},
        {IDC_FRM_KEYBOARD, "Keyboard Shortcut"},
        {IDC_CMD_KEYBOARDERASE, "Erase"},
        {IDC_LBL_KEYBOARD_HINT, "Combination of keys that open this item."},
        {IDC_FRM_DESCRIPTION, "Description"},
        {IDC_LBL_DESCRIPTION_HINT, "Your own personal description of the item."},
        {IDC_CMD_FINISH_ITEM, "OK"},
        {IDC_CMD_CANCEL_ITEM, "Cancel"},
    };
    for (const auto& [id, text] : texts)
        EXPECT_EQ(ItemText(window, id), text) << "control " << id;
    EXPECT_EQ(ComboEntries(::GetDlgItem(window, IDC_CMB_TYPE)),
              (std::vector<std::string>{"Group", "Folder Shortcut (single pane)",
                                        "Folder Shortcut (double pane)", "Open-All"}));
    EXPECT_EQ(Selected(window, IDC_CMB_TYPE), 2);
    const std::vector<std::string> keys = ComboEntries(::GetDlgItem(window, IDC_CMB_KEYBOARDSHORTCUT));
    ASSERT_EQ(keys.size(), 11u);
    EXPECT_EQ(keys.front(), "");
    EXPECT_EQ(keys[1], "Shift+Ctrl+0");
    EXPECT_EQ(keys.back(), "Shift+Ctrl+9");
    EXPECT_EQ(Selected(window, IDC_CMB_KEYBOARDSHORTCUT), 0);
    EXPECT_NE(::SendDlgItemMessageW(window, IDC_PIC_ICON_ITEM, STM_GETICON, 0, 0), 0) << "the type's picture";
    EXPECT_FALSE(::SendDlgItemMessageW(window, IDC_TXT_LOCATION, EM_GETMODIFY, 0, 0));
    EXPECT_TRUE(::GetWindowLongPtrW(::GetDlgItem(window, IDC_TXT_LOCATION), GWL_STYLE) & ES_READONLY);

    for (const int label : {IDC_LBL_TYPE_HINT, IDC_LBL_NAME_HINT, IDC_LBL_PATH_HINT, IDC_LBL_LOCATION_HINT,
                            IDC_LBL_KEYBOARD_HINT, IDC_LBL_DESCRIPTION_HINT, IDC_LBL_TYPE})
        EXPECT_TRUE(TextFits(::GetDlgItem(window, label), true)) << "label " << label << " is cut off";
    for (const int button :
         {IDC_CMD_DESCERASE, IDC_CMD_BROWSE, IDC_CMD_KEYBOARDERASE, IDC_CMD_FINISH_ITEM, IDC_CMD_CANCEL_ITEM})
        EXPECT_TRUE(TextFits(::GetDlgItem(window, button), false)) << "button " << button << " is cut off";
    ::SetDlgItemTextW(window, IDC_TXT_PATH, Widen(docs).c_str());
    ::SetDlgItemTextW(window, IDC_TXT_ITEMNAME, L"Docs");
    EXPECT_TRUE(WriteScreenshot(window, "item-dialog" + DpiSuffix(window)));
    PressButton(window, IDC_CMD_CANCEL_ITEM);
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_FALSE(dialog.Accepted());
}

TEST_F(ItemDialogWinTest, TheTypeDecidesWhichBoxesTakeInputAndOpenAllHasItsFixedName) {
    frmAddModify dialog(collection, files, &browser);
    const HWND window = Open(dialog, MIT_PATH_SHORTCUT);
    ::SetDlgItemTextW(window, IDC_TXT_ITEMNAME, L"Mine");
    struct Case {
        int entry;
        std::string typeName, name;
        bool nameEnabled, pathEnabled;
    };
    const Case cases[] = {
        {3, "Open-All", "Open-All", false, false},
        {0, "Group", "Mine", true, false},
        {2, "Folder Shortcut", "Mine", true, true},
    };
    for (const Case& c : cases) {
        ChooseEntry(window, IDC_CMB_TYPE, c.entry);
        EXPECT_EQ(ItemText(window, IDC_LBL_TYPE), c.typeName);
        EXPECT_EQ(ItemText(window, IDC_TXT_ITEMNAME), c.name);
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(window, IDC_TXT_ITEMNAME)) != 0, c.nameEnabled) << c.entry;
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(window, IDC_CMD_DESCERASE)) != 0, c.nameEnabled) << c.entry;
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(window, IDC_TXT_PATH)) != 0, c.pathEnabled) << c.entry;
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(window, IDC_CMD_BROWSE)) != 0, c.pathEnabled) << c.entry;
    }
}

TEST_F(ItemDialogWinTest, BrowseEnterInThePathAndDroppedFoldersFillPathAndName) {
    frmAddModify dialog(collection, files, &browser);
    const HWND window = Open(dialog, MIT_PATH_EXPLORER);
    browser.answer.Path = work;
    PressButton(window, IDC_CMD_BROWSE);
    ASSERT_EQ(browser.requests.size(), 1u);
    EXPECT_EQ(browser.requests[0].Owner, reinterpret_cast<intptr_t>(window)) << "shown over the dialog";
    EXPECT_EQ(browser.requests[0].StartFolder, "C:\\");
    EXPECT_EQ(ItemText(window, IDC_TXT_PATH), work);
    EXPECT_EQ(ItemText(window, IDC_TXT_ITEMNAME), "Work");

    // Enter in the path box is the dialog's OK command while the box has the focus: it browses instead.
    ::SetFocus(::GetDlgItem(window, IDC_TXT_PATH));
    browser.answer.Path = docs;
    PressButton(window, IDC_CMD_FINISH_ITEM);
    ASSERT_EQ(browser.requests.size(), 2u);
    EXPECT_EQ(browser.requests[1].StartFolder, work);
    EXPECT_TRUE(::IsWindowVisible(window)) << "Enter in the path box does not accept";
    EXPECT_EQ(ItemText(window, IDC_TXT_PATH), docs);
    EXPECT_EQ(ItemText(window, IDC_TXT_ITEMNAME), "Work") << "the name the item already has stays";

    // A file and a folder dropped on the name box: the folder becomes the path.
    const std::string file = root + "\\notes.txt";
    ASSERT_TRUE(files.ReplaceFileAtomically(file, "x"));
    ::SetDlgItemTextW(window, IDC_TXT_ITEMNAME, L"");
    ::SendMessageW(::GetDlgItem(window, IDC_TXT_ITEMNAME), WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDrop({file, work})), 0);
    EXPECT_EQ(ItemText(window, IDC_TXT_PATH), work);
    EXPECT_EQ(ItemText(window, IDC_TXT_ITEMNAME), "Work");
    ::SendMessageW(::GetDlgItem(window, IDC_TXT_PATH), WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDrop({file})), 0);
    EXPECT_EQ(ItemText(window, IDC_TXT_PATH), work) << "a file is no Target Folder";
    ::DeleteFileW(Widen(file).c_str());

    // Reset names the item after its path again; the path box losing the focus fills an empty name.
    ::SetDlgItemTextW(window, IDC_TXT_ITEMNAME, L"Other");
    PressButton(window, IDC_CMD_DESCERASE);
    EXPECT_EQ(ItemText(window, IDC_TXT_ITEMNAME), "Work");
    ::SetDlgItemTextW(window, IDC_TXT_ITEMNAME, L"");
    ::SetDlgItemTextW(window, IDC_TXT_PATH, Widen(docs).c_str());
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_TXT_PATH, EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(::GetDlgItem(window, IDC_TXT_PATH)));
    EXPECT_EQ(ItemText(window, IDC_TXT_ITEMNAME), "Docs");
}

TEST_F(ItemDialogWinTest, KeyboardConflictAsksAndNoPutsThePreviousEntryBack) {
    frmAddModify dialog(collection, files, &browser);
    const HWND window = Open(dialog, MIT_PATH_EXPLORER, work);
    std::vector<std::string> questions;
    ChooseEntry(window, IDC_CMB_KEYBOARDSHORTCUT, 3);
    {
        WhenWindowAppears answer({owner.get(), window}, [&](HWND box) {
            questions.push_back(WindowText(box) + "|" + MessageBoxText(box));
            PressButton(box, IDNO);
        });
        ChooseEntry(window, IDC_CMB_KEYBOARDSHORTCUT, 6);
        EXPECT_EQ(answer.Count(), 1);
    }
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0],
              "Karvello|Keyboard shortcut Shift+Ctrl+5 is already associated with folder shortcut "
              "Music.\r\nDo you want to associate the keyboard shortcut to this item?");
    EXPECT_EQ(Selected(window, IDC_CMB_KEYBOARDSHORTCUT), 3) << "No returns to the previous entry";

    {
        WhenWindowAppears answer({owner.get(), window}, [&](HWND box) { PressButton(box, IDYES); });
        ChooseEntry(window, IDC_CMB_KEYBOARDSHORTCUT, 6);
        EXPECT_EQ(answer.Count(), 1);
    }
    EXPECT_EQ(Selected(window, IDC_CMB_KEYBOARDSHORTCUT), 6);
    EXPECT_EQ(collection.GetMenuItemFromName("NMusic")->KeyboardCode(), '5') << "nothing is taken before OK";

    PressButton(window, IDC_CMD_FINISH_ITEM);
    EXPECT_FALSE(::IsWindowVisible(window));
    ASSERT_TRUE(dialog.Accepted());
    const ItemParameters parameters = dialog.GetParameters();
    EXPECT_EQ(parameters.Caption, "Work");
    EXPECT_EQ(parameters.FolderPath, work);
    EXPECT_EQ(parameters.OpenType, MIT_PATH_EXPLORER);
    EXPECT_EQ(parameters.KeyboardCode, '5');
    EXPECT_EQ(parameters.KeyboardTakenFrom, std::vector<std::string>{"NMusic"});
}

TEST_F(ItemDialogWinTest, ARefusedOkTellsWhyAndKeepsTheDialogOpenWithItsEntries) {
    frmAddModify dialog(collection, files, &browser);
    const HWND window = Open(dialog, MIT_GROUP_GENERAL);
    std::vector<std::string> refusals;
    {
        WhenWindowAppears answer({owner.get(), window}, [&](HWND box) {
            refusals.push_back(MessageBoxText(box));
            PressButton(box, IDOK);
        });
        ::SetDlgItemTextW(window, IDC_TXT_ITEMNAME, L"a|b");
        PressButton(window, IDC_CMD_FINISH_ITEM);
        ::SetDlgItemTextW(window, IDC_TXT_ITEMNAME, L"Music ");
        ::SetDlgItemTextW(window, IDC_TXT_DESCRIPTION, L"songs");
        ChooseEntry(window, IDC_CMB_KEYBOARDSHORTCUT, 2);
        PressButton(window, IDC_CMD_KEYBOARDERASE);
        EXPECT_EQ(Selected(window, IDC_CMB_KEYBOARDSHORTCUT), 0);
        PressButton(window, IDC_CMD_FINISH_ITEM);
        EXPECT_EQ(answer.Count(), 1);
    }
    EXPECT_EQ(refusals,
              std::vector<std::string>{"An item's Name cannot contain any of the following characters: "
                                       "\r\n\t\\ / : * ? \" < > |"});
    ASSERT_TRUE(dialog.Accepted()) << "a group may share its caption with a shortcut";
    const ItemParameters parameters = dialog.GetParameters();
    EXPECT_EQ(parameters.Caption, "Music");
    EXPECT_EQ(parameters.ItemType, MIT_GROUP_GENERAL);
    EXPECT_EQ(parameters.UserDescription, "songs");
    EXPECT_EQ(parameters.KeyboardCode, -1);
}

TEST_F(ItemDialogWinTest, ConflictDialogShowsBothItemsAndAnswersByItsButtonsAndEscape) {
    clsMenuItem existing = *collection.GetMenuItemFromName("NMusic");
    existing.SetTimeCreated({2024, 3, 9, 9, 5, 7});
    clsMenuItem incoming;
    incoming.SetCaption("Music");
    incoming.SetFolderPath(work);
    incoming.SetOpenType(MIT_PATH_EXPLORER);
    incoming.SetIconIDDescription();
    incoming.SetTimeCreated({2024, 3, 10, 10, 0, 0});
    incoming.SetTimeModified({2024, 3, 11, 11, 30, 0});
    Win32Locale locale;
    modRegionalSettings regional(locale);

    frmItemExists dialog(locale);
    dialog.Init(existing, incoming);
    ASSERT_TRUE(dialog.CreateModeless(::GetModuleHandleW(nullptr), IDD_ITEMEXISTS, owner.get()));
    const HWND window = dialog.Handle();
    ::ShowWindow(window, SW_SHOW);
    EXPECT_EQ(WindowText(window), "Replace or Rename Existing Item");
    EXPECT_EQ(ItemText(window, IDC_LBL_EXISTS_TITLE), "This group already contains an item named Music.");
    EXPECT_EQ(ItemText(window, IDC_LABEL1), "Would you like to replace the existing item");
    EXPECT_EQ(ItemText(window, IDC_LABEL2), "with this new one?");
    EXPECT_EQ(ItemText(window, IDC_LABEL3), "Or you would like to rename the new item?");
    EXPECT_EQ(ItemText(window, IDC_LBL_ITEM1_FOLDERPATH), docs);
    EXPECT_EQ(ItemText(window, IDC_LBL_ITEM1_TIME),
              "created: " + regional.FormatDateTimeLocal(existing.TimeCreated()));
    EXPECT_EQ(ItemText(window, IDC_LBL_ITEM2_FOLDERPATH), work);
    EXPECT_EQ(ItemText(window, IDC_LBL_ITEM2_TIME),
              "created: " + regional.FormatDateTimeLocal(incoming.TimeCreated()) +
                  ", modified: " + regional.FormatDateTimeLocal(incoming.TimeModified()));
    EXPECT_NE(ItemText(window, IDC_LBL_ITEM2_TIME).find("2024"), std::string::npos) << "a real date";
    for (const int picture : {IDC_PIC_TITLE, IDC_PIC_ITEM1, IDC_PIC_ITEM2})
        EXPECT_NE(::SendDlgItemMessageW(window, picture, STM_GETICON, 0, 0), 0) << "picture " << picture;
    EXPECT_NE(::SendDlgItemMessageW(window, IDC_PIC_ITEM1, STM_GETICON, 0, 0),
              ::SendDlgItemMessageW(window, IDC_PIC_ITEM2, STM_GETICON, 0, 0))
        << "each item shows its own type";
    for (const int label :
         {IDC_LBL_EXISTS_TITLE, IDC_LABEL1, IDC_LABEL2, IDC_LABEL3, IDC_LBL_ITEM1_TIME, IDC_LBL_ITEM2_TIME})
        EXPECT_TRUE(TextFits(::GetDlgItem(window, label), true)) << "label " << label << " is cut off";
    for (const int button : {IDC_CMD_REPLACE, IDC_CMD_RENAME, IDC_CMD_CANCEL_EXISTS})
        EXPECT_TRUE(TextFits(::GetDlgItem(window, button), false)) << "button " << button << " is cut off";
    EXPECT_TRUE(WriteScreenshot(window, "item-exists" + DpiSuffix(window)));
    dialog.Destroy();

    // Run modally, each answer as the user gives it; Escape is the dialog's cancel command.
    struct Case {
        int command;
        ItemExistsAnswer answer;
    };
    for (const Case c :
         {Case{IDC_CMD_REPLACE, ItemExistsAnswer::Replace}, Case{IDC_CMD_RENAME, ItemExistsAnswer::Rename},
          Case{IDC_CMD_CANCEL_EXISTS, ItemExistsAnswer::Cancel}}) {
        WhenWindowAppears press({owner.get()}, [&](HWND shown) { PressButton(shown, c.command); });
        EXPECT_EQ(RunItemExistsDialog(::GetModuleHandleW(nullptr), owner.get(), locale, existing, incoming),
                  c.answer);
    }
    WhenWindowAppears escape({owner.get()}, [&](HWND shown) {
        ::SendMessageW(::GetDlgItem(shown, IDC_CMD_REPLACE), WM_KEYDOWN, VK_ESCAPE, 0);
        ::SendMessageW(shown, WM_COMMAND, IDCANCEL, 0);
    });
    frmItemExists escaped(locale);
    escaped.Init(existing, incoming);
    EXPECT_EQ(escaped.Run(::GetModuleHandleW(nullptr), owner.get()), ItemExistsAnswer::Cancel);
    EXPECT_FALSE(escaped.ReplaceChosen());
    EXPECT_FALSE(escaped.RenameChosen());
}

} // namespace
} // namespace krv
