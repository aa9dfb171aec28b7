// The exports wired to the real report collection: the CSV writer computes a report that was
// not computed, and the Done flags end clear so the tab computes again when shown.
#include <gtest/gtest.h>

#include "export/ExportFixture.h"
#include "export/ReportSources.h"

namespace fscope::test {
namespace {

class ReportSourcesTest : public ::testing::Test {
protected:
    ReportSourcesTest() : reports(options, custTypes, Environment()) {
        options.SizeType = "GEN";
        options.Reginfo.Decimals = "2";
        reports.SetScope(ReportScope(1, fixture.report.get(), nullptr));
    }

    static TReportEnvironment Environment() {
        TReportEnvironment env;
        env.now = [] { return FixedNow(); };
        env.internetCachePath = [] { return std::string(); };
        env.typeInfo = [](std::string_view) { return TShellTypeInfo{}; };
        return env;
    }

    TExportFixture fixture;
    TOptions options;
    TCustTypeList custTypes;
    TReports reports;
};

TEST_F(ReportSourcesTest, CsvComputesTheAttributeReportAndClearsItsFlag) {
    TSummaryReport report = SummaryReportOf(reports, EReportKind::Attribute, 0, 4096);
    const std::string csv = ExportReportCsv(EReportKind::Attribute, report, FixedContext());
    // Below /data/: three archive files (2048 + 1024 + 1024 bytes), one read-only file.
    EXPECT_NE(csv.find("\r\nArchive Files,3,4.00 KB,12.00 KB\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\nReadonly Files,1,1.00 KB,4.00 KB\r\n"), std::string::npos) << csv;
    EXPECT_FALSE(options.AttrDone);
    EXPECT_EQ(reports.AttrList().size(), 4u);
}

TEST_F(ReportSourcesTest, HtmlWritesTheListAsItStands) {
    TSummaryReport report = SummaryReportOf(reports, EReportKind::Size, 0, 4096);
    const std::string html = ExportReportHtml(EReportKind::Size, report, FixedContext());
    EXPECT_EQ(html.find("<TR><TD>"), std::string::npos);  // not computed: no rows
    EXPECT_TRUE(reports.SizeList().empty());
}

TEST_F(ReportSourcesTest, XmlBuildsTheAllFoldersListOfTheCheckedKind) {
    TAllFoldersList list = AllFoldersListOf(reports, 0, 4096, TAllFoldersColumns().set());
    const std::string xml = ExportAllFoldersXml(list, FixedContext());
    EXPECT_NE(xml.find("<Fold><Name>Docs &amp; &lt;Notes&gt;</Name>"
                       "<Path>/data/Docs &amp; &lt;Notes&gt;/</Path>"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<Fold><Name>sub</Name>"), std::string::npos);
    EXPECT_FALSE(options.AllFoldDone);
}

}  // namespace
}  // namespace fscope::test
