// Benchmarks of the configuration file at the largest tree (32,767 items, about 10 MB), against the in-memory
// file system so that only the reader and writer are measured. The smaller sizes show that the cost grows in
// step with the file.

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

#include "config/modFileHandler.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "model/clsMenuCollection.h"
#include "platform/Text.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace krv {
namespace {

constexpr const char* kFile = "C:\\Karvello\\default.krvc";
constexpr int kGroupSize = 100;

// A tree of the given size as a user's would look: groups of 100 shortcuts with paths, descriptions, keys and
// times, under the personal group; the items carry their stored paths as a loaded tree does.
void BuildTree(clsMenuCollection& tree, int items) {
    clsMenuItem personal;
    personal.SetName(MIT_GROUP_USER);
    personal.SetCaption("Personal");
    personal.SetOwnerName(TOP_LEVEL_OWNER);
    personal.SetSubMenu(true);
    personal.SetItemPath("\\Personal");
    personal.SetItemLocation("\\\\");
    tree.AddOne(std::move(personal), true, false);
    std::string group;
    std::string groupCaption;
    for (int i = 1; i < items; ++i) {
        clsMenuItem item;
        if (i % kGroupSize == 1) {
            groupCaption = "Projects and archives " + std::to_string(i);
            item.SetCaption(groupCaption);
            item.SetOwnerName(MIT_GROUP_USER);
            item.SetSubMenu(true);
            item.SetItemPath("\\" + groupCaption);
            item.SetItemLocation("\\\\Personal");
            item.SetUserDescription("A group of folder shortcuts for the projects of one customer");
        } else {
            item.SetCaption("Customer folder d\xC3\xA9j\xC3\xA0 vu " + std::to_string(i));
            item.SetOwnerName(group);
            item.SetOpenType(i % 3 == 0 ? MIT_PATH_EXPLORER : MIT_PATH_SHORTCUT);
            item.SetFolderPath("D:\\Shared\\Customers\\Projects and archives\\Customer folder " +
                               std::to_string(i) + "\\Documents");
            item.SetItemPath("\\" + groupCaption);
            item.SetItemLocation("\\\\Personal\\" + groupCaption);
            item.SetKeyboardCode(i % 10 == 0 ? 48 + (i / 10) % 10 : -1);
            item.SetUserDescription("Contracts, drawings and correspondence");
            item.SetTimeModified(DateTime{2026, 11, 30, 17, 45, 12});
        }
        item.SetTimeCreated(DateTime{2025, 1, 15, 9, 30, 0});
        tree.AddOne(item, true, false);
        if (i % kGroupSize == 1)
            group = item.Name();
    }
}

struct FileBench {
    FileBench() {
        InitOptionNames(options);
        LoadOptions(options, regHandler, false);
        fs.AddFolder("C:\\Karvello");
    }
    FakeFileSystem fs;
    Windows1252CodePage codePage;
    FakeRegistry registry;
    clsRegHandler regHandler{registry};
    Options options;
    modFileHandler handler{fs, codePage, regHandler, "C:\\Karvello", options, nullptr};
};

void BM_SaveConfigFile(benchmark::State& state) {
    FileBench bench;
    clsMenuCollection tree;
    BuildTree(tree, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!bench.handler.SaveConfigFile(tree, kFile, false))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bench.fs.Content(kFile)->size()));
    state.counters["file_MB"] = static_cast<double>(bench.fs.Content(kFile)->size()) / 1e6;
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SaveConfigFile)
    ->Arg(8192)
    ->Arg(16384)
    ->Arg(clsMenuCollection::kMaxItems)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_LoadConfigFile(benchmark::State& state) {
    FileBench bench;
    {
        clsMenuCollection tree;
        BuildTree(tree, static_cast<int>(state.range(0)));
        bench.handler.SaveConfigFile(tree, kFile, false);
    }
    for (auto _ : state) {
        auto tree = std::make_unique<clsMenuCollection>();
        if (!bench.handler.LoadConfigFile(*tree, kFile))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(tree->Count());
        state.PauseTiming(); // releasing the tree is not part of loading it
        tree.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bench.fs.Content(kFile)->size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadConfigFile)
    ->Arg(8192)
    ->Arg(16384)
    ->Arg(clsMenuCollection::kMaxItems)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_TextListing(benchmark::State& state) {
    FileBench bench;
    clsMenuCollection tree;
    BuildTree(tree, clsMenuCollection::kMaxItems);
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.handler.TextListingBytes(tree));
}
BENCHMARK(BM_TextListing)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace krv
