// The document the writer produces, line for line, and its escaping and number forms.

#include <gtest/gtest.h>

#include "engine/ReportXmlWriter.h"
#include "platform/DateTimeText.h"
#include "platform/XmlTokenizer.h"
#include "test_xml_support.h"

using namespace fscope;
using fscope::test::SaveText;

TEST(XmlWriter, EmptyScannedReportIsSixLines) {
    TFolioscope report;
    report.FRootPath = "/data/";
    EXPECT_EQ(
        SaveText(report),
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<Root>\r\n<Drive>/data/</Drive>\r\n"
        "<CustScan>0</CustScan>\r\n<Filters />\r\n</Root>\r\n");
}

TEST(XmlWriter, WritesFolderBlocksAndBothFileLineForms) {
    TFolioscope report;
    report.FRootPath = "/data/";
    const TDateTime noon = EncodeDateTime(2024, 5, 6, 12, 30, 15);
    const TDateTime midnight = EncodeDateTime(2024, 5, 7, 0, 0, 0);
    auto fill = [&](TFoldInfo* n, const char* type, uint32_t attr) {
        n->SetType(type, 1);
        n->FAttr = attr;
        n->FAccessed = noon;
        n->FModified = midnight;
        n->FCreated = noon;
    };
    TFoldInfo* top = report.NewFile(nullptr, "a.txt");
    fill(top, "Text", 32);
    top->FSize = 4096;
    top->FAllocSize = 4096;
    top->SetOwner("ann", "host");
    TFoldInfo* folder = report.NewFolder(nullptr, "docs");
    fill(folder, "File Folder", 16);
    TFoldInfo* inner = report.NewFolder(folder, "empty");
    fill(inner, "Folder", 0x80000010u);
    TFoldInfo* nested = report.NewFile(folder, "a.txt");
    fill(nested, "Text", 32);
    nested->FSize = 0;
    nested->FAllocSize = 0;

    const std::string times =
        "<LAD Low=\"2024-05-06 12:30:15\"/><LMD Low=\"2024-05-07\"/><CreaD Low=\"2024-05-06 "
        "12:30:15\"/>";
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<Root>\r\n<Drive>/data/</Drive>\r\n"
        "<CustScan>0</CustScan>\r\n<Filters />\r\n"
        "<File Name=\"a.txt\" Type=\"Text\"><Attr>32</Attr>" +
        times +
        "<Size File=\"4096\" Alloc=\"4096\"/><Owner Name=\"ann\" Domain=\"host\"/>\r\n"
        "<Folder Name=\"docs\" Type=\"File Folder\"><Attr>16</Attr>" +
        times +
        "\r\n"
        "<Folder Name=\"empty\" Type=\"Folder\"><Attr>-2147483632</Attr>" +
        times +
        "\r\n"
        "</Folder>\r\n"
        "<File Name=\"a.txt\" Type=\"Text\"/><Attr>32</Attr>" +
        times +
        "<Size File=\"0\" Alloc=\"0\"/><Owner Name=\"\" Domain=\"\"/>\r\n"
        "</Folder>\r\n</Root>\r\n";
    EXPECT_EQ(SaveText(report), expected);
}

TEST(XmlWriter, CustomReportWritesEveryCriterionInOrder) {
    TFolioscope report;
    report.FRootPath = "/d/";
    test::FillCriteria(report);
    report.ACompressed = true;  // not part of the document
    const std::string text = SaveText(report);
    EXPECT_NE(text.find("<CustScan>1</CustScan>\r\n<Filters FAllFiles=\"0\" FileSize=\"1.5\" "
                        "FileUnit=\"KB\" FileGLE=\"&gt;=\" DAllFiles=\"0\" DateType=\"LC\" "
                        "FromDate=\"2000-02-29\" ToDate=\"2099-01-01\" AAllFiles=\"0\" "
                        "AArchive=\"1\" AReadOnly=\"0\" ASystem=\"0\" AHidden=\"0\" "
                        "Criteria=\"*.doc &quot;*&amp;amp;*&quot; &lt;x&gt;\"/>\r\n"),
              std::string::npos)
        << text;
}

TEST(XmlWriter, EscapesEveryAwkwardByteAndReadsBackExactly) {
    struct Case {
        std::string raw, attribute, content;
    };
    const std::vector<Case> cases = {
        {"a&amp;b", "a&amp;amp;b", "a&amp;amp;b"},
        {"q\"<t>", "q&quot;&lt;t&gt;", "q&quot;&lt;t&gt;"},
        {"tab\there\nnl\r", "tab&#9;here&#10;nl&#13;", "tab&#9;here&#10;nl&#13;"},
        {"\x01\x7F\xC3\xA9", "&#1;&#127;\xC3\xA9", "&#1;&#127;\xC3\xA9"},
        {" two  spaces ", " two  spaces ", "&#32;two &#32;spaces&#32;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapeAttribute(c.raw), c.attribute);
        EXPECT_EQ(EscapeContent(c.raw), c.content);
        TXmlTokenizer t = TXmlTokenizer::FromText("<a N=\"" + EscapeAttribute(c.raw) + "\">" +
                                                  EscapeContent(c.raw) + "</a>");
        ASSERT_TRUE(t.Next());
        EXPECT_EQ(t.Attribute("N"), c.raw);
        ASSERT_TRUE(t.Next());
        EXPECT_EQ(t.Content(), c.raw);
    }
}

TEST(XmlWriter, SizesAreExactIntegersOrShortestRoundTrip) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0, "0"},
        {4096, "4096"},
        {1e15, "1000000000000000"},
        {1234567890123456789.0, "1234567890123456768"},
        {9007199254740993.0, "9007199254740992"},
        {0.5, "0.5"},
        {1e300, "1e+300"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(SizeText(value), text);
        EXPECT_EQ(std::stod(SizeText(value)), value);
    }
}
