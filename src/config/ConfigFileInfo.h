#pragma once
// ConfigFileInfo: the decisions of the configuration file information dialog (frmPropertiesConfigFile):
// the file page, the statistics of the tree, and storing the edited summary texts in the file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/modFileHandler.h"
#include "platform/FileDetails.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"

namespace krv {

class clsMenuCollection;
class modRegionalSettings;
struct Options;

inline constexpr const char* CONFIG_FILE_TYPE_TEXT = "Karvello Configuration File";

// Locale items of number formatting, with the numbers Windows gives them.
enum NumberLocaleItem : uint32_t {
    LOCALE_ITEM_DECIMAL_SEPARATOR = 0x0E,  // LOCALE_SDECIMAL
    LOCALE_ITEM_THOUSAND_SEPARATOR = 0x0F, // LOCALE_STHOUSAND
    LOCALE_ITEM_DIGIT_GROUPING = 0x10,     // LOCALE_SGROUPING, "3;0", "3;2;0", "3"
};

// The user's number formatting.
struct NumberFormatting {
    std::string DecimalSeparator = ".";
    std::string ThousandSeparator = ",";
    std::string Grouping = "3;0";
};
// The user's settings; an item the system cannot give keeps the value above.
NumberFormatting ReadNumberFormatting(ILocale& locale);

// A number with one decimal and no leading zero below 1 (the pattern "#.0": ".5", "1.5", "2.0").
std::string FormatOneDecimal(double value, const NumberFormatting& format);
// A whole number with the user's digit grouping (the pattern "#,0": "1,536", "0").
std::string FormatGrouped(uint64_t value, const NumberFormatting& format);
// The size label: "1.5 KB (1,536 bytes)" below 1024 KB, "2.0 MB (2,097,152 bytes)" from there on.
std::string FileSizeText(uint64_t bytes, const NumberFormatting& format);

// One row of the statistics list.
struct StatisticRow {
    std::string Key; // "C" + row number, from 1
    std::string Name;
    std::string Value;
    bool operator==(const StatisticRow&) const = default;
};
// The nine rows: the five counts of the tree, then "Yes" or "No" for four appearance options.
std::vector<StatisticRow> StatisticsRows(const clsMenuCollection& collection, const Options& options);

// What the file page shows.
struct ConfigFilePage {
    std::string Name;
    std::string Location;
    std::string ShortName;
    std::string Size;
    std::string Created;
    std::string Modified;
    std::string Accessed;
    bool ReadOnly = false;
    bool Archive = false;
    bool Hidden = false;
    bool System = false;
};

class ConfigFileInfo {
public:
    ConfigFileInfo(modFileHandler& files, IFileDetails& details, IMessageBox& messages,
                   modRegionalSettings& regional, ILocale& locale);

    // Opening: the page of the file last loaded, or the message that the file does not exist (and nothing).
    std::optional<ConfigFilePage> Open();
    // The summary texts the boxes start with.
    const SummaryTexts& Summary() const { return files_.Summary(); }
    // Closing: when accepted, the edited texts become the file's summary texts and only the summary blocks
    // of the file are written again; otherwise nothing changes. False when accepting could not write.
    bool Close(bool accepted, const SummaryTexts& edited);

private:
    // The file the dialog shows and writes: the one last loaded, else the current one.
    const std::string& ShownFile() const;

    modFileHandler& files_;
    IFileDetails& details_;
    IMessageBox& messages_;
    modRegionalSettings& regional_;
    ILocale& locale_;
};

} // namespace krv
