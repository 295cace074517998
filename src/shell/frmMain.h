#pragma once
// frmMain: the resident program's main window. Never shown, it owns the icon in the notification area,
// hosts the owner-drawn popup menu, receives the hand-over from other processes and owns the program's
// lifetime: unloading it ends the program.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/OrganizeHandOver.h"
#include "app/Program.h"
#include "app/ProgramOptionChanges.h"
#include "organize/frmOrganize.h"
#include "platform/MenuHost.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32MenuHost.h"
#include "shell/KeyboardHook.h"
#include "shell/MenuIcons.h"

namespace krv {

struct ResidentServices;

class frmMain final : public IResidentHost, public IMenuWindow {
public:
    // Window class of the main window; other processes and the tests find the window by it.
    static constexpr const wchar_t* ClassName = L"KarvelloMain";
    static constexpr const wchar_t* Title = L"Karvello";

    frmMain(HINSTANCE instance, ResidentServices& services, std::string commandLine);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    // Destroys the window while the object can still receive its last messages.
    ~frmMain() override { window_.reset(); }

    // Creates the hidden window and runs the rest of the start-up. False when Windows refuses the window.
    bool Load();
    HWND Handle() const noexcept { return window_.get(); }
    // The keyboard accelerators of the program's modeless windows, for the message loop; true when msg was
    // one of them.
    bool TranslateWindowAccelerators(MSG& msg);

    // IResidentHost
    bool LoadOrganizeWindow() override;
    void BringOrganizeWindowToFront() override;
    void InitOrganizeWindow(std::string_view command) override;
    void BringItemDialogToFront() override;
    void ShowOptionsDialog(clsMenuCollection& collection, bool mainCollection) override;
    void UnloadMainWindow() override;
    void RebuildPopupMenu(const std::function<void(clsMenuCollection&)>& change) override;
    bool SaveConfiguration() override;

    // IMenuWindow
    void ShowBusyPointer() override;
    void ShowNormalPointer() override;
    void InstallMenuHandler() override;
    void RemoveMenuHandler() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // MenuWindowProc: the owner-draw requests and the commands of the popup menu, while installed.
    bool MenuWindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    bool CreateMainWindow();
    void StoreWindowHandle();
    void LoadStartup();
    void AddIcon();
    void OnTrayNotification(UINT mouseMessage);
    void OnShortcutKey(uint32_t virtualKey);
    void ShowFolderMenu();
    void OnMeasureItem(MEASUREITEMSTRUCT& record);
    void OnDrawItem(const DRAWITEMSTRUCT& record);
    LRESULT OnMenuChar(wchar_t typed, HMENU menu);
    void ShutdownApplication();
    // The Options dialog over owner for collection, with this window's menu and keyboard hook behind it.
    OrganizeOptionsOutcome ShowOptionsOver(HWND owner, clsMenuCollection& collection, bool mainCollection);
    void BringOptionsDialogToFront();
    void OnOrganizeWindowClosed();

    int MenuDpi() const;
    // The menu font at the menu's DPI, made again when the DPI changed.
    HFONT MenuFont();
    // The menu font's average character width, by which entries are sized; 0 without the menu's DC.
    int MenuCharWidth();

    HINSTANCE instance_;
    ResidentServices& services_;
    ProgramContext context_;
    std::string commandLine_;
    unique_hwnd window_;
    Win32MenuHost menus_{static_cast<HWND>(nullptr)};
    UINT taskbarCreatedMessage_ = 0;

    bool menuHandlerInstalled_ = false;
    bool highlightDiffersFromMenu_ = false;
    window_dc menuDC_;
    unique_hfont menuFont_;
    int menuFontDpi_ = 0;
    int menuCharWidth_ = 0; // of menuFont_, 0 until read
    MenuIcons menuIcons_;
    unique_hicon trayIcon_;
    bool shutDown_ = false;
    KeyboardHook keyboardHook_;
    std::vector<uint32_t> deferredShortcutKeys_;

    // The Organize window while it is open, with the pieces through which it hands its tree over.
    std::optional<ProgramOptionChanges> organizeChanges_;
    std::optional<OrganizeHandOver> organizeHandOver_;
    std::unique_ptr<frmOrganize> organize_;
    // The window the Options dialog is open over, while it is.
    HWND optionsOwner_ = nullptr;
};

} // namespace krv
