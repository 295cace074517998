// Benchmarks of the configuration file at 4,096, 16,384 and 32,767 items (the largest tree, about 10 MB), so
// that the growth with the file shows. Each load and save is measured against its limit pass in the same run:
// for a load, reading the same file through the same file system and finding every record and section tag;
// for a save, copying the same number of bytes and writing them through the same file system. The limit runs
// after every iteration, so that both see the same machine. The counters give, per pass, the median CPU time
// of an iteration as MB/s, the limit's MB/s and the ratio of the two (of_limit: 1 would be the limit itself).
// The _file variants go through the real file system in a fresh folder under /tmp, as the program does.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BenchTrees.h"
#include "config/modFileHandler.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "model/clsMenuCollection.h"
#include "platform/StdFileSystem.h"
#include "platform/Text.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

namespace krv {
namespace {

constexpr const char* kFakeFolder = "C:\\Karvello";
constexpr const char* kFakeFile = "C:\\Karvello\\default.krvc";

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "karvello-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code error;
        if (!path_.empty())
            std::filesystem::remove_all(path_, error);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The handler over the in-memory file system, or with onDisk over the real one in a temporary folder.
struct FileBench {
    explicit FileBench(bool onDisk) : fs(onDisk ? static_cast<IFileSystem&>(diskFs) : fakeFs) {
        fakeFs.AddFolder(kFakeFolder);
        file = onDisk ? folder.Path() + "/default.krvc" : kFakeFile;
    }
    bool Ready() const { return &fs == &fakeFs || !folder.Path().empty(); }

    TemporaryFolder folder;
    FakeFileSystem fakeFs;
    StdFileSystem diskFs;
    IFileSystem& fs;
    std::string file;
    bench::BenchFileHandler files{fs, kFakeFolder};
    modFileHandler& handler = files.handler;
};

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The CPU time that run takes, in seconds.
template <typename Run> double CpuSecondsOf(Run&& run) {
    const double start = ThreadCpuSeconds();
    run();
    return ThreadCpuSeconds() - start;
}

double Median(std::vector<double> samples) {
    if (samples.empty())
        return 0;
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    return *middle;
}

// The per-iteration CPU times of a pass and of its limit, reported as MB/s and their ratio.
struct AgainstLimit {
    std::vector<double> pass;
    std::vector<double> limit;

    void Report(benchmark::State& state, size_t bytes) const {
        const double megabytes = static_cast<double>(bytes) / 1e6;
        const double passSeconds = Median(pass);
        const double limitSeconds = Median(limit);
        state.counters["file_MB"] = megabytes;
        state.counters["MBps"] = passSeconds > 0 ? megabytes / passSeconds : 0;
        state.counters["limit_MBps"] = limitSeconds > 0 ? megabytes / limitSeconds : 0;
        state.counters["of_limit"] = passSeconds > 0 ? limitSeconds / passSeconds : 0;
        state.counters["cpu_ms"] = passSeconds * 1e3;
        state.counters["limit_cpu_ms"] = limitSeconds * 1e3;
        state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
        state.SetComplexityN(state.range(0));
    }
};

// The least a reader does: get the bytes and find every record and every section or block tag.
size_t ReadAndWalkRecords(IFileSystem& fs, const std::string& file) {
    const std::optional<std::string> content = fs.ReadFile(file);
    if (!content)
        return 0;
    size_t tags = 0;
    RecordCursor records(*content);
    for (std::string_view record; records.Next(record);)
        tags += record.size() >= 3 && record.front() == '[' && record.ends_with(":]");
    return tags;
}

// The least a writer does: put the bytes in a buffer of its own and write them in place of the file.
bool CopyAndWrite(IFileSystem& fs, const std::string& file, std::string_view bytes) {
    std::string copy(bytes.size(), '\0');
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    return fs.ReplaceFileAtomically(file, copy);
}

// The least a writer that keeps backups does besides: read the previous content and compare it with the new
// (a save that changes nothing leaves the backups alone).
bool ReadCompareCopyAndWrite(IFileSystem& fs, const std::string& file, std::string_view bytes) {
    const std::optional<std::string> previous = fs.ReadFile(file);
    benchmark::DoNotOptimize(previous && *previous == bytes);
    return CopyAndWrite(fs, file, bytes);
}

void SaveAgainstLimit(benchmark::State& state, bool onDisk) {
    FileBench bench(onDisk);
    if (!bench.Ready()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    clsMenuCollection tree;
    bench::BuildUserTree(tree, static_cast<int>(state.range(0)));
    const std::string bytes = bench.handler.ConfigurationBytes(tree);
    const std::string limitFile = bench.file + ".limit";
    AgainstLimit times;
    std::vector<double> withBackup;
    for (auto _ : state) {
        bool saved = false;
        times.pass.push_back(CpuSecondsOf([&] { saved = bench.handler.SaveConfigFile(tree, bench.file, false); }));
        state.PauseTiming();
        bool written = false;
        times.limit.push_back(CpuSecondsOf([&] { written = CopyAndWrite(bench.fs, limitFile, bytes); }));
        withBackup.push_back(CpuSecondsOf([&] { written &= ReadCompareCopyAndWrite(bench.fs, limitFile, bytes); }));
        state.ResumeTiming();
        if (!saved || !written)
            state.SkipWithError("save failed");
    }
    times.Report(state, bytes.size());
    // The same against the limit of a writer that reads and compares the previous content, as this one must.
    const double backupSeconds = Median(withBackup);
    state.counters["backup_limit_MBps"] = backupSeconds > 0 ? static_cast<double>(bytes.size()) / 1e6 / backupSeconds : 0;
    state.counters["of_backup_limit"] = backupSeconds / Median(times.pass);
}

void LoadAgainstLimit(benchmark::State& state, bool onDisk) {
    FileBench bench(onDisk);
    if (!bench.Ready()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    {
        clsMenuCollection tree;
        bench::BuildUserTree(tree, static_cast<int>(state.range(0)));
        bench.handler.SaveConfigFile(tree, bench.file, false);
    }
    const size_t bytes = bench.fs.ReadFile(bench.file).value_or(std::string()).size();
    AgainstLimit times;
    for (auto _ : state) {
        auto tree = std::make_unique<clsMenuCollection>();
        bool loaded = false;
        times.pass.push_back(CpuSecondsOf([&] { loaded = bench.handler.LoadConfigFile(*tree, bench.file); }));
        benchmark::DoNotOptimize(tree->Count());
        state.PauseTiming(); // releasing the tree is not part of loading it
        tree.reset();
        size_t tags = 0;
        times.limit.push_back(CpuSecondsOf([&] { tags = ReadAndWalkRecords(bench.fs, bench.file); }));
        benchmark::DoNotOptimize(tags);
        state.ResumeTiming();
        if (!loaded || tags == 0)
            state.SkipWithError("load failed");
    }
    times.Report(state, bytes);
}

void BM_SaveConfigFile(benchmark::State& state) {
    SaveAgainstLimit(state, false);
}
void BM_LoadConfigFile(benchmark::State& state) {
    LoadAgainstLimit(state, false);
}
void BM_SaveConfigFile_file(benchmark::State& state) {
    SaveAgainstLimit(state, true);
}
void BM_LoadConfigFile_file(benchmark::State& state) {
    LoadAgainstLimit(state, true);
}

void FileSizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(4096)->Arg(16384)->Arg(clsMenuCollection::kMaxItems);
    bench->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}
BENCHMARK(BM_SaveConfigFile)->Apply(FileSizes);
BENCHMARK(BM_LoadConfigFile)->Apply(FileSizes);
BENCHMARK(BM_SaveConfigFile_file)->Apply(FileSizes);
BENCHMARK(BM_LoadConfigFile_file)->Apply(FileSizes);

// How much of a load the tree's own work of adding items takes: the CPU time of a load against that of adding
// the same items, already made, to a new tree (AddOne with its indexes, as the load calls it). add_share is
// the second over the first.
void BM_LoadConfigFile_AddShare(benchmark::State& state) {
    FileBench bench(false);
    {
        clsMenuCollection tree;
        bench::BuildUserTree(tree, static_cast<int>(state.range(0)));
        bench.handler.SaveConfigFile(tree, bench.file, false);
    }
    std::vector<clsMenuItem> loadedItems;
    {
        clsMenuCollection loaded;
        bench.handler.LoadConfigFile(loaded, bench.file);
        loadedItems.assign(loaded.begin(), loaded.end());
    }
    const size_t bytes = bench.fakeFs.Content(bench.file)->size();
    std::vector<double> load;
    std::vector<double> add;
    for (auto _ : state) {
        auto tree = std::make_unique<clsMenuCollection>();
        load.push_back(CpuSecondsOf([&] { bench.handler.LoadConfigFile(*tree, bench.file); }));
        state.PauseTiming();
        tree = std::make_unique<clsMenuCollection>();
        std::vector<clsMenuItem> items = loadedItems;
        add.push_back(CpuSecondsOf([&] {
            tree->Reserve(items.size());
            for (clsMenuItem& item : items)
                tree->AddOne(std::move(item), true, false);
        }));
        benchmark::DoNotOptimize(tree->Count());
        tree.reset();
        state.ResumeTiming();
    }
    state.counters["load_cpu_ms"] = Median(load) * 1e3;
    state.counters["add_cpu_ms"] = Median(add) * 1e3;
    state.counters["add_share"] = Median(add) / Median(load);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadConfigFile_AddShare)->Apply(FileSizes);

void BM_TextListing(benchmark::State& state) {
    FileBench bench(false);
    clsMenuCollection tree;
    bench::BuildUserTree(tree, clsMenuCollection::kMaxItems);
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.handler.TextListingBytes(tree));
}
BENCHMARK(BM_TextListing)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace krv
