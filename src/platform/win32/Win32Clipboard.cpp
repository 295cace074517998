#include "platform/win32/Win32Clipboard.h"

#include <cstring>
#include <objidl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <string>

#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv {
namespace {

using unique_hglobal = unique_handle<handle_traits::NullIsInvalid<HGLOBAL, &::GlobalFree>>;

// Movable global memory holding bytes, as the clipboard takes it.
unique_hglobal GlobalCopy(const void* bytes, size_t size) {
    unique_hglobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    if (!memory)
        return memory;
    void* target = ::GlobalLock(memory.get());
    if (target == nullptr)
        return unique_hglobal();
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(memory.get());
    return memory;
}

// A CF_HDROP naming one file: DROPFILES followed by the wide path and two terminating zeros.
unique_hglobal FileDrop(const std::wstring& path) {
    std::string bytes(sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t), '\0');
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    std::memcpy(bytes.data(), &header, sizeof(header));
    std::memcpy(bytes.data() + sizeof(DROPFILES), path.c_str(), path.size() * sizeof(wchar_t));
    return GlobalCopy(bytes.data(), bytes.size());
}

// The folder the copied links are written to, created when missing; empty when it cannot be.
std::wstring LinkFolder() {
    wchar_t temp[MAX_PATH + 1]{};
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH)
        return {};
    std::wstring folder = std::wstring(temp, length) + L"Karvello Shortcuts";
    if (!::CreateDirectoryW(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return {};
    return folder + L"\\";
}

bool WriteLink(const std::wstring& linkPath, const std::wstring& target) {
    com_ptr<IShellLinkW> link = CreateComInstance<IShellLinkW>(CLSID_ShellLink, IID_IShellLinkW);
    if (!link || FAILED(link->SetPath(target.c_str())))
        return false;
    const com_ptr<IPersistFile> file = link.query<IPersistFile>(IID_IPersistFile);
    return file && SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
}

// Opens the clipboard for the scope.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    ~ClipboardScope() {
        if (open_)
            ::CloseClipboard();
    }
    bool open() const { return open_; }

private:
    bool open_;
};

bool Put(UINT format, unique_hglobal memory) {
    if (!memory || ::SetClipboardData(format, memory.get()) == nullptr)
        return false;
    // The clipboard owns the memory now.
    (void)memory.release();
    return true;
}

} // namespace

bool Win32Clipboard::PutFolderShortcut(std::string_view folderPath, std::string_view linkFileName) {
    const com_init_scope com; // for the shell link, when the thread has no COM yet
    const std::wstring target = Widen(folderPath);
    const std::wstring folder = LinkFolder();
    const std::wstring linkPath = folder + Widen(linkFileName);
    const bool haveLink = !folder.empty() && WriteLink(linkPath, target);

    ClipboardScope clipboard(owner_);
    if (!clipboard.open() || !::EmptyClipboard())
        return false;
    bool ok = Put(CF_UNICODETEXT, GlobalCopy(target.c_str(), (target.size() + 1) * sizeof(wchar_t)));
    if (haveLink) {
        ok = Put(CF_HDROP, FileDrop(linkPath)) && ok;
        // Pasting makes a copy of the link; it is never moved out of its folder.
        const DWORD copy = DROPEFFECT_COPY;
        const UINT effect = ::RegisterClipboardFormatW(L"Preferred DropEffect");
        if (effect != 0)
            Put(effect, GlobalCopy(&copy, sizeof(copy)));
    }
    return ok && haveLink;
}

} // namespace krv
