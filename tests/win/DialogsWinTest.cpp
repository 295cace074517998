// The pause window and the About box on the real API: what their windows show, how the pause window
// behaves towards its owner, and pictures of both for the build's artifacts (win-screenshots/ beside the
// test program; scripts/test.sh turns them into PNG files).
#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "DialogIds.h"
#include "KarvelloVersion.h"
#include "dialogs/AboutBox.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmPause.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32Registry.h"

namespace krv {
namespace {

// The message the owner counts, to see that the pause window's operations let pending messages run.
constexpr UINT kCountedMessage = WM_APP + 7;

std::string WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

std::string ItemText(HWND dialog, int id) {
    wchar_t text[512] = {};
    ::GetDlgItemTextW(dialog, id, text, static_cast<int>(std::size(text)));
    return Narrow(text);
}

std::string ExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return Narrow(folder.substr(0, folder.find_last_of(L'\\')));
}

// Common controls version 6 for the scope, from the program's manifest kept in the test program under
// resource 2, so that the dialogs look as they do in the program.
class CommonControls6Scope {
public:
    CommonControls6Scope() {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        ACTCTXW context{};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = path;
        context.hModule = ::GetModuleHandleW(nullptr);
        context.lpResourceName = MAKEINTRESOURCEW(2);
        context_ = ::CreateActCtxW(&context);
        if (context_ != INVALID_HANDLE_VALUE)
            ::ActivateActCtx(context_, &cookie_);
    }
    CommonControls6Scope(const CommonControls6Scope&) = delete;
    CommonControls6Scope& operator=(const CommonControls6Scope&) = delete;
    ~CommonControls6Scope() {
        if (context_ == INVALID_HANDLE_VALUE)
            return;
        ::DeactivateActCtx(0, cookie_);
        ::ReleaseActCtx(context_);
    }
    bool Active() const { return context_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

// A visible top-level window that counts kCountedMessage, standing for the window that owns the dialogs.
class OwnerWindow {
public:
    OwnerWindow() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &OwnerWindow::WindowProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = L"KarvelloTestOwner";
        ::RegisterClassExW(&windowClass);
        window_.reset(::CreateWindowExW(0, windowClass.lpszClassName, L"Owner", WS_OVERLAPPEDWINDOW, 20, 20,
                                        640, 400, nullptr, nullptr, windowClass.hInstance, nullptr));
        ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&counted_));
        ::ShowWindow(window_.get(), SW_SHOW);
        ::UpdateWindow(window_.get());
    }
    HWND get() const { return window_.get(); }
    intptr_t Id() const { return reinterpret_cast<intptr_t>(window_.get()); }
    void PostCounted() const { ::PostMessageW(window_.get(), kCountedMessage, 0, 0); }
    int Counted() const { return counted_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kCountedMessage) {
            ++*reinterpret_cast<int*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    int counted_ = 0;
    unique_hwnd window_;
};

struct WindowSearch {
    std::vector<HWND> known;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectUnknownVisibleWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    if (::IsWindowVisible(window) &&
        std::find(search.known.begin(), search.known.end(), window) == search.known.end())
        search.found.push_back(window);
    return TRUE;
}

// The visible top-level windows of this thread other than the given ones: a message box would be one.
std::vector<HWND> OtherVisibleWindows(std::vector<HWND> known) {
    WindowSearch search{std::move(known), {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectUnknownVisibleWindow,
                        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Brings the window to the front, lets it paint itself completely and reach the display, then copies its
// client area from the screen into a 24-bit bitmap and writes that as a .bmp file into win-screenshots/
// beside the test program. The screen is the witness because it shows what the user sees: PrintWindow
// under Wine draws none of the controls. The frame and the caption are left out: without a window manager
// on the test display nobody draws them (the caption is checked as text instead). True when the file was
// written.
bool WriteScreenshot(HWND window, const std::string& name) {
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Win32MessagePump pump;
    for (int round = 0; round < 15; ++round) {
        pump.DoEvents();
        ::Sleep(20);
    }
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    const int width = client.right;
    const int height = client.bottom;
    const int stride = (width * 3 + 3) & ~3;

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height; // bottom-up, as .bmp files are usually stored
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(stride * height);
    void* bits = nullptr;
    const unique_hbitmap bitmap(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&header),
                                                   DIB_RGB_COLORS, &bits, nullptr, 0));
    const unique_memory_dc dc(::CreateCompatibleDC(nullptr));
    const window_dc screen(nullptr);
    if (!bitmap || !dc || !screen)
        return false;
    const HGDIOBJ previous = ::SelectObject(dc.get(), bitmap.get());
    const bool copied = ::BitBlt(dc.get(), 0, 0, width, height, screen.get(), origin.x, origin.y, SRCCOPY);
    ::GdiFlush();
    ::SelectObject(dc.get(), previous);
    if (!copied)
        return false;

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::string content(reinterpret_cast<const char*>(&file), sizeof file);
    content.append(reinterpret_cast<const char*>(&header), sizeof header);
    content.append(static_cast<const char*>(bits), header.biSizeImage);

    Win32FileSystem files;
    const std::string folder = ExecutableFolder() + "\\win-screenshots";
    files.CreateFolder(folder);
    return files.ReplaceFileAtomically(folder + "\\" + name + ".bmp", content);
}

// True when the control's text fits its client area in the control's font: wrapped for labels, on one
// line for buttons (less the room the button's frame takes).
bool TextFits(HWND control, bool wraps) {
    RECT client{};
    ::GetClientRect(control, &client);
    const window_dc dc(control);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = ::SelectObject(dc.get(), font);
    const std::wstring text = Widen(WindowText(control));
    RECT needed{0, 0, client.right, 0};
    const UINT format = DT_CALCRECT | (wraps ? DT_WORDBREAK | DT_NOPREFIX : DT_SINGLELINE);
    ::DrawTextW(dc.get(), text.c_str(), -1, &needed, format);
    ::SelectObject(dc.get(), previous);
    const int frame = wraps ? 0 : 2 * ::GetSystemMetrics(SM_CXEDGE) + 4;
    return needed.right <= client.right - frame && needed.bottom <= client.bottom;
}

class PauseWindowWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of its own, without the clip.
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        folder = Narrow(temp) + "karvello-pause-" + std::to_string(::GetCurrentProcessId());
        ASSERT_TRUE(files.CreateFolder(folder) || files.GetAttributes(folder));
    }
    void TearDown() override { files.RemoveFolder(folder); }

    Win32FileSystem files;
    std::string folder;
    CommonControls6Scope controls;
    OwnerWindow owner;
};

TEST_F(PauseWindowWinTest, ShowsModelessInFrontOfItsOwnerWithCaptionAndStatusUntilClosed) {
    frmPause form(::GetModuleHandleW(nullptr), folder);
    IPauseWindow& pause = form;

    owner.PostCounted();
    pause.ShowPauseWindow(owner.Id());
    const HWND window = form.Handle();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(owner.Counted(), 1) << "showing it lets the pending messages run";
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(::GetWindow(window, GW_OWNER), owner.get());
    EXPECT_TRUE(::IsWindowEnabled(owner.get())) << "modeless: the owner still takes input";
    EXPECT_EQ(WindowText(window), "Saving Changes...");

    owner.PostCounted();
    pause.SetPauseCaption("Refreshing Organized Folders...");
    EXPECT_EQ(WindowText(window), "Refreshing Organized Folders...");
    EXPECT_EQ(owner.Counted(), 2);

    owner.PostCounted();
    pause.SetPauseStatus("Dokumente f\xC3\xBCr \xC3\x84rzte");
    EXPECT_EQ(ItemText(window, IDC_LBL_STATUS), "Dokumente f\xC3\xBCr \xC3\x84rzte");
    EXPECT_EQ(owner.Counted(), 3);

    pause.ShowPauseWindow(owner.Id());
    EXPECT_EQ(form.Handle(), window) << "a second showing keeps the open window";
    EXPECT_TRUE(WriteScreenshot(window, "pause-window"));

    owner.PostCounted();
    pause.ClosePauseWindow();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(form.IsOpen());
    EXPECT_EQ(owner.Counted(), 4);

    // Closed, the operations change nothing and still let messages run.
    owner.PostCounted();
    pause.SetPauseStatus("late");
    pause.ClosePauseWindow();
    EXPECT_EQ(form.Handle(), nullptr);
    EXPECT_EQ(owner.Counted(), 5);
}

TEST_F(PauseWindowWinTest, CloseButtonUnloadsTheWindowAndItCanBeShownAgain) {
    frmPause form(::GetModuleHandleW(nullptr), folder);
    form.ShowPauseWindow(owner.Id());
    const HWND window = form.Handle();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ItemText(window, IDC_CMD_CLOSE), "Close");

    ::SendMessageW(::GetDlgItem(window, IDC_CMD_CLOSE), BM_CLICK, 0, 0);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(form.IsOpen());

    form.ShowPauseWindow(owner.Id());
    EXPECT_TRUE(form.IsOpen());
    EXPECT_TRUE(::IsWindowVisible(form.Handle()));
    form.ClosePauseWindow();
}

TEST_F(PauseWindowWinTest, AMissingClipLeavesTheAnimationEmptyWithoutAMessage) {
    ASSERT_FALSE(files.GetAttributes(folder + "\\filecopy.avi"));
    frmPause form(::GetModuleHandleW(nullptr), folder);
    form.ShowPauseWindow(owner.Id());
    ASSERT_TRUE(form.IsOpen());

    const HWND animation = ::GetDlgItem(form.Handle(), IDC_ANIMATION1);
    ASSERT_NE(animation, nullptr);
    EXPECT_TRUE(::IsWindowVisible(animation));
    EXPECT_FALSE(::SendMessageW(animation, ACM_ISPLAYING, 0, 0));
    EXPECT_TRUE(OtherVisibleWindows({owner.get(), form.Handle()}).empty()) << "no message box";
    form.ClosePauseWindow();
}

TEST(AboutBoxWinTest, ShowsTheVersionFromTheResourceAndItsButtonsUnclipped) {
    const CommonControls6Scope controls;
    ASSERT_TRUE(controls.Active());
    const OwnerWindow owner;
    Win32Registry registry;
    Win32FileSystem files;
    frmAbout about(registry, files);
    // The program shows the box modally; modeless here, so that the test can look at it while it is open.
    ASSERT_TRUE(about.CreateModeless(::GetModuleHandleW(nullptr), IDD_ABOUT, owner.get()));
    const HWND box = about.Handle();
    ::ShowWindow(box, SW_SHOW);
    ::UpdateWindow(box);

    EXPECT_EQ(WindowText(box), "About Karvello");
    // The numbers come from the version resource, written from the project's version by the build.
    EXPECT_EQ(ItemText(box, IDC_LBL_TITLE), "Tessary\xC2\xAE Karvello\xC2\xAE (" KRV_VERSION_STRING ")");
    EXPECT_EQ(ItemText(box, IDC_LBL_NOTICE1), ABOUT_COPYRIGHT_NOTICE);
    EXPECT_EQ(ItemText(box, IDC_LBL_NOTICE2), ABOUT_WARNING_NOTICE);
    EXPECT_EQ(ItemText(box, IDC_CMD_SYSINFO), "&System Info...");
    EXPECT_EQ(ItemText(box, IDC_CMD_TECHSUPPORT), "&Tech Support...");
    EXPECT_EQ(ItemText(box, IDC_CMD_OK), "OK");
    EXPECT_NE(::SendDlgItemMessageW(box, IDC_PIC_ICON, STM_GETICON, 0, 0), 0) << "the program's icon";

    for (const int label : {IDC_LBL_TITLE, IDC_LBL_NOTICE1, IDC_LBL_NOTICE2})
        EXPECT_TRUE(TextFits(::GetDlgItem(box, label), true)) << "label " << label << " is cut off";
    for (const int button : {IDC_CMD_OK, IDC_CMD_SYSINFO, IDC_CMD_TECHSUPPORT})
        EXPECT_TRUE(TextFits(::GetDlgItem(box, button), false)) << "button " << button << " is cut off";

    EXPECT_TRUE(WriteScreenshot(box, "about-box"));
    ::SendMessageW(::GetDlgItem(box, IDC_CMD_OK), BM_CLICK, 0, 0);
    EXPECT_FALSE(::IsWindowVisible(box)) << "OK closes the box";
}

} // namespace
} // namespace krv
