#include "config/KrvcCommand.h"

#include <optional>

#include "config/modFileHandler.h"
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
                               "       krvc rewrite IN OUT [--system-folders on|off]\n";

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

struct CommandLine {
    std::string command;
    std::vector<std::string> files;
    bool showSystemFolders = true;
};

size_t FilesNeeded(const std::string& command) {
    if (command == "list" || command == "stats" || command == "check")
        return 1;
    if (command == "rewrite")
        return 2;
    return 0;
}

std::optional<CommandLine> Parse(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return std::nullopt;
    CommandLine line{arguments[0], {}, true};
    const size_t needed = FilesNeeded(line.command);
    if (needed == 0)
        return std::nullopt;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--system-folders") {
            if (i + 1 >= arguments.size() || (arguments[i + 1] != "on" && arguments[i + 1] != "off"))
                return std::nullopt;
            line.showSystemFolders = arguments[++i] == "on";
        } else if (arguments[i].starts_with("--")) {
            return std::nullopt;
        } else {
            line.files.push_back(arguments[i]);
        }
    }
    if (line.files.size() != needed)
        return std::nullopt;
    return line;
}

// The listing's lines 3 to 7, the five counters, with their line ends.
std::string CounterLines(const std::string& listing) {
    size_t start = 0;
    for (int line = 0; line < 2; ++line)
        start = listing.find("\r\n", start) + 2;
    size_t end = start;
    for (int line = 0; line < 5; ++line)
        end = listing.find("\r\n", end) + 2;
    return listing.substr(start, end - start);
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
    modFileHandler handler(fileSystem, codePage, registry, "", options, nullptr);

    const std::string& file = line->files[0];
    // The reader deletes an empty file as the program's start-up expects; a tool that only looks at a file
    // must not, so an empty file is turned away before it is read.
    const std::optional<std::string> content = fileSystem.ReadFile(file);
    if (!content) {
        err << "krvc: cannot read " << file << "\n";
        return KRVC_FAILED;
    }
    clsMenuCollection tree;
    if (content->empty() || !handler.LoadConfigFile(tree, file)) {
        err << "krvc: " << file << (content->empty() ? " is empty" : " holds more items than a tree can hold")
            << "\n";
        return KRVC_FAILED;
    }

    if (line->command == "list") {
        out << handler.TextListingBytes(tree);
    } else if (line->command == "stats") {
        out << CounterLines(handler.TextListingBytes(tree));
    } else if (line->command == "rewrite") {
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
