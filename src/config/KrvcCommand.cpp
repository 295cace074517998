#include "config/KrvcCommand.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "config/modFileHandler.h"
#include "menu/modKeyboardHook.h"
#include "model/clsMenuCollection.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace krv {
namespace {

constexpr const char* kUsage = "usage: krvc list FILE [--system-folders on|off]\n"
                               "       krvc stats FILE [--system-folders on|off]\n"
                               "       krvc check FILE [--system-folders on|off]\n"
                               "       krvc rewrite IN OUT [--system-folders on|off] [--force]\n"
                               "       krvc backup FILE\n"
                               "       krvc restore FILE N\n";

// krvc works on files only. Its options are the defaults, as a registry with nothing in it yields them.
class NoRegistry final : public IRegistry {
public:
    bool OpenKey(RegistryRoot, std::string_view) override { return false; }
    bool CreateKey(RegistryRoot, std::string_view) override { return false; }
    std::optional<RegistryValue> QueryValue(RegistryRoot, std::string_view, std::string_view) override {
        return std::nullopt;
    }
    bool SetValue(RegistryRoot, std::string_view, std::string_view, const RegistryValue&) override {
        return false;
    }
    bool DeleteValue(RegistryRoot, std::string_view, std::string_view) override { return false; }
    bool DeleteKey(RegistryRoot, std::string_view, std::string_view) override { return false; }
};

// The file krvc looks at is read once: krvc reads it first to turn an empty file away, and hands the content
// to the reader when the reader asks for the same file, instead of keeping one copy while the reader reads
// another. Everything else goes to the file system; a change to the files drops a content not yet handed on.
class ReadAheadFileSystem final : public IFileSystem {
public:
    explicit ReadAheadFileSystem(IFileSystem& files) : files_(files) {}

    // Reads path and keeps its content for the next ReadFile of path; the content's size, or nullopt when
    // the file cannot be read.
    std::optional<size_t> ReadAhead(std::string_view path) {
        ahead_ = files_.ReadFile(path);
        aheadPath_ = path;
        return ahead_ ? std::optional<size_t>(ahead_->size()) : std::nullopt;
    }

    std::optional<std::string> ReadFile(std::string_view path) override {
        if (ahead_ && path == aheadPath_) {
            std::optional<std::string> content = std::move(ahead_);
            ahead_.reset();
            return content;
        }
        return files_.ReadFile(path);
    }
    std::optional<uint32_t> GetAttributes(std::string_view path) override { return files_.GetAttributes(path); }
    bool SetAttributes(std::string_view path, uint32_t attributes) override {
        Drop();
        return files_.SetAttributes(path, attributes);
    }
    std::vector<DirectoryEntry> ListFolder(std::string_view folder) override { return files_.ListFolder(folder); }
    bool CreateFolder(std::string_view path) override {
        Drop();
        return files_.CreateFolder(path);
    }
    bool RemoveFolder(std::string_view path) override {
        Drop();
        return files_.RemoveFolder(path);
    }
    bool Rename(std::string_view from, std::string_view to) override {
        Drop();
        return files_.Rename(from, to);
    }
    bool DeleteFile(std::string_view path) override {
        Drop();
        return files_.DeleteFile(path);
    }
    bool ReplaceFileAtomically(std::string_view path, std::string_view content) override {
        Drop();
        return files_.ReplaceFileAtomically(path, content);
    }
    std::optional<FileTime> ModifiedTime(std::string_view path) override { return files_.ModifiedTime(path); }

private:
    void Drop() { ahead_.reset(); }

    IFileSystem& files_;
    std::optional<std::string> ahead_;
    std::string aheadPath_;
};

struct CommandLine {
    std::string command;
    std::vector<std::string> files; // for restore: the file and the backup's number
    bool showSystemFolders = true;
    bool force = false;
};

size_t FilesNeeded(const std::string& command) {
    if (command == "list" || command == "stats" || command == "check" || command == "backup")
        return 1;
    if (command == "rewrite" || command == "restore")
        return 2;
    return 0;
}

std::optional<int> BackupNumber(const std::string& text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + kBackupCount)
        return std::nullopt;
    return text[0] - '0';
}

std::optional<CommandLine> Parse(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return std::nullopt;
    CommandLine line{arguments[0], {}, true, false};
    const size_t needed = FilesNeeded(line.command);
    if (needed == 0)
        return std::nullopt;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--system-folders") {
            if (i + 1 >= arguments.size() || (arguments[i + 1] != "on" && arguments[i + 1] != "off"))
                return std::nullopt;
            line.showSystemFolders = arguments[++i] == "on";
        } else if (arguments[i] == "--force" && line.command == "rewrite") {
            line.force = true;
        } else if (arguments[i].starts_with("--")) {
            return std::nullopt;
        } else {
            line.files.push_back(arguments[i]);
        }
    }
    if (line.files.size() != needed || (line.command == "restore" && !BackupNumber(line.files[1])))
        return std::nullopt;
    return line;
}

// What check says of a file that did not load whole.
std::string ProblemLine(const std::string& file, LoadProblem problem) {
    switch (problem) {
    case LoadProblem::Empty:
        return file + " is empty";
    case LoadProblem::TooManyItems:
        return file + " holds more items than a tree can hold";
    case LoadProblem::NoPersonalGroup:
        return file + " holds no Personal group section";
    case LoadProblem::CutOff:
        return file + " ends in the middle of its items";
    default:
        return "cannot read " + file;
    }
}

std::string TimeText(const std::optional<FileTime>& time) {
    if (!time)
        return "(time unknown)";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time->Year, time->Month, time->Day,
                  time->Hour, time->Minute, time->Second);
    return text;
}

// The program's own completion of a loaded tree that changes what a save writes: the keyboard shortcut
// table is built again, and a later item loses a digit an earlier one holds. The fixed entries and the
// generated groups it also adds are never stored.
void CompleteAsTheProgramDoes(clsMenuCollection& tree, bool) {
    KeyboardShortcuts shortcuts;
    shortcuts.BuildShortcutList(tree);
}

// The listing's lines 3 to 7, the five counters with their line ends, without the listing of every item.
std::string CounterLines(const CollectionCounts& counts) {
    const std::pair<const char*, int> lines[] = {
        {"Number of shortcuts: ", counts.Total},
        {"Number of Folder Shortcuts: ", counts.Shortcuts},
        {"Number of Windows Explorer Shortcuts: ", counts.ExplorerShortcuts},
        {"Number of Open-All shortcuts: ", counts.OpenAll},
        {"Number of groups: ", counts.Groups},
    };
    std::string text;
    for (const auto& [label, number] : lines)
        text += label + std::to_string(number) + "\r\n";
    return text;
}

int ListBackups(modFileHandler& handler, IFileSystem& fileSystem, const std::string& file,
                std::ostream& out) {
    for (int number = 1; number <= kBackupCount; ++number) {
        const std::string backup = BackupFileName(file, number);
        if (!fileSystem.FileExists(backup))
            continue;
        clsMenuCollection tree;
        handler.LoadConfigFile(tree, backup);
        out << number << "  " << TimeText(fileSystem.ModifiedTime(backup)) << "  " << tree.Count()
            << " items  " << backup << "\n";
    }
    return KRVC_OK;
}

// The backup's bytes go back unchanged, through the same save as the program's, so that the current file
// becomes backup 1 first.
int RestoreBackup(modFileHandler& handler, IFileSystem& fileSystem, const std::string& file, int number,
                  std::ostream& err) {
    const std::string backup = BackupFileName(file, number);
    const std::optional<std::string> content = fileSystem.ReadFile(backup);
    if (!content || content->empty()) {
        err << "krvc: cannot read " << backup << "\n";
        return KRVC_FAILED;
    }
    if (!handler.WriteConfigurationFile(file, *content)) {
        err << "krvc: cannot save " << file << "\n";
        return KRVC_FAILED;
    }
    return KRVC_OK;
}

} // namespace

int RunKrvc(const std::vector<std::string>& arguments, IFileSystem& fileSystem, const ICodePage& codePage,
            std::ostream& out, std::ostream& err) {
    const std::optional<CommandLine> line = Parse(arguments);
    if (!line) {
        err << kUsage;
        return KRVC_USAGE;
    }

    NoRegistry noRegistry;
    clsRegHandler registry(noRegistry);
    Options options;
    InitOptionNames(options);
    LoadOptions(options, registry, false);
    options.AppearanceOptions[AC0_SHOW_SYSTEM_FOLDERS] = line->showSystemFolders;
    // The program completes a loaded tree with entries and groups it makes itself; a listing of the file
    // shows what the file holds.
    ReadAheadFileSystem files(fileSystem);
    modFileHandler handler(files, codePage, registry, "", options, CompleteAsTheProgramDoes);
    // Looking at a file writes nothing beside it; only a rewrite over a file that did not load keeps it.
    handler.SetKeepOnLoad(false);

    const std::string& file = line->files[0];
    if (line->command == "backup")
        return ListBackups(handler, fileSystem, file, out);
    if (line->command == "restore")
        return RestoreBackup(handler, fileSystem, file, *BackupNumber(line->files[1]), err);

    // The reader deletes an empty file as the program's start-up expects; a tool that only looks at a file
    // must not, so an empty file is turned away before it is read.
    const std::optional<size_t> size = files.ReadAhead(file);
    if (!size) {
        err << "krvc: cannot read " << file << "\n";
        return KRVC_FAILED;
    }
    clsMenuCollection tree;
    const bool empty = *size == 0;
    const bool loaded = !empty && handler.LoadConfigFile(tree, file);
    const LoadProblem problem = empty ? LoadProblem::Empty : handler.LastLoadStatus().Problem;
    const bool forced = line->command == "rewrite" && line->force && loaded;
    if (problem != LoadProblem::None && !forced) {
        err << "krvc: " << ProblemLine(file, problem)
            << (line->command == "rewrite" && loaded ? " (use --force to rewrite it anyway)" : "") << "\n";
        return KRVC_FAILED;
    }

    if (line->command == "check") {
        const int dropped = handler.CountItemsASaveWouldDrop(tree);
        if (dropped > 0) {
            err << "krvc: " << dropped << " items are not reachable from a group and would be lost\n";
            return KRVC_FAILED;
        }
    } else if (line->command == "list") {
        out << handler.TextListingBytes(tree);
    } else if (line->command == "stats") {
        out << CounterLines(tree.CountCollection());
    } else if (line->command == "rewrite") {
        // The new content is complete in memory before it replaces anything, and a file that did not load
        // is kept beside itself before it is written over.
        const std::string& target = line->files[1];
        if (!handler.SaveConfigFile(tree, target, false)) {
            err << "krvc: cannot save " << target << "\n";
            return KRVC_FAILED;
        }
    }
    out.flush();
    if (!out) {
        err << "krvc: cannot write the output\n";
        return KRVC_FAILED;
    }
    return KRVC_OK;
}

} // namespace krv
