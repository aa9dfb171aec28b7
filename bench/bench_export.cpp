// Time to build and write every export document over 100,000 rows (the target is under one
// second each). The rows are an in-memory report of one folder holding 100,000 files with
// names of mixed text (non-ASCII, '&', the separator), so escaping and quoting are exercised.
// Usage: fscope_bench_export [rows] [output folder]
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/Folioscope.h"
#include "export/ExportToFile.h"
#include "platform/DateTimeText.h"

using namespace fscope;

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

// Wall-clock and CPU time of one export. The CPU time is the figure to compare with the
// target on a busy machine, where the wall-clock time also counts waiting for a processor.
struct TTiming {
    double wall = 0, cpu = 0;
};

TTiming Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    work();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            CpuSeconds() - cpuStart};
}

void Report(const char* what, TTiming t, size_t bytes) {
    std::printf("%-30s %7.3f s wall %7.3f s cpu %10zu bytes\n", what, t.wall, t.cpu, bytes);
}

}  // namespace

int main(int argc, char** argv) {
    const size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const std::string outDir = argc > 2 ? argv[2] : std::filesystem::temp_directory_path().string();

    TFolioscope report;
    report.FRootPath = "/bench/data/";
    TFoldInfo* folder = report.NewFolder(nullptr, "folder");
    folder->SetType(kFolderTypeName, 0);
    std::vector<TFoldInfo*> rows;
    rows.reserve(count);
    const char* stems[] = {"report", "caf\xC3\xA9 menu", "a&b <draft>", "one,two"};
    for (size_t i = 0; i < count; ++i) {
        TFoldInfo* f = report.NewFile(
            folder, std::string(stems[i % 4]) + std::to_string(i) + (i % 3 ? ".txt" : ".jpeg"));
        f->FSize = static_cast<double>(i * 37 % 5000000);
        f->FAllocSize = (static_cast<int64_t>(f->FSize) / 4096 + 1) * 4096.0;
        f->FAttr = i % 2 ? 0x20 : 0x21;
        f->FModified = EncodeDateTime(2020 + i % 5, 1 + i % 12, 1 + i % 28, i % 24, i % 60, 7);
        f->FCreated = f->FModified - 3.25;
        f->FAccessed = f->FModified + 1;
        f->SetType(i % 3 ? "Text Document" : "JPEG Image", 1);
        rows.push_back(f);
    }
    std::vector<size_t> selected;  // no selection: the whole list

    TExportContext context;
    context.settings = {"GEN", "2", ","};
    context.pathBoxText = report.FRootPath + "folder/";
    context.now = EncodeDateTime(2024, 3, 5, 14, 7, 9);
    const auto noShortNames = [](const std::string&) { return std::string(); };

    TFolderListRows explorer;
    explorer.report = &report;
    explorer.rows = rows;
    explorer.visible.set();
    explorer.percentOf = [](const TFoldInfo& n) { return n.FSize / 1e9; };
    explorer.shortPathName = noShortNames;

    TViewerList viewer;
    viewer.report = &report;
    viewer.rows = rows;
    viewer.selected = selected;
    viewer.visible.set();
    viewer.title = "All Files from /bench/data/";
    viewer.shortPathName = noShortNames;

    std::vector<TAllFoldInfo> folders(count);
    std::vector<const TAllFoldInfo*> folderRows;
    for (size_t i = 0; i < count; ++i) {
        folders[i].FName = "folder & " + std::to_string(i);
        folders[i].FPath = "/bench/data/folder & " + std::to_string(i) + "/";
        folders[i].FSize = static_cast<double>(i * 4099);
        folders[i].FAllocSize = folders[i].FSize + 4096;
        folders[i].FFileCount = static_cast<int32_t>(i % 100);
        folders[i].FModified = EncodeDateTime(2023, 6, 1 + i % 28, 10, 0, 0);
        folderRows.push_back(&folders[i]);
    }
    std::vector<TSummaryRow> summaryRows;
    for (size_t i = 0; i < count; ++i) {
        summaryRows.push_back({"Owner <x>", "domain", static_cast<int32_t>(i), i * 10.0, i * 12.0});
    }

    std::printf("%zu rows, documents written to %s\n", count, outDir.c_str());
    const struct {
        const char* name;
        EExportFormat format;
    } formats[] = {
        {"html", EExportFormat::Html}, {"csv", EExportFormat::Csv}, {"xml", EExportFormat::Xml}};
    for (const auto& f : formats) {
        const std::string file = outDir + "/fscope_bench_export." + f.name;
        std::string doc;

        TTiming s = Seconds([&] {
            doc = f.format == EExportFormat::Html  ? ExportFolderListHtml(explorer, context)
                  : f.format == EExportFormat::Csv ? ExportFolderListCsv(explorer, context)
                                                   : ExportFolderListXml(explorer, context);
            SaveExport(file, doc);
        });
        Report((std::string("File Explorer list, ") + f.name).c_str(), s, doc.size());

        s = Seconds([&] { ExportViewerToFile(f.format, file, viewer, context); });
        Report((std::string("File Viewer list, ") + f.name).c_str(), s,
               std::filesystem::file_size(file));

        TAllFoldersList list;
        list.rows = [&] { return folderRows; };
        list.visible.set();
        list.reportTotal = 1e12;
        s = Seconds([&] {
            SaveExport(file, f.format == EExportFormat::Html  ? ExportAllFoldersHtml(list, context)
                             : f.format == EExportFormat::Csv ? ExportAllFoldersCsv(list, context)
                                                              : ExportAllFoldersXml(list, context));
        });
        Report((std::string("All folders list, ") + f.name).c_str(), s,
               std::filesystem::file_size(file));

        TSummaryReport owners;
        owners.rows = [&] { return summaryRows; };
        owners.reportTotal = 1e12;
        s = Seconds([&] {
            SaveExport(file, f.format == EExportFormat::Html
                                 ? ExportReportHtml(EReportKind::Owner, owners, context)
                             : f.format == EExportFormat::Csv
                                 ? ExportReportCsv(EReportKind::Owner, owners, context)
                                 : ExportReportXml(EReportKind::Owner, owners, context));
        });
        Report((std::string("Owner report, ") + f.name).c_str(), s,
               std::filesystem::file_size(file));
        std::filesystem::remove(file);
    }

    return 0;
}
