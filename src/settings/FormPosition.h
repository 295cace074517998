#pragma once
// The window-placement store: where the resizable windows were, kept in twips under a short key per window.

#include <optional>
#include <string>
#include <string_view>

namespace krv {

// A stored text without the blanks, tabs and line ends around it.
std::string_view TrimmedText(std::string_view text);
// A stored whole number (blanks around it allowed); nothing when the text is empty or not a whole number.
std::optional<int> ParseStoredInteger(std::string_view text);

class clsRegHandler;

// The numbers stored in "S".
enum class FormWindowState : int { Normal = 0, Minimized = 1, Maximized = 2 };

// A rectangle in pixels.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool Intersects(const PixelRect& other) const;
    bool operator==(const PixelRect&) const = default;
};

// A window's normal (restored) rectangle and its state.
struct FormPlacement {
    PixelRect Bounds;
    FormWindowState State = FormWindowState::Normal;

    bool operator==(const FormPlacement&) const = default;
};

// The screen the window is placed on.
struct ScreenInfo {
    PixelRect WorkArea;      // where a window without a stored place is centred
    PixelRect VirtualScreen; // all monitors together; a stored place outside it is not used
    int Dpi = 96;            // pixels per inch of the window, for the conversion to twips
};

// The registry key of a window's placement: the short name of the five windows that keep theirs
// ("frmOrganize" keeps it under "frmOrg", "frmOptions" under "frmSet" and so on), or the program's key for
// any other window.
std::string FormPositionKey(std::string_view windowName);

int PixelsToTwips(int pixels, int dpi);
int TwipsToPixels(int twips, int dpi);

// The placement a window opens with. With any stored value missing, the window gets the default size
// (where given as more than 0 pixels) centred on the work area, maximized when asked; otherwise the stored
// state (a minimized window opens normal) and, for a normal window, the stored place and, unless the size
// is fixed, the stored size. A stored place that lies wholly outside the screen counts as missing, so a
// window last shown on a monitor that is gone opens where it can be seen.
FormPlacement LoadFormPosition(clsRegHandler& registry, std::string_view windowName, bool fixedSize,
                               int defaultWidth, int defaultHeight, bool maximizeByDefault,
                               const FormPlacement& current, const ScreenInfo& screen);

// Stores the place ("L", "T") and, unless the size is fixed, the size ("W", "H") of a normal window, and,
// unless the size is fixed, the state ("S").
void SaveFormPosition(clsRegHandler& registry, std::string_view windowName, bool fixedSize,
                      const FormPlacement& current, int dpi);

} // namespace krv
