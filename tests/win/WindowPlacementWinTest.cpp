// The window-placement store on a real window and the real registry.
#include <gtest/gtest.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/WindowPlacement.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

constexpr const wchar_t* kKey = L"Software\\Tessary\\Karvello\\frmLST";

class WindowPlacementWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        window.reset(::CreateWindowExW(0, L"STATIC", L"placement", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                       nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(window);
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }

    Win32Registry registry;
    clsRegHandler reg{registry};
    unique_hwnd window;
};

TEST_F(WindowPlacementWinTest, APlaceStoredInTwipsComesBack) {
    ::SetWindowPos(window.get(), nullptr, 40, 60, 320, 240, SWP_NOZORDER);
    StoreFormPosition(window.get(), reg, "frmShortcutsList", false);
    const int dpi = ScreenInfoFor(window.get()).Dpi;
    std::string text;
    ASSERT_TRUE(reg.GetKeyValue(RegistryRoot::CurrentUser, "Software\\Tessary\\Karvello\\frmLST", "W", text));
    EXPECT_EQ(text, std::to_string(PixelsToTwips(320, dpi)));

    ::SetWindowPos(window.get(), nullptr, 0, 0, 100, 100, SWP_NOZORDER);
    EXPECT_EQ(RestoreFormPosition(window.get(), reg, "frmShortcutsList", false, 0, 0, false), SW_SHOWNORMAL);
    RECT rect{};
    ::GetWindowRect(window.get(), &rect);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 60);
    EXPECT_EQ(rect.right - rect.left, 320);
    EXPECT_EQ(rect.bottom - rect.top, 240);
}

TEST_F(WindowPlacementWinTest, WithoutAStoredPlaceTheWindowIsCentredOnTheWorkArea) {
    EXPECT_EQ(RestoreFormPosition(window.get(), reg, "frmShortcutsList", false, 200, 100, true),
              SW_SHOWMAXIMIZED);
    const ScreenInfo screen = ScreenInfoFor(window.get());
    RECT rect{};
    ::GetWindowRect(window.get(), &rect);
    EXPECT_EQ(rect.right - rect.left, 200);
    EXPECT_EQ(rect.left, screen.WorkArea.Left + (screen.WorkArea.Width - 200) / 2);
    EXPECT_EQ(rect.top, screen.WorkArea.Top + (screen.WorkArea.Height - 100) / 2);
}

} // namespace
} // namespace krv
