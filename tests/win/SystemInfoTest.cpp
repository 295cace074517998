// The system information and the message pump against the real API.
#include <gtest/gtest.h>

#include <string>

#include "groups/modSetupDrives.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32MessagePump.h"
#include "platform/win32/Win32SystemInfo.h"

namespace krv {
namespace {

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Win32SystemInfoTest, FindsTheWindowsFoldersAndExpandsTheEnvironment) {
    Win32SystemInfo system;
    const std::string windows = system.WindowsFolder();
    ASSERT_FALSE(windows.empty());
    EXPECT_NE(windows.back(), '\\');
    EXPECT_TRUE(IsFolder(windows)) << windows;
    const std::string systemFolder = system.SystemFolder();
    EXPECT_TRUE(IsFolder(systemFolder)) << systemFolder;
    EXPECT_EQ(Utf8ToUpper(systemFolder.substr(0, windows.size())), Utf8ToUpper(windows));

    EXPECT_EQ(Utf8ToUpper(system.ExpandEnvironment("%SystemRoot%\\Media")), Utf8ToUpper(windows + "\\Media"));
    EXPECT_EQ(system.ExpandEnvironment("no references"), "no references");
}

TEST(Win32SystemInfoTest, ListsDriveCAsAFixedDisk) {
    Win32SystemInfo system;
    const auto letters = system.DriveLetters();
    ASSERT_FALSE(letters.empty());
    EXPECT_NE(std::find(letters.begin(), letters.end(), 'C'), letters.end());
    EXPECT_EQ(system.DriveType("c:\\"), DRIVE_FIXED);
    EXPECT_TRUE(system.NetworkConnection("c:").empty()); // a local disk has no share

    const auto entries = ReadDriveList(system);
    ASSERT_EQ(entries.size(), letters.size());
    const auto c = std::find_if(entries.begin(), entries.end(), [](const std::string& e) { return e.starts_with("c:"); });
    ASSERT_NE(c, entries.end());
    const DriveCaption caption = FormatDriveCaption(system, *c);
    EXPECT_EQ(caption.Root, "c:\\");
    EXPECT_EQ(caption.DriveType, DRIVE_FIXED);
    EXPECT_TRUE(caption.Caption.ends_with("C:") || caption.Caption.ends_with("(C:)")) << caption.Caption;
}

TEST(Win32SystemInfoTest, AnAbsentDriveAnswersAtOnceWithoutABox) {
    Win32SystemInfo system;
    const DWORD present = ::GetLogicalDrives();
    char absent = 0;
    for (char letter = 'Y'; letter >= 'D'; --letter) {
        if (!(present & (1u << (letter - 'A')))) {
            absent = letter;
            break;
        }
    }
    ASSERT_NE(absent, 0);
    const std::string root = std::string(1, absent) + ":\\";
    EXPECT_EQ(system.VolumeLabel(root), "");
    EXPECT_EQ(system.NetworkConnection(root.substr(0, 2)), "");
    EXPECT_EQ(system.DriveType(root), DRIVE_NO_ROOT_DIR);
    // The error mode the query set for itself is gone afterwards.
    EXPECT_EQ(::GetThreadErrorMode() & SEM_FAILCRITICALERRORS, 0u);
}

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        ++*reinterpret_cast<int*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

TEST(Win32MessagePumpTest, RunsWaitingMessagesAndLeavesTheQuitRequestForTheLoop) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KarvelloPumpTest";
    ::RegisterClassExW(&windowClass);
    unique_hwnd window(::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                         windowClass.hInstance, nullptr));
    ASSERT_TRUE(window);
    int delivered = 0;
    ::SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&delivered));

    ::PostMessageW(window.get(), WM_APP, 0, 0);
    ::PostMessageW(window.get(), WM_APP, 0, 0);
    Win32MessagePump pump;
    pump.DoEvents();
    EXPECT_EQ(delivered, 2);

    ::PostQuitMessage(7);
    ::PostMessageW(window.get(), WM_APP, 0, 0);
    pump.DoEvents();
    MSG message;
    ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

} // namespace
} // namespace krv
