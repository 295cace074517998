// The resident program's Windows implementations against the real API: the menu painter on a bitmap, and
// the shell's execute operation and the help viewer.
#include <gtest/gtest.h>
#include <string>

#include "menu/modMenuSystem.h"
#include "model/clsMenuItem.h"
#include "platform/Text.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32MenuPainter.h"
#include "platform/win32/Win32ShellExecute.h"

namespace krv {
namespace {

// A 32-bit bitmap selected into a memory DC, pre-filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, COLORREF background) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        dc_.reset(::CreateCompatibleDC(nullptr));
        selected_ = ::SelectObject(dc_.get(), bitmap_.get());
        const unique_hbrush brush(::CreateSolidBrush(background));
        const RECT all{0, 0, width, height};
        ::FillRect(dc_.get(), &all, brush.get());
    }
    ~Canvas() { ::SelectObject(dc_.get(), selected_); }
    HDC dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const { return ::GetPixel(dc_.get(), x, y); }
    // Number of pixels of a colour inside a rectangle.
    int Count(const RECT& rect, COLORREF color) const {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                count += At(x, y) == color ? 1 : 0;
        return count;
    }

private:
    unique_hbitmap bitmap_;
    unique_memory_dc dc_;
    HGDIOBJ selected_ = nullptr;
};

TEST(MenuPainter, AHighlightedFolderEntryIsARedBarWithWhiteText) {
    clsMenuItem item;
    item.SetCaption("Documents");
    const MenuDrawRequest request{.controlType = 1, .itemState = 1, .rect = {0, 0, 200, 19}};
    const MenuDrawSettings settings{
        .showIcons = true, .alternateColor = true, .highlightDiffersFromMenu = true};
    const auto plan = PlanMenuItemDrawing(item, request, settings);
    ASSERT_TRUE(plan);

    Canvas canvas(200, 19, RGB(0, 0, 255));
    PaintMenuItem(canvas.dc(), *plan, static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)),
                  [](int) -> HICON { return nullptr; });
    EXPECT_EQ(canvas.At(199, 10), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(24, 10), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(0, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.At(22, 5), ::GetSysColor(COLOR_BTNSHADOW));
    // The caption is drawn in white from 26 pixels on, and nothing is drawn left of it but the frame.
    EXPECT_GT(canvas.Count(RECT{26, 2, 200, 19}, RGB(255, 255, 255)), 10);
    EXPECT_EQ(canvas.Count(RECT{2, 2, 22, 17}, RGB(255, 255, 255)), 0);
}

TEST(MenuPainter, ASeparatorIsAnEtchedLineWithoutBackground) {
    clsMenuItem item;
    item.SetSeparator(true);
    const auto plan = PlanMenuItemDrawing(item, {.controlType = 1, .itemState = 0, .rect = {0, 0, 100, 10}},
                                          MenuDrawSettings{});
    ASSERT_TRUE(plan);
    Canvas canvas(100, 10, RGB(0, 0, 255));
    PaintMenuItem(canvas.dc(), *plan, static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)),
                  [](int) -> HICON { return nullptr; });
    EXPECT_EQ(canvas.At(50, 4), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(50, 5), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.At(1, 4), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(50, 2), RGB(0, 0, 255));
}

std::string TemporaryFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, path);
    return Narrow(path);
}

// The Recycle Bin is left out: the shell asks the user to confirm, as the program wants it to.
TEST(ShellOperations, FailuresAreReportedAsTheShellsCode) {
    Win32ShellExecute shell;
    const std::string missing = TemporaryFolder() + "karvello-no-such-file.krvc";
    EXPECT_LE(shell.Execute("open", missing, "", 5), 32);
    EXPECT_FALSE(shell.OpenHtmlHelp(TemporaryFolder() + "karvello-no-such-help.chm", 1));
}

} // namespace
} // namespace krv
