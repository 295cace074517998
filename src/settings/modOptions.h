#pragma once
// modOptions: the user's twenty on/off options and the tip flag, their registry storage and their defaults.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace krv {

class clsRegHandler;

inline constexpr size_t GENERAL_OPTION_COUNT = 5;
inline constexpr size_t APPEARANCE_OPTION_COUNT = 7;
inline constexpr size_t ADVANCED_OPTION_COUNT = 8;

// Indexes into Options::GeneralOptions ("GC" + index).
enum GeneralOption : int {
    GC0_ASK_BEFORE_DELETING = 0,
    GC1_ASK_DELETING_MISSING_FOLDERS = 1,
    GC2_DOUBLE_CLICK_OPENS_CHANGE = 2,
    GC3_DOUBLE_CLICK_OPENS_EXPLORER = 3,
    GC4_CHANGE_DIALOG_ON_DROP = 4,
};

// Indexes into Options::AppearanceOptions ("AC" + index).
enum AppearanceOption : int {
    AC0_SHOW_SYSTEM_FOLDERS = 0,
    AC1_SHOW_DRIVES = 1,
    AC2_SHOW_HELP = 2,
    AC3_SHOW_OPTIONS = 3,
    AC4_SHOW_SHORTCUT_ICONS = 4,
    AC5_IMPORTANT_SYSTEM_SHORTCUTS_FIRST = 5,
    AC6_ALTERNATE_COLOR = 6,
};

// Indexes into Options::AdvancedOptions ("ADVC" + index).
enum AdvancedOption : int {
    ADVC0_LOAD_ON_STARTUP = 0,
    ADVC1_EXPLORER_CONTEXT_MENU = 1,
    ADVC2_ORGANIZED_FOLDERS_DESKTOP = 2,
    ADVC3_ORGANIZED_FOLDERS_SEND_TO = 3,
    ADVC4_ORGANIZED_FOLDERS_FAVORITES = 4,
    ADVC5_SYSTEM_FOLDERS_IN_DIRECTORIES = 5,
    ADVC6_AUTO_REFRESH_DIRECTORIES = 6,
    ADVC7_HOT_KEYS = 7,
};

// The option arrays of the running program. The shell owns the one instance and hands it on by reference.
struct Options {
    std::array<bool, GENERAL_OPTION_COUNT> GeneralOptions{};
    std::array<bool, APPEARANCE_OPTION_COUNT> AppearanceOptions{};
    std::array<bool, ADVANCED_OPTION_COUNT> AdvancedOptions{};
    bool ShowTips = false;

    // The registry value names of the entries ("GC0" ... "ADVC7"), filled by InitOptionNames.
    std::array<std::string, GENERAL_OPTION_COUNT> GeneralOptionNames;
    std::array<std::string, APPEARANCE_OPTION_COUNT> AppearanceOptionNames;
    std::array<std::string, ADVANCED_OPTION_COUNT> AdvancedOptionNames;

    // An option by its value name ("AC0", "ADVC7", "TIP"); nullptr for any other name.
    bool* Find(std::string_view valueName);
    const bool* Find(std::string_view valueName) const;
    // The option's state; false for an unknown name.
    bool Get(std::string_view valueName) const;
    // Sets the option; false (and nothing changed) for an unknown name.
    bool Set(std::string_view valueName, bool on);

    bool operator==(const Options&) const = default;
};

// One row of the option table.
struct OptionDefinition {
    const char* ValueName;
    const char* Caption;     // as the Options dialog shows it
    bool DefaultWhenMissing; // what loading assumes when the value is missing, empty or unreadable
    bool DefaultButton;      // what the dialog's Default button sets
};

// The twenty options in table order: general, appearance, advanced.
const std::array<OptionDefinition, 20>& OptionTable();

// The boolean of a stored text (an option value, a flag of the configuration file): trimmed, "-1", "0", any
// number (true when not zero), "True" or "False" in any case. Nothing for an empty or unreadable text, which
// then keeps its default.
std::optional<bool> ParseBooleanText(std::string_view text);
// How an option is stored: "-1" for on, "0" for off.
const char* OptionText(bool on);

// Fills the name arrays ("GC" + index, "AC" + index, "ADVC" + index).
void InitOptionNames(Options& options);
// Reads the twenty options and "TIP" from the settings key. On the Windows 95/98/Me family (isOldWindows)
// there are no hot keys, so "ADVC7" is forced off.
void LoadOptions(Options& options, clsRegHandler& registry, bool isOldWindows);
// Writes the twenty options, then writes the start-up entry (quotedExePath) when "ADVC0" is on or deletes it
// when off; a failed write does not stop the others.
void SaveOptions(const Options& options, clsRegHandler& registry, std::string_view quotedExePath);

} // namespace krv
