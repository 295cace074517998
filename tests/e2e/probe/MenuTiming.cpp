// The timing half of e2e_menu_probe.dll: records, inside the program, how long each popup menu takes from the
// moment it is asked to open until its window has been painted (bench/resident/menu_frame.sh).
//
// e2e_helper's menu-timing command hooks MenuTimingHook (WH_GETMESSAGE) into the thread of the program's
// main window and posts it a marked null message. On that message the library pins itself in the process
// and subclasses the main window, which owns every popup menu of the program and so receives
// WM_MENUSELECT, WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM and WM_EXITMENULOOP; each popup's own window
// ("#32768") is subclassed as it is made (a WH_CBT hook of the thread), for the end of its WM_PAINT.
// Subclassing costs nothing per message, where a WH_CALLWNDPROC hook would cost Wine server calls for every
// WM_MEASUREITEM and WM_DRAWITEM and so slow down what is measured; the creation hook runs a few times a
// showing. The hook itself stays only to see the input messages the
// menu loop takes from the queue (the pointer's moves, clicks and keys).
//
// After "ready" comes "passon_ns N", what passing one message on costs the subclass. Each painted popup
// appends lines to e2e_menu_probe.dll.timing.txt beside the library:
//   shown COUNT INPUT_US SELECT_US INIT_US MEASURES MEASURE_US DRAWS DRAW_US GDI USER
//         CREATE_US MEASURING_US SHOWING_US DRAWING_US FINISHING_US
// COUNT is the popup's number of entries; INPUT_US the time from the moment the thread first saw the
// last input message before it (the menu loop acts on a message before it removes it), SELECT_US from the WM_MENUSELECT of the entry that opens it (the pointer's arrival over
// it), INIT_US from WM_INITMENUPOPUP, each until its first WM_PAINT has returned (-1 when there was none);
// MEASURES and DRAWS the owner-draw requests the program answered meanwhile and the time spent in them;
// GDI and USER the process's object counts (GetGuiResources) at that moment. The last five split INIT_US:
// until the first WM_MEASUREITEM (the popup's window is made), from it to the end of the last one, until
// the first WM_DRAWITEM of the popup's entries (the window is placed and shown, its painting begins), from
// it to the end of the last one, and until the paint has returned. A popup of up to 20 entries
// also gets one line per entry, "entry INDEX LEFT TOP RIGHT BOTTOM TEXT" in screen pixels, so that a
// script can point at them. "hidden" follows when a popup closes, "closed" when the menu loop ends.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// wParam of the null message that asks for the timing to start.
constexpr WPARAM kTimingMarker = 0x4B52564C; // "KRVL"
constexpr int kMaxListedEntries = 20;

HWND g_owner = nullptr;
WNDPROC g_ownerProc = nullptr;
WNDPROC g_popupProc = nullptr; // every "#32768" window shares the system's procedure

LONGLONG Now() {
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

long long TicksToMicroseconds(LONGLONG ticks) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER value;
        ::QueryPerformanceFrequency(&value);
        return value.QuadPart;
    }();
    return ticks * 1000000 / frequency;
}

// -1 when the start was never seen.
long long Microseconds(LONGLONG from, LONGLONG to) {
    return from == 0 ? -1 : TicksToMicroseconds(to - from);
}

// The owner-draw requests of one kind that the program answered: how many, the time spent in them, and
// when the first began and the last ended.
struct Requests {
    int calls = 0;
    LONGLONG ticks = 0;
    LONGLONG first = 0;
    LONGLONG lastEnd = 0;
};

// The popup that is opening: from its WM_INITMENUPOPUP until its first paint has returned.
struct Opening {
    HMENU menu = nullptr;
    LONGLONG input = 0;
    LONGLONG select = 0;
    LONGLONG init = 0;
    Requests measures;
    Requests draws; // of the popup's own entries
    bool active = false;
};

Opening g_opening;
LONGLONG g_lastInput = 0;
LONGLONG g_lastSelect = 0; // WM_MENUSELECT of an entry that opens a submenu

HMODULE ThisModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

std::wstring BesideModule(const wchar_t* suffix) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(ThisModule(), path, MAX_PATH);
    return std::wstring(path) + suffix;
}

void Append(const std::string& text) {
    if (std::FILE* file = _wfopen(BesideModule(L".timing.txt").c_str(), L"ab")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
}

std::string Utf8(const wchar_t* text) {
    char buffer[1024] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof(buffer) - 1, nullptr, nullptr);
    return buffer;
}

std::string EntryLines(HMENU menu, int count) {
    std::string lines;
    for (int i = 0; i < count; ++i) {
        RECT rect{};
        wchar_t text[256] = {};
        ::GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &rect);
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 255, MF_BYPOSITION);
        char line[512];
        std::snprintf(line, sizeof(line), "entry %d %ld %ld %ld %ld %s\n", i, rect.left, rect.top, rect.right,
                      rect.bottom, Utf8(text).c_str());
        lines += line;
    }
    return lines;
}

// -1 when there was no such request.
long long Span(LONGLONG from, LONGLONG to) {
    return from == 0 || to == 0 ? -1 : TicksToMicroseconds(to - from);
}

void Report(const Opening& opening, LONGLONG painted) {
    const int count = ::GetMenuItemCount(opening.menu);
    HANDLE process = ::GetCurrentProcess();
    const Requests& measures = opening.measures;
    const Requests& draws = opening.draws;
    char line[384];
    std::snprintf(line, sizeof(line), "shown %d %lld %lld %lld %d %lld %d %lld %lu %lu %lld %lld %lld %lld %lld\n",
                  count, Microseconds(opening.input, painted), Microseconds(opening.select, painted),
                  Microseconds(opening.init, painted), measures.calls, TicksToMicroseconds(measures.ticks),
                  draws.calls, TicksToMicroseconds(draws.ticks), ::GetGuiResources(process, GR_GDIOBJECTS),
                  ::GetGuiResources(process, GR_USEROBJECTS), Span(opening.init, measures.first),
                  Span(measures.first, measures.lastEnd), Span(measures.lastEnd, draws.first),
                  Span(draws.first, draws.lastEnd), Span(draws.lastEnd, painted));
    Append(line + (count <= kMaxListedEntries ? EntryLines(opening.menu, count) : std::string()));
}

LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = ::CallWindowProcW(g_popupProc, window, message, wParam, lParam);
    if (message == WM_PAINT && g_opening.active &&
        reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0)) == g_opening.menu) {
        const LONGLONG painted = Now();
        g_opening.active = false;
        Report(g_opening, painted);
    }
    return result;
}

bool IsPopupMenuWindow(HWND window) {
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    return std::wstring(className) == L"#32768";
}

// Every popup menu's window is subclassed as it is made, before its first message.
LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsPopupMenuWindow(window)) {
            auto previous = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PopupProc)));
            if (previous != &PopupProc)
                g_popupProc = previous;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT TimedOwnerCall(Requests& requests, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LONGLONG started = Now();
    const LRESULT result = ::CallWindowProcW(g_ownerProc, window, message, wParam, lParam);
    requests.lastEnd = Now();
    requests.ticks += requests.lastEnd - started;
    if (requests.calls++ == 0)
        requests.first = started;
    return result;
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MENUSELECT:
        // 0xFFFF in place of the flags: the menu is closing.
        if (HIWORD(wParam) != 0xFFFF && (HIWORD(wParam) & MF_POPUP))
            g_lastSelect = Now();
        break;
    case WM_INITMENUPOPUP:
        g_opening = Opening{};
        g_opening.menu = reinterpret_cast<HMENU>(wParam);
        g_opening.input = g_lastInput;
        g_opening.select = g_lastSelect;
        g_opening.init = Now();
        g_opening.active = true;
        break;
    case WM_MEASUREITEM:
        if (g_opening.active)
            return TimedOwnerCall(g_opening.measures, window, message, wParam, lParam);
        break;
    case WM_DRAWITEM:
        if (g_opening.active &&
            reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem == reinterpret_cast<HWND>(g_opening.menu))
            return TimedOwnerCall(g_opening.draws, window, message, wParam, lParam);
        break;
    case WM_UNINITMENUPOPUP:
        Append("hidden\n");
        break;
    case WM_EXITMENULOOP:
        g_lastSelect = 0;
        Append("closed\n");
        break;
    default:
        break;
    }
    return ::CallWindowProcW(g_ownerProc, window, message, wParam, lParam);
}

LRESULT CALLBACK NothingProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

// What passing one message on through CallWindowProcW costs (Wine asks its own layer below for the call's
// parameters), in nanoseconds: the subclass adds that to every request it times.
long long PassOnCostNs(HWND owner) {
    constexpr int kCalls = 1000;
    const LONGLONG started = Now();
    for (int i = 0; i < kCalls; ++i)
        ::CallWindowProcW(&NothingProc, owner, WM_NULL, 0, 0);
    return TicksToMicroseconds((Now() - started) * 1000) / kCalls;
}

void StartTiming(HWND owner) {
    if (g_owner != nullptr)
        return;
    // The subclass outlives the hook, so the library must stay loaded as long as the process runs.
    HMODULE pinned = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                         reinterpret_cast<LPCWSTR>(&StartTiming), &pinned);
    g_owner = owner;
    ::SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, ::GetCurrentThreadId());
    g_ownerProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnerProc)));
    Append("ready\n");
    Append("passon_ns " + std::to_string(PassOnCostNs(owner)) + "\n");
}

// The menu loop looks at a message (PM_NOREMOVE), acts on it, and only then removes it: an input message
// counts from the first time the thread sees it.
void NoteInput(const MSG& message) {
    static MSG last{};
    if (message.message == last.message && message.wParam == last.wParam && message.lParam == last.lParam &&
        message.time == last.time)
        return;
    last = message;
    g_lastInput = Now();
}

bool IsInput(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuTimingHook(int code, WPARAM removing, LPARAM record) {
    const auto* message = reinterpret_cast<const MSG*>(record);
    if (code == HC_ACTION) {
        if (IsInput(message->message))
            NoteInput(*message);
        else if (removing == PM_REMOVE && message->message == WM_NULL && message->wParam == kTimingMarker)
            StartTiming(message->hwnd);
    }
    return ::CallNextHookEx(nullptr, code, removing, record);
}
