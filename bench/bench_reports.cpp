// Time of every summary report and of the duplicate lists at the scan root of a generated tree.
//   fscope_bench_reports [file count = 1000000]
// Targets: each report under 0.5 s, the owner report under 2 s, each duplicate list under 2 s.

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "FixtureTree.h"
#include "common/CustomTypes.h"
#include "common/Options.h"
#include "reports/Reports.h"
#include "viewer/ListBuilders.h"

using namespace fscope;
using Clock = std::chrono::steady_clock;

namespace {

double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// Wall-clock time of `work`; its processor time (user + system) goes to lastCpu, which is the
// fairer figure on a machine that other work keeps busy.
double lastCpu = 0;
double Time(const std::function<void()>& work) {
    const double cpu0 = CpuSeconds();
    const auto t0 = Clock::now();
    work();
    lastCpu = CpuSeconds() - cpu0;
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

void Print(const char* what, double seconds, size_t rows, double target) {
    std::printf("%-34s %7.3f s wall %7.3f s cpu %9zu rows  (target < %.1f s)%s\n", what, seconds,
                lastCpu, rows, target, std::min(seconds, lastCpu) < target ? "" : "  OVER");
}

}  // namespace

int main(int argc, char** argv) {
    const uint64_t fileCount = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const std::string root = bench::DefaultFixturePath(fileCount);
    const bench::TFixtureStats stats = bench::GenerateFixtureTree(root, fileCount, 1);
    std::printf("load average: ");
    std::fflush(stdout);
    std::system("cut -d' ' -f1-3 /proc/loadavg");
    std::printf("tree %s: %llu files, %llu folders\n", root.c_str(),
                static_cast<unsigned long long>(stats.files),
                static_cast<unsigned long long>(stats.folders));

    TFolioscope scan;
    const double scanTime = Time([&] { scan.Scan(root + "/"); });
    std::printf("scan: %.2f s, %d files\n", scanTime, scan.FFileCount);

    ReadCustTypes(FSCOPE_FILTERS_FILE);
    TOptions options = DefaultOptions();
    options.Reginfo.JunkFiles = GetCustTypeMasks("Junk Files");
    TReports reports(options, CustTypes(), SystemReportEnvironment());
    const TReportScope scope = ReportScope(1, &scan, nullptr);
    reports.SetScope(scope);

    auto report = [&](const char* name, TReportKind kind, double target,
                      const std::function<void()>& load) {
        reports.Reset();
        const double seconds = Time(load);
        Print(name, seconds, reports.RowCount(kind), target);
    };
    report("file types (scan totals)", TReportKind::FileTypes, 0.5,
           [&] { reports.LoadFileTypesReport(true); });
    // The walk a folder below the root pays: the same files, collected afresh.
    reports.Reset();
    const double walk = Time([&] { reports.CollectExt(scope); });
    Print("file types (walk of every file)", walk, reports.ExtList().size(), 0.5);
    report("attributes", TReportKind::Attr, 0.5, [&] { reports.LoadAttrReport(true); });
    report("size ranges", TReportKind::Size, 0.5, [&] { reports.LoadSizeReport(true); });
    report("date ranges (modified)", TReportKind::Date, 0.5,
           [&] { reports.LoadDateReport(1, true); });
    report("hours (modified)", TReportKind::Time, 0.5, [&] { reports.LoadTimeReport(1, true); });
    report("custom types summary", TReportKind::Sp, 0.5, [&] { reports.LoadSpReport(true); });
    report("all folders (with subtree totals)", TReportKind::AllFolders, 0.5, [&] {
        reports.LoadAllFoldersReport(0);
        options.LVSort9 = 2;
        options.LVSortOrder9 = 1;
        reports.SortAllFolders();
    });
    report("owners (snapshot ids)     ", TReportKind::Owner, 2.0,
           [&] { reports.LoadOwnerReport(true); });

    for (const char* key : {"DUPSN", "DUPSS", "DUPSD"}) {
        TListOutcome out;
        const double seconds = Time([&] { out = SpecialFiles(true, scope, key, options); });
        Print((std::string("duplicates ") + key).c_str(), seconds, out.list.files.size(), 2.0);
    }
    for (int column : {0, 1}) {
        options.VSort = column;
        TListOutcome out;
        const double seconds = Time([&] { out = SpecialFiles(true, scope, "ALLFILES", options); });
        Print(column == 0 ? "all files list, by name" : "all files list, by path", seconds,
              out.list.files.size(), 2.0);
    }
    return 0;
}
