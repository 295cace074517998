#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <memory>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv {
namespace {

struct CoTaskMemDeleter {
    void operator()(wchar_t* text) const { CoTaskMemFree(text); }
};

} // namespace

bool Win32ShellLinkWriter::WriteShellLink(std::string_view linkPath, const ShellLinkContent& content) {
    const auto link = CreateComInstance<IShellLinkW>(CLSID_ShellLink, IID_IShellLinkW);
    if (!link)
        return false;
    if (FAILED(link->SetPath(Widen(content.target).c_str())) ||
        FAILED(link->SetShowCmd(content.showCommand)) ||
        FAILED(link->SetDescription(Widen(content.description).c_str())))
        return false;
    const auto file = link.query<IPersistFile>(IID_IPersistFile);
    return file && SUCCEEDED(file->Save(Widen(linkPath).c_str(), TRUE));
}

std::optional<std::string> Win32ShellFolders::ShellFolderPath(ShellFolder folder) {
    const KNOWNFOLDERID* id = nullptr;
    switch (folder) {
    case ShellFolder::Desktop:
        id = &FOLDERID_Desktop;
        break;
    case ShellFolder::SendTo:
        id = &FOLDERID_SendTo;
        break;
    case ShellFolder::Favorites:
        id = &FOLDERID_Favorites;
        break;
    }
    wchar_t* raw = nullptr;
    const HRESULT result = SHGetKnownFolderPath(*id, 0, nullptr, &raw);
    const std::unique_ptr<wchar_t, CoTaskMemDeleter> path(raw);
    if (FAILED(result) || path == nullptr || *path == L'\0')
        return std::nullopt;
    return Narrow(path.get());
}

MessageAnswer Win32MessageBox::Show(std::string_view text, std::string_view title, MessageButtons buttons,
                                    MessageIcon icon) {
    UINT style = MB_OK;
    switch (buttons) {
    case MessageButtons::Ok:
        style = MB_OK;
        break;
    case MessageButtons::YesNo:
        style = MB_YESNO;
        break;
    case MessageButtons::YesNoCancel:
        style = MB_YESNOCANCEL;
        break;
    }
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        style |= MB_ICONINFORMATION;
        break;
    case MessageIcon::Exclamation:
        style |= MB_ICONEXCLAMATION;
        break;
    case MessageIcon::Question:
        style |= MB_ICONQUESTION;
        break;
    case MessageIcon::Critical:
        style |= MB_ICONSTOP;
        break;
    }
    switch (MessageBoxW(owner_, Widen(text).c_str(), Widen(title).c_str(), style)) {
    case IDYES:
        return MessageAnswer::Yes;
    case IDNO:
        return MessageAnswer::No;
    case IDOK:
        return MessageAnswer::Ok;
    default:
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
}

} // namespace krv
