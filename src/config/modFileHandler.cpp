#include "config/modFileHandler.h"

#include "model/clsMenuCollection.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

#include <charconv>
#include <limits>
#include <optional>
#include <unordered_set>

namespace krv {
namespace {

using Records = std::vector<std::string_view>;

constexpr const char* kTrue = "True";
constexpr const char* kFalse = "False";
constexpr const char* kLineEnd = "\r\n";

// Cuts the content at every NUL. A record exists only once its NUL has been seen, so bytes after the last NUL
// are not a record.
Records SplitRecords(std::string_view bytes) {
    Records records;
    size_t start = 0;
    for (size_t nul = bytes.find('\0'); nul != std::string_view::npos; nul = bytes.find('\0', start)) {
        records.push_back(bytes.substr(start, nul - start));
        start = nul + 1;
    }
    return records;
}

// Walks one item section from its first record (the one after the tag). Each item takes 22 records and is
// handed to onItem only when another record follows it; that record either ends the section ("[END:]") or
// starts the next item. An item that the end of the file cuts short is not handed on. A section whose first
// record is "[END:]" holds no item: taking that record as an item's first field would swallow the 21 records
// after it, which belong to the next section or block. onItem returns false to stop the walk (stopped is then
// set). Returns the index of the first record after the section.
template <typename OnItem>
size_t WalkItemSection(const Records& records, size_t first, OnItem&& onItem, bool& stopped) {
    size_t pos = first;
    if (pos < records.size() && records[pos] == TAG_END)
        return pos + 1;
    while (records.size() - pos > kFieldsPerItem) {
        if (!onItem(pos)) {
            stopped = true;
            return records.size();
        }
        pos += kFieldsPerItem;
        if (records[pos] == TAG_END)
            return pos + 1;
    }
    return records.size();
}

bool IsItemSectionTag(std::string_view record) {
    return record == TAG_GROUP_USER || record == TAG_PATHS_SYSTEM;
}

bool IsSummaryTag(std::string_view record) {
    return record == TAG_SUMMARY_TITLE || record == TAG_SUMMARY_AUTHOR || record == TAG_SUMMARY_CATEGORY ||
           record == TAG_SUMMARY_KEYWORDS || record == TAG_SUMMARY_COMMENTS;
}

// Separators, the fixed entries, the Drives group and the drives are made anew by the program on every start,
// so they are neither written nor read back.
bool IsNeverStored(const clsMenuItem& item) {
    const std::string& name = item.Name();
    return item.Separator() || name == MIT_HF_ORGANIZE || name == MIT_HF_HELP || name == MIT_HF_SETTINGS ||
           name == MIT_PATHS_DRIVES || item.ItemType() == MIT_DRIVE;
}

// A decimal integer as the file stores it; blanks around it and leading zeros are tolerated. Nothing when the
// text is no number or does not fit T.
template <typename T> std::optional<T> ParseDecimal(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void AppendNumber(std::string& out, long long number) {
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, end);
}

// Appends one record: the text and its NUL. A text cannot hold a NUL in the file, where it would end the
// record early and shift every field after it, so any NUL inside the text is left out.
void AppendRecord(std::string& out, std::string_view text) {
    if (text.find('\0') == std::string_view::npos) {
        out.append(text);
    } else {
        for (char c : text) {
            if (c != '\0')
                out += c;
        }
    }
    out += '\0';
}

void AppendNumberRecord(std::string& out, long long number) {
    AppendNumber(out, number);
    out += '\0';
}

bool IsAscii(std::string_view bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

std::string FormatFileDate(const DateTime& value) {
    if (value.IsZero())
        return {};
    std::string text;
    for (int part : {value.Day, value.Month, value.Year, value.Hour, value.Minute, value.Second}) {
        AppendNumber(text, part);
        text += '|';
    }
    return text;
}

DateTime ParseFileDate(std::string_view text) {
    if (text.empty())
        return DateTime::Zero();
    // Six numbers, each ended by "|"; a missing number counts as 0 and an unreadable one makes its part
    // invalid.
    std::optional<int> parts[6];
    for (size_t i = 0, start = 0; i < 6; ++i) {
        const size_t bar = text.find('|', start);
        const std::string_view piece =
            start < text.size() ? text.substr(start, bar - start) : std::string_view();
        parts[i] = piece.empty() && start >= text.size() ? std::optional<int>(0) : ParseDecimal<int>(piece);
        start = bar == std::string_view::npos ? text.size() : bar + 1;
    }
    if (!parts[0] || !parts[1] || !parts[2] || !DateTime::IsValidDate(*parts[2], *parts[1], *parts[0]))
        return DateTime::Zero();
    DateTime result{*parts[2], *parts[1], *parts[0], 0, 0, 0};
    if (parts[3] && parts[4] && parts[5] && DateTime::IsValidTime(*parts[3], *parts[4], *parts[5])) {
        result.Hour = *parts[3];
        result.Minute = *parts[4];
        result.Second = *parts[5];
    }
    return result;
}

modFileHandler::modFileHandler(IFileSystem& fileSystem, const ICodePage& codePage, clsRegHandler& registry,
                               std::string programFolder, const Options& options,
                               CompleteLoadedTree completeLoadedTree)
    : fileSystem_(fileSystem), codePage_(codePage), registry_(registry),
      programFolder_(std::move(programFolder)), options_(options),
      completeLoadedTree_(std::move(completeLoadedTree)) {}

bool modFileHandler::ShowSystemFolders() const {
    return options_.AppearanceOptions[AC0_SHOW_SYSTEM_FOLDERS];
}

std::string modFileHandler::DefaultConfigFile() const {
    std::string path = programFolder_;
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path + DEFAULT_CONFIG_FILE_NAME;
}

const std::string& modFileHandler::PathOrCurrent(std::string_view path, std::string& buffer) const {
    if (path.empty())
        return currentConfigFile_;
    buffer.assign(path);
    return buffer;
}

// An empty "ConfigFile" value would name no file at all and make every later save fail, so it counts as
// unreadable.
void modFileHandler::GetConfigFileName(bool forceDefault) {
    std::string stored;
    if (!forceDefault &&
        registry_.GetKeyValue(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, REG_VALUE_CONFIG_FILE, stored) &&
        !stored.empty()) {
        currentConfigFile_ = std::move(stored);
    } else {
        currentConfigFile_ = DefaultConfigFile();
    }
}

bool modFileHandler::SaveConfigFileName(std::string_view path) {
    std::string buffer;
    return registry_.SetKeyValue(RegistryRoot::CurrentUser, REG_KEY_SETTINGS, REG_VALUE_CONFIG_FILE,
                                 std::string_view(PathOrCurrent(path, buffer)));
}

// Every character of the file is one byte of the ANSI code page. Every such code page agrees with ASCII, so
// the conversion is needed only for records that hold other bytes.
std::string modFileHandler::FromFile(std::string_view bytes) const {
    return IsAscii(bytes) ? std::string(bytes) : codePage_.FromAnsi(bytes);
}

std::string* modFileHandler::SummaryForTag(std::string_view tag) {
    if (tag == TAG_SUMMARY_TITLE)
        return &summary_.SummaryTitle;
    if (tag == TAG_SUMMARY_AUTHOR)
        return &summary_.SummaryAuthor;
    if (tag == TAG_SUMMARY_CATEGORY)
        return &summary_.SummaryCategory;
    if (tag == TAG_SUMMARY_KEYWORDS)
        return &summary_.SummaryKeywords;
    if (tag == TAG_SUMMARY_COMMENTS)
        return &summary_.SummaryComments;
    return nullptr;
}

bool modFileHandler::LoadConfigFile(clsMenuCollection& collection, std::string_view path) {
    std::string buffer;
    loadedConfigFile_ = PathOrCurrent(path, buffer);
    const std::string filePath = loadedConfigFile_;
    const std::optional<std::string> content = fileSystem_.ReadFile(filePath);
    if (!content)
        return false;
    if (content->empty()) {
        fileSystem_.DeleteFile(filePath);
        return false;
    }

    const bool showSystemFolders = ShowSystemFolders();
    bool systemSectionRead = false;
    const Records records = SplitRecords(*content);
    for (size_t i = 0; i < records.size();) {
        const std::string_view record = records[i];
        if (record == TAG_GROUP_USER || (record == TAG_PATHS_SYSTEM && showSystemFolders)) {
            systemSectionRead = systemSectionRead || record == TAG_PATHS_SYSTEM;
            bool failed = false;
            i = ReadItemSection(collection, records, i + 1, failed);
            if (failed)
                return false;
        } else if (std::string* summary = SummaryForTag(record)) {
            // The value record is taken as text, never as a tag, whatever it holds.
            if (i + 1 < records.size())
                *summary = FromFile(records[i + 1]);
            i += 2;
        } else {
            ++i;
        }
    }
    if (completeLoadedTree_)
        completeLoadedTree_(collection, showSystemFolders && !systemSectionRead);
    return true;
}

size_t modFileHandler::ReadItemSection(clsMenuCollection& collection, const Records& records, size_t first,
                                       bool& failed) const {
    return WalkItemSection(
        records, first,
        [&](size_t at) {
            clsMenuItem item;
            for (size_t field = 1; field <= kFieldsPerItem; ++field)
                ReadItemField(item, field, records[at + field - 1]);
            if (IsNeverStored(item))
                return true;
            return collection.AddOne(std::move(item), true, false);
        },
        failed);
}

// A field whose text does not convert keeps the item's default for that field.
void modFileHandler::ReadItemField(clsMenuItem& item, size_t field, std::string_view text) const {
    const auto setNumber = [&](auto set) {
        if (auto number = ParseDecimal<int32_t>(text))
            set(*number);
    };
    const auto setBoolean = [&](auto set) {
        if (auto flag = ParseBooleanText(text))
            set(*flag);
    };
    switch (field) {
    case 1:
        setNumber([&](int32_t n) { item.SetPosition(n); });
        break;
    case 2:
        item.SetName(FromFile(text));
        break;
    case 3:
        item.SetCaption(FromFile(text));
        break;
    case 4:
        setNumber([&](int32_t n) { item.Setflags(n); });
        break;
    case 5:
        item.SetOwnerName(FromFile(text));
        break;
    case 6:
        if (auto icon = ParseDecimal<int16_t>(text))
            item.SetIconID(*icon);
        break;
    case 7:
        setBoolean([&](bool b) { item.SetSeparator(b); });
        break;
    case 8:
        setBoolean([&](bool b) { item.SetSubMenu(b); });
        break;
    case 9:
        item.SetItemType(FromFile(text));
        break;
    case 10:
        item.SetOpenType(FromFile(text));
        break;
    case 11:
        setNumber([&](int32_t n) { item.SetDriveType(n); });
        break;
    case 12:
        item.SetDescription(FromFile(text));
        break;
    case 13:
        item.SetFolderPath(FromFile(text));
        break;
    case 14: // NetworkPath is reserved; nothing reads it back.
        break;
    case 15:
        item.SetItemPath(FromFile(text));
        break;
    case 16:
        item.SetItemLocation(FromFile(text));
        break;
    case 17:
        item.SetRemark(FromFile(text));
        break;
    case 18:
        setNumber([&](int32_t n) { item.SetKeyboardCode(n); });
        break;
    case 19:
        item.SetUserDescription(FromFile(text));
        break;
    case 20:
        item.SetTimeCreated(ParseFileDate(text));
        break;
    case 21:
        item.SetTimeModified(ParseFileDate(text));
        break;
    case 22:
        item.SetTimeAccessed(ParseFileDate(text));
        break;
    default:
        break;
    }
}

bool modFileHandler::SaveConfigFile(const clsMenuCollection& collection, std::string_view path,
                                    bool textListing) {
    std::string buffer;
    const std::string& filePath = PathOrCurrent(path, buffer);
    if (filePath.empty())
        return false;
    const std::string bytes = textListing ? TextListingBytes(collection) : ConfigurationBytes(collection);
    return fileSystem_.ReplaceFileAtomically(filePath, bytes);
}

std::string modFileHandler::ConfigurationBytes(const clsMenuCollection& collection) const {
    std::string out;
    out.reserve(static_cast<size_t>(collection.Count()) * 256);
    WriteItemSection(out, collection, MIT_GROUP_USER);
    if (ShowSystemFolders())
        WriteItemSection(out, collection, MIT_PATHS_SYSTEM);
    WriteSummary(out);
    return codePage_.ToAnsi(out);
}

void modFileHandler::WriteItemSection(std::string& out, const clsMenuCollection& collection,
                                      std::string_view section) const {
    AppendRecord(out, "[" + std::string(section) + ":]");
    for (const clsMenuItem& item : collection) {
        if (IsNeverStored(item))
            continue;
        if (item.Name() == section || collection.GetItemRootNode(item) == section)
            WriteItemRecord(out, item);
    }
    AppendRecord(out, TAG_END);
}

void modFileHandler::WriteItemRecord(std::string& out, const clsMenuItem& item) const {
    AppendNumberRecord(out, item.Position());
    AppendRecord(out, item.Name());
    AppendRecord(out, item.Caption());
    AppendNumberRecord(out, item.flags());
    AppendRecord(out, item.OwnerName());
    AppendNumberRecord(out, item.IconID());
    AppendRecord(out, item.Separator() ? kTrue : kFalse);
    AppendRecord(out, item.SubMenu() ? kTrue : kFalse);
    AppendRecord(out, item.ItemType());
    AppendRecord(out, item.OpenType());
    AppendNumberRecord(out, item.DriveType());
    AppendRecord(out, item.Description());
    AppendRecord(out, item.FolderPath());
    AppendRecord(out, item.NetworkPath());
    AppendRecord(out, item.ItemPath());
    AppendRecord(out, item.ItemLocation());
    AppendRecord(out, item.Remark());
    AppendNumberRecord(out, item.KeyboardCode());
    AppendRecord(out, item.UserDescription());
    AppendRecord(out, FormatFileDate(item.TimeCreated()));
    AppendRecord(out, FormatFileDate(item.TimeModified()));
    AppendRecord(out, FormatFileDate(item.TimeAccessed()));
}

void modFileHandler::WriteSummary(std::string& out) const {
    const std::pair<const char*, const std::string*> blocks[] = {
        {TAG_SUMMARY_TITLE, &summary_.SummaryTitle},       {TAG_SUMMARY_AUTHOR, &summary_.SummaryAuthor},
        {TAG_SUMMARY_CATEGORY, &summary_.SummaryCategory}, {TAG_SUMMARY_KEYWORDS, &summary_.SummaryKeywords},
        {TAG_SUMMARY_COMMENTS, &summary_.SummaryComments},
    };
    for (const auto& [tag, text] : blocks) {
        if (text->empty())
            continue;
        AppendRecord(out, tag);
        AppendRecord(out, *text);
        AppendRecord(out, TAG_END);
    }
}

std::string modFileHandler::TextListingBytes(const clsMenuCollection& collection) const {
    const CollectionCounts counts = collection.CountCollection();
    std::string out;
    out.reserve(static_cast<size_t>(collection.Count()) * 64);
    const auto line = [&](std::string_view text, long long number) {
        out.append(text);
        AppendNumber(out, number);
        out += kLineEnd;
    };
    out += loadedConfigFile_ + kLineEnd;
    out += kLineEnd;
    line("Number of shortcuts: ", counts.Total);
    line("Number of Folder Shortcuts: ", counts.Shortcuts);
    line("Number of Windows Explorer Shortcuts: ", counts.ExplorerShortcuts);
    line("Number of Open-All shortcuts: ", counts.OpenAll);
    line("Number of groups: ", counts.Groups);
    out += kLineEnd;
    WriteTextListing(out, collection, MIT_GROUP_USER);
    if (ShowSystemFolders())
        WriteTextListing(out, collection, MIT_PATHS_SYSTEM);
    return codePage_.ToAnsi(out);
}

// Depth first without recursion, so that a deeply nested tree cannot exhaust the stack; an item is listed at
// most once, so that owner links that form a loop cannot make the listing endless.
void modFileHandler::WriteTextListing(std::string& out, const clsMenuCollection& collection,
                                      std::string_view groupName) const {
    const clsMenuItem* group = collection.GetMenuItemFromName(groupName);
    if (group == nullptr)
        return;
    std::unordered_set<const clsMenuItem*> listed;
    std::vector<const clsMenuItem*> pending{group};
    while (!pending.empty()) {
        const clsMenuItem* item = pending.back();
        pending.pop_back();
        if (!listed.insert(item).second)
            continue;
        out.append(static_cast<size_t>(std::max<int16_t>(item->GetNestingLevel(), 0)), ' ');
        if (item->SubMenu())
            out += "[" + item->Caption() + "]";
        else
            out += item->Caption() + " (" + item->FolderPath() + ")";
        out += kLineEnd;
        if (item == group || item->SubMenu()) {
            const std::vector<clsMenuItem*> children = collection.Children(item->Name());
            pending.insert(pending.end(), children.rbegin(), children.rend());
        }
    }
}

bool modFileHandler::UpdateSummary(std::string_view path) {
    std::string buffer;
    const std::string& filePath = PathOrCurrent(path, buffer);
    if (!fileSystem_.FileExists(filePath))
        return true;
    const std::optional<std::string> content = fileSystem_.ReadFile(filePath);
    if (!content)
        return false;
    std::string summary;
    WriteSummary(summary);
    return fileSystem_.ReplaceFileAtomically(filePath,
                                             RemoveSummaryBlocks(*content) + codePage_.ToAnsi(summary));
}

// Keeps every byte of the file except its summary blocks (RemoveSummaryBlock for each one found) and anything
// after the last NUL, which is no record and would otherwise run into the first block appended after it.
// Tags are looked for only between the item sections, so that an item's text that happens to read like a tag
// is never mistaken for one. A block runs from its tag past its value to the end of the first "[END:]" after
// that; a block with no "[END:]" runs to the end of the file.
std::string modFileHandler::RemoveSummaryBlocks(std::string_view bytes) const {
    const Records records = SplitRecords(bytes);
    const auto offsetOf = [&](std::string_view record) {
        return static_cast<size_t>(record.data() - bytes.data());
    };
    const size_t recordsEnd = records.empty() ? 0 : offsetOf(records.back()) + records.back().size() + 1;

    std::string kept;
    kept.reserve(bytes.size());
    size_t keptFrom = 0;
    for (size_t i = 0; i < records.size();) {
        if (IsItemSectionTag(records[i])) {
            bool stopped = false;
            i = WalkItemSection(
                records, i + 1, [](size_t) { return true; }, stopped);
        } else if (IsSummaryTag(records[i])) {
            const size_t blockStart = offsetOf(records[i]);
            size_t end = i + 2;
            while (end < records.size() && records[end] != TAG_END)
                ++end;
            const size_t blockEnd =
                end < records.size() ? offsetOf(records[end]) + records[end].size() + 1 : recordsEnd;
            kept.append(bytes.substr(keptFrom, blockStart - keptFrom));
            keptFrom = blockEnd;
            i = end + 1;
        } else {
            ++i;
        }
    }
    if (keptFrom < recordsEnd)
        kept.append(bytes.substr(keptFrom, recordsEnd - keptFrom));
    return kept;
}

} // namespace krv
