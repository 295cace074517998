// Copy Shortcut against the real clipboard and shell: what another program finds on the clipboard after it,
// and the link the file drop names.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <string>

#include "platform/Text.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Clipboard.h"

namespace krv {
namespace {

std::wstring ClipboardText() {
    std::wstring text;
    if (!::OpenClipboard(nullptr))
        return text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

std::vector<std::wstring> ClipboardFiles() {
    std::vector<std::wstring> files;
    if (!::OpenClipboard(nullptr))
        return files;
    if (auto drop = static_cast<HDROP>(::GetClipboardData(CF_HDROP))) {
        const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            wchar_t path[MAX_PATH] = {};
            ::DragQueryFileW(drop, i, path, MAX_PATH);
            files.emplace_back(path);
        }
    }
    ::CloseClipboard();
    return files;
}

std::wstring LinkTarget(const std::wstring& linkPath) {
    com_ptr<IShellLinkW> link = CreateComInstance<IShellLinkW>(CLSID_ShellLink, IID_IShellLinkW);
    const com_ptr<IPersistFile> file = link.query<IPersistFile>(IID_IPersistFile);
    wchar_t target[MAX_PATH] = {};
    if (!file || FAILED(file->Load(linkPath.c_str(), STGM_READ)) ||
        FAILED(link->GetPath(target, MAX_PATH, nullptr, 0)))
        return {};
    return target;
}

TEST(Win32ClipboardTest, CopyShortcutPutsTheFolderAsTextAndAShellLinkToItAsAFileDrop) {
    const com_init_scope com;
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    Win32Clipboard clipboard(nullptr);
    ASSERT_TRUE(clipboard.PutFolderShortcut(Narrow(windows), "Système.lnk"));

    EXPECT_EQ(ClipboardText(), windows);
    const std::vector<std::wstring> files = ClipboardFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(files.front().ends_with(L"\\Karvello Shortcuts\\Syst\u00e8me.lnk")) << Narrow(files.front());
    EXPECT_EQ(::_wcsicmp(LinkTarget(files.front()).c_str(), windows), 0) << Narrow(LinkTarget(files.front()));

    // A second copy replaces both: the clipboard never holds a text and a link of different folders.
    ASSERT_TRUE(clipboard.PutFolderShortcut("C:\\", "C.lnk"));
    EXPECT_EQ(ClipboardText(), L"C:\\");
    ASSERT_EQ(ClipboardFiles().size(), 1u);
    EXPECT_TRUE(ClipboardFiles().front().ends_with(L"\\C.lnk"));
}

} // namespace
} // namespace krv
