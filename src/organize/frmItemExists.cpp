#include "organize/frmItemExists.h"

#include "ItemDialogIds.h"
#include "organize/frmAddModify.h"

namespace krv {

void frmItemExists::Init(const clsMenuItem& existing, const clsMenuItem& incoming) {
    CopyMenuItem(existing, existing_);
    CopyMenuItem(incoming, incoming_);
}

ItemExistsAnswer frmItemExists::Run(HINSTANCE instance, HWND owner) {
    instance_ = instance;
    replaceChosen_ = false;
    renameChosen_ = false;
    ShowModal(instance, IDD_ITEMEXISTS, owner);
    if (replaceChosen_)
        return ItemExistsAnswer::Replace;
    return renameChosen_ ? ItemExistsAnswer::Rename : ItemExistsAnswer::Cancel;
}

void frmItemExists::ShowIcon(int id, int32_t iconId, unique_hicon& owner) {
    owner = LoadItemIcon(instance_, iconId, ::GetDpiForWindow(Handle()));
    ::SendDlgItemMessageW(Handle(), id, STM_SETICON, reinterpret_cast<WPARAM>(owner.get()), 0);
}

bool frmItemExists::OnInitDialog() {
    const ItemExistsTexts texts = DescribeItemExists(existing_, incoming_, regional_);
    SetItemText(IDC_LBL_EXISTS_TITLE, texts.Title);
    // The title's picture is the group's: the group already holds an item of that caption.
    ShowIcon(IDC_PIC_TITLE, ICON_GROUP, titleIcon_);
    ShowIcon(IDC_PIC_ITEM1, texts.Existing.IconID, existingIcon_);
    SetItemText(IDC_LBL_ITEM1_FOLDERPATH, texts.Existing.FolderPath);
    SetItemText(IDC_LBL_ITEM1_TIME, texts.Existing.Times);
    ShowIcon(IDC_PIC_ITEM2, texts.Incoming.IconID, incomingIcon_);
    SetItemText(IDC_LBL_ITEM2_FOLDERPATH, texts.Incoming.FolderPath);
    SetItemText(IDC_LBL_ITEM2_TIME, texts.Incoming.Times);
    return true;
}

bool frmItemExists::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_CMD_REPLACE:
        replaceChosen_ = true;
        break;
    case IDC_CMD_RENAME:
        renameChosen_ = true;
        break;
    case IDC_CMD_CANCEL_EXISTS:
        break;
    default:
        return false;
    }
    End(id);
    return true;
}

ItemExistsAnswer RunItemExistsDialog(HINSTANCE instance, HWND owner, ILocale& locale,
                                     const clsMenuItem& existing, const clsMenuItem& incoming) {
    frmItemExists dialog(locale);
    dialog.Init(existing, incoming);
    return dialog.Run(instance, owner);
}

} // namespace krv
