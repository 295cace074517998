// Feeds arbitrary bytes to the configuration file reader, then checks that what it loaded is written, read
// back and written again unchanged, and that the listing and the summary update cope with it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/modFileHandler.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "model/clsMenuCollection.h"
#include "platform/Text.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace {

constexpr const char* kPath = "C:\\fuzz\\input.krvc";

struct Reader {
    explicit Reader(bool showSystemFolders) {
        krv::InitOptionNames(options);
        krv::LoadOptions(options, regHandler, false);
        options.AppearanceOptions[krv::AC0_SHOW_SYSTEM_FOLDERS] = showSystemFolders;
        fs.AddFolder("C:\\fuzz");
    }
    krv::FakeFileSystem fs;
    krv::Windows1252CodePage codePage;
    krv::FakeRegistry registry;
    krv::clsRegHandler regHandler{registry};
    krv::Options options;
    krv::modFileHandler handler{fs,         codePage, regHandler,
                                "C:\\fuzz", options,  [](krv::clsMenuCollection&, bool) {}};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The option that changes what is read follows the input, so both ways are explored.
    const bool showSystemFolders = size % 2 == 0;

    Reader first(showSystemFolders);
    first.fs.AddFile(kPath, bytes);
    krv::clsMenuCollection tree;
    if (!first.handler.LoadConfigFile(tree, kPath))
        return 0;
    const std::string saved = first.handler.ConfigurationBytes(tree);
    first.handler.TextListingBytes(tree);

    Reader second(showSystemFolders);
    second.fs.AddFile(kPath, saved);
    krv::clsMenuCollection reloaded;
    if (!second.handler.LoadConfigFile(reloaded, kPath))
        std::abort(); // what the writer wrote must load
    if (second.handler.ConfigurationBytes(reloaded) != saved)
        std::abort(); // and must be written again unchanged

    first.handler.Summary().SummaryKeywords = "fuzz";
    first.handler.UpdateSummary(kPath);
    return 0;
}
