#include "platform/FileSystem.h"

#include <cctype>

#include "platform/Text.h"

namespace krv {
namespace {

constexpr std::string_view kTemporaryMark = ".~krv";
constexpr std::string_view kTemporaryExtension = ".tmp";

std::string HexText(uint64_t number) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[number & 0xF]);
        number >>= 4;
    } while (number != 0);
    return text;
}

} // namespace

std::string TemporaryFileName(std::string_view targetPath, uint32_t processId, uint64_t randomPart) {
    return std::string(targetPath) + std::string(kTemporaryMark) + std::to_string(processId) + "_" +
           HexText(randomPart) + std::string(kTemporaryExtension);
}

bool IsTemporaryFileOf(std::string_view entryName, std::string_view targetName) {
    const std::string entry = Utf8ToUpper(entryName);
    const std::string prefix = Utf8ToUpper(std::string(targetName) + std::string(kTemporaryMark));
    const std::string suffix = Utf8ToUpper(kTemporaryExtension);
    if (entry.size() <= prefix.size() + suffix.size() || !entry.starts_with(prefix) ||
        !entry.ends_with(suffix))
        return false;
    const std::string_view middle =
        std::string_view(entry).substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
    for (char c : middle) {
        if (!std::isxdigit(static_cast<unsigned char>(c)) && c != '_')
            return false;
    }
    return true;
}

void RemoveStaleTemporaries(IFileSystem& files, std::string_view targetPath) {
    // The tools also run where "/" separates folders.
    const size_t slash = targetPath.find_last_of("\\/");
    const bool bare = slash == std::string_view::npos;
    const std::string_view name = bare ? targetPath : targetPath.substr(slash + 1);
    const std::string folderPrefix(bare ? std::string_view() : targetPath.substr(0, slash + 1));
    const std::string_view folder =
        bare ? std::string_view(".") : targetPath.substr(0, slash == 0 ? 1 : slash);
    for (const DirectoryEntry& entry : files.ListFolder(folder)) {
        if (!(entry.attributes & FILE_ATTR_DIRECTORY) && IsTemporaryFileOf(entry.name, name))
            files.DeleteFile(folderPrefix + entry.name);
    }
}

} // namespace krv
