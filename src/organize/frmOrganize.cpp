#include "organize/frmOrganize.h"

#include <algorithm>
#include <commdlg.h>
#include <cstring>
#include <windowsx.h>
#include <winnetwk.h>

#include "OrganizeIds.h"
#include "ResourceIds.h"
#include "app/Program.h"
#include "organize/OrganizeLayout.h"
#include "platform/Text.h"
#include "platform/win32/Win32FileDialogs.h"
#include "platform/win32/WindowPlacement.h"

namespace krv {
namespace {

constexpr int kBaseDpi = 96;
// Posted to itself when the window was activated, so that the tip of the day opens after the activation.
constexpr UINT kActivatedMessage = WM_APP + 1;

// The designed widths of the list's columns in pixels at 96 DPI, and their captions.
constexpr std::array<int, kListColumnCount> kColumnWidths = {200, 130, 110, 220, 150, 130, 130};
constexpr std::array<const wchar_t*, kListColumnCount> kColumnCaptions = {
    L"Name", L"Type", L"Keyboard Shortcut", L"Target Folder", L"Description", L"Modified", L"Created"};

// The resource of each icon number of the items (number 1, the root, is the program icon).
int IconResource(int iconNumber) {
    return iconNumber <= ICON_ROOT ? IDI_KARVELLO : 100 + iconNumber;
}

constexpr std::array<int, kToolbarButtonCount> kToolbarIcons = {
    IDI_TOOLBAR_NEW,  IDI_TOOLBAR_CHANGE, IDI_TOOLBAR_UP,     IDI_TOOLBAR_EXPLORER,  IDI_TOOLBAR_CUT,
    IDI_TOOLBAR_COPY, IDI_TOOLBAR_PASTE,  IDI_TOOLBAR_DELETE, IDI_TOOLBAR_PROPERTIES};

unique_hicon LoadIconSized(HINSTANCE instance, int id, int size) {
    return unique_hicon(static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

// The picture of a disabled button: the icon in grey, half transparent.
unique_hicon GreyedIcon(HICON icon, int size) {
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info))
        return {};
    const unique_hbitmap mask(info.hbmMask);
    const unique_hbitmap color(info.hbmColor);
    if (!color)
        return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = size;
    format.bmiHeader.biHeight = -size;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(size) * static_cast<size_t>(size));
    const unique_memory_dc dc(::CreateCompatibleDC(nullptr));
    if (!::GetDIBits(dc.get(), color.get(), 0, static_cast<UINT>(size), pixels.data(), &format,
                     DIB_RGB_COLORS))
        return {};
    for (uint32_t& pixel : pixels) {
        const uint32_t alpha = pixel >> 24;
        const uint32_t grey =
            (((pixel >> 16) & 0xFF) * 30 + ((pixel >> 8) & 0xFF) * 59 + (pixel & 0xFF) * 11) / 100;
        const uint32_t light = 96 + grey * 5 / 8;
        pixel = ((alpha / 2) << 24) | (light << 16) | (light << 8) | light;
    }
    void* bits = nullptr;
    const unique_hbitmap grey(::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!grey || bits == nullptr)
        return {};
    std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
    ICONINFO greyInfo{TRUE, 0, 0, mask.get(), grey.get()};
    return unique_hicon(::CreateIconIndirect(&greyInfo));
}

// "Name|*.ext|Name|*.ext" as the common dialog wants it: NUL-separated, ending in two NULs.
std::wstring DialogFilter(std::string_view filter) {
    std::wstring result = Widen(filter);
    std::replace(result.begin(), result.end(), L'|', L'\0');
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

} // namespace

frmOrganize::frmOrganize(Parts parts) : parts_(std::move(parts)) {}

frmOrganize::~frmOrganize() {
    // Every submenu goes back into its menu, so that destroying the menus frees all of them.
    hidden_.clear();
    SyncAllMenus();
    if (window_ != nullptr)
        ::DestroyWindow(window_);
    if (accelerators_ != nullptr)
        ::DestroyAcceleratorTable(accelerators_);
}

bool frmOrganize::Load() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &frmOrganize::WindowProc;
    windowClass.hInstance = parts_.Instance;
    windowClass.lpszClassName = ClassName;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = ::LoadIconW(parts_.Instance, MAKEINTRESOURCEW(IDI_KARVELLO));
    if (::RegisterClassExW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    CreateMenus();
    // Owned by the hidden main window, which keeps it above nothing; WS_EX_APPWINDOW gives it a taskbar
    // button of its own.
    HWND window = ::CreateWindowExW(
        WS_EX_APPWINDOW, ClassName, L"Organize Folders", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parts_.Owner, menuBar_.get(), parts_.Instance, this);
    if (window == nullptr)
        return false;
    CreateAccelerators();
    prompts_.emplace(window_);
    dialogs_.emplace(frmOrganizeDialogs::Parts{parts_.Instance, window_, parts_.Program, parts_.Registry,
                                               parts_.Options, &parts_.Files});
    clipboard_.emplace(window_);
    presenter_ = std::make_unique<OrganizePresenter>(
        OrganizeServices{parts_.Program, parts_.Files, parts_.HandOver, *dialogs_, *prompts_, parts_.Locale,
                         parts_.System ? &*parts_.System : nullptr, &*clipboard_},
        *this);
    if (!CreateChildren())
        return false;
    InitEditing();
    const int showCommand = RestoreFormPosition(window_, parts_.Program.registry, ORGANIZE_WINDOW_NAME, false,
                                                ::GetSystemMetrics(SM_CXSCREEN) * 4 / 5,
                                                ::GetSystemMetrics(SM_CYSCREEN) * 4 / 5, false);
    presenter_->Load();
    Layout();
    ::ShowWindow(window_, showCommand);
    ::UpdateWindow(window_);
    return true;
}

LRESULT CALLBACK frmOrganize::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmOrganize*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmOrganize*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        // The menu bar went with the window; the object still owns it and must not destroy it twice.
        (void)self->menuBar_.release();
        self->closed_ = true;
        if (self->parts_.Closed)
            self->parts_.Closed();
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT frmOrganize::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = OnEditingMessage(message, wParam, lParam))
        return *handled;
    if (const auto handled = OnTreeFillMessage(message))
        return *handled;
    switch (message) {
    case WM_SIZE:
        if (toolbar_ != nullptr)
            ::SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
        if (status_ != nullptr)
            ::SendMessageW(status_, WM_SIZE, 0, 0);
        Layout();
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (IsOrganizeCommandId(id) && presenter_)
            presenter_->OnCommand(static_cast<OrganizeCommand>(id));
        return 0;
    }
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CONTEXTMENU:
        OnContextMenuAt(reinterpret_cast<HWND>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            ::PostMessageW(window_, kActivatedMessage, 0, 0);
        break;
    case kActivatedMessage:
        if (presenter_)
            presenter_->OnActivated();
        return 0;
    case WM_SETCURSOR: {
        if (busy_) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        POINT point{};
        ::GetCursorPos(&point);
        ::ScreenToClient(window_, &point);
        if (reinterpret_cast<HWND>(wParam) == window_ && LOWORD(lParam) == HTCLIENT && InSplitter(point)) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        OnSplitterMouse(message, lParam);
        return 0;
    case WM_DPICHANGED: {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                       suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateFonts();
        CreateImageLists();
        RebuildToolbarButtons();
        Layout();
        return 0;
    }
    case WM_CLOSE:
        if (presenter_)
            presenter_->OnCommand(OrganizeCommand::FileExit);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

// --- Building the window

bool frmOrganize::CreateChildren() {
    tree_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS |
                                  TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                              0, 0, 0, 0, window_, reinterpret_cast<HMENU>(IDC_ORG_TREE), parts_.Instance,
                              nullptr);
    list_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA |
                                  LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                              0, 0, 0, 0, window_, reinterpret_cast<HMENU>(IDC_ORG_LIST), parts_.Instance,
                              nullptr);
    status_ = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                window_, reinterpret_cast<HMENU>(IDC_ORG_STATUS), parts_.Instance, nullptr);
    // The splitter bar, shown only while the user drags it.
    splitterBar_ = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_GRAYRECT, 0, 0, 0, 0, window_,
                                     reinterpret_cast<HMENU>(IDC_ORG_SPLITTER), parts_.Instance, nullptr);
    if (tree_ == nullptr || list_ == nullptr || status_ == nullptr)
        return false;
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_LABELTIP, LVS_EX_LABELTIP);
    // The list asks for the cut state of each row, so that cut items show ghosted.
    ::SendMessageW(list_, LVM_SETCALLBACKMASK, LVIS_CUT, 0);
    UpdateFonts();
    CreateImageLists();
    AddListColumns();
    // The toolbar comes with the presenter's settings (SetToolbar), in the button size the user chose.
    return true;
}

int frmOrganize::Dpi() const {
    const UINT dpi = window_ != nullptr ? ::GetDpiForWindow(window_) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : kBaseDpi;
}

int frmOrganize::ToPixels(int twips) const {
    return TwipsToPixels(twips, Dpi());
}

int frmOrganize::ToTwips(int pixels) const {
    return PixelsToTwips(pixels, Dpi());
}

void frmOrganize::UpdateFonts() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                      static_cast<UINT>(Dpi())))
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    font_.reset(::CreateFontIndirectW(&metrics.lfMessageFont));
    for (HWND control : {tree_, list_, status_, toolbar_})
        if (control != nullptr)
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

// Only the pictures the window shows at once are made when it opens: the small item pictures and the
// toolbar's pair for its current button size. The large item pictures wait for the Large Icons view, the
// other toolbar pair for the other button size; under Wine each picture costs about a millisecond.
void frmOrganize::CreateImageLists() {
    imageDpi_ = Dpi();
    imlLarge_.reset();
    imlTlbSmall_.reset();
    imlTlbSmallDis_.reset();
    imlTlbBig_.reset();
    imlTlbBigDis_.reset();
    imlSmall_ = MakeItemImages(::MulDiv(16, imageDpi_, kBaseDpi));
    ::SendMessageW(tree_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(imlSmall_.get()));
    ::SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(imlSmall_.get()));
    if (::SendMessageW(list_, LVM_GETVIEW, 0, 0) == LV_VIEW_ICON)
        ShowLargeItemImages();
}

unique_himagelist frmOrganize::MakeItemImages(int size) const {
    unique_himagelist list(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, ICON_COUNT, 0));
    // Slot 0 holds a copy of slot 1, so that icon numbers are the indexes.
    for (int number = 0; number < ICON_COUNT; ++number) {
        unique_hicon icon = LoadIconSized(parts_.Instance, IconResource(number), size);
        if (!icon)
            icon = LoadIconSized(parts_.Instance, IDI_KARVELLO, size);
        ::ImageList_ReplaceIcon(list.get(), -1, icon ? icon.get() : ::LoadIconW(nullptr, IDI_APPLICATION));
    }
    return list;
}

void frmOrganize::ShowLargeItemImages() {
    if (!imlLarge_)
        imlLarge_ = MakeItemImages(::MulDiv(32, imageDpi_, kBaseDpi));
    ::SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(imlLarge_.get()));
}

std::pair<HIMAGELIST, HIMAGELIST> frmOrganize::ToolbarImages(bool large) {
    unique_himagelist& normal = large ? imlTlbBig_ : imlTlbSmall_;
    unique_himagelist& disabled = large ? imlTlbBigDis_ : imlTlbSmallDis_;
    if (!normal) {
        const int size = ::MulDiv(large ? 24 : 16, imageDpi_, kBaseDpi);
        normal.reset(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kToolbarButtonCount, 0));
        disabled.reset(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kToolbarButtonCount, 0));
        for (const int id : kToolbarIcons) {
            unique_hicon icon = LoadIconSized(parts_.Instance, id, size);
            HICON shown = icon ? icon.get() : ::LoadIconW(nullptr, IDI_APPLICATION);
            ::ImageList_ReplaceIcon(normal.get(), -1, shown);
            const unique_hicon grey = GreyedIcon(shown, size);
            ::ImageList_ReplaceIcon(disabled.get(), -1, grey ? grey.get() : shown);
        }
    }
    return {normal.get(), disabled.get()};
}

void frmOrganize::AddListColumns() {
    for (int column = 0; column < kListColumnCount; ++column) {
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        info.pszText = const_cast<wchar_t*>(kColumnCaptions[static_cast<size_t>(column)]);
        info.cx = ::MulDiv(kColumnWidths[static_cast<size_t>(column)], Dpi(), kBaseDpi);
        info.iSubItem = column;
        ::SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&info));
    }
}

void frmOrganize::RebuildToolbarButtons() {
    if (toolbar_ != nullptr)
        ::DestroyWindow(toolbar_);
    // A toolbar keeps its largest button size, so switching text or pictures off takes a new toolbar.
    toolbar_ = ::CreateWindowExW(
        0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0,
        0, window_, reinterpret_cast<HMENU>(IDC_ORG_TOOLBAR), parts_.Instance, nullptr);
    if (toolbar_ == nullptr)
        return;
    ::SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageW(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    const auto [normal, disabled] = ToolbarImages(largeButtons_);
    ::SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal));
    ::SendMessageW(toolbar_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled));
    const auto& captions = parts_.Program.state.ToolbarCaptions;
    std::vector<std::wstring> texts;
    std::vector<TBBUTTON> buttons;
    size_t captionIndex = 0;
    for (const ToolbarButton& button : OrganizeToolbarButtons()) {
        TBBUTTON tb{};
        if (button.Command == 0) {
            tb.fsStyle = BTNS_SEP;
        } else {
            tb.iBitmap = button.Image;
            tb.idCommand = button.Command;
            tb.fsState = disabled_.contains(button.Command) ? 0 : TBSTATE_ENABLED;
            if (hidden_.contains(button.Command))
                tb.fsState |= TBSTATE_HIDDEN;
            tb.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
            texts.push_back(captionIndex < captions.size() ? Widen(captions[captionIndex]) : std::wstring());
            ++captionIndex;
            tb.iString = -1;
        }
        buttons.push_back(tb);
    }
    // The strings are added after the vector has its final size, so that the pointers stay valid.
    size_t textIndex = 0;
    for (TBBUTTON& tb : buttons)
        if (!(tb.fsStyle & BTNS_SEP)) {
            if (showText_)
                tb.iString = reinterpret_cast<INT_PTR>(texts[textIndex].c_str());
            ++textIndex;
        }
    ::SendMessageW(toolbar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    ::SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

void frmOrganize::CreateMenus() {
    builtMenus_.clear();
    topMenus_.clear();
    size_t index = 0;
    menuBar_.reset(BuildMenu(OrganizeMenuEntries(OrganizeMenuKind::MenuBar), index, 0, false));
    // The menu bar's popups, in the order of the Organize menus.
    const std::array<OrganizeMenu, 5> kinds = {OrganizeMenu::File, OrganizeMenu::Edit, OrganizeMenu::View,
                                               OrganizeMenu::Tools, OrganizeMenu::Help};
    for (int i = 0; i < static_cast<int>(kinds.size()); ++i)
        topMenus_[::GetSubMenu(menuBar_.get(), i)] = kinds[static_cast<size_t>(i)];
    index = 0;
    itemPopup_.reset(BuildMenu(OrganizeMenuEntries(OrganizeMenuKind::ItemPopup), index, 0, true));
    index = 0;
    emptyPopup_.reset(BuildMenu(OrganizeMenuEntries(OrganizeMenuKind::EmptyPopup), index, 0, true));
    index = 0;
    toolbarPopup_.reset(BuildMenu(OrganizeMenuEntries(OrganizeMenuKind::Toolbar), index, 0, true));
}

HMENU frmOrganize::BuildMenu(std::span<const MenuEntry> entries, size_t& index, uint8_t level, bool popup) {
    BuiltMenu built{popup ? ::CreatePopupMenu() : ::CreateMenu(), {}, {}};
    while (index < entries.size() && entries[index].Level >= level) {
        const MenuEntry& entry = entries[index];
        ++index;
        HMENU submenu = nullptr;
        if (entry.Command == 0 && entry.Caption != nullptr)
            submenu = BuildMenu(entries, index, static_cast<uint8_t>(level + 1), true);
        built.Entries.push_back(&entry);
        built.Submenus.push_back(submenu);
    }
    builtMenus_.push_back(built);
    SyncMenu(built);
    return built.Menu;
}

// Puts a menu's visible entries into it: hidden entries are left out, and so is a separator that would
// begin or end the menu or follow another one.
void frmOrganize::SyncMenu(const BuiltMenu& menu) {
    while (::GetMenuItemCount(menu.Menu) > 0)
        ::RemoveMenu(menu.Menu, 0, MF_BYPOSITION);
    bool lastWasSeparator = true;
    for (size_t i = 0; i < menu.Entries.size(); ++i) {
        const MenuEntry& entry = *menu.Entries[i];
        if (entry.Caption == nullptr) {
            if (!lastWasSeparator)
                ::AppendMenuW(menu.Menu, MF_SEPARATOR, 0, nullptr);
            lastWasSeparator = true;
            continue;
        }
        if (entry.Command != 0 && hidden_.contains(entry.Command))
            continue;
        const std::wstring caption = Widen(MenuCaption(entry));
        if (menu.Submenus[i] != nullptr) {
            ::AppendMenuW(menu.Menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu.Submenus[i]),
                          caption.c_str());
        } else {
            UINT flags = MF_STRING;
            if (checked_.contains(entry.Command))
                flags |= MF_CHECKED;
            if (disabled_.contains(entry.Command))
                flags |= MF_GRAYED;
            ::AppendMenuW(menu.Menu, flags, static_cast<UINT_PTR>(entry.Command), caption.c_str());
        }
        lastWasSeparator = false;
    }
    // GetMenuState cannot tell a separator from a submenu's item count, so the last append decides.
    const int count = ::GetMenuItemCount(menu.Menu);
    if (count > 0 && lastWasSeparator)
        ::RemoveMenu(menu.Menu, static_cast<UINT>(count - 1), MF_BYPOSITION);
}

void frmOrganize::SyncAllMenus() {
    for (const BuiltMenu& menu : builtMenus_)
        SyncMenu(menu);
    if (window_ != nullptr)
        ::DrawMenuBar(window_);
}

void frmOrganize::CreateAccelerators() {
    std::vector<ACCEL> table;
    for (const Accelerator& accelerator : OrganizeAccelerators()) {
        BYTE flags = FVIRTKEY;
        if (accelerator.Ctrl)
            flags |= FCONTROL;
        if (accelerator.Shift)
            flags |= FSHIFT;
        if (accelerator.Alt)
            flags |= FALT;
        table.push_back({flags, accelerator.Key, static_cast<WORD>(accelerator.Command)});
    }
    accelerators_ = ::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

bool frmOrganize::TranslateAccelerators(MSG& msg) {
    if (window_ == nullptr || accelerators_ == nullptr)
        return false;
    if (msg.hwnd != window_ && !::IsChild(window_, msg.hwnd))
        return false;
    // While a caption is edited in place, the keys belong to the edit box.
    if (::SendMessageW(tree_, TVM_GETEDITCONTROL, 0, 0) != 0 ||
        ::SendMessageW(list_, LVM_GETEDITCONTROL, 0, 0) != 0)
        return false;
    return ::TranslateAcceleratorW(window_, accelerators_, &msg) != 0;
}

// --- Layout

void frmOrganize::Layout() {
    if (window_ == nullptr || tree_ == nullptr)
        return;
    RECT client{};
    ::GetClientRect(window_, &client);
    RECT bar{};
    int toolbarHeight = 0;
    if (toolbar_ != nullptr && ::GetWindowRect(toolbar_, &bar))
        toolbarHeight = bar.bottom - bar.top;
    int statusHeight = 0;
    if (status_ != nullptr && ::GetWindowRect(status_, &bar))
        statusHeight = bar.bottom - bar.top;
    const OrganizeLayout layout = ComputeOrganizeLayout({.ClientWidth = ToTwips(client.right),
                                                         .ClientHeight = ToTwips(client.bottom),
                                                         .ToolbarHeight = ToTwips(toolbarHeight),
                                                         .StatusBarHeight = ToTwips(statusHeight),
                                                         .StatusBarVisible = showStatusBar_,
                                                         .TreeWidth = treeWidth_});
    const auto place = [this](HWND control, const TwipsRect& rect) {
        ::SetWindowPos(control, nullptr, ToPixels(rect.Left), ToPixels(rect.Top), ToPixels(rect.Width),
                       ToPixels(rect.Height), SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(tree_, layout.Tree);
    place(list_, layout.List);
    ::ShowWindow(status_, showStatusBar_ ? SW_SHOW : SW_HIDE);
    // The status bar's panels: the count, the type and the name with the rest of the width.
    const int dpi = Dpi();
    const std::array<int, 3> parts = {::MulDiv(160, dpi, kBaseDpi), ::MulDiv(360, dpi, kBaseDpi), -1};
    ::SendMessageW(status_, SB_SETPARTS, parts.size(), reinterpret_cast<LPARAM>(parts.data()));
}

bool frmOrganize::InSplitter(POINT client) const {
    RECT tree{};
    RECT list{};
    if (!::GetWindowRect(tree_, &tree) || !::GetWindowRect(list_, &list))
        return false;
    POINT treeCorner{tree.right, tree.top};
    POINT listCorner{list.left, list.bottom};
    ::ScreenToClient(window_, &treeCorner);
    ::ScreenToClient(window_, &listCorner);
    return client.x >= treeCorner.x && client.x < listCorner.x && client.y >= treeCorner.y &&
           client.y < listCorner.y;
}

void frmOrganize::OnSplitterMouse(UINT message, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT tree{};
    ::GetWindowRect(tree_, &tree);
    POINT treeOrigin{tree.left, tree.top};
    ::ScreenToClient(window_, &treeOrigin);
    const int barWidth = std::max(ToPixels(60), 3);
    if (message == WM_LBUTTONDOWN && InSplitter(point)) {
        splitting_ = true;
        ::SetCapture(window_);
        ::SetWindowPos(splitterBar_, HWND_TOP, point.x - barWidth / 2, treeOrigin.y, barWidth,
                       tree.bottom - tree.top, SWP_SHOWWINDOW);
    } else if (message == WM_MOUSEMOVE && splitting_) {
        RECT client{};
        ::GetClientRect(window_, &client);
        const int x = std::clamp(static_cast<int>(point.x), static_cast<int>(treeOrigin.x) + barWidth,
                                 static_cast<int>(client.right) - barWidth);
        ::SetWindowPos(splitterBar_, HWND_TOP, x - barWidth / 2, treeOrigin.y, barWidth,
                       tree.bottom - tree.top, SWP_SHOWWINDOW);
    } else if (message == WM_LBUTTONUP && splitting_) {
        splitting_ = false;
        ::ReleaseCapture();
        RECT bar{};
        ::GetWindowRect(splitterBar_, &bar);
        POINT barOrigin{bar.left, bar.top};
        ::ScreenToClient(window_, &barOrigin);
        ::ShowWindow(splitterBar_, SW_HIDE);
        SetTreeWidth(ToTwips(std::max(static_cast<int>(barOrigin.x - treeOrigin.x), 1)));
    }
}

// --- Notifications

LRESULT frmOrganize::OnNotify(const NMHDR& header) {
    if (const auto handled = OnEditingNotify(header))
        return *handled;
    if (header.hwndFrom == tree_)
        return OnTreeNotify(header);
    if (header.hwndFrom == list_)
        return OnListNotify(header);
    if (header.code == TTN_GETDISPINFOW) {
        // The toolbar's tool tips: the caption when the buttons show no text.
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        size_t captionIndex = 0;
        for (const ToolbarButton& button : OrganizeToolbarButtons()) {
            if (button.Command == 0)
                continue;
            if (static_cast<UINT_PTR>(button.Command) == header.idFrom && !showText_) {
                const auto& captions = parts_.Program.state.ToolbarCaptions;
                displayText_ =
                    captionIndex < captions.size() ? Widen(captions[captionIndex]) : std::wstring();
                info.lpszText = displayText_.data();
            }
            ++captionIndex;
        }
        return 0;
    }
    return 0;
}

LRESULT frmOrganize::OnTreeNotify(const NMHDR& header) {
    switch (header.code) {
    case TVN_SELCHANGEDW: {
        const auto& info = reinterpret_cast<const NMTREEVIEWW&>(header);
        const auto index = static_cast<size_t>(info.itemNew.lParam);
        if (reportingTreeSelection_ && info.itemNew.hItem != nullptr && index < nodeKeys_.size())
            presenter_->OnTreeSelectionChanged(nodeKeys_[index]);
        return 0;
    }
    case NM_SETFOCUS:
        presenter_->OnPaneFocused(OrganizePane::Tree);
        return 0;
    default:
        return 0;
    }
}

LRESULT frmOrganize::OnListNotify(const NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOW:
        OnListDisplayInfo(const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)));
        return 0;
    case LVN_ITEMCHANGED: {
        const auto& info = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((info.uChanged & LVIF_STATE) && ((info.uNewState ^ info.uOldState) & LVIS_SELECTED))
            presenter_->OnListSelectionChanged();
        return 0;
    }
    case LVN_ODSTATECHANGED:
        presenter_->OnListSelectionChanged();
        return 0;
    case LVN_COLUMNCLICK:
        presenter_->OnColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        return 0;
    case NM_DBLCLK: {
        const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
        if (row >= 0)
            presenter_->OnListRowActivated(row);
        return 0;
    }
    case NM_SETFOCUS:
        presenter_->OnPaneFocused(OrganizePane::List);
        return 0;
    default:
        return 0;
    }
}

void frmOrganize::OnListDisplayInfo(NMLVDISPINFOW& info) {
    LVITEMW& item = info.item;
    if (rows_ == nullptr || item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows_->size())
        return;
    const ListRow& row = (*rows_)[static_cast<size_t>(item.iItem)];
    if (item.mask & LVIF_TEXT) {
        displayText_ = Widen(presenter_->ListCellText(static_cast<size_t>(item.iItem), item.iSubItem));
        if (item.pszText != nullptr && item.cchTextMax > 0) {
            const size_t count = std::min(displayText_.size(), static_cast<size_t>(item.cchTextMax - 1));
            std::copy_n(displayText_.c_str(), count, item.pszText);
            item.pszText[count] = L'\0';
        }
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = row.Icon;
    if (item.mask & LVIF_STATE) {
        item.state = (item.state & ~(LVIS_CUT | LVIS_DROPHILITED)) | (row.Ghosted ? LVIS_CUT : 0) |
                     (IsDropHighlighted(item.iItem) ? LVIS_DROPHILITED : 0);
        item.stateMask |= LVIS_CUT | LVIS_DROPHILITED;
    }
}

void frmOrganize::OnInitMenuPopup(HMENU menu) {
    const auto found = topMenus_.find(menu);
    if (found != topMenus_.end() && presenter_)
        presenter_->OnMenuOpening(found->second);
}

void frmOrganize::OnContextMenuAt(HWND control, POINT screen) {
    const bool fromKeyboard = screen.x == -1 && screen.y == -1;
    if (control == toolbar_) {
        ShowPopupMenu(OrganizeMenu::Toolbar, screen.x, screen.y);
        return;
    }
    if (control == tree_) {
        HTREEITEM node = nullptr;
        if (fromKeyboard) {
            node = reinterpret_cast<HTREEITEM>(::SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
            RECT rect{};
            // TVM_GETITEMRECT takes the node in the rectangle's first bytes.
            std::memcpy(&rect, &node, sizeof(node));
            if (node != nullptr &&
                ::SendMessageW(tree_, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect))) {
                screen = {rect.left, rect.bottom};
                ::ClientToScreen(tree_, &screen);
            }
        } else {
            TVHITTESTINFO hit{};
            hit.pt = screen;
            ::ScreenToClient(tree_, &hit.pt);
            node = reinterpret_cast<HTREEITEM>(
                ::SendMessageW(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
            // A right click selects the node it is on, as in Explorer.
            if (node != nullptr)
                ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
        }
        if (node == nullptr)
            return;
        TVITEMW item{};
        item.mask = TVIF_PARAM;
        item.hItem = node;
        ::SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        const auto index = static_cast<size_t>(item.lParam);
        if (index < nodeKeys_.size())
            presenter_->OnContextMenu(OrganizePane::Tree, nodeKeys_[index], screen.x, screen.y);
        return;
    }
    if (control == list_) {
        int row = -1;
        if (fromKeyboard) {
            row = static_cast<int>(
                ::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            POINT corner{0, 0};
            ::ClientToScreen(list_, &corner);
            screen = corner;
        } else {
            LVHITTESTINFO hit{};
            hit.pt = screen;
            ::ScreenToClient(list_, &hit.pt);
            row = static_cast<int>(::SendMessageW(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
            if (row >= 0 &&
                !(::SendMessageW(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
                  LVIS_SELECTED))
                SelectListRows({row});
        }
        const std::string key = rows_ != nullptr && row >= 0 && static_cast<size_t>(row) < rows_->size()
                                    ? (*rows_)[static_cast<size_t>(row)].Key
                                    : std::string();
        presenter_->OnContextMenu(OrganizePane::List, key, screen.x, screen.y);
    }
}

// --- IOrganizeView

void frmOrganize::SetCaption(std::string_view caption) {
    ::SetWindowTextW(window_, Widen(caption).c_str());
}

void frmOrganize::SetListRows(const std::vector<ListRow>& rows) {
    rows_ = &rows;
    ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    ::SendMessageW(list_, LVM_SETITEMCOUNT, rows.size(), 0);
    ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
}

void frmOrganize::RedrawList() {
    ::InvalidateRect(list_, nullptr, TRUE);
}

std::vector<int> frmOrganize::SelectedListRows() const {
    std::vector<int> rows;
    int row = -1;
    while ((row = static_cast<int>(
                ::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0)
        rows.push_back(row);
    return rows;
}

int frmOrganize::SelectedListCount() const {
    return static_cast<int>(::SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0));
}

void frmOrganize::SelectListRows(const std::vector<int>& rows) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    for (const int row : rows) {
        state.state = LVIS_SELECTED | (row == rows.front() ? LVIS_FOCUSED : 0);
        ::SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    }
}

namespace {
LONG_PTR ListStyleOfView(DWORD view) {
    switch (view) {
    case LV_VIEW_ICON:
        return LVS_ICON;
    case LV_VIEW_SMALLICON:
        return LVS_SMALLICON;
    case LV_VIEW_LIST:
        return LVS_LIST;
    default:
        return LVS_REPORT;
    }
}
} // namespace

void frmOrganize::SetListViewMode(ListViewMode mode, bool gridLines) {
    DWORD view = LV_VIEW_DETAILS;
    switch (mode) {
    case ListViewMode::LargeIcons:
        view = LV_VIEW_ICON;
        break;
    case ListViewMode::SmallIcons:
        view = LV_VIEW_SMALLICON;
        break;
    case ListViewMode::List:
        view = LV_VIEW_LIST;
        break;
    case ListViewMode::Report:
        view = LV_VIEW_DETAILS;
        break;
    }
    if (view == LV_VIEW_ICON)
        ShowLargeItemImages();
    // The style's view bits go with the view, so that the list lays out its items for the new view
    // (under Wine, LVM_SETVIEW alone leaves Large Icons spaced as small ones).
    const LONG_PTR style = ::GetWindowLongPtrW(list_, GWL_STYLE);
    ::SetWindowLongPtrW(list_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | ListStyleOfView(view));
    ::SendMessageW(list_, LVM_SETVIEW, view, 0);
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, gridLines ? LVS_EX_GRIDLINES : 0);
}

std::array<int, kListColumnCount> frmOrganize::ListColumnWidths() const {
    std::array<int, kListColumnCount> widths{};
    for (int column = 0; column < kListColumnCount; ++column)
        widths[static_cast<size_t>(column)] = ToTwips(
            static_cast<int>(::SendMessageW(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)));
    return widths;
}

void frmOrganize::SetListColumnWidth(int column, int widthTwips) {
    ::SendMessageW(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), ToPixels(widthTwips));
}

void frmOrganize::SetStatusBar(const StatusBarTexts& texts) {
    ::SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Widen(texts.Count).c_str()));
    ::SendMessageW(status_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(Widen(texts.Type).c_str()));
    ::SendMessageW(status_, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(Widen(texts.Name).c_str()));
    statusIcon_.reset(::ImageList_GetIcon(imlSmall_.get(), texts.Icon, ILD_NORMAL));
    ::SendMessageW(status_, SB_SETICON, 2, reinterpret_cast<LPARAM>(statusIcon_.get()));
}

void frmOrganize::ShowStatusBar(bool shown) {
    showStatusBar_ = shown;
    Layout();
}

void frmOrganize::SetToolbar(bool showText, bool largeButtons) {
    showText_ = showText;
    largeButtons_ = largeButtons;
    RebuildToolbarButtons();
    Layout();
}

void frmOrganize::FocusPane(OrganizePane pane) {
    ::SetFocus(pane == OrganizePane::Tree ? tree_ : list_);
}

int frmOrganize::TreeWidth() const {
    RECT rect{};
    ::GetWindowRect(tree_, &rect);
    return ToTwips(rect.right - rect.left);
}

void frmOrganize::SetTreeWidth(int widthTwips) {
    treeWidth_ = widthTwips;
    Layout();
}

void frmOrganize::SetCommandChecked(OrganizeCommand command, bool checked) {
    const int id = CommandId(command);
    if (checked)
        checked_.insert(id);
    else
        checked_.erase(id);
    for (HMENU menu : {menuBar_.get(), itemPopup_.get(), emptyPopup_.get(), toolbarPopup_.get()})
        ::CheckMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void frmOrganize::SetCommandEnabled(OrganizeCommand command, bool enabled) {
    const int id = CommandId(command);
    if (enabled)
        disabled_.erase(id);
    else
        disabled_.insert(id);
    for (HMENU menu : {menuBar_.get(), itemPopup_.get(), emptyPopup_.get(), toolbarPopup_.get()})
        ::EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    if (toolbar_ != nullptr)
        ::SendMessageW(toolbar_, TB_ENABLEBUTTON, static_cast<WPARAM>(id),
                       MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

void frmOrganize::SetCommandVisible(OrganizeCommand command, bool visible) {
    const int id = CommandId(command);
    const bool changed = visible ? hidden_.erase(id) > 0 : hidden_.insert(id).second;
    if (!changed)
        return;
    SyncAllMenus();
    if (toolbar_ != nullptr)
        ::SendMessageW(toolbar_, TB_HIDEBUTTON, static_cast<WPARAM>(id),
                       MAKELPARAM(visible ? FALSE : TRUE, 0));
}

void frmOrganize::ShowPopupMenu(OrganizeMenu menu, int x, int y) {
    HMENU popup = nullptr;
    switch (menu) {
    case OrganizeMenu::ItemPopup:
        popup = itemPopup_.get();
        break;
    case OrganizeMenu::EmptyPopup:
        popup = emptyPopup_.get();
        break;
    case OrganizeMenu::Toolbar:
        popup = toolbarPopup_.get();
        break;
    default:
        return;
    }
    ::TrackPopupMenuEx(popup, TPM_RIGHTBUTTON, x, y, window_, nullptr);
}

void frmOrganize::SetBusy(bool busy) {
    busy_ = busy;
    ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

std::optional<FileDialogChoice> frmOrganize::AskFileName(bool save, std::string_view title,
                                                         std::string_view filter) {
    std::wstring file(MAX_PATH * 4, L'\0');
    const std::wstring filters = DialogFilter(filter);
    const std::wstring caption = Widen(title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrDefExt = L"krvc";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (save ? 0 : OFN_FILEMUSTEXIST);
    if (!ShowFileDialog(dialog, save))
        return std::nullopt;
    file.resize(std::wcslen(file.c_str()));
    return FileDialogChoice{Narrow(file), static_cast<int>(dialog.nFilterIndex)};
}

std::optional<FileDialogChoice> frmOrganize::AskOpenFileName(std::string_view title,
                                                             std::string_view filter) {
    return AskFileName(false, title, filter);
}

std::optional<FileDialogChoice> frmOrganize::AskSaveFileName(std::string_view title,
                                                             std::string_view filter) {
    return AskFileName(true, title, filter);
}

void frmOrganize::MapNetworkDrive() {
    ::WNetConnectionDialog(window_, RESOURCETYPE_DISK);
}

void frmOrganize::DisconnectNetworkDrive() {
    ::WNetDisconnectDialog(window_, RESOURCETYPE_DISK);
}

void frmOrganize::BringToFront() {
    if (window_ == nullptr)
        return;
    if (::IsIconic(window_))
        ::ShowWindow(window_, SW_RESTORE);
    ::SetForegroundWindow(window_);
}

void frmOrganize::SavePlacement() {
    StoreFormPosition(window_, parts_.Program.registry, ORGANIZE_WINDOW_NAME, false);
}

void frmOrganize::Close() {
    if (window_ != nullptr)
        ::DestroyWindow(window_);
}

} // namespace krv
