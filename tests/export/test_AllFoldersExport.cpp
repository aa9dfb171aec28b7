// The all-folders documents against hand-written golden files, and the list's Load and
// AllFoldDone handling.
#include <gtest/gtest.h>

#include "export/AllFoldersExport.h"
#include "export/ExportFixture.h"
#include "platform/DateTimeText.h"

namespace fscope::test {
namespace {

class AllFoldersExportTest : public ::testing::Test {
protected:
    AllFoldersExportTest() {
        docs.FName = "Docs & <Notes>";
        docs.FPath = "/data/Docs & <Notes>/";
        docs.FFileCount = 2;
        docs.FFolderCount = 1;
        docs.FSize = 3072;
        docs.FAllocSize = 8192;
        docs.FModified = EncodeDateTime(2024, 3, 5, 14, 7, 9);
        sub.FName = "sub";
        sub.FPath = "/data/Docs & <Notes>/sub/";
        sub.FModified = EncodeDateTime(2024, 1, 2, 0, 0, 0);
    }

    TAllFoldersList List(std::vector<const TAllFoldInfo*> rows, TAllFoldersColumns visible,
                         double reportTotal) {
        TAllFoldersList list;
        list.rows = [rows] { return rows; };
        list.visible = visible;
        list.reportTotal = reportTotal;
        return list;
    }

    void ExpectGoldens(const std::string& stem, TAllFoldersList list,
                       const TExportContext& context) {
        ExpectGolden(stem + ".html", ExportAllFoldersHtml(list, context));
        ExpectGolden(stem + ".csv", ExportAllFoldersCsv(list, context));
        ExpectGolden(stem + ".xml", ExportAllFoldersXml(list, context));
    }

    TAllFoldInfo docs, sub;
};

TEST_F(AllFoldersExportTest, AllColumnsMatchTheGoldenDocuments) {
    // The Last Modified column has no total cell, so the total row is one cell short.
    ExpectGoldens("allfolders_all", List({&docs, &sub}, TAllFoldersColumns().set(), 4096),
                  FixedContext());
}

TEST_F(AllFoldersExportTest, HiddenColumnsAndZeroBase) {
    TAllFoldersColumns visible = TAllFoldersColumns().set();
    visible.reset(static_cast<size_t>(EAllFoldersColumn::Path));
    visible.reset(static_cast<size_t>(EAllFoldersColumn::LastModified));
    TExportContext context = FixedContext();
    context.settings = {"B", "2", "Tab"};
    ExpectGoldens("allfolders_hidden", List({&docs, &sub}, visible, 0), context);
}

TEST_F(AllFoldersExportTest, EmptyListWritesHeaderAndZeroTotals) {
    ExpectGoldens("allfolders_empty", List({}, TAllFoldersColumns().set(), 0), FixedContext());
}

TEST_F(AllFoldersExportTest, CsvAndXmlLoadTheListAndEveryWriterHoldsAllFoldDone) {
    using Writer = std::string (*)(TAllFoldersList&, const TExportContext&);
    const struct {
        Writer writer;
        bool loads;
    } writers[] = {
        {ExportAllFoldersHtml, false}, {ExportAllFoldersCsv, true}, {ExportAllFoldersXml, true}};
    for (const auto& w : writers) {
        bool done = false, doneWhileReading = false;
        int loads = 0;
        TAllFoldersList list;
        list.visible.set();
        list.done = &done;
        list.load = [&] { ++loads; };
        list.rows = [&] {
            doneWhileReading = done;
            return std::vector<const TAllFoldInfo*>{&docs};
        };
        w.writer(list, FixedContext());
        EXPECT_EQ(loads, w.loads ? 1 : 0);
        EXPECT_TRUE(doneWhileReading);
        EXPECT_FALSE(done);
    }
}

}  // namespace
}  // namespace fscope::test
