#include "shell/frmMain.h"

#include <string_view>
#include <utility>
#include <vector>

#include "ResourceIds.h"
#include "app/ResidentMenu.h"
#include "app/modMain.h"
#include "menu/modKeyboardHook.h"
#include "menu/modMenuAction.h"
#include "menu/modMenuSetup.h"
#include "menu/modMenuSystem.h"
#include "platform/Text.h"
#include "platform/win32/Win32MenuPainter.h"
#include "settings/RegistryNames.h"
#include "shell/OptionsCommand.h"
#include "shell/ResidentServices.h"
#include "shell/modSystemTray.h"

namespace krv {
namespace {

// The identifier of the placeholder entry of the empty popup menu.
constexpr UINT kPlaceholderId = 50;
// Posted to itself when the Organize window has been destroyed, so that the window's object is released
// after its last message has returned.
constexpr UINT kOrganizeClosedMessage = WM_APP + 3;
// The caption of the Options dialog, by which a tray click finds it.
constexpr const wchar_t* kOptionsCaption = L"Options";

struct FoundWindow {
    const wchar_t* caption;
    HWND window;
};

BOOL CALLBACK FindOptionsDialog(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<FoundWindow*>(parameter);
    wchar_t caption[64] = {};
    ::GetWindowTextW(window, caption, 64);
    if (::IsWindowVisible(window) && std::wstring_view(caption) == found->caption) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// The menu bar of the main window: "File" with the placeholder "Dummy", the popup the tray icon shows.
HMENU CreateMainMenu() {
    HMENU bar = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, kPlaceholderId, L"Dummy");
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
    return bar;
}

} // namespace

frmMain::frmMain(HINSTANCE instance, ResidentServices& services, std::string commandLine)
    : instance_(instance), services_(services), context_(services.Context(*this)),
      commandLine_(std::move(commandLine)) {}

bool frmMain::Load() {
    if (!CreateMainWindow())
        return false;
    LoadStartup();
    return true;
}

bool frmMain::CreateMainWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &frmMain::WindowProc;
    windowClass.hInstance = instance_;
    windowClass.lpszClassName = ClassName;
    windowClass.hIcon = ::LoadIconW(instance_, MAKEINTRESOURCEW(IDI_KARVELLO));
    if (::RegisterClassExW(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    // The window is created without WS_VISIBLE and never shown; `this` travels with WM_NCCREATE so that the
    // window procedure can reach the object from the first message on.
    HWND window = ::CreateWindowExW(0, ClassName, Title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, CreateMainMenu(), instance_, this);
    if (window == nullptr)
        return false;
    menus_ = Win32MenuHost(window);
    taskbarCreatedMessage_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    return true;
}

// The rest of the start-up, in its order: the window's handle for other processes, the configuration, the
// Organized Folders, the menu, the icon, the keyboard hook, and the program's own command.
void frmMain::LoadStartup() {
    ProgramState& state = services_.state;
    StoreWindowHandle();
    LoadStartupConfiguration(
        services_.files, services_.fileSystem, *this, state.MenuItems, state.ApplicationPath, [this, &state] {
            CreateDefaultConfiguration(*this, state.MenuItems, services_.System(), services_.MenuOptions());
        });
    services_.shortcuts.RestoreMissingOrganizedFolders(state.MenuItems, services_.OrganizedOptions());
    menuIcons_.LoadMenuIcons(instance_, ScaleForDpi(16, MenuDpi()));
    BuildPopupMenu(*this, menus_, state.MenuItems, "");
    AddIcon();
    // The user hears of a file that did not load once the program can be reached, and before anything
    // could be saved over it.
    ReportLoadProblem(services_.messageBox, services_.files.LastLoadStatus());
    if (state.Advanced(ADVC7_HOT_KEYS))
        keyboardHook_.InstallKeyboardHook(instance_, Handle());
    if (!commandLine_.empty())
        OpenOrganizer(context_, true, commandLine_);
}

void frmMain::StoreWindowHandle() {
    const auto handle = reinterpret_cast<intptr_t>(Handle());
    services_.regHandler.SetKeyValue(RegistryRoot::CurrentUser, REG_KEY_PROGRAM, REG_VALUE_HWND,
                                     std::string_view(std::to_string(handle)));
}

void frmMain::AddIcon() {
    if (!trayIcon_) {
        const int size = ::GetSystemMetricsForDpi(SM_CXSMICON, MenuDpi());
        trayIcon_.reset(static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(IDI_KARVELLO), IMAGE_ICON,
                                                        size, size, LR_DEFAULTCOLOR)));
    }
    AddTrayIcon(Handle(), trayIcon_.get());
}

LRESULT CALLBACK frmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmMain*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_.reset(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmMain*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window is gone; the object must neither destroy it again nor receive later messages.
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        (void)self->window_.release();
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    ProgramState& state = services_.state;
    LRESULT result = 0;
    if (menuHandlerInstalled_ && MenuWindowProc(message, wParam, lParam, result))
        return result;
    if (message == state.RegisteredMessage && message != 0) {
        OpenOrganizer(context_, true, {});
        return 0;
    }
    // A restarted Explorer makes a new notification area; without the icon there the program could not be
    // reached at all.
    if (message == taskbarCreatedMessage_ && message != 0) {
        AddIcon();
        return 0;
    }
    switch (message) {
    case TRAY_CALLBACK_MESSAGE:
        OnTrayNotification(LOWORD(lParam));
        return 0;
    case SHORTCUT_KEY_MESSAGE:
        OnShortcutKey(static_cast<uint32_t>(wParam));
        return 0;
    case WM_CLOSE:
        ::DestroyWindow(Handle());
        return 0;
    case WM_ENDSESSION:
        // Windows may end the process as soon as this message returns, so the shutdown happens now.
        if (wParam != FALSE)
            ::DestroyWindow(Handle());
        return 0;
    case kOrganizeClosedMessage:
        OnOrganizeWindowClosed();
        return 0;
    case WM_DESTROY:
        ShutdownApplication();
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(Handle(), message, wParam, lParam);
    }
}

bool frmMain::MenuWindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_MEASUREITEM:
        OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_COMMAND:
        // Commands of the window's own menus (the placeholder) have no item and go on.
        if (HIWORD(wParam) == 0 && ExecuteMenuCommand(context_, static_cast<int32_t>(LOWORD(wParam)))) {
            result = 0;
            return true;
        }
        return false;
    case WM_MENUCHAR:
        result = OnMenuChar(static_cast<wchar_t>(LOWORD(wParam)), reinterpret_cast<HMENU>(lParam));
        return true;
    default:
        return false;
    }
}

void frmMain::OnTrayNotification(UINT mouseMessage) {
    if (mouseMessage != WM_LBUTTONUP && mouseMessage != WM_RBUTTONUP)
        return;
    services_.pump.DoEvents();
    const ProgramState& state = services_.state;
    // A buried Options dialog could not be found otherwise: it is modal, so nothing else can be used.
    if (state.OptionsWindowOpen) {
        BringOptionsDialogToFront();
        return;
    }
    if (state.OrganizeWindowOpen)
        BringOrganizeWindowToFront();
    else
        ShowFolderMenu();
}

void frmMain::ShowFolderMenu() {
    ProgramState& state = services_.state;
    if (state.MenuShowing)
        return;
    state.MenuShowing = true;
    RefreshDrivesGroup(state, services_.systemInfo, *this, menus_);
    ::SetForegroundWindow(Handle());
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // The chosen command comes back here rather than as a posted WM_COMMAND, so that it has run when the menu
    // call returns, as the null message below expects.
    const UINT command = static_cast<UINT>(::TrackPopupMenuEx(
        Win32MenuHost::ToMenu(menus_.TopLevelPopup()), TPM_RETURNCMD, cursor.x, cursor.y, Handle(), nullptr));
    if (command != 0)
        ExecuteMenuCommand(context_, static_cast<int32_t>(command));
    // The null message lets the menu of a background window close properly.
    if (!state.ExitRequested)
        ::PostMessageW(Handle(), WM_NULL, 0, 0);
    state.MenuShowing = false;
    for (const uint32_t key : std::exchange(deferredShortcutKeys_, {}))
        OpenShortcutKey(context_, key);
}

// A shortcut pressed while the popup menu is open waits until the menu has closed: opening its item may
// rebuild the menu, which must not happen under the open menu.
void frmMain::OnShortcutKey(uint32_t virtualKey) {
    if (services_.state.MenuShowing)
        deferredShortcutKeys_.push_back(virtualKey);
    else
        OpenShortcutKey(context_, virtualKey);
}

int frmMain::MenuDpi() const {
    const UINT dpi = Handle() != nullptr ? ::GetDpiForWindow(Handle()) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : BASE_DPI;
}

HFONT frmMain::MenuFont() {
    const int dpi = MenuDpi();
    if (!menuFont_ || dpi != menuFontDpi_) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (!::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                          static_cast<UINT>(dpi)))
            ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        menuFont_.reset(::CreateFontIndirectW(&metrics.lfMenuFont));
        menuFontDpi_ = dpi;
        menuCharWidth_ = 0;
    }
    return menuFont_ ? menuFont_.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

// Every entry of a menu is measured each time the menu opens, a thousand times for a large group, with the
// same font: its average character width is read once per font.
int frmMain::MenuCharWidth() {
    HFONT font = MenuFont();
    if (menuCharWidth_ == 0 && menuDC_) {
        TEXTMETRICW metrics{};
        const select_object_scope selected(menuDC_.get(), font);
        if (::GetTextMetricsW(menuDC_.get(), &metrics))
            menuCharWidth_ = metrics.tmAveCharWidth;
    }
    return menuCharWidth_;
}

void frmMain::OnMeasureItem(MEASUREITEMSTRUCT& record) {
    bool notFound = false;
    const clsMenuItem* item =
        services_.state.MenuItems.GetMenuItemFromID(static_cast<int32_t>(record.itemID), notFound);
    if (item == nullptr || !menuDC_)
        return;
    const int charWidth = MenuCharWidth(); // brings the font, and with it menuFontDpi_, up to date
    const MenuItemSize size = MeasureMenuItem(*item, charWidth, menuFontDpi_);
    record.itemWidth = static_cast<UINT>(size.width);
    record.itemHeight = static_cast<UINT>(size.height);
}

void frmMain::OnDrawItem(const DRAWITEMSTRUCT& record) {
    const ProgramState& state = services_.state;
    bool notFound = false;
    const clsMenuItem* item =
        services_.state.MenuItems.GetMenuItemFromID(static_cast<int32_t>(record.itemID), notFound);
    if (item == nullptr)
        return;
    const int dpi = MenuDpi();
    const MenuDrawRequest request{
        .controlType = record.CtlType,
        .itemState = record.itemState,
        .rect = {record.rcItem.left, record.rcItem.top, record.rcItem.right, record.rcItem.bottom}};
    const MenuDrawSettings settings{.showIcons = state.Appearance(AC4_SHOW_SHORTCUT_ICONS),
                                    .alternateColor = state.Appearance(AC6_ALTERNATE_COLOR),
                                    .highlightDiffersFromMenu = highlightDiffersFromMenu_,
                                    .dpi = dpi};
    const auto plan = PlanMenuItemDrawing(*item, request, settings);
    if (!plan)
        return;
    menuIcons_.LoadMenuIcons(instance_, ScaleForDpi(16, dpi));
    PaintMenuItem(record.hDC, *plan, MenuFont(), [this](int slot) { return menuIcons_.Icon(slot); });
}

// Owner-drawn entries have no text that Windows could match a typed character against, so the program
// answers for them as a native menu would.
LRESULT frmMain::OnMenuChar(wchar_t typed, HMENU menu) {
    const int32_t menuId = Win32MenuHost::FromMenu(menu);
    const int count = ::GetMenuItemCount(menu);
    if (count <= 0)
        return MAKELRESULT(0, MNC_IGNORE);
    std::vector<MenuCharEntry> entries(static_cast<size_t>(count));
    for (const clsMenuItem& item : services_.state.MenuItems) {
        if (item.OwnerID() == menuId && item.Position() >= 0 && item.Position() < count)
            entries[static_cast<size_t>(item.Position())] = {item.CaptionMenu(), item.Separator()};
    }
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE)
            current = i;
    }
    const MenuCharChoice choice = ChooseMenuCharEntry(entries, Narrow(std::wstring(1, typed)), current);
    switch (choice.action) {
    case MenuCharChoice::Action::Execute:
        return MAKELRESULT(choice.index, MNC_EXECUTE);
    case MenuCharChoice::Action::Select:
        return MAKELRESULT(choice.index, MNC_SELECT);
    case MenuCharChoice::Action::Ignore:
        break;
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

void frmMain::ShutdownApplication() {
    if (shutDown_)
        return;
    shutDown_ = true;
    // An open Organize window closes with the program, as it stands (it belongs to this window).
    organize_.reset();
    RemoveMenuHandler();
    keyboardHook_.RemoveKeyboardHook();
    RemoveTrayIcon(Handle());
}

// --- IResidentHost

bool frmMain::LoadOrganizeWindow() {
    if (organize_)
        return true;
    ProgramState& state = services_.state;
    organizeChanges_.emplace(ProgramOptionChanges::Parts{*this, menus_, services_.System(), state.KnownDrives,
                                                         services_.shortcuts, services_.regHandler,
                                                         state.options, state.QuotedExePath});
    organizeHandOver_.emplace(context_, *organizeChanges_);
    organize_ = std::make_unique<frmOrganize>(frmOrganize::Parts{
        instance_, Handle(), context_, services_.files, *organizeHandOver_, services_.registry,
        services_.locale,
        [this](HWND owner, clsMenuCollection& collection) {
            return ShowOptionsOver(owner, collection, false);
        },
        [this] { ::PostMessageW(Handle(), kOrganizeClosedMessage, 0, 0); }, services_.System()});
    if (!organize_->Load()) {
        organize_.reset();
        return false;
    }
    return true;
}

void frmMain::OnOrganizeWindowClosed() {
    if (organize_ && organize_->Handle() == nullptr) {
        organize_.reset();
        organizeHandOver_.reset();
        organizeChanges_.reset();
        services_.state.OrganizeWindowOpen = false;
    }
}

void frmMain::BringOrganizeWindowToFront() {
    if (organize_)
        organize_->BringToFront();
}

void frmMain::InitOrganizeWindow(std::string_view command) {
    if (organize_)
        organize_->Presenter().Init(command);
}

void frmMain::BringItemDialogToFront() {
    // The item dialog is the Organize window's most recent popup while it is open.
    if (organize_ && organize_->Handle() != nullptr)
        ::SetForegroundWindow(::GetLastActivePopup(organize_->Handle()));
}

bool frmMain::TranslateWindowAccelerators(MSG& msg) {
    return organize_ && organize_->TranslateAccelerators(msg);
}

void frmMain::ShowOptionsDialog(clsMenuCollection& collection, bool mainCollection) {
    ShowOptionsOver(Handle(), collection, mainCollection);
}

OrganizeOptionsOutcome frmMain::ShowOptionsOver(HWND owner, clsMenuCollection& collection,
                                                bool mainCollection) {
    ProgramState& state = services_.state;
    // From the Organize window the dialog is opened here; from the popup menu the Options command has set
    // the flag already.
    const bool ownFlag = !state.OptionsWindowOpen;
    if (!mainCollection && !ownFlag)
        return {};
    state.OptionsWindowOpen = true;
    optionsOwner_ = owner;
    OrganizeOptionsOutcome outcome;
    outcome.SettingsChanged = ShowProgramOptions(instance_, Handle(), owner, services_, *this, menus_,
                                                 keyboardHook_, collection, mainCollection);
    optionsOwner_ = nullptr;
    if (ownFlag)
        state.OptionsWindowOpen = false;
    outcome.ExitRequested = state.ExitRequested;
    if (!mainCollection && state.ExitRequested)
        UnloadMainWindow();
    return outcome;
}

void frmMain::BringOptionsDialogToFront() {
    FoundWindow found{kOptionsCaption, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindOptionsDialog, reinterpret_cast<LPARAM>(&found));
    if (found.window == nullptr)
        return;
    ::SetForegroundWindow(found.window);
    ::SetFocus(found.window);
}

void frmMain::UnloadMainWindow() {
    // Unloading runs after the current message, so that no handler still on the stack outlives the window.
    ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void frmMain::RebuildPopupMenu(const std::function<void(clsMenuCollection&)>& change) {
    krv::RebuildPopupMenu(*this, menus_, services_.state.MenuItems, change);
}

bool frmMain::SaveConfiguration() {
    return services_.files.SaveConfigFile(services_.state.MenuItems, "", false);
}

// --- IMenuWindow

void frmMain::ShowBusyPointer() {
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
}

void frmMain::ShowNormalPointer() {
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
}

void frmMain::InstallMenuHandler() {
    highlightDiffersFromMenu_ = ::GetSysColor(COLOR_BTNHIGHLIGHT) != ::GetSysColor(COLOR_MENU);
    menuDC_ = window_dc(Handle());
    menuHandlerInstalled_ = true;
}

void frmMain::RemoveMenuHandler() {
    menuHandlerInstalled_ = false;
    menuDC_.reset();
}

} // namespace krv
