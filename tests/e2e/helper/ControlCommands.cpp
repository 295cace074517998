// The e2e helper's commands on the controls of another program's window: read every control, type into an
// edit box, tick a check box, read the rows of a list view, pick a tab, select a tree node. Each goes
// through the control's own messages. Messages that carry a pointer (LVM_GETITEMTEXT, TVM_GETITEM) get
// memory inside the target process, as any program that drives another one's common controls has to.
#include "ControlCommands.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cwchar>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "RemoteControls.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"

namespace krv {
namespace {

using e2e::PrintLine;
using e2e::RemoteMemory;
using e2e::Send;

struct Options {
    std::map<std::wstring, std::wstring> values;
    std::optional<std::wstring> Get(const wchar_t* name) const {
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional<std::wstring>(found->second);
    }
    long Number(const wchar_t* name, long fallback = 0) const {
        const auto text = Get(name);
        return text ? std::wcstol(text->c_str(), nullptr, 0) : fallback;
    }
};

Options ParseOptions(const std::vector<std::wstring>& arguments) {
    Options options;
    for (size_t i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i].rfind(L"--", 0) == 0)
            options.values[arguments[i].substr(2)] = arguments[i + 1];
    }
    return options;
}

std::wstring TextOf(HWND window) {
    // WM_GETTEXT is carried across processes by the system; a static text of a dialog needs no more.
    wchar_t buffer[2048] = {};
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                          &length);
    return std::wstring(buffer, static_cast<size_t>(length));
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

struct TitleQuery {
    std::wstring title;
    HWND found = nullptr;
};

BOOL CALLBACK FindByTitle(HWND window, LPARAM query) {
    auto* wanted = reinterpret_cast<TitleQuery*>(query);
    if (::IsWindowVisible(window) && TextOf(window) == wanted->title) {
        wanted->found = window;
        return FALSE;
    }
    return TRUE;
}

// The window the command works in: --window HANDLE (decimal), or the visible top-level window titled
// --title, waited for up to --timeout milliseconds.
HWND TargetWindow(const Options& options) {
    if (const auto handle = options.Get(L"window"))
        return reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(handle->c_str(), nullptr, 10)));
    const auto title = options.Get(L"title");
    if (!title)
        return nullptr;
    const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(options.Number(L"timeout", 10000));
    for (;;) {
        TitleQuery query{*title};
        ::EnumWindows(&FindByTitle, reinterpret_cast<LPARAM>(&query));
        if (query.found != nullptr || ::GetTickCount64() >= deadline)
            return query.found;
        ::Sleep(50);
    }
}

constexpr size_t kTextOffset = 512;
constexpr int kTextCapacity = 1024;

std::wstring RemoteText(const RemoteMemory& memory) {
    std::vector<wchar_t> text(kTextCapacity + 1, L'\0');
    memory.Read(kTextOffset, text.data(), kTextCapacity * sizeof(wchar_t));
    return text.data();
}

// The first control with identifier id anywhere inside window (the pages of a tab dialog hold their own).
HWND Descendant(HWND window, int id) {
    const std::vector<HWND> children = e2e::Descendants(window);
    for (HWND child : children) {
        if (::GetDlgCtrlID(child) == id)
            return child;
    }
    return nullptr;
}

// --- The commands.

int ControlsCommand(HWND window) {
    const std::vector<HWND> children = e2e::Descendants(window);
    for (HWND child : children) {
        const std::wstring className = ClassOf(child);
        const LRESULT checked = className == L"Button" ? Send(child, BM_GETCHECK, 0, 0) : 0;
        PrintLine(std::to_wstring(::GetDlgCtrlID(child)) + L"\t" + className + L"\t" +
                  std::to_wstring(::IsWindowVisible(child) ? 1 : 0) + L"\t" +
                  std::to_wstring(::IsWindowEnabled(child) ? 1 : 0) + L"\t" + std::to_wstring(checked) +
                  L"\t" + TextOf(child));
    }
    return 0;
}

int SetTextCommand(HWND control, const Options& options) {
    // The edit box reports the new text to its dialog with EN_CHANGE, as it does for typing.
    const std::wstring text = options.Get(L"text").value_or(L"");
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                          5000, &result);
    return result ? 0 : 1;
}

int CheckCommand(HWND control, const Options& options) {
    // The dialog of another process is never active under Wine, so BM_CLICK would be ignored: the box
    // gets its state and the dialog the notification the box sends when clicked.
    Send(control, BM_SETCHECK, options.Number(L"state", 1) != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    return ::PostMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), BN_CLICKED),
                          reinterpret_cast<LPARAM>(control))
               ? 0
               : 1;
}

int ComboSelectCommand(HWND combo, const Options& options) {
    // CB_SETCURSEL tells nobody: the dialog gets the notification a choice with the mouse sends.
    const auto index = static_cast<WPARAM>(options.Number(L"index"));
    if (Send(combo, CB_SETCURSEL, index, 0) != static_cast<LRESULT>(index))
        return 1;
    return ::PostMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(combo))
               ? 0
               : 1;
}

int ListItemsCommand(HWND list) {
    RemoteMemory memory(list, kTextOffset + (kTextCapacity + 1) * sizeof(wchar_t));
    if (!memory.Valid())
        return 1;
    const HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER, 0, 0));
    const int columns =
        header != nullptr ? std::max<int>(1, static_cast<int>(Send(header, HDM_GETITEMCOUNT, 0, 0))) : 1;
    const int rows = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        std::wstring line;
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = reinterpret_cast<LPWSTR>(memory.At(kTextOffset));
            item.cchTextMax = kTextCapacity;
            memory.Write(kTextOffset, L'\0');
            memory.Write(0, item);
            Send(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), memory.At(0));
            line += (column > 0 ? L"\t" : L"") + RemoteText(memory);
        }
        PrintLine(line);
    }
    return 0;
}

int SelectTabCommand(HWND tabs, const Options& options) {
    // A tab control without buttons selects the tab that gets the focus and tells its parent with
    // TCN_SELCHANGING and TCN_SELCHANGE, as after a click; TCM_SETCURSEL would tell nobody.
    Send(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(options.Number(L"index")), 0);
    return Send(tabs, TCM_GETCURSEL, 0, 0) == options.Number(L"index") ? 0 : 1;
}

int TreeSelectCommand(HWND tree, const Options& options) {
    RemoteMemory memory(tree, kTextOffset + (kTextCapacity + 1) * sizeof(wchar_t));
    const auto wanted = options.Get(L"text");
    if (!memory.Valid() || !wanted)
        return 2;
    // Depth first through the expanded and collapsed nodes alike.
    std::vector<HTREEITEM> pending{reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0))};
    while (!pending.empty()) {
        HTREEITEM node = pending.back();
        pending.pop_back();
        for (; node != nullptr; node = reinterpret_cast<HTREEITEM>(
                                    Send(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(node)))) {
            TVITEMW item{};
            item.mask = TVIF_TEXT | TVIF_HANDLE;
            item.hItem = node;
            item.pszText = reinterpret_cast<LPWSTR>(memory.At(kTextOffset));
            item.cchTextMax = kTextCapacity;
            memory.Write(0, item);
            Send(tree, TVM_GETITEMW, 0, memory.At(0));
            if (RemoteText(memory) == *wanted)
                return Send(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node)) ? 0 : 1;
            if (HTREEITEM child = reinterpret_cast<HTREEITEM>(
                    Send(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(node))))
                pending.push_back(child);
        }
    }
    return 1;
}

} // namespace

std::optional<int> RunDialogControlCommand(const std::vector<std::wstring>& arguments) {
    if (arguments.empty())
        return std::nullopt;
    const std::wstring& name = arguments[0];
    if (name != L"controls" && name != L"set-text" && name != L"check" && name != L"list-rows" &&
        name != L"select-tab" && name != L"select-node" && name != L"combo-select")
        return std::nullopt;
    const Options options = ParseOptions(arguments);
    HWND window = TargetWindow(options);
    if (window == nullptr || !::IsWindow(window))
        return 1;
    if (name == L"controls")
        return ControlsCommand(window);
    HWND control = Descendant(window, static_cast<int>(options.Number(L"id")));
    if (control == nullptr)
        return 1;
    if (name == L"set-text")
        return SetTextCommand(control, options);
    if (name == L"check")
        return CheckCommand(control, options);
    if (name == L"combo-select")
        return ComboSelectCommand(control, options);
    if (name == L"list-rows")
        return ListItemsCommand(control);
    if (name == L"select-tab")
        return SelectTabCommand(control, options);
    return TreeSelectCommand(control, options);
}

const wchar_t* DialogControlCommandsUsage() {
    return L"  controls (--title TEXT | --window HWND)            every control: id, class, visible, "
           L"enabled,\n"
           L"                                                     checked, text (tab-separated)\n"
           L"  set-text (--title T | --window H) --id N --text S  WM_SETTEXT to the control\n"
           L"  check (--title T | --window H) --id N --state 0|1  ticks a check or option box, as a click\n"
           L"  combo-select (--title T | --window H) --id N --index I  picks a combo box entry, as a click\n"
           L"  list-rows (--title T | --window H) --id N          the rows of a list view, columns "
           L"tab-separated\n"
           L"  select-tab (--title T | --window H) --id N --index I   picks a tab, as a click\n"
           L"  select-node (--title T | --window H) --id N --text S   selects the first node with that "
           L"text\n";
}

} // namespace krv
