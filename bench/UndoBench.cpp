// The cost of the Organize window's undo history on the largest tree a collection holds (32,767 items):
// the memory of the first snapshot and of each later step, measured both by the history's own estimate and
// by the C library's count of allocated heap bytes, and the time of taking a step and of undoing it.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include "BenchTrees.h"
#include "model/clsMenuCollection.h"
#include "organize/UndoHistory.h"

namespace {

using namespace krv;

void FillLargestTree(clsMenuCollection& c) {
    clsMenuItem personal;
    personal.SetName(MIT_GROUP_USER);
    personal.SetOwnerName(TOP_LEVEL_OWNER);
    personal.SetCaption("Personal");
    personal.SetSubMenu(true);
    c.AddOne(std::move(personal), true, false);
    std::string group;
    for (int i = 0; c.Count() < clsMenuCollection::kMaxItems; ++i) {
        clsMenuItem item = bench::FileOrderItem(i, group);
        c.AddOne(item, true, false);
        c.ItemFullPath(*c.GetMenuItemFromName(item.Name()));
    }
}

size_t HeapBytes() {
    return mallinfo2().uordblks + mallinfo2().hblkhd;
}

// One edit of the kind users make most: a shortcut renamed. The history takes a snapshot before it.
void RenameStep(UndoHistory& history, clsMenuCollection& work, int n) {
    auto checkpoint = history.Capture(work, {});
    work.GetMenuItemFromName("N" + std::to_string(2 + n % 30000))->SetCaption("Renamed " + std::to_string(n));
    history.Commit(std::move(checkpoint), "Rename");
}

void BM_UndoFirstSnapshot(benchmark::State& state) {
    clsMenuCollection work;
    FillLargestTree(work);
    size_t estimate = 0;
    size_t heap = 0;
    for (auto _ : state) {
        const size_t before = HeapBytes();
        UndoHistory history;
        auto checkpoint = history.Capture(work, {});
        history.Commit(std::move(checkpoint), "Rename");
        heap = HeapBytes() - before;
        estimate = history.Bytes();
    }
    state.counters["items"] = work.Count();
    state.counters["estimate_MB"] = static_cast<double>(estimate) / (1 << 20);
    state.counters["heap_MB"] = static_cast<double>(heap) / (1 << 20);
}
BENCHMARK(BM_UndoFirstSnapshot)->Unit(benchmark::kMillisecond);

void BM_UndoLaterStep(benchmark::State& state) {
    clsMenuCollection work;
    FillLargestTree(work);
    UndoHistory history;
    RenameStep(history, work, 0);
    int n = 1;
    const size_t bytesBefore = history.Bytes();
    const size_t heapBefore = HeapBytes();
    for (auto _ : state)
        RenameStep(history, work, n++);
    const double steps = n - 1;
    state.counters["estimate_KB_per_step"] =
        static_cast<double>(history.Bytes() - bytesBefore) / 1024 / steps;
    state.counters["heap_KB_per_step"] = static_cast<double>(HeapBytes() - heapBefore) / 1024 / steps;
}
BENCHMARK(BM_UndoLaterStep)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_UndoAndRedo(benchmark::State& state) {
    clsMenuCollection work;
    FillLargestTree(work);
    UndoHistory history;
    RenameStep(history, work, 0);
    for (auto _ : state) {
        history.Undo(work, {});
        history.Redo(work, {});
    }
}
BENCHMARK(BM_UndoAndRedo)->Unit(benchmark::kMillisecond);

} // namespace
