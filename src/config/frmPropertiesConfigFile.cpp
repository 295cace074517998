#include "config/frmPropertiesConfigFile.h"

#include <commctrl.h>
#include <iterator>

#include "PropertiesIds.h"
#include "platform/Text.h"
#include "platform/win32/WindowPlacement.h"

namespace krv {
namespace {

constexpr const char* kWindowName = "frmPropertiesConfigFile";

constexpr int kFileControls[] = {
    IDC_INFO_ICON,
    IDC_INFO_NAME,
    IDC_INFO_LINE1,
    IDC_INFO_TYPE_LABEL,
    IDC_INFO_TYPE,
    IDC_INFO_LOCATION_LABEL,
    IDC_INFO_LOCATION,
    IDC_INFO_SIZE_LABEL,
    IDC_INFO_SIZE,
    IDC_INFO_MSDOS_LABEL,
    IDC_INFO_MSDOS,
    IDC_INFO_LINE2,
    IDC_INFO_CREATED_LABEL,
    IDC_INFO_CREATED,
    IDC_INFO_MODIFIED_LABEL,
    IDC_INFO_MODIFIED,
    IDC_INFO_ACCESSED_LABEL,
    IDC_INFO_ACCESSED,
    IDC_INFO_ATTRIBUTES_LABEL,
    IDC_INFO_READONLY,
    IDC_INFO_ARCHIVE,
    IDC_INFO_HIDDEN,
    IDC_INFO_SYSTEM,
};
constexpr int kSummaryControls[] = {
    IDC_INFO_TITLE_LABEL,    IDC_INFO_AUTHOR_LABEL, IDC_INFO_CATEGORY_LABEL, IDC_INFO_KEYWORDS_LABEL,
    IDC_INFO_COMMENTS_LABEL, IDC_INFO_TITLE,        IDC_INFO_AUTHOR,         IDC_INFO_CATEGORY,
    IDC_INFO_KEYWORDS,       IDC_INFO_COMMENTS,
};
constexpr int kStatisticsControls[] = {IDC_INFO_STATISTICS};

std::string ControlText(HWND control) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

} // namespace

frmPropertiesConfigFile::frmPropertiesConfigFile(ConfigInfoServices services)
    : services_(services), regional_(services_.Locale) {}

void frmPropertiesConfigFile::Run(HINSTANCE instance, HWND owner) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    ShowModal(instance, IDD_CONFIG_INFO, owner);
}

bool frmPropertiesConfigFile::OnInitDialog() {
    accepted_ = false;
    IMessageBox* messages = services_.Messages;
    if (messages == nullptr)
        messages = &ownMessages_.emplace(Handle());
    info_.emplace(services_.Files, services_.Details, *messages, regional_, services_.Locale);
    RestoreFormPosition(Handle(), services_.Registry, kWindowName, true, 0, 0, false);
    AddTabs();
    FillStatistics();
    ShowTab(Tab::File);
    AddToolTip(IDC_INFO_CANCEL, "Don't accept changes");
    // The message about a missing file comes over the dialog, whose fields then stay empty.
    if (const std::optional<ConfigFilePage> page = info_->Open()) {
        FillFilePage(*page);
        FillSummary();
    }
    return true;
}

void frmPropertiesConfigFile::AddTabs() {
    HWND tabs = Item(IDC_INFO_TABS);
    const wchar_t* captions[] = {L"General", L"Summary", L"Statistics"};
    for (int index = 0; index < static_cast<int>(std::size(captions)); ++index) {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(captions[index]);
        TabCtrl_InsertItem(tabs, index, &tab);
    }
}

void frmPropertiesConfigFile::ShowTab(Tab tab) {
    for (const int id : kFileControls)
        Show(id, tab == Tab::File);
    for (const int id : kSummaryControls)
        Show(id, tab == Tab::Summary);
    for (const int id : kStatisticsControls)
        Show(id, tab == Tab::Statistics);
    TabCtrl_SetCurSel(Item(IDC_INFO_TABS), static_cast<int>(tab));
}

void frmPropertiesConfigFile::FillFilePage(const ConfigFilePage& page) {
    SetItemText(IDC_INFO_NAME, page.Name);
    SetItemText(IDC_INFO_TYPE, CONFIG_FILE_TYPE_TEXT);
    SetItemText(IDC_INFO_LOCATION, page.Location);
    SetItemText(IDC_INFO_SIZE, page.Size);
    SetItemText(IDC_INFO_MSDOS, page.ShortName);
    SetItemText(IDC_INFO_CREATED, page.Created);
    SetItemText(IDC_INFO_MODIFIED, page.Modified);
    SetItemText(IDC_INFO_ACCESSED, page.Accessed);
    const std::pair<int, bool> boxes[] = {{IDC_INFO_READONLY, page.ReadOnly},
                                          {IDC_INFO_ARCHIVE, page.Archive},
                                          {IDC_INFO_HIDDEN, page.Hidden},
                                          {IDC_INFO_SYSTEM, page.System}};
    for (const auto& [id, on] : boxes)
        ::CheckDlgButton(Handle(), id, on ? BST_CHECKED : BST_UNCHECKED);
}

void frmPropertiesConfigFile::FillSummary() {
    const SummaryTexts& summary = info_->Summary();
    SetItemText(IDC_INFO_TITLE, summary.SummaryTitle);
    SetItemText(IDC_INFO_AUTHOR, summary.SummaryAuthor);
    SetItemText(IDC_INFO_CATEGORY, summary.SummaryCategory);
    SetItemText(IDC_INFO_KEYWORDS, summary.SummaryKeywords);
    SetItemText(IDC_INFO_COMMENTS, summary.SummaryComments);
}

void frmPropertiesConfigFile::FillStatistics() {
    HWND list = Item(IDC_INFO_STATISTICS);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    RECT client{};
    ::GetClientRect(list, &client);
    const int valueWidth = client.right / 4;
    const wchar_t* columns[] = {L"Statistic name", L"Value"};
    const int widths[] = {client.right - valueWidth - ::GetSystemMetrics(SM_CXVSCROLL), valueWidth};
    for (int index = 0; index < 2; ++index) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(columns[index]);
        column.cx = widths[index];
        ListView_InsertColumn(list, index, &column);
    }
    int row = 0;
    for (const StatisticRow& statistic : StatisticsRows(services_.Collection, services_.ProgramOptions)) {
        std::wstring name = Widen(statistic.Name);
        std::wstring value = Widen(statistic.Value);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = name.data();
        const int index = ListView_InsertItem(list, &item);
        ListView_SetItemText(list, index, 1, value.data());
        ++row;
    }
}

SummaryTexts frmPropertiesConfigFile::EditedSummary() const {
    return {ControlText(Item(IDC_INFO_TITLE)), ControlText(Item(IDC_INFO_AUTHOR)),
            ControlText(Item(IDC_INFO_CATEGORY)), ControlText(Item(IDC_INFO_KEYWORDS)),
            ControlText(Item(IDC_INFO_COMMENTS))};
}

void frmPropertiesConfigFile::Close(bool accepted) {
    accepted_ = accepted;
    StoreFormPosition(Handle(), services_.Registry, kWindowName, true);
    info_->Close(accepted, EditedSummary());
    End(accepted ? IDOK : IDCANCEL);
}

bool frmPropertiesConfigFile::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_INFO_TABS && header.code == TCN_SELCHANGE) {
        ShowTab(static_cast<Tab>(TabCtrl_GetCurSel(header.hwndFrom)));
        result = 0;
        return true;
    }
    return false;
}

bool frmPropertiesConfigFile::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    // The window's close button does not accept: only Accept Changes and the Escape key do.
    if (message == WM_CLOSE) {
        Close(false);
        result = TRUE;
        return true;
    }
    return false;
}

bool frmPropertiesConfigFile::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_INFO_FINISH:
    case IDCANCEL: // the Escape key accepts, as Accept Changes does
        Close(true);
        return true;
    case IDC_INFO_CANCEL:
        Close(false);
        return true;
    default:
        return false;
    }
}

} // namespace krv
