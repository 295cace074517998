#pragma once
// modFileHandler: finds, reads and writes the .krvc configuration file, keeps its summary texts, and writes
// the plain-text listing of a tree.

#include "model/DateTime.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace krv {

class clsMenuCollection;
class clsMenuItem;
class clsRegHandler;
class ICodePage;
class IFileSystem;
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

// Completes a tree that has just been read from a file: the program adds its fixed entries (and, when asked,
// generates the System Folders group) and rebuilds the keyboard shortcut table.
using CompleteLoadedTree = std::function<void(clsMenuCollection& tree, bool generateSystemFolders)>;

// A date-time as a file stores it: empty for the zero date-time, otherwise "d|m|yyyy|h|m|s|".
std::string FormatFileDate(const DateTime& value);
// The date-time of a date text; the zero date-time for an empty text or an impossible date. An impossible
// time of day keeps the date at midnight.
DateTime ParseFileDate(std::string_view text);

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

    bool ShowSystemFolders() const;
    std::string DefaultConfigFile() const;
    const std::string& PathOrCurrent(std::string_view path, std::string& buffer) const;

    // Reading.
    size_t ReadItemSection(clsMenuCollection& collection, const Records& records, size_t first,
                           bool& failed) const;
    void ReadItemField(clsMenuItem& item, size_t field, std::string_view text) const;
    std::string FromFile(std::string_view bytes) const;
    std::string* SummaryForTag(std::string_view tag);

    // Writing.
    void WriteItemSection(std::string& out, const clsMenuCollection& collection,
                          std::string_view section) const;
    void WriteItemRecord(std::string& out, const clsMenuItem& item) const;
    void WriteSummary(std::string& out) const;
    void WriteTextListing(std::string& out, const clsMenuCollection& collection,
                          std::string_view groupName) const;
    std::string RemoveSummaryBlocks(std::string_view bytes) const;

    IFileSystem& fileSystem_;
    const ICodePage& codePage_;
    clsRegHandler& registry_;
    std::string programFolder_;
    const Options& options_;
    CompleteLoadedTree completeLoadedTree_;

    std::string currentConfigFile_;
    std::string loadedConfigFile_;
    SummaryTexts summary_;
};

} // namespace krv
