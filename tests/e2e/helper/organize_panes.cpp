// The e2e helper's commands for the Organize Folders window: what its tree and list show (read through the
// controls' own messages with a buffer in the program's memory, as a screen reader would), and a folder
// dragged in from another program through OLE, as Windows Explorer drags one.
#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <ole2.h>
#include <shlobj.h>
#include <string>
#include <vector>

#include "RemoteControls.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv {

int OrganizePanesCommand(const std::vector<std::wstring>& positional);
int DropFilesCommand(const std::vector<std::wstring>& positional);

namespace {

using e2e::ChildOfClass;
using e2e::PrintLine;
using e2e::RemoteMemory;

constexpr size_t kTextOffset = 1024;
constexpr int kTextChars = 512;

std::wstring ReadText(const RemoteMemory& buffer) {
    std::wstring text(kTextChars, L'\0');
    buffer.Read(kTextOffset, text.data(), kTextChars * sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), kTextChars));
    return text;
}

// "tree|list <TAB> text <TAB> screen x <TAB> screen y <TAB> flags" with flags of cut, selected and drop
// highlight (c, s, d), for every node and every row.
void PrintTree(HWND tree, const RemoteMemory& buffer) {
    std::vector<HTREEITEM> pending;
    if (auto root = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)))
        pending.push_back(root);
    while (!pending.empty()) {
        HTREEITEM node = pending.back();
        pending.pop_back();
        TVITEMW item{};
        item.mask = TVIF_TEXT | TVIF_STATE | TVIF_HANDLE;
        item.hItem = node;
        item.stateMask = TVIS_CUT | TVIS_SELECTED | TVIS_DROPHILITED;
        item.pszText = reinterpret_cast<wchar_t*>(buffer.At(kTextOffset));
        item.cchTextMax = kTextChars;
        buffer.Write(0, &item, sizeof(item));
        ::SendMessageW(tree, TVM_GETITEMW, 0, buffer.At(0));
        buffer.Read(0, &item, sizeof(item));
        RECT rect{};
        std::memcpy(&rect, &node, sizeof(node));
        buffer.Write(512, &rect, sizeof(rect));
        ::SendMessageW(tree, TVM_GETITEMRECT, TRUE, buffer.At(512));
        buffer.Read(512, &rect, sizeof(rect));
        POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ::ClientToScreen(tree, &centre);
        std::wstring flags;
        flags += (item.state & TVIS_CUT) ? L"c" : L"";
        flags += (item.state & TVIS_SELECTED) ? L"s" : L"";
        flags += (item.state & TVIS_DROPHILITED) ? L"d" : L"";
        PrintLine(L"tree\t" + ReadText(buffer) + L"\t" + std::to_wstring(centre.x) + L"\t" +
                  std::to_wstring(centre.y) + L"\t" + flags);
        // Siblings after the children: push the next sibling first.
        if (auto next = reinterpret_cast<HTREEITEM>(
                ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(node))))
            pending.push_back(next);
        if (auto child = reinterpret_cast<HTREEITEM>(
                ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(node))))
            pending.push_back(child);
    }
}

void PrintList(HWND list, const RemoteMemory& buffer) {
    const int count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_STATE;
        item.iItem = row;
        item.stateMask = LVIS_CUT | LVIS_SELECTED | LVIS_DROPHILITED;
        item.pszText = reinterpret_cast<wchar_t*>(buffer.At(kTextOffset));
        item.cchTextMax = kTextChars;
        buffer.Write(0, &item, sizeof(item));
        ::SendMessageW(list, LVM_GETITEMW, 0, buffer.At(0));
        buffer.Read(0, &item, sizeof(item));
        const UINT state = static_cast<UINT>(::SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                                            LVIS_CUT | LVIS_SELECTED | LVIS_DROPHILITED));
        RECT rect{};
        rect.left = LVIR_LABEL;
        buffer.Write(512, &rect, sizeof(rect));
        ::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), buffer.At(512));
        buffer.Read(512, &rect, sizeof(rect));
        POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ::ClientToScreen(list, &centre);
        std::wstring flags;
        flags += (state & LVIS_CUT) ? L"c" : L"";
        flags += (state & LVIS_SELECTED) ? L"s" : L"";
        flags += (state & LVIS_DROPHILITED) ? L"d" : L"";
        PrintLine(L"list\t" + ReadText(buffer) + L"\t" + std::to_wstring(centre.x) + L"\t" +
                  std::to_wstring(centre.y) + L"\t" + flags);
    }
}

// The source of an OLE drag that drops as soon as it has been over the target for a few turns of the
// drag loop; the mouse is not needed.
class QuickDropSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
        if (escape)
            return DRAGDROP_S_CANCEL;
        return ++turns_ >= 6 ? DRAGDROP_S_DROP : S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    int turns_ = 0;
};

} // namespace

// organize-panes HWND: the nodes of the tree and the rows of the list of the Organize window HWND.
int OrganizePanesCommand(const std::vector<std::wstring>& positional) {
    HWND window =
        reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(positional.at(0).c_str(), nullptr, 10)));
    HWND tree = ChildOfClass(window, WC_TREEVIEWW);
    HWND list = ChildOfClass(window, WC_LISTVIEWW);
    if (tree == nullptr || list == nullptr) {
        std::fwprintf(stderr, L"e2e_helper: window %ls has no tree and list\n", positional.at(0).c_str());
        return 1;
    }
    RemoteMemory buffer(window, kTextOffset + kTextChars * sizeof(wchar_t));
    if (!buffer.Valid()) {
        std::fwprintf(stderr, L"e2e_helper: no memory in the window's process (error %lu)\n", ::GetLastError());
        return 1;
    }
    PrintTree(tree, buffer);
    PrintList(list, buffer);
    return 0;
}

// drop-files X Y PATH...: drags the files or folders PATH from this program and drops them at the screen
// point X, Y, through OLE as Windows Explorer does.
int DropFilesCommand(const std::vector<std::wstring>& positional) {
    if (positional.size() < 3)
        return 2;
    if (FAILED(::OleInitialize(nullptr)))
        return 1;
    std::vector<PIDLIST_ABSOLUTE> absolute;
    std::vector<PCUITEMID_CHILD> children;
    PIDLIST_ABSOLUTE parent = nullptr;
    for (size_t i = 2; i < positional.size(); ++i) {
        PIDLIST_ABSOLUTE pidl = nullptr;
        if (FAILED(::SHParseDisplayName(positional[i].c_str(), nullptr, &pidl, 0, nullptr)))
            return 1;
        absolute.push_back(pidl);
        children.push_back(::ILFindLastID(pidl));
        if (parent == nullptr) {
            parent = ::ILClone(pidl);
            ::ILRemoveLastID(parent);
        }
    }
    // The shell's own data object of the items, with their CF_HDROP, as Explorer hands it out.
    com_ptr<IDataObject> data;
    HRESULT created = ::SHCreateDataObject(parent, static_cast<UINT>(children.size()), children.data(),
                                           nullptr, IID_IDataObject, data.put_void());
    if (FAILED(created))
        created = ::CIDLData_CreateFromIDArray(parent, static_cast<UINT>(children.size()),
                                               reinterpret_cast<PCUIDLIST_RELATIVE_ARRAY>(children.data()),
                                               data.put());
    ::SetCursorPos(static_cast<int>(std::wcstol(positional[0].c_str(), nullptr, 10)),
                   static_cast<int>(std::wcstol(positional[1].c_str(), nullptr, 10)));
    DWORD effect = DROPEFFECT_NONE;
    QuickDropSource source;
    const HRESULT result = SUCCEEDED(created) && data
                               ? ::DoDragDrop(data.get(), &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect)
                               : created;
    data.reset();
    for (PIDLIST_ABSOLUTE pidl : absolute)
        ::ILFree(pidl);
    ::ILFree(parent);
    ::OleUninitialize();
    wchar_t code[16] = {};
    std::swprintf(code, 16, L"%08lx", static_cast<unsigned long>(result));
    PrintLine((result == DRAGDROP_S_DROP ? L"dropped " : L"not dropped ") + std::wstring(code) + L" effect " +
              std::to_wstring(effect));
    return result == DRAGDROP_S_DROP ? 0 : 1;
}

} // namespace krv
