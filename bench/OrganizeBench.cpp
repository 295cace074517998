// The Organize window's presenter on the largest trees, with a recording view in place of the window: the
// time of opening the window on a tree of 32,767 items (copying the program's tree, filling every node with
// shortcuts shown in the left pane, selecting the root), and of switching the selected group to one that
// holds 5,000 rows (every row with its texts and both dates formatted).

#include <benchmark/benchmark.h>

#include "BenchTrees.h"
#include "app/Program.h"
#include "config/modFileHandler.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocale.h"
#include "fakes/FakeOrganizeDialogs.h"
#include "fakes/FakeOrganizeView.h"
#include "fakes/FakePauseWindow.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShellExecute.h"
#include "fakes/FakeSystemInfo.h"
#include "organize/OrganizePresenter.h"
#include "platform/Locale.h"
#include "platform/Text.h"
#include "settings/clsRegHandler.h"

namespace {

using namespace krv;

class NoHost final : public IResidentHost {
public:
    bool LoadOrganizeWindow() override { return true; }
    void BringOrganizeWindowToFront() override {}
    void InitOrganizeWindow(std::string_view) override {}
    void BringItemDialogToFront() override {}
    void ShowOptionsDialog(clsMenuCollection&, bool) override {}
    void UnloadMainWindow() override {}
    void RebuildPopupMenu(const std::function<void(clsMenuCollection&)>&) override {}
    bool SaveConfiguration() override { return true; }
};

class NoHandOver final : public IOrganizeProgram {
public:
    void ApplyToProgram(const clsMenuCollection&) override {}
    void RestoreOrganizedFolders(OrganizedFoldersLocation, const clsMenuCollection&) override {}
    void RebuildKeyboardShortcuts(clsMenuCollection&) override {}
};

// The resident program over fakes, with a tree built by fill.
struct Program {
    ProgramState state;
    FakeFileSystem fileSystem;
    FakeSystemInfo systemInfo;
    FakeShell shell;
    FakeMessageBox messageBox;
    FakeRegistry registry;
    clsRegHandler regHandler{registry};
    NoHost host;
    FakePauseWindow pauseWindow;
    ProgramContext context{state, fileSystem, systemInfo, shell, messageBox, regHandler, host, pauseWindow};
    Windows1252CodePage codePage;
    modFileHandler files{fileSystem,     codePage,      regHandler,
                         "C:\\Karvello", state.options, [](clsMenuCollection&, bool) {}};
    NoHandOver handOver;
    FakeOrganizeDialogs dialogs;
    FakeLocale locale;

    Program() {
        files.GetConfigFileName(true);
        // A short date and a 24-hour clock, as a European user has them.
        locale.items[LOCALE_ITEM_SHORT_DATE] = "dd.MM.yyyy";
        locale.items[LOCALE_ITEM_TIME_SEPARATOR] = ":";
        locale.items[LOCALE_ITEM_CLOCK_24H] = "1";
        locale.items[LOCALE_ITEM_HOUR_LEADING_ZERO] = "1";
        clsMenuItem personal;
        personal.SetName(MIT_GROUP_USER);
        personal.SetOwnerName(TOP_LEVEL_OWNER);
        personal.SetCaption("Personal");
        personal.SetSubMenu(true);
        state.MenuItems.AddOne(std::move(personal), true, false);
    }
    OrganizeServices Services() { return {context, files, handOver, dialogs, messageBox, locale}; }
    void Add(clsMenuItem item) {
        item.SetTimeCreated({2026, 3, 14, 9, 26, 53});
        item.SetTimeModified({2026, 11, 2, 17, 5, 0});
        state.MenuItems.AddOne(std::move(item), true, false);
    }
};

// Opening the window on the largest tree a collection holds: groups of 100 folder shortcuts in the personal
// group, every shortcut a node of the tree.
void BM_OrganizeOpenLargestTree(benchmark::State& state) {
    Program program;
    std::string group;
    for (int i = 0; program.state.MenuItems.Count() < clsMenuCollection::kMaxItems; ++i)
        program.Add(bench::FileOrderItem(i, group));
    for (auto _ : state) {
        FakeOrganizeView view;
        OrganizePresenter presenter(program.Services(), view);
        presenter.Load();
        benchmark::DoNotOptimize(view.treeRows.data());
    }
    state.counters["nodes"] = static_cast<double>(program.state.MenuItems.Count() + 1);
}
BENCHMARK(BM_OrganizeOpenLargestTree)->Unit(benchmark::kMillisecond);

// Switching the tree's selection to a group of 5,000 folder shortcuts: the list's rows are made anew.
void BM_OrganizeSwitchToGroupOf5000(benchmark::State& state) {
    Program program;
    clsMenuItem big;
    big.SetName("BIG");
    big.SetOwnerName(MIT_GROUP_USER);
    big.SetCaption("Big group");
    big.SetSubMenu(true);
    program.Add(std::move(big));
    for (int i = 0; i < 5000; ++i) {
        clsMenuItem item;
        item.SetName("S" + std::to_string(i));
        item.SetOwnerName("BIG");
        item.SetCaption("Folder " + std::to_string(i));
        item.SetFolderPath("C:\\Data\\Folder " + std::to_string(i));
        item.SetKeyboardCode(i % 10 == 0 ? 49 : -1);
        program.Add(std::move(item));
    }
    FakeOrganizeView view;
    OrganizePresenter presenter(program.Services(), view);
    presenter.Load();
    for (auto _ : state) {
        presenter.OnTreeSelectionChanged(ItemKey("BIG"));
        benchmark::DoNotOptimize(view.listRows);
    }
    state.counters["rows"] = static_cast<double>(presenter.ListRows().size());
}
BENCHMARK(BM_OrganizeSwitchToGroupOf5000)->Unit(benchmark::kMillisecond);

} // namespace
