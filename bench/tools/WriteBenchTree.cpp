// Writes the benchmarks' user tree of N items (groups of 100 folder shortcuts with paths, descriptions, keys
// and times) to FILE with the program's own writer, for timing tools that need the file on disk (krvc).
//
//   bench_tree_file FILE [N=32767]

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "../BenchTrees.h"
#include "config/modFileHandler.h"
#include "fakes/FakeRegistry.h"
#include "platform/StdFileSystem.h"
#include "platform/Text.h"
#include "settings/clsRegHandler.h"
#include "settings/modOptions.h"

int main(int argc, char** argv) {
    using namespace krv;
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_tree_file FILE [N=32767]\n");
        return 2;
    }
    const int items = argc > 2 ? std::atoi(argv[2]) : clsMenuCollection::kMaxItems;
    if (items < 1 || items > clsMenuCollection::kMaxItems) {
        std::fprintf(stderr, "bench_tree_file: N must be 1 to %d\n", clsMenuCollection::kMaxItems);
        return 2;
    }
    StdFileSystem fileSystem;
    bench::BenchFileHandler files(fileSystem, std::filesystem::absolute(argv[1]).parent_path().string());
    clsMenuCollection tree;
    bench::BuildUserTree(tree, items);
    if (!files.handler.SaveConfigFile(tree, argv[1], false)) {
        std::fprintf(stderr, "bench_tree_file: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
