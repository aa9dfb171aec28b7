// The File Viewer's documents against hand-written golden files, its row choice and its path
// copy.
#include <gtest/gtest.h>

#include "export/ExportFixture.h"
#include "export/ViewerExport.h"

namespace fscope::test {
namespace {

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class ViewerExportTest : public ::testing::Test {
protected:
    TViewerList List(TViewerColumns visible) {
        TViewerList list;
        list.report = fixture.report.get();
        list.rows = rows;
        list.selected = selected;
        list.visible = visible;
        list.title = "Files by Name && Size";
        list.shortPathName = FakeShortPathName();
        return list;
    }

    void ExpectGoldens(const std::string& stem, const TViewerList& list,
                       const TExportContext& context) {
        ExpectGolden(stem + ".html", ExportViewerHtml(list, context));
        ExpectGolden(stem + ".csv", ExportViewerCsv(list, context));
        ExpectGolden(stem + ".xml", ExportViewerXml(list, context));
    }

    TExportFixture fixture;
    std::vector<TFoldInfo*> rows{fixture.commaFile, fixture.accentFile, fixture.tagFile};
    std::vector<size_t> selected;
};

TEST_F(ViewerExportTest, AllRowsAndColumnsMatchTheGoldenDocuments) {
    ExpectGoldens("viewer_all", List(TViewerColumns().set()), FixedContext());
}

// One selected row: the page shows that row, the CSV and XML files the whole list.
TEST_F(ViewerExportTest, OneSelectedRowWithHiddenColumns) {
    selected = {2};
    TViewerColumns visible = TViewerColumns().set();
    visible.reset(static_cast<size_t>(EViewerColumn::Path));
    visible.reset(static_cast<size_t>(EViewerColumn::Type));
    TExportContext context = FixedContext();
    context.settings = {"MB", "2", ";"};
    ExpectGoldens("viewer_onesel", List(visible), context);
}

TEST_F(ViewerExportTest, EmptyListWritesHeadersAndZeroTotals) {
    rows.clear();
    ExpectGoldens("viewer_empty", List(TViewerColumns().set()), FixedContext());
}

TEST_F(ViewerExportTest, SeveralSelectedRowsLimitEveryFormat) {
    selected = {0, 2};
    const TViewerList list = List(TViewerColumns().set());
    const TExportContext context = FixedContext();
    for (const std::string& doc : {ExportViewerHtml(list, context), ExportViewerCsv(list, context),
                                   ExportViewerXml(list, context)}) {
        EXPECT_EQ(Count(doc, "caf"), 0u) << doc;
        EXPECT_EQ(Count(doc, "q\"\"") + Count(doc, "q\"."), 1u) << doc;
        EXPECT_EQ(Count(doc, "b&gt;x") + Count(doc, "<b>x,"), 1u) << doc;
    }
}

TEST_F(ViewerExportTest, PathCopyListsSelectedFullPaths) {
    selected = {0, 2};
    EXPECT_EQ(ViewerPathsText(List({})), "/data/a,b \"q\".txt\r\n/data/Docs & <Notes>/<b>x\r\n");
    selected.clear();
    EXPECT_EQ(ViewerPathsText(List({})), std::nullopt);  // nothing selected: clipboard left alone
    rows.clear();
    selected = {0};
    EXPECT_EQ(ViewerPathsText(List({})), std::nullopt);
}

}  // namespace
}  // namespace fscope::test
