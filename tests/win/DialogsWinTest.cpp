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
#include "DialogTestSupport.h"
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

using namespace wintest;

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
