#include "config/ConfigFileInfo.h"

#include <cmath>

#include "dialogs/modRegionalSettings.h"
#include "model/clsMenuCollection.h"
#include "platform/FileSystem.h"
#include "settings/modOptions.h"

namespace krv {
namespace {

// The group sizes of a LOCALE_SGROUPING text, from the right. A last size of 0 ("3;0") repeats the size
// before it; without it ("3") the digits left of the listed groups stay together.
struct GroupSizes {
    std::vector<int> sizes;
    bool repeatLast = false;
};

GroupSizes ParseGrouping(std::string_view grouping) {
    GroupSizes result;
    size_t start = 0;
    while (start <= grouping.size()) {
        const size_t end = std::min(grouping.find(';', start), grouping.size());
        const std::string_view part = grouping.substr(start, end - start);
        int size = 0;
        for (const char c : part) {
            if (c < '0' || c > '9')
                return {{3}, true};
            size = size * 10 + (c - '0');
        }
        if (size == 0) {
            result.repeatLast = !result.sizes.empty();
            break;
        }
        result.sizes.push_back(size);
        start = end + 1;
    }
    return result;
}

} // namespace

NumberFormatting ReadNumberFormatting(ILocale& locale) {
    NumberFormatting format;
    if (std::string text = locale.LocaleText(LOCALE_ITEM_DECIMAL_SEPARATOR); !text.empty())
        format.DecimalSeparator = std::move(text);
    if (std::string text = locale.LocaleText(LOCALE_ITEM_THOUSAND_SEPARATOR); !text.empty())
        format.ThousandSeparator = std::move(text);
    if (std::string text = locale.LocaleText(LOCALE_ITEM_DIGIT_GROUPING); !text.empty())
        format.Grouping = std::move(text);
    return format;
}

std::string FormatOneDecimal(double value, const NumberFormatting& format) {
    // Tenths, rounded half away from zero as the pattern does.
    const auto tenths = static_cast<uint64_t>(std::floor(std::fabs(value) * 10.0 + 0.5));
    std::string text = value < 0 && tenths > 0 ? "-" : "";
    if (tenths >= 10)
        text += std::to_string(tenths / 10);
    text += format.DecimalSeparator;
    text += std::to_string(tenths % 10);
    return text;
}

std::string FormatGrouped(uint64_t value, const NumberFormatting& format) {
    const std::string digits = std::to_string(value);
    const GroupSizes groups = ParseGrouping(format.Grouping);
    // Cut the digits from the right into the groups' sizes.
    std::vector<std::string> parts;
    size_t end = digits.size();
    size_t group = 0;
    while (end > 0) {
        size_t size = end;
        if (group < groups.sizes.size())
            size = static_cast<size_t>(groups.sizes[group]);
        else if (groups.repeatLast)
            size = static_cast<size_t>(groups.sizes.back());
        size = std::min(size, end);
        parts.push_back(digits.substr(end - size, size));
        end -= size;
        ++group;
    }
    std::string text;
    for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
        if (!text.empty())
            text += format.ThousandSeparator;
        text += *part;
    }
    return text;
}

std::string FileSizeText(uint64_t bytes, const NumberFormatting& format) {
    const double kilobytes = static_cast<double>(bytes) / 1024.0;
    const std::string exact = " (" + FormatGrouped(bytes, format) + " bytes)";
    if (kilobytes < 1024.0)
        return FormatOneDecimal(kilobytes, format) + " KB" + exact;
    return FormatOneDecimal(kilobytes / 1024.0, format) + " MB" + exact;
}

std::vector<StatisticRow> StatisticsRows(const clsMenuCollection& collection, const Options& options) {
    const CollectionCounts counts = collection.CountCollection();
    const auto yesNo = [](bool on) { return std::string(on ? "Yes" : "No"); };
    const std::pair<const char*, std::string> rows[] = {
        {"Number of shortcuts", std::to_string(counts.Total)},
        {"Number of Folder Shortcuts", std::to_string(counts.Shortcuts)},
        {"Number of Windows Explorer Shortcuts", std::to_string(counts.ExplorerShortcuts)},
        {"Number of Open-All shortcuts", std::to_string(counts.OpenAll)},
        {"Number of groups", std::to_string(counts.Groups)},
        {"Show System Folders group", yesNo(options.AppearanceOptions[AC0_SHOW_SYSTEM_FOLDERS])},
        {"Show Drives group in menu", yesNo(options.AppearanceOptions[AC1_SHOW_DRIVES])},
        {"Show Help in menu", yesNo(options.AppearanceOptions[AC2_SHOW_HELP])},
        {"Show Options in menu", yesNo(options.AppearanceOptions[AC3_SHOW_OPTIONS])},
    };
    std::vector<StatisticRow> result;
    for (const auto& [name, value] : rows)
        result.push_back({"C" + std::to_string(result.size() + 1), name, value});
    return result;
}

ConfigFileInfo::ConfigFileInfo(modFileHandler& files, IFileDetails& details, IMessageBox& messages,
                               modRegionalSettings& regional, ILocale& locale)
    : files_(files), details_(details), messages_(messages), regional_(regional), locale_(locale) {}

const std::string& ConfigFileInfo::ShownFile() const {
    // At the very first start nothing was loaded: the program began with its default tree, and the file
    // it is saved to is the current one.
    return files_.LoadedConfigFile().empty() ? files_.CurrentConfigFile() : files_.LoadedConfigFile();
}

std::optional<ConfigFilePage> ConfigFileInfo::Open() {
    const std::string& path = ShownFile();
    std::optional<FileDetails> details;
    if (!path.empty())
        details = details_.GetDetails(path);
    if (!details || (details->Attributes & FILE_ATTR_DIRECTORY) != 0) {
        // The message names the file that is missing: the one last loaded, which the editor may have opened
        // instead of the current one.
        messages_.Show("File " + path + " doesn't exist.", "Karvello", MessageButtons::Ok,
                       MessageIcon::Critical);
        return std::nullopt;
    }
    ConfigFilePage page;
    page.Location = std::string(FolderOfPath(path));
    page.Name = path.substr(path.find_last_of('\\') == std::string::npos ? 0 : path.find_last_of('\\') + 1);
    page.ShortName = details->ShortName;
    page.Size = FileSizeText(details->Size, ReadNumberFormatting(locale_));
    page.Created = regional_.FormatDateTimeLocal(details->Created);
    page.Modified = regional_.FormatDateTimeLocal(details->Modified);
    page.Accessed = regional_.FormatDateTimeLocal(details->Accessed);
    page.ReadOnly = (details->Attributes & FILE_ATTR_READONLY) != 0;
    page.Archive = (details->Attributes & FILE_ATTR_ARCHIVE) != 0;
    page.Hidden = (details->Attributes & FILE_ATTR_HIDDEN) != 0;
    page.System = (details->Attributes & FILE_ATTR_SYSTEM) != 0;
    return page;
}

bool ConfigFileInfo::Close(bool accepted, const SummaryTexts& edited) {
    if (!accepted)
        return true;
    files_.Summary() = edited;
    return files_.UpdateSummary(ShownFile());
}

} // namespace krv
