#include "settings/FormPosition.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"

namespace krv {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kShortWindowNames = {{
    {"frmOrganize", "frmOrg"},
    {"frmProperties", "frmProp"},
    {"frmPropertiesConfigFile", "frmInfo"},
    {"frmOptions", "frmSet"},
    {"frmShortcutsList", "frmLST"},
}};

// A stored whole number; nothing when the value is missing, empty or not a whole number.
std::optional<int> ReadInteger(clsRegHandler& registry, const std::string& key, std::string_view name) {
    std::string text;
    if (!registry.GetKeyValue(RegistryRoot::CurrentUser, key, name, text))
        return std::nullopt;
    return ParseStoredInteger(text);
}

void WriteInteger(clsRegHandler& registry, const std::string& key, std::string_view name, int value) {
    registry.SetKeyValue(RegistryRoot::CurrentUser, key, name, std::to_string(value));
}

FormPlacement Centred(const FormPlacement& current, const ScreenInfo& screen, int defaultWidth,
                      int defaultHeight, bool maximize) {
    FormPlacement placement = current;
    if (defaultWidth > 0)
        placement.Bounds.Width = defaultWidth;
    if (defaultHeight > 0)
        placement.Bounds.Height = defaultHeight;
    placement.Bounds.Left = screen.WorkArea.Left + (screen.WorkArea.Width - placement.Bounds.Width) / 2;
    placement.Bounds.Top = screen.WorkArea.Top + (screen.WorkArea.Height - placement.Bounds.Height) / 2;
    placement.State = maximize ? FormWindowState::Maximized : FormWindowState::Normal;
    return placement;
}

} // namespace

bool PixelRect::Intersects(const PixelRect& other) const {
    return Left < other.Left + other.Width && other.Left < Left + Width && Top < other.Top + other.Height &&
           other.Top < Top + Height;
}

std::string FormPositionKey(std::string_view windowName) {
    for (const auto& [name, shortName] : kShortWindowNames) {
        if (name == windowName)
            return std::string(REG_KEY_PROGRAM) + "\\" + std::string(shortName);
    }
    return REG_KEY_PROGRAM;
}

int PixelsToTwips(int pixels, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * 1440.0 / dpi));
}

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

FormPlacement LoadFormPosition(clsRegHandler& registry, std::string_view windowName, bool fixedSize,
                               int defaultWidth, int defaultHeight, bool maximizeByDefault,
                               const FormPlacement& current, const ScreenInfo& screen) {
    const std::string key = FormPositionKey(windowName);
    const std::optional<int> left = ReadInteger(registry, key, "L");
    const std::optional<int> top = ReadInteger(registry, key, "T");
    std::optional<int> width;
    std::optional<int> height;
    std::optional<int> state = 0;
    if (!fixedSize) {
        width = ReadInteger(registry, key, "W");
        height = ReadInteger(registry, key, "H");
        state = ReadInteger(registry, key, "S");
    }
    if (!left || !top || !state || (!fixedSize && (!width || !height)))
        return Centred(current, screen, defaultWidth, defaultHeight, maximizeByDefault);

    FormPlacement placement = current;
    placement.State = *state == static_cast<int>(FormWindowState::Maximized) ? FormWindowState::Maximized
                                                                             : FormWindowState::Normal;
    if (placement.State == FormWindowState::Normal) {
        placement.Bounds.Left = TwipsToPixels(*left, screen.Dpi);
        placement.Bounds.Top = TwipsToPixels(*top, screen.Dpi);
        if (!fixedSize) {
            placement.Bounds.Width = TwipsToPixels(*width, screen.Dpi);
            placement.Bounds.Height = TwipsToPixels(*height, screen.Dpi);
        }
        if (placement.Bounds.Width <= 0 || placement.Bounds.Height <= 0 ||
            !placement.Bounds.Intersects(screen.VirtualScreen))
            return Centred(current, screen, defaultWidth, defaultHeight, maximizeByDefault);
    }
    return placement;
}

void SaveFormPosition(clsRegHandler& registry, std::string_view windowName, bool fixedSize,
                      const FormPlacement& current, int dpi) {
    const std::string key = FormPositionKey(windowName);
    if (current.State == FormWindowState::Normal) {
        WriteInteger(registry, key, "L", PixelsToTwips(current.Bounds.Left, dpi));
        WriteInteger(registry, key, "T", PixelsToTwips(current.Bounds.Top, dpi));
        if (!fixedSize) {
            WriteInteger(registry, key, "W", PixelsToTwips(current.Bounds.Width, dpi));
            WriteInteger(registry, key, "H", PixelsToTwips(current.Bounds.Height, dpi));
        }
    }
    if (!fixedSize)
        WriteInteger(registry, key, "S", static_cast<int>(current.State));
}

std::string_view TrimmedText(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<int> ParseStoredInteger(std::string_view text) {
    const std::string_view trimmed = TrimmedText(text);
    int value = 0;
    const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (trimmed.empty() || error != std::errc() || end != trimmed.data() + trimmed.size())
        return std::nullopt;
    return value;
}

} // namespace krv
