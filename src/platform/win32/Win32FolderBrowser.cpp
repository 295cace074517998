#include "platform/win32/Win32FolderBrowser.h"

#include <windows.h>
// These need the declarations of windows.h before them.
#include <optional>
#include <shlobj.h>
#include <shobjidl.h>
#include <string>

#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv {
namespace {

// Identifiers of the controls the picker gets beside its own.
constexpr DWORD kInstructionControl = 1;
constexpr DWORD kOptionControl = 2;
constexpr DWORD kNewFolderControl = 3;

std::wstring TitleOf(const BrowseForFolderRequest& request) {
    return Widen(request.Title.empty() ? std::string(BFF_DEFAULT_TITLE) : request.Title);
}

std::string FileSystemPathOf(IShellItem* item) {
    if (item == nullptr)
        return {};
    wchar_t* path = nullptr;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path)) || path == nullptr)
        return {};
    std::string result = Narrow(path);
    ::CoTaskMemFree(path);
    return result;
}

com_ptr<IShellItem> ShellItemOf(const std::string& path) {
    com_ptr<IShellItem> item;
    if (!path.empty())
        ::SHCreateItemFromParsingName(Widen(path).c_str(), nullptr, IID_IShellItem, item.put_void());
    return item;
}

// The picker's events: only the added "New folder" button does something, it makes a new folder in the
// folder shown and opens it. The object lives on the stack for the time the picker is shown, so its
// reference count only has to answer.
class PickerEvents final : public IFileDialogEvents, public IFileDialogControlEvents {
public:
    PickerEvents(IFileDialog& dialog, std::string newFolderName)
        : dialog_(dialog), newFolderName_(std::move(newFolderName)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IFileDialogEvents))
            *object = static_cast<IFileDialogEvents*>(this);
        else if (IsEqualIID(iid, IID_IFileDialogControlEvents))
            *object = static_cast<IFileDialogControlEvents*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // IFileDialogEvents
    HRESULT STDMETHODCALLTYPE OnFileOk(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFolderChanging(IFileDialog*, IShellItem*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFolderChange(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnSelectionChange(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShareViolation(IFileDialog*, IShellItem*,
                                               FDE_SHAREVIOLATION_RESPONSE*) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnTypeChange(IFileDialog*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnOverwrite(IFileDialog*, IShellItem*, FDE_OVERWRITE_RESPONSE*) override {
        return S_OK;
    }

    // IFileDialogControlEvents
    HRESULT STDMETHODCALLTYPE OnItemSelected(IFileDialogCustomize*, DWORD, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnButtonClicked(IFileDialogCustomize*, DWORD control) override {
        if (control == kNewFolderControl)
            OpenNewFolder();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnCheckButtonToggled(IFileDialogCustomize*, DWORD, BOOL) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnControlActivating(IFileDialogCustomize*, DWORD) override { return S_OK; }

private:
    void OpenNewFolder() {
        com_ptr<IShellItem> current;
        if (FAILED(dialog_.GetFolder(current.put())))
            return;
        const std::string created = CreateNumberedFolder(FileSystemPathOf(current.get()), newFolderName_);
        if (const com_ptr<IShellItem> folder = ShellItemOf(created))
            dialog_.SetFolder(folder.get());
    }

    IFileDialog& dialog_;
    std::string newFolderName_;
};

// The shell's folder picker. Nothing when it cannot be created; an empty path when the user cancelled.
std::optional<BrowseForFolderResult> BrowseWithPicker(const BrowseForFolderRequest& request) {
    const auto dialog = CreateComInstance<IFileOpenDialog>(CLSID_FileOpenDialog, IID_IFileOpenDialog);
    if (!dialog)
        return std::nullopt;
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(TitleOf(request).c_str());
    if (!request.OkText.empty())
        dialog->SetOkButtonLabel(Widen(request.OkText).c_str());
    if (const auto dialog2 = dialog.query<IFileDialog2>(IID_IFileDialog2);
        dialog2 && !request.CancelText.empty())
        dialog2->SetCancelButtonLabel(Widen(request.CancelText).c_str());
    if (const com_ptr<IShellItem> start = ShellItemOf(request.StartFolder))
        dialog->SetFolder(start.get());

    const auto customize = dialog.query<IFileDialogCustomize>(IID_IFileDialogCustomize);
    if (customize) {
        if (!request.Instruction.empty())
            customize->AddText(kInstructionControl, Widen(request.Instruction).c_str());
        if (!request.OptionText.empty())
            customize->AddCheckButton(kOptionControl, Widen(request.OptionText).c_str(), FALSE);
        if (!request.NewFolderText.empty())
            customize->AddPushButton(kNewFolderControl, Widen(request.NewFolderText).c_str());
    }
    PickerEvents events(*dialog.get(), request.NewFolderText.empty() ? "New folder" : request.NewFolderText);
    DWORD cookie = 0;
    const bool advised = SUCCEEDED(dialog->Advise(&events, &cookie));
    const HRESULT shown = dialog->Show(reinterpret_cast<HWND>(request.Owner));
    if (advised)
        dialog->Unadvise(cookie);

    BrowseForFolderResult result;
    if (customize) {
        BOOL checked = FALSE;
        if (SUCCEEDED(customize->GetCheckButtonState(kOptionControl, &checked)))
            result.OptionChecked = checked != FALSE;
    }
    if (FAILED(shown))
        return result;
    com_ptr<IShellItem> chosen;
    if (SUCCEEDED(dialog->GetResult(chosen.put())))
        result.Path = FileSystemPathOf(chosen.get());
    return result;
}

struct OldBrowserTexts {
    std::wstring Title;
    std::wstring StartFolder;
    std::wstring Ok;
    std::wstring Cancel;
    std::wstring NewFolder;
};

// The "Make New Folder" button of the older browser.
constexpr int kOldBrowserNewFolderButton = 14150;

int CALLBACK OldBrowserCallback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message != BFFM_INITIALIZED)
        return 0;
    const auto& texts = *reinterpret_cast<const OldBrowserTexts*>(data);
    ::SetWindowTextW(window, texts.Title.c_str());
    if (!texts.StartFolder.empty())
        ::SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(texts.StartFolder.c_str()));
    if (!texts.Ok.empty())
        ::SetDlgItemTextW(window, IDOK, texts.Ok.c_str());
    if (!texts.Cancel.empty())
        ::SetDlgItemTextW(window, IDCANCEL, texts.Cancel.c_str());
    if (!texts.NewFolder.empty())
        ::SetDlgItemTextW(window, kOldBrowserNewFolderButton, texts.NewFolder.c_str());
    return 0;
}

// The older folder browser, for systems where the picker cannot be created.
BrowseForFolderResult BrowseWithOldBrowser(const BrowseForFolderRequest& request) {
    const OldBrowserTexts texts{TitleOf(request), Widen(request.StartFolder), Widen(request.OkText),
                                Widen(request.CancelText), Widen(request.NewFolderText)};
    const std::wstring instruction = Widen(request.Instruction);
    BROWSEINFOW info{};
    info.hwndOwner = reinterpret_cast<HWND>(request.Owner);
    info.lpszTitle = instruction.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = &OldBrowserCallback;
    info.lParam = reinterpret_cast<LPARAM>(&texts);
    BrowseForFolderResult result;
    PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&info);
    if (chosen == nullptr)
        return result;
    wchar_t path[MAX_PATH] = {};
    if (::SHGetPathFromIDListW(chosen, path))
        result.Path = Narrow(path);
    ::CoTaskMemFree(chosen);
    return result;
}

} // namespace

std::string CreateNumberedFolder(const std::string& parent, const std::string& base) {
    if (parent.empty())
        return {};
    const std::string folder = parent.back() == '\\' ? parent : parent + "\\";
    for (int number = 1; number < 1000; ++number) {
        const std::string candidate =
            folder + base + (number == 1 ? std::string() : " (" + std::to_string(number) + ")");
        if (::CreateDirectoryW(Widen(candidate).c_str(), nullptr))
            return candidate;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            return {};
    }
    return {};
}

BrowseForFolderResult Win32FolderBrowser::BrowseForFolder(const BrowseForFolderRequest& request) {
    const com_init_scope com;
    if (std::optional<BrowseForFolderResult> result = BrowseWithPicker(request))
        return *result;
    return BrowseWithOldBrowser(request);
}

} // namespace krv
