#include "organize/frmProperties.h"

#include <commctrl.h>
#include <cstring>
#include <iterator>

#include "PropertiesIds.h"
#include "ResourceIds.h"
#include "model/clsMenuCollection.h"
#include "platform/Text.h"
#include "platform/win32/WindowPlacement.h"

namespace krv {
namespace {

constexpr const char* kWindowName = "frmProperties";

constexpr int kItemTabControls[] = {
    IDC_PROP_ICON,           IDC_PROP_NAME,       IDC_PROP_LINE1,          IDC_PROP_TYPE_LABEL,
    IDC_PROP_TYPE,           IDC_PROP_PATH_LABEL, IDC_PROP_PATH,           IDC_PROP_LOCATION_LABEL,
    IDC_PROP_LOCATION,       IDC_PROP_LINE2,      IDC_PROP_CREATED_LABEL,  IDC_PROP_CREATED,
    IDC_PROP_MODIFIED_LABEL, IDC_PROP_MODIFIED,   IDC_PROP_ACCESSED_LABEL, IDC_PROP_ACCESSED,
    IDC_PROP_CHANGE,         IDC_PROP_COPY,
};
constexpr int kFolderTabControls[] = {
    IDC_FOLDER_NAME,           IDC_FOLDER_LINE1,
    IDC_FOLDER_LOCATION_LABEL, IDC_FOLDER_LOCATION,
    IDC_FOLDER_MSDOS_LABEL,    IDC_FOLDER_MSDOS,
    IDC_FOLDER_CREATED_LABEL,  IDC_FOLDER_CREATED,
    IDC_FOLDER_MODIFIED_LABEL, IDC_FOLDER_MODIFIED,
    IDC_FOLDER_ACCESSED_LABEL, IDC_FOLDER_ACCESSED,
    IDC_FOLDER_LINE2,          IDC_FOLDER_ATTRIBUTES_LABEL,
    IDC_FOLDER_READONLY,       IDC_FOLDER_ARCHIVE,
    IDC_FOLDER_HIDDEN,         IDC_FOLDER_SYSTEM,
    IDC_FOLDER_DELETE,         IDC_FOLDER_WARNING,
};

struct AttributeBox {
    int Id;
    FolderAttribute Attribute;
};
constexpr AttributeBox kAttributeBoxes[] = {
    {IDC_FOLDER_READONLY, FolderAttribute::ReadOnly},
    {IDC_FOLDER_ARCHIVE, FolderAttribute::Archive},
    {IDC_FOLDER_HIDDEN, FolderAttribute::Hidden},
    {IDC_FOLDER_SYSTEM, FolderAttribute::System},
};

// The resource of a menu icon number: the program icon for the root, the menu pictures for the others.
int IconResource(int32_t iconId) {
    return iconId <= 1 ? IDI_KARVELLO : IDI_MENU_GROUP + iconId - 2;
}

// Puts text on the clipboard as Unicode text, replacing what it held.
void PutTextOnClipboard(HWND owner, const std::string& text) {
    if (!::OpenClipboard(owner))
        return;
    ::EmptyClipboard();
    const std::wstring wide = Widen(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = ::GlobalLock(memory)) {
            std::memcpy(target, wide.c_str(), bytes);
            ::GlobalUnlock(memory);
            // The clipboard owns the memory from here on; it is freed only when the clipboard refused it.
            if (::SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
                ::GlobalFree(memory);
        } else {
            ::GlobalFree(memory);
        }
    }
    ::CloseClipboard();
}

} // namespace

frmProperties::frmProperties(clsMenuCollection& collection, std::string itemName,
                             PropertiesDialogServices services)
    : collection_(collection), itemName_(std::move(itemName)), services_(std::move(services)),
      regional_(services_.Locale) {}

bool frmProperties::Run(HINSTANCE instance, HWND owner) {
    ShowModal(instance, IDD_PROPERTIES, owner);
    return CollectionChanged();
}

bool frmProperties::OnInitDialog() {
    IMessageBox* messages = services_.Messages;
    if (messages == nullptr)
        messages = &ownMessages_.emplace(Handle());
    logic_.emplace(
        collection_, itemName_,
        ItemPropertiesServices{services_.Files, services_.Details, services_.Shell, *messages, regional_});
    RestoreFormPosition(Handle(), services_.Registry, kWindowName, true, 0, 0, false);
    AddTabs();
    SetItemText(IDC_FOLDER_WARNING, PROPERTIES_WARNING_TEXT);
    FillItemTab();
    FillFolderTab();
    ShowTab(Tab::Item);

    AddToolTip(IDC_PROP_CHANGE, "Change the item");
    AddToolTip(IDC_PROP_COPY, "Copy the item's shortcut to Clipboard");
    AddToolTip(IDC_FOLDER_DELETE, "Delete the target folder from disc");
    AddToolTip(IDC_PROP_APPLY, "Apply changes");
    AddToolTip(IDC_PROP_FINISH, "Accept changes");
    AddToolTip(IDC_PROP_CANCEL, "Don't accept changes");
    return true;
}

void frmProperties::OnDestroy() {
    StoreFormPosition(Handle(), services_.Registry, kWindowName, true);
}

void frmProperties::AddTabs() {
    HWND tabs = Item(IDC_PROP_TABS);
    const wchar_t* captions[] = {L"Item", L"Target Folder"};
    for (int index = 0; index < 2; ++index) {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(captions[index]);
        TabCtrl_InsertItem(tabs, index, &tab);
    }
}

void frmProperties::ShowTab(Tab tab) {
    for (const int id : kItemTabControls)
        Show(id, tab == Tab::Item);
    for (const int id : kFolderTabControls)
        Show(id, tab == Tab::TargetFolder);
    TabCtrl_SetCurSel(Item(IDC_PROP_TABS), static_cast<int>(tab));
}

void frmProperties::FillItemTab() {
    const ItemTab& item = logic_->Item();
    SetItemText(IDC_PROP_NAME, item.Caption);
    SetItemText(IDC_PROP_TYPE, item.Type);
    SetItemText(IDC_PROP_PATH, item.TargetFolder);
    SetItemText(IDC_PROP_LOCATION, item.Location);
    SetItemText(IDC_PROP_CREATED, item.Created);
    SetItemText(IDC_PROP_MODIFIED, item.Modified);
    SetItemText(IDC_PROP_ACCESSED, item.Accessed);
    auto icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                MAKEINTRESOURCEW(IconResource(item.IconID)), IMAGE_ICON, 0, 0,
                                                LR_DEFAULTSIZE | LR_SHARED));
    ::SendDlgItemMessageW(Handle(), IDC_PROP_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    // The generated entries (drives) cannot be changed here.
    const clsMenuItem* shown = logic_->DohvatiMenuItem();
    Enable(IDC_PROP_CHANGE,
           shown != nullptr && shown->Remark() != REMARK_AUTO && services_.Change != nullptr);
}

void frmProperties::FillFolderTab() {
    const TargetFolderTab& folder = logic_->Folder();
    filling_ = true;
    SetItemText(IDC_FOLDER_NAME, folder.Name);
    filling_ = false;
    SetItemText(IDC_FOLDER_LOCATION, folder.Location);
    SetItemText(IDC_FOLDER_MSDOS, folder.ShortName);
    SetItemText(IDC_FOLDER_CREATED, folder.Created);
    SetItemText(IDC_FOLDER_MODIFIED, folder.Modified);
    SetItemText(IDC_FOLDER_ACCESSED, folder.Accessed);
    for (const AttributeBox& box : kAttributeBoxes) {
        ::CheckDlgButton(Handle(), box.Id, folder.Has(box.Attribute) ? BST_CHECKED : BST_UNCHECKED);
        Enable(box.Id, folder.Exists);
    }
    ::SendDlgItemMessageW(Handle(), IDC_FOLDER_NAME, EM_SETREADONLY, folder.NameEditable ? FALSE : TRUE, 0);
    Enable(IDC_FOLDER_DELETE, folder.Exists && folder.NameEditable);
    RefreshApply();
}

void frmProperties::RefreshApply() {
    Enable(IDC_PROP_APPLY, logic_->ApplyEnabled());
}

bool frmProperties::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_PROP_TABS && header.code == TCN_SELCHANGE) {
        ShowTab(TabCtrl_GetCurSel(header.hwndFrom) == 1 ? Tab::TargetFolder : Tab::Item);
        result = 0;
        return true;
    }
    return false;
}

bool frmProperties::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_FOLDER_NAME && notifyCode == EN_CHANGE) {
        if (!filling_) {
            wchar_t text[MAX_PATH + 1] = {};
            ::GetWindowTextW(control, text, static_cast<int>(std::size(text)));
            logic_->SetNewName(Narrow(text));
            RefreshApply();
        }
        return true;
    }
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_FOLDER_READONLY:
    case IDC_FOLDER_ARCHIVE:
    case IDC_FOLDER_HIDDEN:
    case IDC_FOLDER_SYSTEM:
        OnAttributeClicked(id);
        return true;
    case IDC_PROP_APPLY:
        OnApply();
        return true;
    case IDC_PROP_FINISH:
        OnFinish();
        return true;
    case IDC_PROP_CANCEL:
        End(IDCANCEL);
        return true;
    case IDC_FOLDER_DELETE:
        OnDelete();
        return true;
    case IDC_PROP_CHANGE:
        OnChange();
        return true;
    case IDC_PROP_COPY:
        OnCopyShortcut();
        return true;
    default:
        return false;
    }
}

void frmProperties::OnAttributeClicked(int id) {
    for (const AttributeBox& box : kAttributeBoxes) {
        if (box.Id == id)
            logic_->SetAttributeChecked(box.Attribute, ::IsDlgButtonChecked(Handle(), id) == BST_CHECKED);
    }
    RefreshApply();
}

bool frmProperties::OnApply() {
    const ApplyOutcome outcome = logic_->Apply();
    FillItemTab();
    if (outcome == ApplyOutcome::Done) {
        FillFolderTab();
        return true;
    }
    RefreshApply();
    return false;
}

void frmProperties::OnFinish() {
    if (logic_->ApplyEnabled() && !OnApply())
        return;
    End(IDOK);
}

void frmProperties::OnDelete() {
    if (!logic_->DeleteTargetFolder())
        return;
    FillItemTab();
    FillFolderTab();
}

void frmProperties::OnChange() {
    if (!services_.Change || !services_.Change(Handle(), itemName_))
        return;
    logic_->ItemChanged();
    FillItemTab();
    FillFolderTab();
}

void frmProperties::OnCopyShortcut() {
    PutTextOnClipboard(Handle(), logic_->CopyShortcutText());
}

} // namespace krv
