// Disk report archive speed and memory on a generated tree, on a warm cache, with the peers
// measured in the same run: fscopecmd /S against `gdu -n -p -o` and `ncdu -0 -o- | gzip -1`,
// and loading the archive against `gdu -n -p -f` importing its own export. Every command is
// timed as a child process (wall time, CPU time, peak resident memory); the phases of the
// save (scan, write) and the load are also timed in-process.
//   fscope_bench_archive [file count = 1000000] [runs = 1]

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FixtureTree.h"
#include "engine/Folioscope.h"
#include "engine/ReportArchive.h"

using namespace fscope;
using Clock = std::chrono::steady_clock;

namespace {

struct TMeasure {
    double wall = -1, cpu = 0;
    long peakKb = 0;
};

double Seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

// Runs `cmd` through the shell; CPU and peak memory cover the whole pipeline.
TMeasure Measure(const std::string& cmd) {
    TMeasure m;
    auto t0 = Clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", (cmd + " > /dev/null 2>&1").c_str(), nullptr);
        _exit(127);
    }
    int status = 0;
    struct rusage ru {};
    wait4(pid, &status, 0, &ru);
    auto t1 = Clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return m;
    m.wall = Seconds(t0, t1);
    m.cpu = ru.ru_utime.tv_sec + ru.ru_utime.tv_usec / 1e6 + ru.ru_stime.tv_sec +
            ru.ru_stime.tv_usec / 1e6;
    m.peakKb = ru.ru_maxrss;
    return m;
}

TMeasure Best(const std::string& cmd, int runs) {
    TMeasure best;
    for (int r = 0; r < runs; ++r) {
        TMeasure m = Measure(cmd);
        if (best.wall < 0 || (m.wall >= 0 && m.wall < best.wall)) best = m;
    }
    return best;
}

void Print(const char* label, const TMeasure& m) {
    if (m.wall < 0)
        std::printf("%-34s failed or not installed\n", label);
    else
        std::printf("%-34s %7.2f s wall  %7.2f s cpu  %8.1f MB peak\n", label, m.wall, m.cpu,
                    m.peakKb / 1024.0);
}

double ProcessCpu() {
    struct rusage ru {};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_utime.tv_sec + ru.ru_utime.tv_usec / 1e6 + ru.ru_stime.tv_sec +
           ru.ru_stime.tv_usec / 1e6;
}

long long FileBytes(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
    const std::string root = bench::DefaultFixturePath(count);
    const bench::TFixtureStats stats = bench::GenerateFixtureTree(root, count, 1);
    const std::string work = root + ".archive-bench";
    mkdir(work.c_str(), 0755);
    std::printf("tree: %s (%llu files, %llu folders), load average now: ", root.c_str(),
                static_cast<unsigned long long>(stats.files),
                static_cast<unsigned long long>(stats.folders));
    std::fflush(stdout);
    std::system("cut -d' ' -f1-3 /proc/loadavg");
    Measure("du -s '" + root + "'");  // warm the cache

    const std::string archive = work + "/snap.mxf";
    const TMeasure cmd =
        Best(std::string(FSCOPECMD_PATH) + " /S '" + root + "' '" + archive + "'", runs);
    const TMeasure gduOut = Best("gdu -n -p -o '" + work + "/gdu.json' '" + root + "'", runs);
    const TMeasure ncdu =
        Best("ncdu -0 -x -o- '" + root + "' | gzip -1 > '" + work + "/ncdu.gz'", runs);
    const TMeasure gduIn = Best("gdu -n -p -f '" + work + "/gdu.json'", runs);

    // In-process phases: scan, write the archive, load it back.
    auto t0 = Clock::now();
    auto report = std::make_unique<TFolioscope>();
    report->Scan(root + "/");
    auto t1 = Clock::now();
    SaveReportArchive(*report, archive);
    auto t2 = Clock::now();
    const size_t reportBytes = report->MemoryBytes();
    report.reset();
    double bestLoad = 1e9, loadCpu = 0;
    size_t loadedEntries = 0;
    for (int r = 0; r < runs; ++r) {
        auto loaded = std::make_unique<TFolioscope>();
        const double c0 = ProcessCpu();
        auto l0 = Clock::now();
        LoadReportArchive(*loaded, archive);
        const double wall = Seconds(l0, Clock::now());
        if (wall < bestLoad) loadCpu = ProcessCpu() - c0;
        bestLoad = std::min(bestLoad, wall);
        loadedEntries = static_cast<size_t>(loaded->FFileCount) + loaded->FFolderCount;
    }

    Print("fscopecmd /S (scan + archive)", cmd);
    Print("gdu -n -p -o", gduOut);
    Print("ncdu -0 -o- | gzip -1", ncdu);
    Print("gdu -n -p -f (import)", gduIn);
    std::printf(
        "in-process: scan %.2f s, write archive %.2f s, load archive %.2f s wall "
        "%.2f s cpu (%zu entries)\n",
        Seconds(t0, t1), Seconds(t1, t2), bestLoad, loadCpu, loadedEntries);
    std::printf("archive %.1f MB; report %.1f MB; fscopecmd peak %.1f MB = report + %.1f MB\n",
                FileBytes(archive) / 1048576.0, reportBytes / 1048576.0, cmd.peakKb / 1024.0,
                cmd.peakKb / 1024.0 - reportBytes / 1048576.0);
    if (cmd.wall > 0 && gduOut.wall > 0 && ncdu.wall > 0 && gduIn.wall > 0) {
        std::printf("wall ratios: fscopecmd/gdu %.2f, fscopecmd/ncdu %.2f, load/gdu-import %.2f\n",
                    cmd.wall / gduOut.wall, cmd.wall / ncdu.wall, bestLoad / gduIn.wall);
        std::printf("cpu ratios:  fscopecmd/gdu %.2f, fscopecmd/ncdu %.2f, load/gdu-import %.2f\n",
                    cmd.cpu / gduOut.cpu, cmd.cpu / ncdu.cpu, loadCpu / gduIn.cpu);
    }
    return 0;
}
