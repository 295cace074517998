// The commands of e2e_helper.exe that read and drive the common controls of another process's window: the
// tree view's nodes, the list view's rows and the status bar's panels, and selecting a node or rows. The
// controls' messages carry pointers, which must point into the program's own memory: each command puts its
// structure and text buffer there (VirtualAllocEx), sends the message and reads the answer back.
#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "RemoteControls.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv {
namespace {

using e2e::ChildOfClass;
using e2e::PrintLine;
using e2e::RemoteMemory;
using e2e::Send;
using e2e::SendPatiently;

constexpr size_t kTextOffset = 512;
constexpr size_t kTextCharacters = 1024;
constexpr size_t kRemoteSize = kTextOffset + kTextCharacters * sizeof(wchar_t);

std::wstring NodeText(HWND tree, const RemoteMemory& memory, HTREEITEM node) {
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = reinterpret_cast<wchar_t*>(memory.At(kTextOffset));
    item.cchTextMax = static_cast<int>(kTextCharacters);
    memory.Write(0, &item, sizeof(item));
    memory.Write(kTextOffset, L"", sizeof(wchar_t));
    Send(tree, TVM_GETITEMW, 0, memory.At());
    return memory.ReadText(kTextOffset, kTextCharacters);
}

struct TreeNode {
    HTREEITEM Handle;
    int Level;
    std::wstring Text;
};

// Every node in display order with its depth.
std::vector<TreeNode> TreeNodes(HWND tree, const RemoteMemory& memory) {
    std::vector<TreeNode> nodes;
    const auto next = [tree](HTREEITEM node, WPARAM how) {
        return reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(node)));
    };
    struct Pending {
        HTREEITEM Node;
        int Level;
    };
    std::vector<Pending> stack;
    for (HTREEITEM root = next(nullptr, TVGN_ROOT); root != nullptr; root = next(root, TVGN_NEXT))
        stack.insert(stack.begin(), {root, 0});
    while (!stack.empty()) {
        const Pending current = stack.back();
        stack.pop_back();
        nodes.push_back({current.Node, current.Level, NodeText(tree, memory, current.Node)});
        std::vector<Pending> children;
        for (HTREEITEM child = next(current.Node, TVGN_CHILD); child != nullptr;
             child = next(child, TVGN_NEXT))
            children.push_back({child, current.Level + 1});
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return nodes;
}

std::wstring ListCell(HWND list, const RemoteMemory& memory, int row, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(memory.At(kTextOffset));
    item.cchTextMax = static_cast<int>(kTextCharacters);
    memory.Write(0, &item, sizeof(item));
    memory.Write(kTextOffset, L"", sizeof(wchar_t));
    Send(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), memory.At());
    return memory.ReadText(kTextOffset, kTextCharacters);
}

// tree-items WINDOW: one node a line, indented by two blanks a level, "*" before the selected one.
int TreeItems(HWND tree) {
    RemoteMemory memory(tree, kRemoteSize);
    if (!memory.Valid())
        return 1;
    const auto selected = reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    for (const TreeNode& node : TreeNodes(tree, memory))
        PrintLine((node.Handle == selected ? L"*" : L"") +
                  std::wstring(static_cast<size_t>(node.Level) * 2, L' ') + node.Text);
    return 0;
}

// The first node with that text in display order, or nullptr.
HTREEITEM FindNode(HWND tree, const std::wstring& text) {
    RemoteMemory memory(tree, kRemoteSize);
    if (!memory.Valid())
        return nullptr;
    for (const TreeNode& node : TreeNodes(tree, memory))
        if (node.Text == text)
            return node.Handle;
    return nullptr;
}

// tree-select WINDOW TEXT: selects the first node with that text, as a click on it would.
int TreeSelect(HWND tree, const std::wstring& text) {
    HTREEITEM node = FindNode(tree, text);
    if (node == nullptr)
        return 1;
    Send(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
    return 0;
}

// list-items WINDOW: one row a line, the columns separated by tabs, "*" before a selected row.
int ListItems(HWND list, int columns) {
    RemoteMemory memory(list, kRemoteSize);
    if (!memory.Valid())
        return 1;
    const int count = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::wstring line =
            (Send(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) ? L"*"
                                                                                                    : L"";
        for (int column = 0; column < columns; ++column)
            line += (column > 0 ? L"\t" : L"") + ListCell(list, memory, row, column);
        PrintLine(line);
    }
    return 0;
}

// list-select WINDOW ROW: selects exactly that row (-1: none) and gives it the focus mark.
int ListSelect(HWND list, int row) {
    RemoteMemory memory(list, kRemoteSize);
    if (!memory.Valid())
        return 1;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    memory.Write(0, &state, sizeof(state));
    Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), memory.At());
    if (row >= 0) {
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        memory.Write(0, &state, sizeof(state));
        Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), memory.At());
    }
    return 0;
}

// list-positions WINDOW: where each row's item is in the list, "X Y" a line (client coordinates).
int ListPositions(HWND list) {
    RemoteMemory memory(list, kRemoteSize);
    if (!memory.Valid())
        return 1;
    const int count = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        POINT at{};
        if (Send(list, LVM_GETITEMPOSITION, static_cast<WPARAM>(row), memory.At()) == 0 ||
            !memory.Read(0, &at, sizeof(at)))
            return 1;
        PrintLine(std::to_wstring(at.x) + L" " + std::to_wstring(at.y));
    }
    return 0;
}

// status-text WINDOW: the texts of the status bar's panels, one a line.
int StatusText(HWND status) {
    RemoteMemory memory(status, kRemoteSize);
    if (!memory.Valid())
        return 1;
    const int parts = static_cast<int>(Send(status, SB_GETPARTS, 0, 0));
    for (int part = 0; part < parts; ++part) {
        memory.Write(kTextOffset, L"", sizeof(wchar_t));
        Send(status, SB_GETTEXTW, static_cast<WPARAM>(part), memory.At(kTextOffset));
        PrintLine(memory.ReadText(kTextOffset, kTextCharacters));
    }
    return 0;
}

// tree-count WINDOW: the number of nodes of the tree.
// The first question about nodes makes the window insert the rest of a large tree, which under a loaded
// Wine takes longer than the usual wait; a count that did not come is a failure, not a zero.
int TreeCount(HWND tree) {
    DWORD_PTR count = 0;
    if (!SendPatiently(tree, TVM_GETCOUNT, 0, 0, count)) {
        PrintLine(L"the tree did not answer within 60 s");
        return 1;
    }
    PrintLine(std::to_wstring(count));
    return 0;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

HWND VisibleWindowOfClass(const std::wstring& className) {
    std::vector<HWND> windows;
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        wchar_t name[256] = {};
        ::GetClassNameW(window, name, 256);
        if (className == name && ::IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

// True once neither the window nor any of its children has a part left to paint.
bool Painted(HWND window) {
    if (::GetUpdateRect(window, nullptr, FALSE))
        return false;
    const std::vector<HWND> children = e2e::Descendants(window);
    for (HWND child : children)
        if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE))
            return false;
    return true;
}

// The time at which the window had handled what it was busy with and painted itself whole. Its thread
// answers a sent message only between the messages it handles; after that its pending paints remain.
LARGE_INTEGER WaitUntilPainted(HWND window) {
    DWORD_PTR ignored = 0;
    SendPatiently(window, WM_NULL, 0, 0, ignored);
    while (!Painted(window))
        ::Sleep(1);
    LARGE_INTEGER painted{};
    ::QueryPerformanceCounter(&painted);
    return painted;
}

// time-open MAINWINDOW CLASS: hands the running Karvello an empty command, as a second start does, and
// prints how long it took until a window of CLASS was visible and until it had painted itself whole.
int TimeOpen(HWND main, const std::wstring& className) {
    const wchar_t empty[] = L"";
    if (::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Tessary\\Karvello", L"TRANSFER", REG_SZ, empty,
                          sizeof(empty)) != ERROR_SUCCESS)
        return 1;
    const UINT handOver = ::RegisterWindowMessageW(L"!KARVELLO!REGMSG!");
    LARGE_INTEGER started{};
    ::QueryPerformanceCounter(&started);
    if (!::PostMessageW(main, handOver, 0, 0))
        return 1;
    HWND window = nullptr;
    for (int tries = 0; window == nullptr && tries < 60000; ++tries) {
        window = VisibleWindowOfClass(className);
        if (window == nullptr)
            ::Sleep(1);
    }
    if (window == nullptr)
        return 1;
    LARGE_INTEGER visible{};
    ::QueryPerformanceCounter(&visible);
    const LARGE_INTEGER painted = WaitUntilPainted(window);
    PrintLine(L"visible_ms=" + std::to_wstring(Milliseconds(started, visible)));
    PrintLine(L"painted_ms=" + std::to_wstring(Milliseconds(started, painted)));
    return 0;
}

// time-select WINDOW TEXT: selects the tree's first node with that text, as a click on it would, and prints
// how long until the selection had come back and until the window had painted itself whole, and the rows the
// list then holds. The nodes are looked up before the clock starts.
int TimeSelect(HWND window, const std::wstring& text) {
    HWND tree = ChildOfClass(window, WC_TREEVIEWW);
    HWND list = ChildOfClass(window, WC_LISTVIEWW);
    if (tree == nullptr || list == nullptr)
        return 1;
    HTREEITEM node = FindNode(tree, text);
    if (node == nullptr)
        return 1;
    LARGE_INTEGER started{};
    ::QueryPerformanceCounter(&started);
    DWORD_PTR ignored = 0;
    if (!SendPatiently(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node), ignored))
        return 1;
    LARGE_INTEGER selected{};
    ::QueryPerformanceCounter(&selected);
    const LARGE_INTEGER painted = WaitUntilPainted(window);
    PrintLine(L"selected_ms=" + std::to_wstring(Milliseconds(started, selected)));
    PrintLine(L"painted_ms=" + std::to_wstring(Milliseconds(started, painted)));
    PrintLine(L"rows=" + std::to_wstring(Send(list, LVM_GETITEMCOUNT, 0, 0)));
    return 0;
}

} // namespace

// The commands above; handled is false for any other command name.
int RunControlCommand(const std::wstring& name, const std::vector<std::wstring>& arguments, bool& handled) {
    handled = name == L"tree-items" || name == L"tree-select" || name == L"tree-count" ||
              name == L"list-items" || name == L"list-select" || name == L"list-positions" ||
              name == L"status-text" || name == L"time-open" || name == L"time-select";
    if (!handled)
        return 2;
    if (arguments.empty())
        return 2;
    HWND window =
        reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(arguments[0].c_str(), nullptr, 10)));
    const auto argument = [&](size_t index) -> std::optional<std::wstring> {
        return index < arguments.size() ? std::optional<std::wstring>(arguments[index]) : std::nullopt;
    };
    if (name == L"time-open")
        return argument(1) ? TimeOpen(window, *argument(1)) : 2;
    if (name == L"time-select")
        return argument(1) ? TimeSelect(window, *argument(1)) : 2;
    if (name == L"tree-items" || name == L"tree-select" || name == L"tree-count") {
        HWND tree = ChildOfClass(window, WC_TREEVIEWW);
        if (tree == nullptr)
            return 1;
        if (name == L"tree-items")
            return TreeItems(tree);
        if (name == L"tree-count")
            return TreeCount(tree);
        return argument(1) ? TreeSelect(tree, *argument(1)) : 2;
    }
    if (name == L"status-text") {
        HWND status = ChildOfClass(window, STATUSCLASSNAMEW);
        return status == nullptr ? 1 : StatusText(status);
    }
    HWND list = ChildOfClass(window, WC_LISTVIEWW);
    if (list == nullptr)
        return 1;
    if (name == L"list-positions")
        return ListPositions(list);
    if (name == L"list-items")
        return ListItems(list,
                         argument(1) ? static_cast<int>(std::wcstol(argument(1)->c_str(), nullptr, 10)) : 1);
    return argument(1) ? ListSelect(list, static_cast<int>(std::wcstol(argument(1)->c_str(), nullptr, 10)))
                       : 2;
}

} // namespace krv
