#include "platform/win32/Dialog.h"

#include <cstring>

#include "platform/Text.h"

namespace krv {
namespace {

// The fixed part of a DLGTEMPLATEEX, up to its variable-length fields.
#pragma pack(push, 2)
struct DialogTemplateHeader {
    WORD dlgVer;
    WORD signature;
    DWORD helpID;
    DWORD exStyle;
    DWORD style;
    WORD cDlgItems;
    short x;
    short y;
    short cx;
    short cy;
};
#pragma pack(pop)

// Skips a menu or class field: 0x0000 (none), 0xFFFF and an ordinal, or a NUL-terminated string.
size_t SkipNameOrOrdinal(const BYTE* data, size_t offset, size_t size) {
    if (offset + 2 > size)
        return size;
    WORD first;
    std::memcpy(&first, data + offset, 2);
    if (first == 0)
        return offset + 2;
    if (first == 0xFFFF)
        return offset + 4;
    return offset + (std::wcslen(reinterpret_cast<const wchar_t*>(data + offset)) + 1) * 2;
}

size_t SkipString(const BYTE* data, size_t offset) {
    return offset + (std::wcslen(reinterpret_cast<const wchar_t*>(data + offset)) + 1) * 2;
}

// The common controls the dialogs' templates name (tree view, tab control, animation, tool tips) must be
// registered before a template that uses them is created; registering again costs nothing.
void RegisterCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC =
        ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_ANIMATE_CLASS | ICC_BAR_CLASSES;
    ::InitCommonControlsEx(&controls);
}

size_t AlignToDword(size_t offset) {
    return (offset + 3) & ~static_cast<size_t>(3);
}

void AppendWords(std::vector<BYTE>& out, const void* data, size_t bytes) {
    const auto* begin = static_cast<const BYTE*>(data);
    out.insert(out.end(), begin, begin + bytes);
}

} // namespace

std::vector<BYTE> DialogTemplateWithMessageFont(HINSTANCE instance, int templateId) {
    HRSRC resource =
        ::FindResourceW(instance, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (resource == nullptr)
        return {};
    HGLOBAL loaded = ::LoadResource(instance, resource);
    const auto* data = static_cast<const BYTE*>(::LockResource(loaded));
    const size_t size = ::SizeofResource(instance, resource);
    if (data == nullptr || size < sizeof(DialogTemplateHeader))
        return {};
    std::vector<BYTE> original(data, data + size);

    DialogTemplateHeader header;
    std::memcpy(&header, original.data(), sizeof header);
    if (header.dlgVer != 1 || header.signature != 0xFFFF || !(header.style & DS_SETFONT))
        return original;

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return original;
    // The metrics are in pixels of the system's dpi; the template wants points.
    const UINT systemDpi = ::GetDpiForSystem();
    const LOGFONTW& font = metrics.lfMessageFont;
    const int height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    const WORD points = static_cast<WORD>(::MulDiv(height, 72, static_cast<int>(systemDpi ? systemDpi : 96)));
    if (points == 0)
        return original;

    // Header, menu, class and title stay; the font block is written anew and the items follow it, each
    // still on a DWORD boundary because both the old and the new start of the items are.
    size_t offset = sizeof header;
    offset = SkipNameOrOrdinal(original.data(), offset, size); // menu
    offset = SkipNameOrOrdinal(original.data(), offset, size); // class
    offset = SkipString(original.data(), offset);              // title
    const size_t fontOffset = offset;
    offset += 2 + 2 + 1 + 1; // point size, weight, italic, charset
    offset = SkipString(original.data(), offset);
    const size_t itemsOffset = AlignToDword(offset);
    if (itemsOffset > size)
        return original;

    std::vector<BYTE> patched(original.begin(), original.begin() + static_cast<std::ptrdiff_t>(fontOffset));
    const WORD weight = static_cast<WORD>(font.lfWeight);
    const BYTE italic = font.lfItalic;
    const BYTE charset = font.lfCharSet;
    AppendWords(patched, &points, 2);
    AppendWords(patched, &weight, 2);
    AppendWords(patched, &italic, 1);
    AppendWords(patched, &charset, 1);
    AppendWords(patched, font.lfFaceName, (std::wcslen(font.lfFaceName) + 1) * sizeof(wchar_t));
    patched.resize(AlignToDword(patched.size()), 0);
    patched.insert(patched.end(), original.begin() + static_cast<std::ptrdiff_t>(itemsOffset),
                   original.end());
    return patched;
}

void EnableTabPageBackground(HWND page) {
    // Through the library's entry point, so that the programs need no import of it: uxtheme is there
    // wherever common controls 6 are, and where it is not the page keeps the dialog colour.
    unique_hmodule uxtheme(::LoadLibraryW(L"uxtheme.dll"));
    if (!uxtheme)
        return;
    using EnableThemeDialogTextureFunction = HRESULT(WINAPI*)(HWND, DWORD);
    const auto enable = reinterpret_cast<EnableThemeDialogTextureFunction>(
        reinterpret_cast<void*>(::GetProcAddress(uxtheme.get(), "EnableThemeDialogTexture")));
    constexpr DWORD kEnableTab = 0x6; // ETDT_ENABLETAB
    if (enable != nullptr)
        enable(page, kEnableTab);
}

Dialog::~Dialog() {
    if (window_ != nullptr && !modal_)
        ::DestroyWindow(window_);
}

INT_PTR Dialog::ShowModal(HINSTANCE instance, int templateId, HWND owner) {
    modal_ = true;
    RegisterCommonControls();
    const std::vector<BYTE> dialogTemplate = DialogTemplateWithMessageFont(instance, templateId);
    if (dialogTemplate.empty())
        return -1;
    return ::DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                     owner, &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

bool Dialog::CreateModeless(HINSTANCE instance, int templateId, HWND owner) {
    modal_ = false;
    RegisterCommonControls();
    const std::vector<BYTE> dialogTemplate = DialogTemplateWithMessageFont(instance, templateId);
    if (dialogTemplate.empty())
        return false;
    return ::CreateDialogIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                        owner, &Dialog::DialogProc,
                                        reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::Destroy() {
    if (window_ != nullptr && !modal_)
        ::DestroyWindow(window_);
}

bool Dialog::OnCommand(int, int, HWND) {
    return false;
}

bool Dialog::OnNotify(const NMHDR&, LRESULT&) {
    return false;
}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

void Dialog::End(INT_PTR result) {
    if (modal_)
        ::EndDialog(window_, result);
    else
        ::ShowWindow(window_, SW_HIDE);
}

void Dialog::SetItemText(int id, std::string_view text) {
    ::SetDlgItemTextW(window_, id, Widen(text).c_str());
}

void Dialog::SetCaption(std::string_view text) {
    ::SetWindowTextW(window_, Widen(text).c_str());
}

void Dialog::Enable(int id, bool enabled) {
    ::EnableWindow(Item(id), enabled ? TRUE : FALSE);
}

void Dialog::Show(int id, bool shown) {
    ::ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE);
}

void Dialog::AddToolTip(int id, std::string_view text) {
    if (!toolTips_) {
        toolTips_.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                                          nullptr, nullptr, nullptr));
        if (!toolTips_)
            return;
    }
    // The tool keeps a pointer to its text, so the texts live as long as the dialog.
    toolTipTexts_.push_back(Widen(text));
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(Item(id));
    tool.lpszText = toolTipTexts_.back().data();
    ::SendMessageW(toolTips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        self->window_ = window;
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    const INT_PTR result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, DWLP_USER, 0);
        self->window_ = nullptr;
    }
    return result;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result))
            return FALSE;
        ::SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_DESTROY:
        OnDestroy();
        toolTips_.reset();
        return FALSE;
    default: {
        INT_PTR result = FALSE;
        return OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
    }
}

} // namespace krv
