// The summary report documents against hand-written golden files, and how the writers use
// the report's Load operation and Done flag.
#include <gtest/gtest.h>

#include <stdexcept>

#include "export/ExportFixture.h"
#include "export/ReportExport.h"

namespace fscope::test {
namespace {

struct TKindCase {
    EReportKind kind;
    std::string golden;  // file stem under golden/
    std::vector<TSummaryRow> rows;
    TExportSettings settings{"GEN", "2", ","};
};

std::vector<TKindCase> KindCases() {
    return {
        {EReportKind::FileTypes,
         "report_filetypes",
         {{"Text Document", ".txt", 2, 123456, 126976},
          {"Image <PNG>", ".png", 1, 4000, 4096},
          {"", ".x", 1, 0, 0}}},
        {EReportKind::Attribute,
         "report_attribute",
         {{"Archive", {}, 3, 127456, 131072}, {"Hidden & System", {}, 1, 0, 0}}},
        {EReportKind::Size,
         "report_size",
         {{"1 KB..10 KB", {}, 1, 4000, 4096}, {"100 KB..1 MB", {}, 1, 123456, 126976}}},
        {EReportKind::Date,
         "report_date",
         {{"Today", {}, 2, 127456, 131072}, {"Last 7 Days", {}, 2, 127456, 131072}}},
        {EReportKind::Time,
         "report_time",
         {{"14:00 - 15:00", {}, 1, 4000, 4096}},
         {"GEN", "2", "Tab"}},
        {EReportKind::Owner,
         "report_owner",
         {{"root", "host-a", 3, 127456, 131072}, {"a,b \"x\"", "", 1, 0, 0}}},
        {EReportKind::Sp,
         "report_sp",
         {{"Big Size Files", {}, 1, 123456, 126976}},
         {"MB", "2", ","}},
        {EReportKind::Attribute, "report_empty", {}},
    };
}

TSummaryReport ReportOver(const std::vector<TSummaryRow>& rows) {
    TSummaryReport report;
    report.rows = [rows] { return rows; };
    report.reportTotal = 1000000;
    return report;
}

TEST(ReportExport, EveryKindAndFormatMatchesItsGoldenDocument) {
    for (const TKindCase& c : KindCases()) {
        SCOPED_TRACE(c.golden);
        TExportContext context = FixedContext();
        context.settings = c.settings;
        TSummaryReport report = ReportOver(c.rows);
        ExpectGolden(c.golden + ".html", ExportReportHtml(c.kind, report, context));
        ExpectGolden(c.golden + ".csv", ExportReportCsv(c.kind, report, context));
        ExpectGolden(c.golden + ".xml", ExportReportXml(c.kind, report, context));
    }
}

TEST(ReportExport, PercentWithoutBaseIsZero) {
    TSummaryReport report = ReportOver({{"1 KB..10 KB", {}, 1, 4000, 4096}});
    report.reportTotal = 0;
    const std::string html = ExportReportHtml(EReportKind::Size, report, FixedContext());
    EXPECT_NE(html.find("<TD>1</TD><TD>0.00 %</TD>"), std::string::npos);
}

// CSV and XML make sure the report exists first; HTML writes the list as it stands. Every
// writer holds the Done flag while it reads the rows and clears it afterwards.
TEST(ReportExport, LoadAndDoneFlagHandling) {
    using Writer = std::string (*)(EReportKind, TSummaryReport&, const TExportContext&);
    const struct {
        Writer writer;
        bool loads;
    } writers[] = {{ExportReportHtml, false}, {ExportReportCsv, true}, {ExportReportXml, true}};
    for (const auto& w : writers) {
        bool done = false;
        int loads = 0;
        bool doneWhileReading = false;
        TSummaryReport report;
        report.done = &done;
        report.load = [&] { ++loads; };
        report.rows = [&] {
            doneWhileReading = done;
            return std::vector<TSummaryRow>{{"Archive", {}, 1, 1, 1}};
        };
        w.writer(EReportKind::Attribute, report, FixedContext());
        EXPECT_EQ(loads, w.loads ? 1 : 0);
        EXPECT_TRUE(doneWhileReading);
        EXPECT_FALSE(done);
    }
}

TEST(ReportExport, DoneFlagIsClearedWhenReadingFails) {
    bool done = false;
    TSummaryReport report;
    report.done = &done;
    report.rows = []() -> std::vector<TSummaryRow> { throw std::runtime_error("gone"); };
    EXPECT_THROW(ExportReportCsv(EReportKind::Owner, report, FixedContext()), std::runtime_error);
    EXPECT_FALSE(done);
}

TEST(ReportExport, KindsWithWritersOfTheirOwnAreRefused) {
    TSummaryReport report;
    EXPECT_THROW(ExportReportHtml(EReportKind::Files, report, FixedContext()),
                 std::invalid_argument);
    EXPECT_THROW(ExportReportXml(EReportKind::AllFileFold, report, FixedContext()),
                 std::invalid_argument);
}

}  // namespace
}  // namespace fscope::test
