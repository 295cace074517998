#pragma once
// modFileHandler: finds, reads and writes the .krvc configuration file, keeps its summary texts, and writes
// the plain-text listing of a tree.

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/DateTime.h"
#include "model/clsMenuItem.h"

namespace krv {

class clsMenuCollection;
class clsRegHandler;
class ICodePage;
class IFileSystem;
class RecordWriter;
class IMessageBox;
struct Options;

// Section and block tags of the file.
inline constexpr const char* TAG_GROUP_USER = "[MIT_GROUP_USER:]";
inline constexpr const char* TAG_PATHS_SYSTEM = "[MIT_PATHS_SYSTEM:]";
inline constexpr const char* TAG_END = "[END:]";
inline constexpr const char* TAG_SUMMARY_TITLE = "[SUMMARY_TITLE:]";
inline constexpr const char* TAG_SUMMARY_AUTHOR = "[SUMMARY_AUTHOR:]";
inline constexpr const char* TAG_SUMMARY_CATEGORY = "[SUMMARY_CATEGORY:]";
inline constexpr const char* TAG_SUMMARY_KEYWORDS = "[SUMMARY_KEYWORDS:]";
inline constexpr const char* TAG_SUMMARY_COMMENTS = "[SUMMARY_COMMENTS:]";
// The block after the summary blocks that holds, in UTF-8, the texts the file's code page cannot hold. It is
// a sequence of entries of three records each: the owner (the item's Name record as the file holds it, or an
// empty record for a summary text), the field number (1 to 22 for an item, 1 to 5 for the summary texts in
// their order), and the full text in UTF-8. Readers that do not know the tag skip its records.
inline constexpr const char* TAG_UTF8_TEXTS = "[UTF8_TEXTS:]";

// Every successful save keeps the previous content as NAME.bak1 (newest) to NAME.bakN.
inline constexpr int kBackupCount = 3;
std::string BackupFileName(std::string_view path, int number);

// Name of the configuration file the program uses when no other is named.
inline constexpr const char* DEFAULT_CONFIG_FILE_NAME = "default.krvc";

// Every item is stored as this many consecutive records.
inline constexpr size_t kFieldsPerItem = 22;

// The five summary texts of a configuration file, in the order they are written.
struct SummaryTexts {
    std::string SummaryTitle;
    std::string SummaryAuthor;
    std::string SummaryCategory;
    std::string SummaryKeywords;
    std::string SummaryComments;

    bool operator==(const SummaryTexts&) const = default;
};

// How the last load of a configuration file went.
enum class LoadProblem {
    None,            // the file was read whole
    Missing,         // there is no such file
    Unreadable,      // the file exists but could not be read
    Empty,           // the file was empty (and has been deleted, as an empty file holds nothing)
    TooManyItems,    // an item could not be added: the file holds more items than a tree can
    CutOff,          // a section of items ends without its "[END:]": the file was cut short
    NoPersonalGroup, // the file holds no personal group section: it is no configuration file of this program
};

// The outcome of a load, for the caller that must tell the user. A file that held content the tree did not
// take whole is copied to KeptCopy before anything can be saved over it.
struct ConfigLoadStatus {
    std::string Path;
    LoadProblem Problem = LoadProblem::None;
    std::string
        KeptCopy; // the copy of the file's bytes ("NAME.bad", numbered), empty when none could be made
    bool Reported = false;

    bool Clean() const { return Problem == LoadProblem::None; }
    // True when the file held content that is not in the tree, which the user must hear of.
    bool NeedsReport() const;
};

// The message that tells the user of a load that was not clean: the file, what went wrong, and where its
// content was kept. Empty when there is nothing to tell.
std::string LoadProblemMessage(const ConfigLoadStatus& status);
// Shows that message once per load (title "Karvello", information icon); later calls show nothing. True when
// it was shown now.
bool ReportLoadProblem(IMessageBox& messageBox, ConfigLoadStatus& status);

// Completes a tree that has just been read from a file: the program adds its fixed entries (and, when asked,
// generates the System Folders group) and rebuilds the keyboard shortcut table.
using CompleteLoadedTree = std::function<void(clsMenuCollection& tree, bool generateSystemFolders)>;

// A date-time as a file stores it: empty for the zero date-time, otherwise "d|m|yyyy|h|m|s|".
std::string FormatFileDate(const DateTime& value);
// The date-time of a date text; the zero date-time for an empty text or an impossible date. An impossible
// time of day keeps the date at midnight.
DateTime ParseFileDate(std::string_view text);

// The records of a file's bytes in order: the texts before each NUL. Bytes after the last NUL are no record.
std::vector<std::string_view> SplitConfigRecords(std::string_view bytes);

// Walks the records of a file's bytes one after the other without storing them: the least any reader of the
// file does. The bytes must outlive the cursor.
class RecordCursor {
public:
    explicit RecordCursor(std::string_view bytes) : bytes_(bytes) {}
    // Sets record to the next record; false when no NUL follows (bytes after the last NUL are no record).
    bool Next(std::string_view& record);

private:
    // The position of the next NUL, or the size of the bytes when there is none.
    size_t NextNul();

    std::string_view bytes_;
    size_t start_ = 0; // where the next record begins
    size_t block_ = 0; // the start of the block whose NULs mask_ holds; the blocks before it are done
    uint32_t mask_ = 0;
    bool masked_ = false; // whether mask_ holds the block at block_
};

class modFileHandler {
public:
    // options is read at the time of each load and save ("Show System Folders"); programFolder is the folder
    // of the running executable, where the default file lives.
    modFileHandler(IFileSystem& fileSystem, const ICodePage& codePage, clsRegHandler& registry,
                   std::string programFolder, const Options& options, CompleteLoadedTree completeLoadedTree);

    // Sets CurrentConfigFile from the registry value "ConfigFile", or to the default file beside the program
    // when forceDefault is true or the value cannot be read or is empty.
    void GetConfigFileName(bool forceDefault);
    // Stores path (CurrentConfigFile when empty) in the registry value "ConfigFile".
    bool SaveConfigFileName(std::string_view path);

    // Reads the file at path (CurrentConfigFile when empty) into collection and completes the tree. False
    // when the file cannot be read, is empty (it is then deleted), or an item cannot be stored.
    bool LoadConfigFile(clsMenuCollection& collection, std::string_view path);
    // Writes the configuration file, or with textListing the text listing, to path (CurrentConfigFile when
    // empty). The new content replaces an existing file in one step: on failure the old file stays as it was.
    bool SaveConfigFile(const clsMenuCollection& collection, std::string_view path, bool textListing);
    // Rewrites only the summary blocks of an existing file; the item sections keep their bytes. True when the
    // file does not exist (nothing is written) or was rewritten.
    bool UpdateSummary(std::string_view path);

    // Writes the bytes of a configuration file to path, as every save does: a file whose last load was not
    // clean is copied first (and nothing is written when that copy cannot be made), the new content replaces
    // the old in one step, the leftovers of earlier saves are removed, and the previous content becomes
    // backup 1. False when the file was not written.
    bool WriteConfigurationFile(std::string_view path, std::string_view bytes);

    // With keep false, a file that did not load cleanly is copied only before the first save over it, not at
    // once (for tools that only look at files).
    void SetKeepOnLoad(bool keep) { keepOnLoad_ = keep; }

    // How the last LoadConfigFile went; the caller that shows the tree reports it with ReportLoadProblem.
    ConfigLoadStatus& LastLoadStatus() { return lastLoad_; }
    const ConfigLoadStatus& LastLoadStatus() const { return lastLoad_; }

    // Number of items of the tree that a save would not write: items whose owners form a loop or lead to a
    // missing item, or end at the top level outside the stored groups.
    int CountItemsASaveWouldDrop(const clsMenuCollection& collection) const;

    // The bytes SaveConfigFile writes, for callers that need them without a file.
    std::string ConfigurationBytes(const clsMenuCollection& collection) const;
    std::string TextListingBytes(const clsMenuCollection& collection) const;

    const std::string& CurrentConfigFile() const { return currentConfigFile_; }
    void SetCurrentConfigFile(std::string path) { currentConfigFile_ = std::move(path); }
    const std::string& LoadedConfigFile() const { return loadedConfigFile_; }
    void SetLoadedConfigFile(std::string path) { loadedConfigFile_ = std::move(path); }
    SummaryTexts& Summary() { return summary_; }
    const SummaryTexts& Summary() const { return summary_; }

private:
    using Records = std::vector<std::string_view>;
    // Full texts of the UTF-8 block: by owner record, the field numbers and their texts.
    using Utf8Texts = std::map<std::string, std::map<int, std::string>, std::less<>>;
    struct Utf8Entry {
        std::string owner; // the owner record's bytes
        int field = 0;
        std::string text;
    };

    bool ShowSystemFolders() const;
    std::string DefaultConfigFile() const;
    const std::string& PathOrCurrent(std::string_view path, std::string& buffer) const;

    // Reading.
    // Reads the items of the section whose tag records has just handed out; records is left after the
    // section.
    void ReadItemSection(clsMenuCollection& collection, RecordCursor& records, const Utf8Texts& fullTexts,
                         bool& failed, bool& ended) const;
    Utf8Texts ReadUtf8Texts(const Records& records) const;
    // Sets one field from its text (already in UTF-8).
    // previous holds the texts of the item read before, which the item shares when it holds the same.
    void ReadItemField(clsMenuItem& item, size_t field, std::string_view text,
                       const clsMenuItem::NeighbourTexts& previous) const;
    // The text of a record: its full text from the UTF-8 block when the block has one that the record is the
    // code-page form of (an older program that changed the text leaves a block that no longer matches),
    // otherwise the record converted from the code page.
    // The text is in converted when it is neither the record's bytes nor a full text.
    std::string_view TextOfRecord(std::string_view record, const std::map<int, std::string>* fullTexts,
                                  int field, std::string& converted) const;
    std::string* SummaryForTag(std::string_view tag);
    void KeepUnreadFile(const std::string& path, std::string_view content);
    std::string KeepCopy(const std::string& path, std::string_view content);
    bool KeepBeforeOverwriting(const std::string& path);
    void RotateBackups(const std::string& path, std::string_view previous);
    bool WriteFile(const std::string& path, std::string_view bytes, bool keepBackups);

    // Writing.
    class RootsOfOwners;
    // The items a save writes in each section, in list order.
    struct SavedItems {
        std::vector<const clsMenuItem*> personal;
        std::vector<const clsMenuItem*> system;
    };
    SavedItems ItemsToSave(const clsMenuCollection& collection) const;
    // The whole configuration file: both sections, the summary and the UTF-8 block.
    void WriteConfiguration(RecordWriter& out, const clsMenuCollection& collection) const;
    // True when the item is the section's group or its owners lead to that group.
    static bool IsInSection(const clsMenuItem& item, std::string_view section, RootsOfOwners& roots);
    void WriteItemSection(RecordWriter& out, std::string_view section, const std::vector<const clsMenuItem*>& items,
                          std::vector<Utf8Entry>& fullTexts) const;
    void WriteItemRecord(RecordWriter& out, const clsMenuItem& item, std::vector<Utf8Entry>& fullTexts) const;
    void WriteSummary(RecordWriter& out, std::vector<Utf8Entry>& fullTexts) const;
    // Keeps the full text of a record whose text the code page cannot hold.
    void NoteFullText(std::vector<Utf8Entry>& fullTexts, const std::string& owner, int field,
                      std::string_view text) const;
    void WriteUtf8Block(RecordWriter& out, const std::vector<Utf8Entry>& fullTexts) const;
    void WriteTextListing(std::string& out, const clsMenuCollection& collection,
                          std::string_view groupName) const;
    std::string RemoveSummaryBlocks(std::string_view bytes, std::vector<Utf8Entry>& itemTexts) const;

    IFileSystem& fileSystem_;
    const ICodePage& codePage_;
    clsRegHandler& registry_;
    std::string programFolder_;
    const Options& options_;
    CompleteLoadedTree completeLoadedTree_;

    std::string currentConfigFile_;
    std::string loadedConfigFile_;
    SummaryTexts summary_;
    ConfigLoadStatus lastLoad_;
    // Files (by upper-cased path) that did not load cleanly and of which no copy could be made yet: nothing
    // is written over them until a copy exists.
    std::set<std::string> notYetKept_;
    bool keepOnLoad_ = true;
};

} // namespace krv
