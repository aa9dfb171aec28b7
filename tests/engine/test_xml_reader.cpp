// The reader: documents of the original format, criteria, the folder test, bad names and
// values, incomplete and deep documents, and stopping.

#include <gtest/gtest.h>

#include "engine/ReportXmlReader.h"
#include "platform/DateTimeText.h"
#include "test_xml_support.h"

using namespace fscope;
using namespace fscope::test;

TEST(XmlReader, LoadsAnOriginalFormatDocument) {
    // Bare ampersands, entity text in a name, an exponent size, top-level files left open.
    const std::string doc =
        Document(FileLine("R&D.txt", "Text", "1.5E15", true) + FolderLine("x&amp;y") +
                 FileLine("b.TXT", "Other text") + FileLine("c.log", "Log") + "</Folder>\r\n" +
                 FileLine("noext", "File", "7", true));
    TFolioscope report;
    ASSERT_TRUE(LoadText(report, doc));
    EXPECT_TRUE(report.FLoaded);
    EXPECT_EQ(report.FRootPath, "/data/");
    EXPECT_EQ(report.FClusterSize, 4096u);  // no such volume here
    ASSERT_EQ(report.FItems.size(), 3u);
    const TFoldInfo* top = report.FItems[0];
    EXPECT_EQ(top->FName.view(), "R&D.txt");
    EXPECT_EQ(top->FSize, 1.5e15);
    EXPECT_EQ(top->FAttr, 32u);
    EXPECT_EQ(top->FModified, EncodeDate(2024, 1, 2));
    EXPECT_EQ(top->FAccessed, EncodeDateTime(2024, 1, 2, 3, 4, 5));
    EXPECT_EQ(top->FCreated, EncodeDateTime(2023, 12, 31, 23, 59, 59));
    EXPECT_TRUE(top->FOwner().empty());
    const TFoldInfo* folder = report.FItems[1];
    ASSERT_TRUE(folder->IsFolder());
    EXPECT_EQ(folder->FName.view(), "x&y");
    EXPECT_EQ(folder->FAttr, 16u);
    EXPECT_EQ(folder->FFileCount, 2);
    ASSERT_EQ(folder->FItems->size(), 2u);
    EXPECT_EQ((*folder->FItems)[0]->FParent, folder);
    EXPECT_EQ(report.FItems[2]->FParent, nullptr);
    EXPECT_EQ(report.FFileCount, 4);
    EXPECT_EQ(report.FFolderCount, 1);
    // .txt and .TXT share one entry whose type is the first met; the node keeps its own.
    ASSERT_EQ(report.FExtList.size(), 3u);
    const TExtInfo* txt = report.FindExt(".txt");
    EXPECT_EQ(txt->FExt, ".txt");
    EXPECT_EQ(txt->FTypeName, "Text");
    EXPECT_EQ(txt->FCount, 2);
    EXPECT_EQ(txt->FSize, 1.5e15 + 10);
    EXPECT_EQ(txt->FAllocSize, 8192);
    EXPECT_EQ((*folder->FItems)[0]->FTypeName(), "Other text");
    EXPECT_EQ(report.FindExt("")->FTypeName, "File");
}

TEST(XmlReader, CustomCriteriaReadBackAndPlainReportsLeaveThemAlone) {
    TFolioscope report;
    const std::string custom =
        "<?xml version=\"1.0\"?><Root><Drive>/d/</Drive><CustScan>1</CustScan>"
        "<Filters FAllFiles=\"0\" FileSize=\"2.5\" FileUnit=\"GB\" FileGLE=\"&lt;\" "
        "DAllFiles=\"0\" DateType=\"LA\" FromDate=\"2020-01-02 10:00:00\" ToDate=\"2020-03-04\" "
        "AAllFiles=\"0\" AArchive=\"1\" AReadOnly=\"1\" ASystem=\"0\" AHidden=\"1\" "
        "Criteria=\"*.a *.b\"/></Root>";
    ASSERT_TRUE(LoadText(report, custom));
    EXPECT_TRUE(report.CustScan);
    EXPECT_FALSE(report.FAllFiles);
    EXPECT_EQ(report.FileSize, 2.5);
    EXPECT_EQ(report.FileUnit, "GB");
    EXPECT_EQ(report.FileGLE, "<");
    EXPECT_FALSE(report.DAllFiles);
    EXPECT_EQ(report.DateType, "LA");
    EXPECT_EQ(report.FromDate, EncodeDate(2020, 1, 2));  // cut to the date
    EXPECT_EQ(report.ToDate, EncodeDate(2020, 3, 4));
    EXPECT_FALSE(report.AAllFiles);
    EXPECT_TRUE(report.AArchive && report.AReadOnly && report.AHidden);
    EXPECT_FALSE(report.ASystem || report.ACompressed || report.AOffline || report.ATemporary);
    EXPECT_EQ(report.Criteria, "*.a *.b");

    TFolioscope plain;
    plain.FileUnit = "MB";
    ASSERT_TRUE(LoadText(plain, Document("")));
    EXPECT_FALSE(plain.CustScan);
    EXPECT_EQ(plain.FileUnit, "MB");
    EXPECT_TRUE(plain.FAllFiles);
}

TEST(XmlReader, TheElementDecidesWhatIsAFolderNotTheType) {
    const std::string doc = Document(FolderLine("f", "Folder") + FileLine("inner", "x") +
                                     "</Folder>\r\n" + FolderLine("g", "Text") + "</Folder>\r\n" +
                                     FileLine("h", "File Folder", "3", true));
    TFolioscope report;
    ASSERT_TRUE(LoadText(report, doc));
    ASSERT_EQ(report.FItems.size(), 3u);
    EXPECT_TRUE(report.FItems[0]->IsFolder());
    EXPECT_EQ(report.FItems[0]->FTypeName(), "Folder");
    EXPECT_TRUE(report.FItems[1]->IsFolder());
    EXPECT_FALSE(report.FItems[2]->IsFolder());
    EXPECT_EQ(report.FullPathOf(report.FItems[2]), "/data/h");
    EXPECT_EQ(report.FullPathOf((*report.FItems[0]->FItems)[0]), "/data/f/inner");
}

// Every case must fail with a message containing `needle` and leave the report empty.
TEST(XmlReader, BadDocumentsFailClearlyAndLeaveNoHalfReport) {
    const std::string good = FileLine("ok.txt");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {Document(good + FileLine("")), "invalid name"},
        {Document(good + FileLine("..")), "invalid name \"..\""},
        {Document(good + FileLine(".")), "invalid name"},
        {Document(good + FolderLine("a/b") + "</Folder>"), "invalid name \"a/b\""},
        {Document(good + FileLine("nul&#0;x")), "invalid name"},
        {Document(good + "<File Type=\"x\"/>"), "invalid name"},
        {Document(good + "<File Name=\"a\"/><Attr>3x</Attr>"), "'3x' is not a valid integer"},
        {Document(good + "<File Name=\"a\"/><Size File=\"\" Alloc=\"0\"/>"), "not a valid number"},
        {Document(good + "<File Name=\"a\"/><Size File=\"1\" Alloc=\"-4\"/>"),
         "not a valid number"},
        {Document(good + "<File Name=\"a\"/><Size File=\"nan\" Alloc=\"0\"/>"),
         "not a valid number"},
        {Document(good + "<File Name=\"a\"/><LMD Low=\"2024-13-01\"/>"), "not a valid date"},
        {Document(good + "<Filters CustScan=\"1\" FileSize=\"\"/>"), "not a valid number"},
        {Document(good, "relative/path/"), "no valid folder"},
        {Document(good, "C:\\"), "no valid folder"},
        {"<Root>" + good + "</Root>", "names no folder"},
        {Document(good + FolderLine("open")), "incomplete"},
        {Document(good).substr(0, Document(good).size() - 9), "incomplete"},
        {Document(good).substr(0, 200), "ends inside a tag"},
        {Document(good + "</Folder>"), "never opened"},
        {Document(good + "<File Name=\"abc"), "ends inside"},
        {"", "incomplete"},
    };
    for (const auto& [doc, needle] : cases) {
        TFolioscope report;
        try {
            LoadText(report, doc);
            ADD_FAILURE() << "loaded: " << doc;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(needle), std::string::npos)
                << e.what() << "\nfor: " << doc;
        }
        EXPECT_TRUE(report.FItems.empty());
        EXPECT_TRUE(report.FExtList.empty());
        EXPECT_FALSE(report.FLoaded);
        EXPECT_TRUE(report.FRootPath.empty());
    }
}

TEST(XmlReader, DetailsBeforeAnyItemAndUnknownElementsAreIgnored) {
    const std::string doc = Document(
        "<Attr>5</Attr><Size File=\"1\" Alloc=\"1\"/><LAD Low=\"x\"/>"
        "<Unknown a=\"b\">text</Unknown><!-- c -->" +
        FileLine("a.txt"));
    TFolioscope report;
    ASSERT_TRUE(LoadText(report, doc));
    ASSERT_EQ(report.FItems.size(), 1u);
    EXPECT_EQ(report.FItems[0]->FAttr, 32u);
}

TEST(XmlReader, DeepNestingNeedsNoRecursion) {
    const int depth = 100000;
    std::string body;
    body.reserve(depth * 40);
    for (int i = 0; i < depth; ++i) body += "<Folder Name=\"d\" Type=\"File Folder\">";
    body += FileLine("leaf.txt");
    for (int i = 0; i < depth; ++i) body += "</Folder>";
    TFolioscope report;
    ASSERT_TRUE(LoadText(report, Document(body)));
    const TFoldInfo* node = report.FItems[0];
    int levels = 1;
    while ((*node->FItems)[0]->IsFolder()) {
        node = (*node->FItems)[0];
        ++levels;
    }
    EXPECT_EQ(levels, depth);
    EXPECT_EQ(report.FFolderCount, depth);
    // The writer walks it back without recursion too.
    EXPECT_GT(SaveText(report).size(), static_cast<size_t>(depth) * 100);
}

TEST(XmlReader, StopEndsTheLoadWithAnEmptyReport) {
    std::string body;
    for (int i = 0; i < 1000; ++i) body += FileLine("f" + std::to_string(i) + ".txt");
    TFolioscope report;
    int parts = 0;
    report.FMessagePump = [&] {
        if (++parts == 500) report.FStop = true;
    };
    EXPECT_FALSE(LoadText(report, Document(body)));
    EXPECT_FALSE(report.FLoaded);
    EXPECT_TRUE(report.FItems.empty());
    EXPECT_TRUE(report.FExtList.empty());
}

TEST(XmlReader, FixedIconIndicesWithSIcons) {
    TFolioscope report(TScanSettings{"", "", "1"});
    ASSERT_TRUE(LoadText(report, Document(FolderLine("d") + FileLine("a.zzz") + "</Folder>")));
    EXPECT_EQ(report.FItems[0]->FImageIndex(), 3);
    EXPECT_EQ((*report.FItems[0]->FItems)[0]->FImageIndex(), 6);
    EXPECT_EQ(report.FExtList[0]->FImageIndex, 6);
}
