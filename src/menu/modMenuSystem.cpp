#include "menu/modMenuSystem.h"

#include <cmath>
#include <cstdint>

#include "app/Program.h"
#include "menu/modMenuAction.h"
#include "platform/Text.h"

namespace krv {
namespace {

// The entries the alternate colour paints red when highlighted: the ones that open folders.
bool OpensFolders(const clsMenuItem& item) {
    const std::string& type = item.ItemType();
    return type == MIT_PATH || type == MIT_DRIVE || type == MIT_OPENALL;
}

// Only icon numbers that name a slot of the table are drawn; a configuration file can hold any number.
bool HasDrawableIcon(const clsMenuItem& item) { return item.IconID() > 0 && item.IconID() < ICON_COUNT; }

// The character (UTF-8) that starts text at byte position, or empty at the end.
std::string CharacterAt(std::string_view text, size_t position) {
    if (position >= text.size())
        return {};
    size_t length = 1;
    while (position + length < text.size() && (static_cast<unsigned char>(text[position + length]) & 0xC0) == 0x80)
        ++length;
    return std::string(text.substr(position, length));
}

// The mnemonic of a caption: the character after a single "&" ("&&" shows an ampersand).
std::string Mnemonic(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return CharacterAt(caption, i + 1);
        ++i;
    }
    return {};
}

std::string FirstShownCharacter(std::string_view caption) {
    if (caption.starts_with('&') && !caption.starts_with("&&"))
        caption.remove_prefix(1);
    return CharacterAt(caption, 0);
}

} // namespace

int ScaleForDpi(int pixels, int dpi) {
    const int64_t product = static_cast<int64_t>(pixels) * dpi;
    const int64_t half = BASE_DPI / 2;
    return static_cast<int>(product >= 0 ? (product + half) / BASE_DPI : (product - half) / BASE_DPI);
}

MenuItemSize MeasureMenuItem(const clsMenuItem& item, int averageCharWidth, int dpi) {
    if (item.Separator())
        return {ScaleForDpi(30, dpi), ScaleForDpi(10, dpi)};
    int charWidth = averageCharWidth;
    // Drive captions carry more capitals and brackets than other captions; nearbyint rounds halves to even.
    if (item.ItemType() == MIT_DRIVE)
        charWidth = static_cast<int>(std::nearbyint(charWidth * 1.1));
    const std::string& caption = item.CaptionMenu();
    const int characters = static_cast<int>(Utf8Length(caption)) + (caption.starts_with('&') ? 0 : 3);
    MenuItemSize size{characters * charWidth + ScaleForDpi(30, dpi), ScaleForDpi(19, dpi)};
    if (item.SubMenu())
        size.width += ScaleForDpi(25, dpi);
    return size;
}

std::optional<MenuDrawPlan> PlanMenuItemDrawing(const clsMenuItem& item, const MenuDrawRequest& request,
                                                const MenuDrawSettings& settings) {
    constexpr uint32_t kMenuControl = 1; // ODT_MENU
    if (request.controlType != kMenuControl)
        return std::nullopt;
    const auto s = [&settings](int pixels) { return ScaleForDpi(pixels, settings.dpi); };
    const auto [L, T, R, B] = request.rect;
    MenuDrawPlan plan;

    // Entries count as highlighted whenever the selected bit is set: Windows adds other bits (hidden
    // accelerator cues, for one) that change while the user moves through the menu.
    if (request.itemState & ITEM_STATE_SELECTED) {
        plan.textColor = PlanColor::White;
        PlanRect bar = request.rect;
        if (settings.showIcons && settings.highlightDiffersFromMenu) {
            plan.fills.push_back({{L, T, L + s(22), T + s(1)}, PlanColor::ButtonHighlight});
            plan.fills.push_back({{L, T, L + s(1), T + s(18)}, PlanColor::ButtonHighlight});
            plan.fills.push_back({{L + s(22), T, L + s(23), T + s(19)}, PlanColor::ButtonShadow});
            plan.fills.push_back({{L, T + s(18), L + s(23), T + s(19)}, PlanColor::ButtonShadow});
            bar.left = L + s(24);
        }
        const bool red = settings.alternateColor && OpensFolders(item);
        plan.fills.push_back({bar, red ? PlanColor::PureRed : PlanColor::Highlight});
    } else {
        plan.textColor = PlanColor::MenuText;
        if (!item.Separator()) {
            plan.fills.push_back({request.rect, PlanColor::Menu});
        } else {
            const bool captioned = !item.CaptionMenu().empty();
            for (const auto& [offset, color] : {std::pair{s(4), PlanColor::ButtonShadow},
                                                std::pair{s(5), PlanColor::ButtonHighlight}}) {
                const int top = T + offset;
                const int bottom = top + s(1);
                if (captioned) {
                    plan.fills.push_back({{L + s(2), top, L + s(37), bottom}, color});
                    plan.fills.push_back({{R - s(37), top, R - s(2), bottom}, color});
                } else {
                    plan.fills.push_back({{L + s(2), top, R - s(2), bottom}, color});
                }
            }
            if (captioned)
                plan.texts.push_back({item.CaptionMenu(), {L, T - s(3), R, B + s(3)}, true});
        }
    }

    if (!item.Separator()) {
        plan.texts.push_back({item.CaptionMenu(), {L + s(26), T + s(2), R, B}, false});
        if (settings.showIcons && HasDrawableIcon(item))
            plan.icon = PlanIcon{item.IconID(), L + s(4), T + s(2), s(16)};
    }
    return plan;
}

MenuCharChoice ChooseMenuCharEntry(const std::vector<MenuCharEntry>& entries, std::string_view typed, int current) {
    const std::string wanted = Utf8ToUpper(typed);
    if (wanted.empty())
        return {};
    const auto matches = [&](auto characterOf) {
        std::vector<int> found;
        for (int i = 0; i < static_cast<int>(entries.size()); ++i)
            if (!entries[i].separator && Utf8ToUpper(characterOf(entries[i].caption)) == wanted)
                found.push_back(i);
        return found;
    };
    std::vector<int> found = matches(Mnemonic);
    if (found.empty())
        found = matches(FirstShownCharacter);
    if (found.empty())
        return {};
    if (found.size() == 1)
        return {MenuCharChoice::Action::Execute, found.front()};
    for (const int index : found)
        if (index > current)
            return {MenuCharChoice::Action::Select, index};
    return {MenuCharChoice::Action::Select, found.front()};
}

bool ExecuteMenuCommand(ProgramContext& context, int32_t commandId) {
    clsMenuCollection& items = context.state.MenuItems;
    bool notFound = false;
    clsMenuItem* item = items.GetMenuItemFromID(commandId, notFound);
    // A group's identifier is its submenu's handle, which can equal a command identifier by chance; only
    // entries that are not groups send commands.
    if (item != nullptr && item->SubMenu()) {
        item = nullptr;
        for (clsMenuItem& candidate : items) {
            if (candidate.ID() == commandId && !candidate.SubMenu()) {
                item = &candidate;
                break;
            }
        }
    }
    if (item == nullptr)
        return false;
    ExecuteMenuItem(context, *item);
    return true;
}

} // namespace krv
