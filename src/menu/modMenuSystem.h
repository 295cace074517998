#pragma once
// modMenuSystem: how each owner-drawn entry of the popup menu is sized and painted, worked out as plain data
// (sizes, rectangles, colours, text and icon places) that the Windows painter only carries out.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/clsMenuItem.h"

namespace krv {

struct ProgramContext;

// The drawing's pixel constants are for 96 dots per inch.
inline constexpr int BASE_DPI = 96;

// A pixel length of the 96-DPI design at dpi, rounded to the nearest pixel.
int ScaleForDpi(int pixels, int dpi);

struct MenuItemSize {
    int width = 0;
    int height = 0;
    bool operator==(const MenuItemSize&) const = default;
};

// The size of an entry, from the average character width of the menu font (already at the screen's DPI).
MenuItemSize MeasureMenuItem(const clsMenuItem& item, int averageCharWidth, int dpi);

// Colours of the plan: the system colours by their index, and the two fixed ones.
enum class PlanColor : int {
    White = -1,
    PureRed = -2,
    Menu = 4,             // COLOR_MENU
    MenuText = 7,         // COLOR_MENUTEXT
    Highlight = 13,       // COLOR_HIGHLIGHT
    ButtonShadow = 16,    // COLOR_BTNSHADOW
    ButtonHighlight = 20, // COLOR_BTNHIGHLIGHT
};

struct PlanRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PlanRect&) const = default;
};

struct PlanFill {
    PlanRect rect;
    PlanColor color = PlanColor::Menu;
    bool operator==(const PlanFill&) const = default;
};

// A caption drawn with the menu font; "&" underlines the character after it and is not shown.
struct PlanText {
    std::string text;
    PlanRect rect;
    bool centered = false; // centred horizontally in rect, from its top; otherwise from its top-left corner
    bool operator==(const PlanText&) const = default;
};

struct PlanIcon {
    int slot = 0; // index into the table of menu icons
    int left = 0;
    int top = 0;
    int size = 0; // width and height
    bool operator==(const PlanIcon&) const = default;
};

// What painting one entry means, in the order given: fills, then texts in textColor, then the icon. The
// background is transparent for the texts.
struct MenuDrawPlan {
    PlanColor textColor = PlanColor::MenuText;
    std::vector<PlanFill> fills;
    std::vector<PlanText> texts;
    std::optional<PlanIcon> icon;
};

// The parts of the system's draw request that the plan depends on.
struct MenuDrawRequest {
    uint32_t controlType = 1; // 1 = menu
    uint32_t itemState = 0;
    PlanRect rect;
};

struct MenuDrawSettings {
    bool showIcons = false;               // "AC4"
    bool alternateColor = false;          // "AC6"
    bool highlightDiffersFromMenu = false; // the button-highlight colour is not the menu colour
    int dpi = BASE_DPI;
};

// The owner-draw state bit of a highlighted entry (ODS_SELECTED).
inline constexpr uint32_t ITEM_STATE_SELECTED = 0x1;

// How to paint item for request; nullopt when nothing is painted (not a menu entry).
std::optional<MenuDrawPlan> PlanMenuItemDrawing(const clsMenuItem& item, const MenuDrawRequest& request,
                                                const MenuDrawSettings& settings);

// The answer to a typed character while a menu is open (WM_MENUCHAR).
struct MenuCharChoice {
    enum class Action { Ignore, Execute, Select };
    Action action = Action::Ignore;
    int index = -1; // position of the chosen entry in its menu
    bool operator==(const MenuCharChoice&) const = default;
};

// One entry of an open menu, in position order.
struct MenuCharEntry {
    std::string caption;
    bool separator = false;
};

// Chooses the entry for a typed character (UTF-8): the entries whose mnemonic ("&" + character) it is,
// else the entries whose caption starts with it, compared without regard to case. One such entry is
// carried out; several are stepped through, starting after the highlighted one (current, -1 for none).
MenuCharChoice ChooseMenuCharEntry(const std::vector<MenuCharEntry>& entries, std::string_view typed, int current);

// Runs the item whose command identifier Windows reported; false when no item of the tree has it (a
// command of one of the window's own menus).
bool ExecuteMenuCommand(ProgramContext& context, int32_t commandId);

} // namespace krv
