// Scan speed and memory on a generated tree, next to `du -s` (and ncdu / gdu when installed)
// on the same tree in the same run, on a warm cache.
//   fscope_bench_scan [file count = 1000000] [runs = 3]

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FixtureTree.h"
#include "engine/Folioscope.h"

using namespace fscope;
using Clock = std::chrono::steady_clock;

namespace {
double Seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

double TimeCommand(const std::string& cmd) {
    auto t0 = Clock::now();
    int rc = std::system((cmd + " > /dev/null 2>&1").c_str());
    auto t1 = Clock::now();
    return rc == 0 ? Seconds(t0, t1) : -1;
}

bool HaveCommand(const char* name) {
    return std::system((std::string("command -v ") + name + " > /dev/null 2>&1").c_str()) == 0;
}

size_t HeapInUse() {
    struct mallinfo2 mi = mallinfo2();
    return mi.uordblks + mi.hblkhd;
}
}  // namespace

int main(int argc, char** argv) {
    const uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    const std::string root = bench::DefaultFixturePath(count);
    bench::TFixtureStats stats = bench::GenerateFixtureTree(root, count, 1);
    std::printf("tree: %s (%llu files, %llu folders)\n", root.c_str(),
                static_cast<unsigned long long>(stats.files),
                static_cast<unsigned long long>(stats.folders));
    TimeCommand("du -s '" + root + "'");  // warm the cache

    double best = 1e9, bestDu = 1e9;
    size_t bytes = 0, entries = 0;
    for (int r = 0; r < runs; ++r) {
        bestDu = std::min(bestDu, TimeCommand("du -s '" + root + "'"));
        const size_t before = HeapInUse();
        auto t0 = Clock::now();
        auto report = std::make_unique<TFolioscope>();
        report->Scan(root + "/");
        auto t1 = Clock::now();
        best = std::min(best, Seconds(t0, t1));
        bytes = HeapInUse() - before;
        entries = static_cast<size_t>(report->FFileCount) + report->FFolderCount;
        report->FreeTree();
    }
    std::printf("du -s:          %.3f s\n", bestDu);
    std::printf("fscope scan:    %.3f s  (%.0f files/s, %zu entries)\n", best, stats.files / best,
                entries);
    std::printf("memory:         %.1f bytes per recorded entry (%zu bytes)\n",
                static_cast<double>(bytes) / entries, bytes);
    if (HaveCommand("ncdu"))
        std::printf("ncdu -0 -o-:    %.3f s\n",
                    TimeCommand("ncdu -0 -x -o- '" + root + "' > /dev/null"));
    if (HaveCommand("gdu"))
        std::printf("gdu -n -p:      %.3f s\n", TimeCommand("gdu -n -p '" + root + "'"));
    return 0;
}
