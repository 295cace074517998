#include "settings/modOptions.h"

#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"

#include <cctype>
#include <utility>

namespace krv {
namespace {

constexpr std::string_view kGeneralPrefix = "GC";
constexpr std::string_view kAppearancePrefix = "AC";
constexpr std::string_view kAdvancedPrefix = "ADVC";

constexpr std::array<OptionDefinition, 20> kOptionTable = {{
    {"GC0", "Ask before deleting items", true, true},
    {"GC1", "Ask for deleting shorcuts with missing folders", true, true},
    {"GC2", "Double-clicking an item opens Change dialog", false, false},
    {"GC3", "Double-clicking an item opens Windows Explorer", true, true},
    {"GC4", "Open Change dialog on drag-drop one path", true, true},
    {"AC0", "Show System Folders", true, true},
    {"AC1", "Show Drives", true, true},
    {"AC2", "Show Help", true, true},
    {"AC3", "Show Options", true, true},
    {"AC4", "Show shortcut icons in menu", true, true},
    {"AC5", "Show more important system shortcuts before the others", true, true},
    {"AC6", "Display shortcuts in menu with alternate color", true, true},
    {"ADVC0", "Load Karvello on Windows startup (Recommended)", false, true},
    {"ADVC1", "Use Windows Explorer context menu extension", false, true},
    {"ADVC2", "Show Organized Folders on Desktop", false, true},
    {"ADVC3", "Show Organized Folders in Send To menu", false, true},
    {"ADVC4", "Show Organized Folders in Favorites", false, false},
    {"ADVC5", "Show System Folders group in directories", false, false},
    {"ADVC6", "Automatically refresh directories", false, true},
    {"ADVC7", "Enable keyboard shortcuts (hot keys)", false, true},
}};

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// A decimal number with an optional sign and fraction ("-1", "2", "0.0"); nothing when the text is no number.
std::optional<bool> NumberIsNonZero(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    bool digits = false;
    bool nonZero = false;
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            nonZero = nonZero || c != '0';
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return nonZero;
}

// The index in "AC3" after its prefix; -1 when the name does not have that prefix or the index is out of
// range.
int IndexAfter(std::string_view valueName, std::string_view prefix, size_t count) {
    if (!valueName.starts_with(prefix) || valueName.size() != prefix.size() + 1)
        return -1;
    const int index = valueName.back() - '0';
    return index >= 0 && static_cast<size_t>(index) < count ? index : -1;
}

template <size_t N> void FillNames(std::array<std::string, N>& names, std::string_view prefix) {
    for (size_t i = 0; i < N; ++i)
        names[i] = std::string(prefix) + std::to_string(i);
}

// The option as stored, or its default when the value is missing, empty or unreadable.
bool ReadOption(clsRegHandler& registry, const std::string& valueName, bool defaultValue) {
    std::string text;
    if (!registry.GetKeyValue(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, valueName, text))
        return defaultValue;
    return ParseBooleanText(text).value_or(defaultValue);
}

template <size_t N>
void ReadOptions(std::array<bool, N>& values, const std::array<std::string, N>& names, size_t firstRow,
                 clsRegHandler& registry) {
    for (size_t i = 0; i < N; ++i)
        values[i] = ReadOption(registry, names[i], kOptionTable[firstRow + i].DefaultWhenMissing);
}

template <size_t N>
void WriteOptions(const std::array<bool, N>& values, const std::array<std::string, N>& names,
                  clsRegHandler& registry) {
    for (size_t i = 0; i < N; ++i)
        registry.SetKeyValue(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, names[i], OptionText(values[i]));
}

} // namespace

bool* Options::Find(std::string_view valueName) {
    return const_cast<bool*>(std::as_const(*this).Find(valueName));
}

const bool* Options::Find(std::string_view valueName) const {
    if (int i = IndexAfter(valueName, kGeneralPrefix, GeneralOptions.size()); i >= 0)
        return &GeneralOptions[i];
    if (int i = IndexAfter(valueName, kAppearancePrefix, AppearanceOptions.size()); i >= 0)
        return &AppearanceOptions[i];
    if (int i = IndexAfter(valueName, kAdvancedPrefix, AdvancedOptions.size()); i >= 0)
        return &AdvancedOptions[i];
    return valueName == REG_VALUE_TIP ? &ShowTips : nullptr;
}

bool Options::Get(std::string_view valueName) const {
    const bool* option = Find(valueName);
    return option != nullptr && *option;
}

bool Options::Set(std::string_view valueName, bool on) {
    bool* option = Find(valueName);
    if (option == nullptr)
        return false;
    *option = on;
    return true;
}

const std::array<OptionDefinition, 20>& OptionTable() {
    return kOptionTable;
}

std::optional<bool> ParseBooleanText(std::string_view text) {
    text = Trim(text);
    if (EqualsIgnoringCase(text, "True"))
        return true;
    if (EqualsIgnoringCase(text, "False"))
        return false;
    return NumberIsNonZero(text);
}

const char* OptionText(bool on) {
    return on ? "-1" : "0";
}

void InitOptionNames(Options& options) {
    FillNames(options.GeneralOptionNames, kGeneralPrefix);
    FillNames(options.AppearanceOptionNames, kAppearancePrefix);
    FillNames(options.AdvancedOptionNames, kAdvancedPrefix);
}

void LoadOptions(Options& options, clsRegHandler& registry, bool isOldWindows) {
    ReadOptions(options.GeneralOptions, options.GeneralOptionNames, 0, registry);
    ReadOptions(options.AppearanceOptions, options.AppearanceOptionNames, GENERAL_OPTION_COUNT, registry);
    ReadOptions(options.AdvancedOptions, options.AdvancedOptionNames,
                GENERAL_OPTION_COUNT + APPEARANCE_OPTION_COUNT, registry);
    if (isOldWindows)
        options.AdvancedOptions[ADVC7_HOT_KEYS] = false;
    options.ShowTips = ReadOption(registry, REG_VALUE_TIP, false);
}

void SaveOptions(const Options& options, clsRegHandler& registry, std::string_view quotedExePath) {
    WriteOptions(options.GeneralOptions, options.GeneralOptionNames, registry);
    WriteOptions(options.AppearanceOptions, options.AppearanceOptionNames, registry);
    WriteOptions(options.AdvancedOptions, options.AdvancedOptionNames, registry);
    if (options.AdvancedOptions[ADVC0_LOAD_ON_STARTUP])
        registry.SetKeyValue(RegistryRoot::CurrentUser, REG_KEY_RUN, REG_VALUE_RUN_KARVELLO, quotedExePath);
    else
        registry.DeleteValue(RegistryRoot::CurrentUser, REG_KEY_RUN, REG_VALUE_RUN_KARVELLO);
}

} // namespace krv
