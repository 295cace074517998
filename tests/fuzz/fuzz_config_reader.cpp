// Feeds arbitrary bytes to the configuration file reader, then checks that what it loaded is written and read
// back to the same items and summary texts, that those are written again unchanged, and that the listing
// and the summary update cope with it.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

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

// The fields a save writes and a load reads back (the network path is written but never read), as text.
std::vector<std::string> StoredFields(const krv::clsMenuItem& item) {
    const auto number = [](auto value) { return std::to_string(value); };
    return {number(item.Position()),
            item.Name(),
            item.Caption(),
            number(item.flags()),
            item.OwnerName(),
            number(item.IconID()),
            number(item.Separator()),
            number(item.SubMenu()),
            item.ItemType(),
            item.OpenType(),
            number(item.DriveType()),
            item.Description(),
            item.FolderPath(),
            item.ItemPath(),
            item.ItemLocation(),
            item.Remark(),
            number(item.KeyboardCode()),
            item.UserDescription(),
            krv::FormatFileDate(item.TimeCreated()),
            krv::FormatFileDate(item.TimeModified()),
            krv::FormatFileDate(item.TimeAccessed())};
}

// Every item that came back is the one that was saved, field for field, and every item came back but those a
// save drops on purpose (outside the stored groups, or owners in a loop).
void ExpectSameItems(const krv::modFileHandler& handler, const krv::clsMenuCollection& loaded,
                     const krv::clsMenuCollection& reloaded) {
    std::map<std::string, std::vector<std::string>> saved;
    for (const krv::clsMenuItem& item : loaded)
        saved.emplace(item.Name(), StoredFields(item));
    if (reloaded.Count() != loaded.Count() - handler.CountItemsASaveWouldDrop(loaded))
        std::abort();
    for (const krv::clsMenuItem& item : reloaded) {
        const auto found = saved.find(item.Name());
        if (found == saved.end() || found->second != StoredFields(item))
            std::abort();
    }
}

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
    if (!second.handler.LoadConfigFile(reloaded, kPath) || !second.handler.LastLoadStatus().Clean())
        std::abort(); // what the writer wrote must load cleanly
    ExpectSameItems(first.handler, tree, reloaded);
    if (!(second.handler.Summary() == first.handler.Summary()))
        std::abort();
    if (second.handler.ConfigurationBytes(reloaded) != saved)
        std::abort(); // and must be written again unchanged

    first.handler.Summary().SummaryKeywords = "fuzz";
    first.handler.UpdateSummary(kPath);
    return 0;
}
