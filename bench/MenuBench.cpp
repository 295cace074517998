// Benchmarks of the popup menu builder at the largest tree (32,767 items) against the recording fake menu
// host.

#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "BenchTrees.h"
#include "fakes/FakeMenuHost.h"
#include "fakes/FakeMenuWindow.h"
#include "fakes/FakeSystemInfo.h"
#include "groups/modSetupDrives.h"
#include "menu/modMenuSetup.h"
#include "model/clsMenuCollection.h"

namespace krv {
namespace {

clsMenuItem TopLevel(const char* name, const char* caption, bool separator = false) {
    clsMenuItem item;
    item.SetName(name);
    item.SetCaption(caption);
    item.SetOwnerName(TOP_LEVEL_OWNER);
    item.SetSeparator(separator);
    return item;
}

// The fixed entries, the Drives group with four drives, and a personal group filled with groups of 99 folder
// shortcuts each, up to 32,767 items in all, in the order a configuration file gives them.
const clsMenuCollection& LargestTree() {
    static const std::unique_ptr<clsMenuCollection> tree = [] {
        auto c = std::make_unique<clsMenuCollection>();
        c->AddOne(TopLevel(MIT_HF_HELP, "Help"), true, false);
        c->AddOne(TopLevel(MIT_HF_HELP_SEP, "", true), true, false);
        clsMenuItem personal = TopLevel(MIT_GROUP_USER, "Personal");
        personal.SetSubMenu(true);
        c->AddOne(personal, true, false);
        c->AddOne(TopLevel(MIT_HF_DRIVES_SEP, "", true), true, false);
        c->AddOne(TopLevel(MIT_HF_SETTINGS, "Options"), true, false);
        c->AddOne(TopLevel(MIT_HF_ORGANIZE, "Organize Folders"), true, false);
        FakeSystemInfo system;
        for (char letter : {'A', 'C', 'D', 'E'}) {
            system.AddDrive(
                {.Letter = letter, .Type = letter == 'A' ? DRIVE_TYPE_REMOVABLE : DRIVE_TYPE_FIXED});
        }
        std::vector<clsDrive> drives;
        AddDrives(*c, system, drives);

        std::string group;
        for (int i = 0; c->Count() < clsMenuCollection::kMaxItems; ++i) {
            clsMenuItem item = bench::FileOrderItem(i, group);
            // Appended: a group still stands before its children, and the personal group's content lies
            // between it and the separator, as sorted placement would also put it.
            c->AddBefore(item, MIT_HF_DRIVES_SEP, false);
        }
        return c;
    }();
    return *tree;
}

// A copy of the largest tree and a fresh menu, made outside the measured time.
struct Subject {
    clsMenuCollection tree;
    FakeMenuHost host;
    FakeMenuWindow window;
    Subject() {
        CopyCollection(LargestTree(), tree);
        host.SetRecording(false);
    }
};

template <typename Measured> double Seconds(Measured measured) {
    const auto start = std::chrono::steady_clock::now();
    measured();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_BuildPopupMenu(benchmark::State& state) {
    for (auto _ : state) {
        auto subject = std::make_unique<Subject>();
        state.SetIterationTime(
            Seconds([&] { BuildPopupMenu(subject->window, subject->host, subject->tree, ""); }));
        benchmark::DoNotOptimize(subject->host.EntryCount(subject->host.TopLevelPopup()));
    }
    state.counters["items"] = LargestTree().Count();
}
BENCHMARK(BM_BuildPopupMenu)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ClearPopupMenu(benchmark::State& state) {
    for (auto _ : state) {
        auto subject = std::make_unique<Subject>();
        BuildPopupMenu(subject->window, subject->host, subject->tree, "");
        state.SetIterationTime(Seconds([&] { ClearPopupMenu(subject->host, subject->tree); }));
        benchmark::DoNotOptimize(subject->host.MenuCount());
    }
    state.counters["items"] = LargestTree().Count();
}
BENCHMARK(BM_ClearPopupMenu)->UseManualTime()->Unit(benchmark::kMillisecond);

// What a changed set of drives costs before the menu shows: the group and its drives come out of the menu
// and go back in, in a tree of the largest size.
void BM_RebuildDrivesGroup(benchmark::State& state) {
    FakeSystemInfo system;
    for (char letter : {'A', 'C', 'D', 'E'}) {
        system.AddDrive({.Letter = letter, .Type = letter == 'A' ? DRIVE_TYPE_REMOVABLE : DRIVE_TYPE_FIXED});
    }
    std::vector<clsDrive> drives;
    for (auto _ : state) {
        auto subject = std::make_unique<Subject>();
        BuildPopupMenu(subject->window, subject->host, subject->tree, "");
        state.SetIterationTime(Seconds([&] {
            RemoveDrives(subject->tree, &subject->host);
            AddDrives(subject->tree, system, drives);
            BuildPopupMenu(subject->window, subject->host, subject->tree, MIT_PATHS_DRIVES);
        }));
    }
}
BENCHMARK(BM_RebuildDrivesGroup)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace krv
