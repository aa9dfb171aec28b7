// The File Explorer list documents against hand-written golden files.
#include <gtest/gtest.h>

#include "export/ExportFixture.h"
#include "export/FolderListExport.h"

namespace fscope::test {
namespace {

TExplorerColumns AllColumns() { return TExplorerColumns().set(); }

class FolderListExportTest : public ::testing::Test {
protected:
    TFolderListRows List(std::span<TFoldInfo* const> rows, TExplorerColumns visible) {
        TFolderListRows list;
        list.report = fixture.report.get();
        list.rows = rows;
        list.visible = visible;
        list.percentOf = [](const TFoldInfo& node) { return node.FSize * 100 / 4096; };
        list.shortPathName = FakeShortPathName();
        return list;
    }

    TExportFixture fixture;
};

TEST_F(FolderListExportTest, AllColumnsMatchTheGoldenDocuments) {
    const TFolderListRows list = List(fixture.explorerRows, AllColumns());
    const TExportContext context = FixedContext();
    ExpectGolden("explorer_all.html", ExportFolderListHtml(list, context));
    ExpectGolden("explorer_all.csv", ExportFolderListCsv(list, context));
    ExpectGolden("explorer_all.xml", ExportFolderListXml(list, context));
}

TEST_F(FolderListExportTest, HiddenColumnsAreLeftOutOfEveryFormat) {
    TExplorerColumns visible = AllColumns();
    for (const auto hidden : {EExplorerColumn::PercentOfParent, EExplorerColumn::Type,
                              EExplorerColumn::CreatedDate, EExplorerColumn::DosName}) {
        visible.reset(static_cast<size_t>(hidden));
    }
    const TFolderListRows list = List(fixture.explorerRows, visible);
    TExportContext context = FixedContext();
    context.settings = {"MB", "2", "Tab"};
    ExpectGolden("explorer_hidden.html", ExportFolderListHtml(list, context));
    ExpectGolden("explorer_hidden.csv", ExportFolderListCsv(list, context));
    ExpectGolden("explorer_hidden.xml", ExportFolderListXml(list, context));
}

TEST_F(FolderListExportTest, EmptyListWritesHeadersAndZeroTotals) {
    const TFolderListRows list = List({}, AllColumns());
    TExportContext context = FixedContext();
    context.settings.CSVSep = ";;";
    ExpectGolden("explorer_empty.html", ExportFolderListHtml(list, context));
    ExpectGolden("explorer_empty.csv", ExportFolderListCsv(list, context));
    ExpectGolden("explorer_empty.xml", ExportFolderListXml(list, context));
}

TEST_F(FolderListExportTest, MultiCharacterSeparatorQuotesOnlyFieldsHoldingIt) {
    TFoldInfo* semicolons = fixture.report->NewFile(nullptr, "x;;y");
    const std::vector<TFoldInfo*> rows{fixture.docs, fixture.commaFile, semicolons};
    TExplorerColumns visible;
    visible.set(static_cast<size_t>(EExplorerColumn::Name));
    visible.set(static_cast<size_t>(EExplorerColumn::Size));
    TExportContext context = FixedContext();
    context.settings.CSVSep = ";;";
    ExpectGolden("explorer_multisep.csv", ExportFolderListCsv(List(rows, visible), context));
}

// A name that spells a placeholder of the row template ("@Type", "@Files") stays the name:
// no value is ever taken for a placeholder.
TEST_F(FolderListExportTest, NamesSpellingPlaceholdersAreWrittenAsTheyAre) {
    TFoldInfo* tricky = fixture.report->NewFile(nullptr, "@type @FILES @PerParent");
    tricky->SetType("Plain", 0);
    const std::vector<TFoldInfo*> rows{tricky};
    TExplorerColumns visible;
    for (const auto column : {EExplorerColumn::Name, EExplorerColumn::Files, EExplorerColumn::Type})
        visible.set(static_cast<size_t>(column));
    const std::string html = ExportFolderListHtml(List(rows, visible), FixedContext());
    EXPECT_NE(html.find("<TR><TD>@type @FILES @PerParent</TD><TD align=\"center\">0</TD>"
                        "<TD>Plain</TD></TR>\r\n"),
              std::string::npos)
        << html;
}

TEST_F(FolderListExportTest, RowCallbackCountsTheRows) {
    TExportContext context = FixedContext();
    std::vector<size_t> seen;
    context.onRow = [&](size_t count) { seen.push_back(count); };
    ExportFolderListXml(List(fixture.explorerRows, AllColumns()), context);
    EXPECT_EQ(seen, (std::vector<size_t>{1, 2, 3}));
}

}  // namespace
}  // namespace fscope::test
