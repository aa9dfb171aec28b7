// The export command's dispatch, its file-name rule, the atomic write, and the main window's
// clipboard texts.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "export/ClipboardText.h"
#include "export/ExportFixture.h"
#include "export/ExportToFile.h"
#include "platform/AtomicFile.h"
#include "support/TempTree.h"

namespace fscope::test {
namespace {

namespace fs = std::filesystem;

// A main window with a File Explorer list, one summary report and an all-folders list.
class TFakeSource : public IExportSource {
public:
    TExportContext Context() override { return FixedContext(); }
    TFolderListRows ExplorerList() override {
        TFolderListRows list;
        list.report = fixture.report.get();
        list.rows = fixture.explorerRows;
        list.visible.set();
        list.shortPathName = FakeShortPathName();
        return list;
    }
    TSummaryReport SummaryReport(EReportKind kind) override {
        askedKind = kind;
        TSummaryReport report;
        report.rows = [] { return std::vector<TSummaryRow>{{"Archive", {}, 1, 10, 4096}}; };
        return report;
    }
    TAllFoldersList AllFoldersList() override {
        TAllFoldersList list;
        list.visible.set();
        return list;
    }

    TExportFixture fixture;
    std::optional<EReportKind> askedKind;
};

TEST(ReportKindText, EveryKindRoundTrips) {
    for (const char* text : {"Files", "FileTypes", "Attribute", "Size", "Date", "Time", "Owner",
                             "Sp", "AllFileFold"}) {
        const auto kind = ReportKindFromText(text);
        ASSERT_TRUE(kind) << text;
        EXPECT_EQ(ReportKindText(*kind), text);
    }
    EXPECT_FALSE(ReportKindFromText("files"));
    EXPECT_FALSE(ReportKindFromText("Details"));
}

TEST(ExportFileName, FilterChoosesFormatAndMissingExtensionIsAdded) {
    EXPECT_EQ(ExportFormatOfFilter(1), EExportFormat::Html);
    EXPECT_EQ(ExportFormatOfFilter(2), EExportFormat::Csv);
    EXPECT_EQ(ExportFormatOfFilter(3), EExportFormat::Xml);
    EXPECT_EQ(ExportFormatOfFilter(0), std::nullopt);
    EXPECT_EQ(ExportFormatOfFilter(4), std::nullopt);

    const struct {
        std::string typed;
        EExportFormat format;
        std::string result;
    } cases[] = {
        {"/tmp/report", EExportFormat::Csv, "/tmp/report.csv"},
        {"/tmp/report", EExportFormat::Html, "/tmp/report.html"},
        {"/tmp/report.txt", EExportFormat::Xml, "/tmp/report.txt"},  // kept as typed
        {"/tmp/report.CSV", EExportFormat::Csv, "/tmp/report.CSV"},
        {"/tmp/my.dir/report", EExportFormat::Xml, "/tmp/my.dir/report.xml"},
        {"/tmp/.report", EExportFormat::Csv, "/tmp/.report.csv"},
    };
    for (const auto& c : cases) EXPECT_EQ(WithFormatExtension(c.typed, c.format), c.result);
}

TEST(ExportToFile, DispatchesByKindAndFormat) {
    TFakeSource source;
    const TExportContext context = FixedContext();
    EXPECT_EQ(ExportDocument(EReportKind::Files, EExportFormat::Csv, source),
              ExportFolderListCsv(source.ExplorerList(), context));
    EXPECT_FALSE(source.askedKind);

    const std::string owners = ExportDocument(EReportKind::Owner, EExportFormat::Xml, source);
    EXPECT_EQ(source.askedKind, EReportKind::Owner);
    EXPECT_NE(owners.find("<Owners>\r\n<Owner><Name>Archive</Name><Domain></Domain>"),
              std::string::npos);

    const std::string folders =
        ExportDocument(EReportKind::AllFileFold, EExportFormat::Html, source);
    EXPECT_NE(folders.find("All Folders and SubFolders Report for /data/"), std::string::npos);
}

TEST(ExportToFile, WritesTheDocumentToTheFile) {
    TempTree dir;
    TFakeSource source;
    const std::string file = dir.Path("explorer.html");
    ExportToFile(EReportKind::Files, EExportFormat::Html, file, source);
    EXPECT_EQ(ReadWholeFile(file), ExportDocument(EReportKind::Files, EExportFormat::Html, source));
}

TEST(ExportToFile, MissingFolderIsReportedAsAnError) {
    TFakeSource source;
    EXPECT_THROW(ExportToFile(EReportKind::Files, EExportFormat::Csv,
                              "/nonexistent-folder-of-export-test/x.csv", source),
                 EFileWriteError);
}

// A write that fails half-way (the file size limit of the process) reports the error and
// leaves the earlier file of that name whole, with no temporary file beside it.
TEST(ExportToFile, FailedWriteKeepsTheEarlierFile) {
    TempTree dir;
    const std::string file = dir.Path("report.csv");
    WriteFileAtomically(file, "earlier export\r\n");

    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        TFakeSource source;
        try {
            ExportToFile(EReportKind::Files, EExportFormat::Html, file, source);
        } catch (const EFileWriteError&) {
            _exit(0);
        }
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was not reported";
    EXPECT_EQ(ReadWholeFile(file), "earlier export\r\n");
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Root())) ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST(ClipboardText, ExplorerRowsGiveFullPathsWithoutTrailingDelimiter) {
    TExportFixture fixture;
    const std::vector<TFoldInfo*> selected{fixture.docs, fixture.commaFile, fixture.sub};
    EXPECT_EQ(CopyPathsToClipboard(*fixture.report, selected),
              "/data/Docs & <Notes>\r\n/data/a,b \"q\".txt\r\n/data/Docs & <Notes>/sub\r\n");
    EXPECT_EQ(CopyPathsToClipboard(*fixture.report, {}), "");
}

TEST(ClipboardText, AllFolderRowsGiveTheirPaths) {
    TAllFoldInfo a, b;
    a.FPath = "/data/a/";
    b.FPath = "/data/a/b c/";
    const std::vector<const TAllFoldInfo*> selected{&a, &b};
    EXPECT_EQ(CopyAllFolderPathsToClipboard(selected), "/data/a/\r\n/data/a/b c/\r\n");
}

}  // namespace
}  // namespace fscope::test
