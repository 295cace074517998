// Benchmarks of the folder tree at its largest size (32,767 items).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "BenchTrees.h"
#include "model/clsMenuCollection.h"

namespace krv {
namespace {

constexpr int kItems = clsMenuCollection::kMaxItems;
using bench::kGroupSize;

// Items arrive in file order: each group, then its shortcuts, appended without path computation.
// The items are made beforehand; the reader's own cost is measured with the file benchmarks.
std::vector<clsMenuItem> ItemsInFileOrder() {
    std::vector<clsMenuItem> items;
    items.reserve(kItems);
    std::string group;
    for (int i = 0; i < kItems; ++i)
        items.push_back(bench::FileOrderItem(i, group));
    return items;
}

void BM_AppendAsTheReaderDoes(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<clsMenuItem> items = ItemsInFileOrder();
        auto c = std::make_unique<clsMenuCollection>();
        state.ResumeTiming();
        for (clsMenuItem& item : items)
            c->AddOne(std::move(item), true, false);
        benchmark::DoNotOptimize(c->Count());
        state.PauseTiming();
        c.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppendAsTheReaderDoes)->Unit(benchmark::kMillisecond);

// The menu builder hands every item a fresh identifier and stores it on the item at once.
void BM_HandOutIdentifiers(benchmark::State& state) {
    clsMenuCollection c;
    for (int i = 0; i < kItems; ++i)
        c.AddOne(clsMenuItem(), true, false);
    for (auto _ : state) {
        state.PauseTiming();
        c.ResetCounters();
        for (clsMenuItem& item : c)
            item.SetID(0);
        state.ResumeTiming();
        for (clsMenuItem& item : c)
            item.SetID(c.GetNextFreeID());
        benchmark::DoNotOptimize(c.IDCounter());
    }
}
BENCHMARK(BM_HandOutIdentifiers)->Unit(benchmark::kMillisecond);

// Users build trees through the sorted placement: groups of 100 shortcuts in reverse caption order,
// the worst case for finding the place among siblings.
void BM_BuildSortedTree(benchmark::State& state) {
    for (auto _ : state) {
        clsMenuCollection c;
        c.AddNewMenuItem({.Caption = "Personal", .OwnerName = "-1", .Name = MIT_GROUP_USER, .SubMenu = true});
        std::string group;
        for (int i = 1; i < kItems; ++i) {
            if (i % kGroupSize == 1) {
                group = c.AddNewMenuItem({.Caption = "Group " + std::to_string(i), .OwnerName = MIT_GROUP_USER,
                                          .SubMenu = true})
                            ->Name();
            } else {
                c.AddNewMenuItem({.Caption = "Folder " + std::to_string(kItems - i), .OwnerName = group,
                                  .FolderPath = "C:\\Data"});
            }
        }
        benchmark::DoNotOptimize(c.Count());
    }
}
BENCHMARK(BM_BuildSortedTree)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace krv
