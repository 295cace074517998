// Benchmarks of the folder tree: building one at three sizes up to the largest (32,767 items), so that the
// growth shows (a linear build takes about 8 times as long for 32,767 items as for 4,096), and handing out
// identifiers at the largest size.

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
std::vector<clsMenuItem> ItemsInFileOrder(int count) {
    std::vector<clsMenuItem> items;
    items.reserve(count);
    std::string group;
    for (int i = 0; i < count; ++i)
        items.push_back(bench::FileOrderItem(i, group));
    return items;
}

void BM_AppendAsTheReaderDoes(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<clsMenuItem> items = ItemsInFileOrder(static_cast<int>(state.range(0)));
        auto c = std::make_unique<clsMenuCollection>();
        state.ResumeTiming();
        for (clsMenuItem& item : items)
            c->AddOne(std::move(item), true, false);
        benchmark::DoNotOptimize(c->Count());
        state.PauseTiming();
        // Neither releasing the tree nor the moved-from items made for it is part of appending.
        c.reset();
        items = {};
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AppendAsTheReaderDoes)
    ->Arg(bench::kSmallTree)
    ->Arg(bench::kMidTree)
    ->Arg(kItems)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

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
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto c = std::make_unique<clsMenuCollection>();
        c->AddNewMenuItem({.Caption = "Personal", .OwnerName = "-1", .Name = MIT_GROUP_USER, .SubMenu = true});
        std::string group;
        for (int i = 1; i < count; ++i) {
            if (i % kGroupSize == 1) {
                group = c->AddNewMenuItem({.Caption = "Group " + std::to_string(i), .OwnerName = MIT_GROUP_USER,
                                          .SubMenu = true})
                            ->Name();
            } else {
                c->AddNewMenuItem({.Caption = "Folder " + std::to_string(count - i), .OwnerName = group,
                                  .FolderPath = "C:\\Data"});
            }
        }
        benchmark::DoNotOptimize(c->Count());
        state.PauseTiming(); // releasing the tree is not part of building it
        c.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BuildSortedTree)
    ->Arg(bench::kSmallTree)
    ->Arg(bench::kMidTree)
    ->Arg(kItems)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
} // namespace krv
