// The heap a folder tree holds: bytes live after building a tree minus before, per item. Every allocation of
// the benchmark program goes through the counting operator new below; the count is of the bytes the C
// library reserves for each block (malloc_usable_size), which is what the blocks cost beyond their
// bookkeeping headers.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

#include "../BenchTrees.h"
#include "config/modFileHandler.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "model/clsMenuCollection.h"
#include "platform/Text.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace {

std::atomic<long long> g_liveHeapBytes{0};
std::atomic<long long> g_liveHeapBlocks{0};

void* CountedAllocation(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    g_liveHeapBytes.fetch_add(static_cast<long long>(malloc_usable_size(block)), std::memory_order_relaxed);
    g_liveHeapBlocks.fetch_add(1, std::memory_order_relaxed);
    return block;
}

void CountedRelease(void* block) noexcept {
    if (!block)
        return;
    g_liveHeapBytes.fetch_sub(static_cast<long long>(malloc_usable_size(block)), std::memory_order_relaxed);
    g_liveHeapBlocks.fetch_sub(1, std::memory_order_relaxed);
    std::free(block);
}

} // namespace

void* operator new(std::size_t size) { return CountedAllocation(size); }
void* operator new[](std::size_t size) { return CountedAllocation(size); }
void operator delete(void* block) noexcept { CountedRelease(block); }
void operator delete[](void* block) noexcept { CountedRelease(block); }
void operator delete(void* block, std::size_t) noexcept { CountedRelease(block); }
void operator delete[](void* block, std::size_t) noexcept { CountedRelease(block); }

namespace krv {
namespace {

// The bytes and the blocks live on the heap.
struct HeapCount {
    long long bytes = 0;
    long long blocks = 0;
    HeapCount operator-(const HeapCount& other) const { return {bytes - other.bytes, blocks - other.blocks}; }
};

HeapCount LiveHeap() {
    return {g_liveHeapBytes.load(std::memory_order_relaxed), g_liveHeapBlocks.load(std::memory_order_relaxed)};
}

// Blocks per item tell what another heap would charge: each block pays that heap's header and rounding.
void ReportPerItem(benchmark::State& state, HeapCount heap, int items) {
    state.counters["heap_bytes"] = static_cast<double>(heap.bytes);
    state.counters["bytes_per_item"] = static_cast<double>(heap.bytes) / items;
    state.counters["blocks_per_item"] = static_cast<double>(heap.blocks) / items;
    state.counters["items"] = items;
}

// The heap a tree that fill makes holds, counted in every iteration; releasing the tree is not timed.
template <typename Fill> void MeasureTreeHeap(benchmark::State& state, Fill&& fill) {
    HeapCount heap;
    int count = 0;
    for (auto _ : state) {
        const HeapCount before = LiveHeap();
        auto tree = std::make_unique<clsMenuCollection>();
        fill(*tree);
        heap = LiveHeap() - before;
        count = tree->Count();
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    ReportPerItem(state, heap, count);
}

// A user's tree built in memory, as the file benchmarks build it.
void BM_TreeHeapBytes(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    MeasureTreeHeap(state, [&](clsMenuCollection& tree) { bench::BuildUserTree(tree, items); });
}
BENCHMARK(BM_TreeHeapBytes)
    ->Arg(bench::kSmallTree)
    ->Arg(clsMenuCollection::kMaxItems)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The same tree as the reader leaves it: saved to the in-memory file system and loaded again; only the
// loaded tree is counted (the file's bytes and the reader's passing buffers are gone by then).
void BM_LoadedTreeHeapBytes(benchmark::State& state) {
    FakeFileSystem fs;
    fs.AddFolder("C:\\Karvello");
    bench::BenchFileHandler files(fs, "C:\\Karvello");
    constexpr const char* kFile = "C:\\Karvello\\default.krvc";
    {
        clsMenuCollection tree;
        bench::BuildUserTree(tree, static_cast<int>(state.range(0)));
        files.handler.SaveConfigFile(tree, kFile, false);
    }
    MeasureTreeHeap(state, [&](clsMenuCollection& tree) {
        if (!files.handler.LoadConfigFile(tree, kFile))
            state.SkipWithError("load failed");
    });
}
BENCHMARK(BM_LoadedTreeHeapBytes)->Arg(clsMenuCollection::kMaxItems)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace krv
