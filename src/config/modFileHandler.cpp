#include "config/modFileHandler.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_set>

#include "model/clsMenuCollection.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "settings/RegistryNames.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace krv {
namespace {

using Records = std::vector<std::string_view>;

constexpr const char* kTrue = "True";
constexpr const char* kFalse = "False";
constexpr const char* kLineEnd = "\r\n";
// Every ANSI code page writes a byte for each character, so a file is about as long as the texts of its
// items; a typical item of a user's tree takes some 300 bytes.
constexpr size_t kExpectedBytesPerItem = 384;

// The 22 records of one item.
using ItemRecords = std::array<std::string_view, kFieldsPerItem>;

// The records of a vector from a given one on, handed out as RecordCursor hands out those of the bytes.
class RecordsFrom {
public:
    RecordsFrom(const Records& records, size_t first) : records_(records), next_(first) {}
    bool Next(std::string_view& record) {
        if (next_ >= records_.size())
            return false;
        record = records_[next_++];
        return true;
    }
    size_t Position() const { return next_; }

private:
    const Records& records_;
    size_t next_;
};

// Walks one item section from its first record (the one after the tag) on: records is a RecordCursor or
// RecordsFrom standing there. Each item takes 22 records and is handed to onItem only when another record
// follows it; that record either ends the section ("[END:]") or starts the next item. An item that the end of
// the file cuts short is not handed on. A section whose first record is "[END:]" holds no item: taking that
// record as an item's first field would swallow the 21 records after it, which belong to the next section or
// block. onItem returns false to stop the walk (stopped is then set). ended tells whether the section reached
// its "[END:]"; a file cut short leaves it false. The walk leaves records after the "[END:]", at the end of
// the file, or (when stopped) after the item that stopped it.
template <typename Source, typename OnItem>
void WalkItemSection(Source& records, OnItem&& onItem, bool& stopped, bool& ended) {
    ended = false;
    std::string_view next;
    if (!records.Next(next))
        return;
    ItemRecords item;
    while (next != TAG_END) {
        item[0] = next;
        for (size_t field = 1; field < kFieldsPerItem; ++field) {
            if (!records.Next(item[field]))
                return;
        }
        if (!records.Next(next))
            return;
        if (!onItem(item)) {
            stopped = true;
            return;
        }
    }
    ended = true;
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
    const std::string_view name = item.Name();
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

// Every ANSI code page agrees with ASCII, and in UTF-8 an ASCII byte never belongs to a longer character, so
// only the runs of other characters need the code page. That keeps a 10 MB file of mostly ASCII text cheap.
void AppendInCodePage(std::string& bytes, std::string_view utf8, const ICodePage& codePage) {
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t runEnd = pos;
        while (runEnd < utf8.size() && static_cast<unsigned char>(utf8[runEnd]) < 0x80)
            ++runEnd;
        bytes.append(utf8.substr(pos, runEnd - pos));
        pos = runEnd;
        while (runEnd < utf8.size() && static_cast<unsigned char>(utf8[runEnd]) >= 0x80)
            ++runEnd;
        if (runEnd > pos)
            bytes += codePage.ToAnsi(utf8.substr(pos, runEnd - pos));
        pos = runEnd;
    }
}

std::string Utf8ToFile(std::string_view utf8, const ICodePage& codePage) {
    std::string bytes;
    bytes.reserve(utf8.size());
    AppendInCodePage(bytes, utf8, codePage);
    return bytes;
}

// Eight bytes at a time: most records are plain ASCII, and every byte of the file is looked at here.
bool IsAscii(std::string_view bytes) {
    constexpr uint64_t kHighBits = 0x8080808080808080;
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        if (word & kHighBits)
            return false;
    }
    for (; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    }
    return true;
}

// True when the text is plain ASCII without a NUL, which a record takes unchanged in every code page. Eight
// bytes are looked at in one step: subtracting 1 from each byte sets its high bit when it was 0 (or when a
// lower byte was, which then counts already), and a byte of 0x80 or more has that bit anyway.
bool IsPlainRecordText(std::string_view text) {
    constexpr uint64_t kOnes = 0x0101010101010101;
    constexpr uint64_t kHighBits = 0x8080808080808080;
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if (((word - kOnes) | word) & kHighBits)
            return false;
    }
    for (; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i] - 1) >= 0x7F)
            return false;
    }
    return true;
}

std::string WithoutNuls(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (c != '\0')
            kept += c;
    }
    return kept;
}

// The longest number to_chars makes of a long long, and the longest date: six int numbers, each with its bar.
constexpr size_t kMaxNumberLength = 20;
constexpr size_t kMaxDateLength = 6 * 12;

char* WriteNumber(char* at, long long number) {
    return std::to_chars(at, at + kMaxNumberLength, number).ptr;
}

// Writes the date as FormatFileDate gives it to at, which has room for kMaxDateLength bytes; returns the end.
char* WriteFileDate(char* at, const DateTime& value) {
    if (value.IsZero())
        return at;
    for (int part : {value.Day, value.Month, value.Year, value.Hour, value.Minute, value.Second}) {
        at = std::to_chars(at, at + 11, part).ptr;
        *at++ = '|';
    }
    return at;
}

} // namespace

// The bytes of a file being written, record by record, in the file's code page. The bytes are written into a
// buffer that grows by doubling and is never filled beforehand, so that a record costs little more than
// copying its bytes.
class RecordWriter {
public:
    RecordWriter(const ICodePage& codePage, size_t expectedSize) : codePage_(codePage) {
        Grow(std::max<size_t>(expectedSize, 64));
    }

    // A record of UTF-8 text, in the code page; a NUL inside it is left out, as it would end the record
    // early in the file and shift every field after it. True when the code page holds the whole text.
    bool Text(std::string_view utf8) {
        if (IsPlainRecordText(utf8)) {
            Plain(utf8);
            return true;
        }
        std::string converted;
        AppendInCodePage(converted, utf8.find('\0') == std::string_view::npos ? utf8 : WithoutNuls(utf8),
                         codePage_);
        Plain(converted);
        return IsAscii(utf8) || CodePageHolds(codePage_, utf8);
    }
    // A record of bytes taken as they are (tags, words of the layout, the UTF-8 block), without any NUL.
    void Unconverted(std::string_view text) {
        Plain(text.find('\0') == std::string_view::npos ? text : WithoutNuls(text));
    }
    void Number(long long number) {
        char* at = Room(kMaxNumberLength + 1);
        at = WriteNumber(at, number);
        *at++ = '\0';
        used_ = static_cast<size_t>(at - bytes_.get());
    }
    void Date(const DateTime& value) {
        char* at = Room(kMaxDateLength + 1);
        at = WriteFileDate(at, value);
        *at++ = '\0';
        used_ = static_cast<size_t>(at - bytes_.get());
    }
    // Bytes that are no record of their own (the kept part of a file being rewritten).
    void Bytes(std::string_view bytes) {
        std::memcpy(Room(bytes.size()), bytes.data(), bytes.size());
        used_ += bytes.size();
    }

    std::string_view Written() const { return {bytes_.get(), used_}; }

private:
    // The text and its NUL; the text holds no NUL.
    void Plain(std::string_view text) {
        char* at = Room(text.size() + 1);
        std::memcpy(at, text.data(), text.size());
        at[text.size()] = '\0';
        used_ += text.size() + 1;
    }
    // Where the next byte goes, with room for at least count bytes.
    char* Room(size_t count) {
        if (capacity_ - used_ < count)
            Grow(std::max(capacity_ * 2, used_ + count));
        return bytes_.get() + used_;
    }
    void Grow(size_t capacity) {
        auto larger = std::make_unique_for_overwrite<char[]>(capacity);
        if (used_ > 0)
            std::memcpy(larger.get(), bytes_.get(), used_);
        bytes_ = std::move(larger);
        capacity_ = capacity;
    }

    const ICodePage& codePage_;
    std::unique_ptr<char[]> bytes_;
    size_t capacity_ = 0;
    size_t used_ = 0;
};

namespace {

// A record that an older reader would take for a section or summary tag. Such a record inside the UTF-8 block
// would make that reader misread what follows, so the block never holds one.
bool LooksLikeTag(std::string_view record) {
    return record.size() >= 3 && record.front() == '[' && record.ends_with(":]");
}

// The entries of a UTF-8 block whose tag is at records[tag]: triples up to the "[END:]" (or the end of the
// file). Returns the index after the block.
template <typename OnEntry> size_t WalkUtf8Block(const Records& records, size_t tag, OnEntry&& onEntry) {
    size_t pos = tag + 1;
    while (pos < records.size() && records[pos] != TAG_END) {
        if (records.size() - pos < 3)
            return records.size();
        const auto field = ParseDecimal<int>(records[pos + 1]);
        if (field)
            onEntry(records[pos], *field, records[pos + 2]);
        pos += 3;
    }
    return pos < records.size() ? pos + 1 : records.size();
}

// Walks the records outside the item sections, as the reader meets them: item sections are stepped over
// whole (so that an item's text is never taken for a tag), a summary tag takes its value record with it.
// onRecord gets the index of each record it meets and returns the index to go on from.
template <typename OnRecord> void WalkOutsideSections(const Records& records, OnRecord&& onRecord) {
    for (size_t i = 0; i < records.size();) {
        if (IsItemSectionTag(records[i])) {
            bool stopped = false;
            bool ended = false;
            RecordsFrom section(records, i + 1);
            WalkItemSection(
                section, [](const ItemRecords&) { return true; }, stopped, ended);
            i = section.Position();
        } else {
            i = onRecord(i);
        }
    }
}

// The number of a summary text in the UTF-8 block: 1 to 5 in the order the blocks are written.
int SummaryNumber(std::string_view tag) {
    const std::string_view tags[] = {TAG_SUMMARY_TITLE, TAG_SUMMARY_AUTHOR, TAG_SUMMARY_CATEGORY,
                                     TAG_SUMMARY_KEYWORDS, TAG_SUMMARY_COMMENTS};
    for (size_t i = 0; i < std::size(tags); ++i) {
        if (tags[i] == tag)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

std::string FileKey(std::string_view path) {
    return Utf8ToUpper(path);
}

const char* ProblemText(LoadProblem problem) {
    switch (problem) {
    case LoadProblem::Unreadable:
        return "it could not be read";
    case LoadProblem::TooManyItems:
        return "it holds more items than Karvello can load";
    case LoadProblem::CutOff:
        return "it ends in the middle of its items";
    case LoadProblem::NoPersonalGroup:
        return "it holds no Personal group";
    default:
        return "";
    }
}

} // namespace

// A record exists only once its NUL has been seen, so bytes after the last NUL are not a record.
std::vector<std::string_view> SplitConfigRecords(std::string_view bytes) {
    Records records;
    records.reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\0')));
    size_t start = 0;
    for (size_t nul = bytes.find('\0'); nul != std::string_view::npos; nul = bytes.find('\0', start)) {
        records.push_back(bytes.substr(start, nul - start));
        start = nul + 1;
    }
    return records;
}

namespace {

constexpr size_t kScanBlock = 16;

// One bit for every NUL among the bytes of the block at first (bit 0 for the byte at first); a block at the
// end of the bytes may be shorter.
uint32_t NulsOfBlock(std::string_view bytes, size_t first) {
#if defined(__SSE2__)
    if (bytes.size() - first >= kScanBlock) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + first));
        return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_setzero_si128())));
    }
#endif
    uint32_t mask = 0;
    const size_t end = std::min(bytes.size(), first + kScanBlock);
    for (size_t i = first; i < end; ++i)
        mask |= static_cast<uint32_t>(bytes[i] == '\0') << (i - first);
    return mask;
}

} // namespace

// The NULs are found a block of bytes at a time, which is several times faster than looking for each one
// from the end of the record before it: most records are only a few bytes long.
size_t RecordCursor::NextNul() {
    for (;;) {
        if (!masked_) {
            if (block_ >= bytes_.size())
                return bytes_.size();
            mask_ = NulsOfBlock(bytes_, block_);
            masked_ = true;
        }
        if (mask_ != 0) {
            const size_t nul = block_ + static_cast<size_t>(std::countr_zero(mask_));
            mask_ &= mask_ - 1;
            return nul;
        }
        block_ += kScanBlock;
        masked_ = false;
    }
}

bool RecordCursor::Next(std::string_view& record) {
    const size_t nul = NextNul();
    if (nul >= bytes_.size())
        return false;
    record = bytes_.substr(start_, nul - start_);
    start_ = nul + 1;
    return true;
}

std::string BackupFileName(std::string_view path, int number) {
    return std::string(path) + ".bak" + std::to_string(number);
}

bool ConfigLoadStatus::NeedsReport() const {
    return Problem == LoadProblem::Unreadable || Problem == LoadProblem::TooManyItems ||
           Problem == LoadProblem::CutOff || Problem == LoadProblem::NoPersonalGroup;
}

std::string LoadProblemMessage(const ConfigLoadStatus& status) {
    if (!status.NeedsReport())
        return {};
    std::string text = "The configuration file " + status.Path +
                       " was not loaded completely: " + ProblemText(status.Problem) + ".\n\n";
    if (!status.KeptCopy.empty())
        text += "Its content was kept unchanged in " + status.KeptCopy + ".";
    else
        text += "No copy of it could be kept, so Karvello will not save over it.";
    return text;
}

bool ReportLoadProblem(IMessageBox& messageBox, ConfigLoadStatus& status) {
    if (status.Reported || !status.NeedsReport())
        return false;
    status.Reported = true;
    messageBox.Show(LoadProblemMessage(status), "Karvello", MessageButtons::Ok, MessageIcon::Information);
    return true;
}

std::string FormatFileDate(const DateTime& value) {
    char text[kMaxDateLength];
    return std::string(text, WriteFileDate(text, value));
}

namespace {

using DateParts = std::optional<int>[6];

// The parts of a date as the writer writes it: six groups of digits, each ended by "|". False (and parts
// left as they are) for any other text; ReadDateParts reads that the same way, only slower.
bool ReadWrittenDateParts(std::string_view text, DateParts& parts) {
    constexpr size_t kMaxDigits = 9; // so that a group always fits an int
    size_t pos = 0;
    int values[6];
    for (int& value : values) {
        const size_t first = pos;
        value = 0;
        while (pos < text.size() && pos - first < kMaxDigits && text[pos] >= '0' && text[pos] <= '9')
            value = value * 10 + (text[pos++] - '0');
        if (pos == first || pos >= text.size() || text[pos] != '|')
            return false;
        ++pos;
    }
    for (size_t i = 0; i < 6; ++i)
        parts[i] = values[i];
    return true;
}

// Six numbers, each ended by "|"; a missing number counts as 0 and an unreadable one makes its part invalid.
void ReadDateParts(std::string_view text, DateParts& parts) {
    for (size_t i = 0, start = 0; i < 6; ++i) {
        const size_t bar = text.find('|', start);
        const std::string_view piece =
            start < text.size() ? text.substr(start, bar - start) : std::string_view();
        parts[i] = piece.empty() && start >= text.size() ? std::optional<int>(0) : ParseDecimal<int>(piece);
        start = bar == std::string_view::npos ? text.size() : bar + 1;
    }
}

} // namespace

DateTime ParseFileDate(std::string_view text) {
    if (text.empty())
        return DateTime::Zero();
    DateParts parts;
    if (!ReadWrittenDateParts(text, parts))
        ReadDateParts(text, parts);
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
    lastLoad_ = ConfigLoadStatus{};
    lastLoad_.Path = filePath;
    const std::optional<std::string> content = fileSystem_.ReadFile(filePath);
    if (!content) {
        // A file that exists but cannot be read now may be readable at the next save, and must not be
        // written over before it has been kept.
        const bool exists = fileSystem_.FileExists(filePath);
        lastLoad_.Problem = exists ? LoadProblem::Unreadable : LoadProblem::Missing;
        if (exists)
            notYetKept_.insert(FileKey(filePath));
        return false;
    }
    if (content->empty()) {
        lastLoad_.Problem = LoadProblem::Empty;
        fileSystem_.DeleteFile(filePath);
        return false;
    }

    const bool showSystemFolders = ShowSystemFolders();
    // Only a file that holds the tag somewhere can have a UTF-8 block; most hold none, and are then read in
    // one pass over their records.
    const Utf8Texts fullTexts = content->find(std::string_view(TAG_UTF8_TEXTS)) == std::string::npos
                                    ? Utf8Texts()
                                    : ReadUtf8Texts(SplitConfigRecords(*content));
    const auto summaryTexts = fullTexts.find(std::string_view());
    // The indexes of the tree get room at once for as many items as the file holds if each takes 176 bytes
    // (a typical item takes some 300), so that they are not rebuilt again and again while items are added.
    collection.Reserve(std::min<size_t>(clsMenuCollection::kMaxItems,
                                        static_cast<size_t>(collection.Count()) + content->size() / 176));
    bool sawPersonalGroup = false;
    bool cutOff = false;
    bool failed = false;
    RecordCursor records(*content);
    for (std::string_view record; !failed && records.Next(record);) {
        if (record == TAG_GROUP_USER || (record == TAG_PATHS_SYSTEM && showSystemFolders)) {
            sawPersonalGroup = sawPersonalGroup || record == TAG_GROUP_USER;
            bool ended = false;
            ReadItemSection(collection, records, fullTexts, failed, ended);
            cutOff = cutOff || (!ended && !failed);
        } else if (std::string* summary = SummaryForTag(record)) {
            // The value record is taken as text, never as a tag, whatever it holds.
            std::string_view value;
            std::string converted;
            if (records.Next(value))
                *summary = std::string(TextOfRecord(value,
                                                    summaryTexts == fullTexts.end() ? nullptr : &summaryTexts->second,
                                                    SummaryNumber(record), converted));
        }
    }
    if (failed)
        lastLoad_.Problem = LoadProblem::TooManyItems;
    else if (!sawPersonalGroup)
        lastLoad_.Problem = LoadProblem::NoPersonalGroup;
    else if (cutOff)
        lastLoad_.Problem = LoadProblem::CutOff;
    if (!lastLoad_.Clean())
        KeepUnreadFile(filePath, *content);
    if (failed)
        return false;
    // The System Folders group must still be made when the file did not bring it, which includes a section
    // that held no item: a save with the option on writes the section even when the tree has no such group.
    if (completeLoadedTree_)
        completeLoadedTree_(collection, showSystemFolders && !collection.KeyExists(MIT_PATHS_SYSTEM));
    return true;
}

// The last UTF-8 block of the file, looked for outside the item sections as the reader walks them.
modFileHandler::Utf8Texts modFileHandler::ReadUtf8Texts(const Records& records) const {
    Utf8Texts texts;
    WalkOutsideSections(records, [&](size_t i) -> size_t {
        if (IsSummaryTag(records[i]))
            return i + 2;
        if (records[i] != TAG_UTF8_TEXTS)
            return i + 1;
        texts.clear();
        return WalkUtf8Block(records, i, [&](std::string_view owner, int field, std::string_view text) {
            texts[std::string(owner)][field] = std::string(text);
        });
    });
    return texts;
}

std::string_view modFileHandler::TextOfRecord(std::string_view record,
                                              const std::map<int, std::string>* fullTexts, int field,
                                              std::string& converted) const {
    // A lost character became '?', so even a record of plain ASCII can have a full text.
    if (fullTexts != nullptr) {
        const auto full = fullTexts->find(field);
        if (full != fullTexts->end() && Utf8ToFile(full->second, codePage_) == record)
            return full->second;
    }
    if (IsAscii(record))
        return record;
    converted = codePage_.FromAnsi(record);
    return converted;
}

namespace {

// The fields that hold a number, a boolean or a date: they are read from the record's bytes as they are. A
// character outside ASCII makes them unreadable whether it is converted or not, and a full text of the UTF-8
// block is only taken when it is the record itself once written.
constexpr std::array<bool, kFieldsPerItem + 1> kIsNumberField = [] {
    std::array<bool, kFieldsPerItem + 1> table{};
    for (const size_t field : {1, 4, 6, 7, 8, 11, 18, 20, 21, 22})
        table[field] = true;
    return table;
}();

bool IsNumberField(size_t field) {
    return kIsNumberField[field];
}

} // namespace

void modFileHandler::ReadItemSection(clsMenuCollection& collection, RecordCursor& records,
                                     const Utf8Texts& fullTexts, bool& failed, bool& ended) const {
    std::string converted;
    clsMenuItem::NeighbourTexts previous;
    WalkItemSection(
        records,
        [&](const ItemRecords& fields) {
            const auto itemTexts = fullTexts.empty() ? fullTexts.end() : fullTexts.find(fields[1]);
            const std::map<int, std::string>* texts =
                itemTexts == fullTexts.end() ? nullptr : &itemTexts->second;
            // Every field is read below, the creation time among them.
            clsMenuItem item{clsMenuItem::UnsetTimes{}};
            for (size_t field = 1; field <= kFieldsPerItem; ++field) {
                const std::string_view record = fields[field - 1];
                ReadItemField(item, field,
                              IsNumberField(field)
                                  ? record
                                  : TextOfRecord(record, texts, static_cast<int>(field), converted),
                              previous);
            }
            previous = item.SharedTexts();
            if (IsNeverStored(item))
                return true;
            return collection.AddOne(std::move(item), true, false);
        },
        failed, ended);
}

// A field whose text does not convert keeps the item's default for that field.
void modFileHandler::ReadItemField(clsMenuItem& item, size_t field, std::string_view text,
                                   const clsMenuItem::NeighbourTexts& previous) const {
    const auto setNumber = [&](auto set) {
        if (auto number = ParseDecimal<int32_t>(text))
            set(*number);
    };
    // A new item often holds the text already (its defaults are what most items have).
    const auto setText = [&](const std::string& current, auto set) {
        if (current != text)
            (item.*set)(std::string(text));
    };
    // Owners and paths are mostly those of the item before.
    const auto setShared = [&](const std::string& current, auto set, const SharedText& likely) {
        if (current != text)
            (item.*set)(text, likely);
    };
    // The words the writer uses are taken directly; anything else is read as a stored boolean.
    const auto setBoolean = [&](auto set) {
        if (text == kTrue || text == kFalse)
            set(text == kTrue);
        else if (auto flag = ParseBooleanText(text))
            set(*flag);
    };
    switch (field) {
    case 1:
        setNumber([&](int32_t n) { item.SetPosition(n); });
        break;
    case 2:
        setText(item.Name(), &clsMenuItem::SetName);
        break;
    case 3:
        item.SetCaption(text);
        break;
    case 4:
        setNumber([&](int32_t n) { item.Setflags(n); });
        break;
    case 5:
        setShared(item.OwnerName(), &clsMenuItem::SetOwnerNameLike, previous.ownerName);
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
        setText(item.ItemType(), &clsMenuItem::SetItemType);
        break;
    case 10:
        setText(item.OpenType(), &clsMenuItem::SetOpenType);
        break;
    case 11:
        setNumber([&](int32_t n) { item.SetDriveType(n); });
        break;
    case 12:
        setText(item.Description(), &clsMenuItem::SetDescription);
        break;
    case 13:
        setText(item.FolderPath(), &clsMenuItem::SetFolderPath);
        break;
    case 14: // NetworkPath is reserved; nothing reads it back.
        break;
    case 15:
        setShared(item.ItemPath(), &clsMenuItem::SetItemPathLike, previous.itemPath);
        break;
    case 16:
        setShared(item.ItemLocation(), &clsMenuItem::SetItemLocationLike, previous.itemLocation);
        break;
    case 17:
        setText(item.Remark(), &clsMenuItem::SetRemark);
        break;
    case 18:
        setNumber([&](int32_t n) { item.SetKeyboardCode(n); });
        break;
    case 19:
        setShared(item.UserDescription(), &clsMenuItem::SetUserDescriptionLike, previous.userDescription);
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
    if (textListing)
        return WriteFile(filePath, TextListingBytes(collection), false);
    // The bytes go to the file from the writer's buffer, without a copy of them in between.
    RecordWriter out(codePage_, static_cast<size_t>(collection.Count()) * kExpectedBytesPerItem);
    WriteConfiguration(out, collection);
    return WriteFile(filePath, out.Written(), true);
}

bool modFileHandler::WriteConfigurationFile(std::string_view path, std::string_view bytes) {
    return !path.empty() && WriteFile(std::string(path), bytes, true);
}

bool modFileHandler::WriteFile(const std::string& path, std::string_view bytes, bool keepBackups) {
    if (!KeepBeforeOverwriting(path))
        return false;
    std::optional<std::string> previous;
    if (keepBackups && fileSystem_.FileExists(path))
        previous = fileSystem_.ReadFile(path);
    if (!fileSystem_.ReplaceFileAtomically(path, bytes))
        return false;
    RemoveStaleTemporaries(fileSystem_, path);
    // A save that changes nothing would only push an older version out of the backups.
    if (previous && !previous->empty() && *previous != bytes)
        RotateBackups(path, *previous);
    return true;
}

// The backups are made after the file itself was saved, from the previous content read before: a save that
// fails leaves the backups as they were, and a backup that fails leaves the saved file as it is.
void modFileHandler::RotateBackups(const std::string& path, std::string_view previous) {
    fileSystem_.DeleteFile(BackupFileName(path, kBackupCount));
    for (int number = kBackupCount - 1; number >= 1; --number)
        fileSystem_.Rename(BackupFileName(path, number), BackupFileName(path, number + 1));
    const std::string newest = BackupFileName(path, 1);
    if (fileSystem_.ReplaceFileAtomically(newest, previous))
        RemoveStaleTemporaries(fileSystem_, newest);
}

void modFileHandler::KeepUnreadFile(const std::string& path, std::string_view content) {
    if (!keepOnLoad_) {
        notYetKept_.insert(FileKey(path));
        return;
    }
    lastLoad_.KeptCopy = KeepCopy(path, content);
    if (lastLoad_.KeptCopy.empty())
        notYetKept_.insert(FileKey(path));
    else
        notYetKept_.erase(FileKey(path));
}

// "NAME.bad", or "NAME.bad2" and up when that name is taken by other content. A copy with the same bytes
// serves again, so that starting the program over and over with the same file keeps one copy.
std::string modFileHandler::KeepCopy(const std::string& path, std::string_view content) {
    for (int number = 1; number < 1000; ++number) {
        const std::string copy = path + ".bad" + (number == 1 ? std::string() : std::to_string(number));
        if (!fileSystem_.GetAttributes(copy))
            return fileSystem_.ReplaceFileAtomically(copy, content) ? copy : std::string();
        const std::optional<std::string> existing = fileSystem_.ReadFile(copy);
        if (existing && *existing == content)
            return copy;
    }
    return {};
}

// A file that did not load cleanly and of which no copy exists yet is copied now; while that cannot be done
// (the file still cannot be read, the folder refuses the copy) nothing is written over it.
bool modFileHandler::KeepBeforeOverwriting(const std::string& path) {
    const std::string key = FileKey(path);
    if (!notYetKept_.contains(key))
        return true;
    if (!fileSystem_.FileExists(path)) {
        notYetKept_.erase(key);
        return true;
    }
    const std::optional<std::string> content = fileSystem_.ReadFile(path);
    if (!content)
        return false;
    if (!content->empty() && KeepCopy(path, *content).empty())
        return false;
    notYetKept_.erase(key);
    return true;
}

// The top-level group that the owners of each item lead to, as clsMenuCollection::GetItemRootNode tells it.
// That depends on the item's owner alone, so it is worked out once for every owner rather than climbed again
// for each of the many items of a group.
class modFileHandler::RootsOfOwners {
public:
    explicit RootsOfOwners(const clsMenuCollection& collection) : collection_(collection) {}
    const std::string& RootOf(const clsMenuItem& item) {
        auto found = byOwner_.find(item.OwnerName());
        if (found == byOwner_.end())
            found = byOwner_.emplace(item.OwnerName(), collection_.GetItemRootNode(item)).first;
        return found->second;
    }

private:
    const clsMenuCollection& collection_;
    std::unordered_map<std::string, std::string> byOwner_;
};

std::string modFileHandler::ConfigurationBytes(const clsMenuCollection& collection) const {
    RecordWriter out(codePage_, static_cast<size_t>(collection.Count()) * kExpectedBytesPerItem);
    WriteConfiguration(out, collection);
    return std::string(out.Written());
}

void modFileHandler::WriteConfiguration(RecordWriter& out, const clsMenuCollection& collection) const {
    std::vector<Utf8Entry> fullTexts;
    const SavedItems items = ItemsToSave(collection);
    WriteItemSection(out, MIT_GROUP_USER, items.personal, fullTexts);
    if (ShowSystemFolders())
        WriteItemSection(out, MIT_PATHS_SYSTEM, items.system, fullTexts);
    WriteSummary(out, fullTexts);
    WriteUtf8Block(out, fullTexts);
}

bool modFileHandler::IsInSection(const clsMenuItem& item, std::string_view section, RootsOfOwners& roots) {
    return item.Name() == section || roots.RootOf(item) == section;
}

modFileHandler::SavedItems modFileHandler::ItemsToSave(const clsMenuCollection& collection) const {
    RootsOfOwners roots(collection);
    const bool system = ShowSystemFolders();
    SavedItems items;
    items.personal.reserve(static_cast<size_t>(collection.Count()));
    for (const clsMenuItem& item : collection) {
        if (IsNeverStored(item))
            continue;
        if (IsInSection(item, MIT_GROUP_USER, roots))
            items.personal.push_back(&item);
        if (system && IsInSection(item, MIT_PATHS_SYSTEM, roots))
            items.system.push_back(&item);
    }
    return items;
}

int modFileHandler::CountItemsASaveWouldDrop(const clsMenuCollection& collection) const {
    RootsOfOwners roots(collection);
    const bool system = ShowSystemFolders();
    int dropped = 0;
    for (const clsMenuItem& item : collection) {
        if (!IsNeverStored(item) && !IsInSection(item, MIT_GROUP_USER, roots) &&
            !(system && IsInSection(item, MIT_PATHS_SYSTEM, roots)))
            ++dropped;
    }
    return dropped;
}

void modFileHandler::WriteItemSection(RecordWriter& out, std::string_view section,
                                      const std::vector<const clsMenuItem*>& items,
                                      std::vector<Utf8Entry>& fullTexts) const {
    out.Unconverted("[" + std::string(section) + ":]");
    for (const clsMenuItem* item : items)
        WriteItemRecord(out, *item, fullTexts);
    out.Unconverted(TAG_END);
}

// Called for a text the code page cannot hold whole.
void modFileHandler::NoteFullText(std::vector<Utf8Entry>& fullTexts, const std::string& owner, int field,
                                  std::string_view text) const {
    std::string ownerRecord = Utf8ToFile(owner, codePage_);
    if (LooksLikeTag(ownerRecord))
        return;
    fullTexts.push_back({std::move(ownerRecord), field, std::string(text)});
}

void modFileHandler::WriteItemRecord(RecordWriter& out, const clsMenuItem& item,
                                     std::vector<Utf8Entry>& fullTexts) const {
    const auto text = [&](int field, const std::string& value) {
        if (!out.Text(value))
            NoteFullText(fullTexts, item.Name(), field, value);
    };
    out.Number(item.Position());
    text(2, item.Name());
    text(3, item.Caption());
    out.Number(item.flags());
    text(5, item.OwnerName());
    out.Number(item.IconID());
    out.Unconverted(item.Separator() ? kTrue : kFalse);
    out.Unconverted(item.SubMenu() ? kTrue : kFalse);
    text(9, item.ItemType());
    text(10, item.OpenType());
    out.Number(item.DriveType());
    text(12, item.Description());
    text(13, item.FolderPath());
    out.Text(item.NetworkPath()); // never read back, so its full text need not be kept
    text(15, item.ItemPath());
    text(16, item.ItemLocation());
    text(17, item.Remark());
    out.Number(item.KeyboardCode());
    text(19, item.UserDescription());
    out.Date(item.TimeCreated());
    out.Date(item.TimeModified());
    out.Date(item.TimeAccessed());
}

void modFileHandler::WriteSummary(RecordWriter& out, std::vector<Utf8Entry>& fullTexts) const {
    const std::pair<const char*, const std::string*> blocks[] = {
        {TAG_SUMMARY_TITLE, &summary_.SummaryTitle},       {TAG_SUMMARY_AUTHOR, &summary_.SummaryAuthor},
        {TAG_SUMMARY_CATEGORY, &summary_.SummaryCategory}, {TAG_SUMMARY_KEYWORDS, &summary_.SummaryKeywords},
        {TAG_SUMMARY_COMMENTS, &summary_.SummaryComments},
    };
    for (const auto& [tag, text] : blocks) {
        if (text->empty())
            continue;
        out.Unconverted(tag);
        const bool held = out.Text(*text);
        out.Unconverted(TAG_END);
        if (!held)
            NoteFullText(fullTexts, std::string(), SummaryNumber(tag), *text);
    }
}

// Nothing at all when every text fits the code page, so that such files keep their bytes. The block is
// UTF-8 and is not converted.
void modFileHandler::WriteUtf8Block(RecordWriter& out, const std::vector<Utf8Entry>& fullTexts) const {
    if (fullTexts.empty())
        return;
    out.Unconverted(TAG_UTF8_TEXTS);
    for (const Utf8Entry& entry : fullTexts) {
        out.Unconverted(entry.owner);
        out.Number(entry.field);
        out.Unconverted(entry.text);
    }
    out.Unconverted(TAG_END);
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
    // A listing the code page can hold is written in it, as always; otherwise as UTF-8 with a byte order
    // mark, which editors recognise, rather than with question marks.
    if (CodePageHolds(codePage_, out))
        return Utf8ToFile(out, codePage_);
    return "\xEF\xBB\xBF" + out;
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
    // The full texts of the items stay as they were; those of the summary are written anew with it.
    std::vector<Utf8Entry> fullTexts;
    const std::string kept = RemoveSummaryBlocks(*content, fullTexts);
    RecordWriter out(codePage_, content->size() + 256);
    out.Bytes(kept);
    WriteSummary(out, fullTexts);
    WriteUtf8Block(out, fullTexts);
    return WriteFile(filePath, out.Written(), true);
}

// Keeps every byte of the file except its summary blocks (RemoveSummaryBlock for each one found), its UTF-8
// block (whose item entries go to itemTexts) and anything after the last NUL, which is no record and would
// otherwise run into the first block appended after it. Tags are looked for only between the item sections,
// so that an item's text that happens to read like a tag is never mistaken for one. A block runs from its tag
// past its value to the end of the first "[END:]" after that; a block with no "[END:]" runs to the end of the
// file.
std::string modFileHandler::RemoveSummaryBlocks(std::string_view bytes,
                                                std::vector<Utf8Entry>& itemTexts) const {
    const Records records = SplitConfigRecords(bytes);
    const auto offsetOf = [&](std::string_view record) {
        return static_cast<size_t>(record.data() - bytes.data());
    };
    const size_t recordsEnd = records.empty() ? 0 : offsetOf(records.back()) + records.back().size() + 1;

    std::string kept;
    kept.reserve(bytes.size());
    size_t keptFrom = 0;
    const auto cut = [&](size_t first, size_t after) {
        kept.append(bytes.substr(keptFrom, offsetOf(records[first]) - keptFrom));
        keptFrom = after == records.size() ? recordsEnd : offsetOf(records[after]);
    };
    WalkOutsideSections(records, [&](size_t i) -> size_t {
        if (IsSummaryTag(records[i])) {
            size_t end = i + 2;
            while (end < records.size() && records[end] != TAG_END)
                ++end;
            const size_t after = std::min(end + 1, records.size());
            cut(i, after);
            return after;
        }
        if (records[i] == TAG_UTF8_TEXTS) {
            itemTexts.clear();
            const size_t after =
                WalkUtf8Block(records, i, [&](std::string_view owner, int field, std::string_view text) {
                    if (!owner.empty())
                        itemTexts.push_back({std::string(owner), field, std::string(text)});
                });
            cut(i, after);
            return after;
        }
        return i + 1;
    });
    if (keptFrom < recordsEnd)
        kept.append(bytes.substr(keptFrom, recordsEnd - keptFrom));
    return kept;
}

} // namespace krv
