// Scan -> save -> load gives the same report: names with every awkward byte, empty folders,
// huge sizes, every attribute bit, and custom reports with every criterion.

#include <gtest/gtest.h>

#include "engine/ReportArchive.h"
#include "support/TempTree.h"
#include "test_xml_support.h"

using namespace fscope;
using namespace fscope::test;

namespace {

// Every byte a POSIX name may hold, plus texts that look like markup or references.
std::vector<std::string> AwkwardNames() {
    std::vector<std::string> names;
    for (int c = 1; c < 256; ++c) {
        if (c == '/' || c == '.') continue;
        names.push_back("b" + std::string(1, static_cast<char>(c)) + "b.e" +
                        std::string(1, static_cast<char>(c)));
    }
    for (const char* n :
         {"&amp;", "&#38;", "&lt;x&gt;", "a&b", "\"q\"", "<File Name=\"x\"/>", " lead", "trail ",
          "two  spaces", "\t", "\n", "\r\n", "]]>", "...", ".hidden", "-->"})
        names.emplace_back(n);
    names.push_back(std::string(254, 'L'));  // 255 with the prefix some copies get
    return names;
}

std::string ArchiveIn(const TempTree& tree) { return tree.Path("out/snap.mxf"); }

void SaveAndLoad(const TFolioscope& original, TFolioscope& loaded, const std::string& archive) {
    SaveReportArchive(original, archive);
    ASSERT_TRUE(LoadReportArchive(loaded, archive));
    EXPECT_EQ(loaded.FFileName, archive);
    EXPECT_TRUE(loaded.FLoaded);
    EXPECT_EQ(loaded.FFileCount, original.FFileCount);
    EXPECT_EQ(loaded.FFolderCount, original.FFolderCount);
}

}  // namespace

TEST(XmlRoundTrip, ScannedTreeWithAwkwardNamesSurvivesByteForByte) {
    TempTree tree;
    tree.Folder("out");
    // The root itself has awkward bytes too, including runs of spaces.
    const std::string rootName = "r &amp; \"<>\t  x  ";
    const std::vector<std::string> names = AwkwardNames();
    for (size_t i = 0; i < names.size(); ++i) {
        tree.File(rootName + "/" + names[i], i * 37);
        tree.Folder(rootName + "/dir " + names[i % 20] + "/" + names[i]);  // empty folders
        tree.File(rootName + "/dir " + names[i % 20] + "/f" + names[i], i);
    }
    tree.SetTimes(rootName + "/" + names[0], 1700000000);

    TFolioscope scanned;
    scanned.Scan(tree.Path(rootName + "/"));
    ASSERT_EQ(scanned.FItems.size(), names.size() + 20);
    // Values no real file here has: a size beyond 2^53 and every attribute bit.
    TFoldInfo* big = scanned.FItems[0];
    TExtInfo* bigType = scanned.FindExt(big->FExt());
    bigType->FSize += 1234567890123456789.0 - big->FSize;
    bigType->FAllocSize += 1234567890123456789.0 - big->FAllocSize;
    big->FSize = big->FAllocSize = 1234567890123456789.0;
    big->FAttr = 0xFFFFFFFFu;

    TFolioscope loaded;
    SaveAndLoad(scanned, loaded, ArchiveIn(tree));
    ExpectSameReport(scanned, loaded);
    EXPECT_EQ(loaded.FItems[0]->FSize, 1234567890123456789.0);
    EXPECT_EQ(loaded.FItems[0]->FAttr, 0xFFFFFFFFu);
    // Paths built from the loaded nodes name the real files.
    for (const TFoldInfo* node : loaded.FItems)
        EXPECT_EQ(access(loaded.FullPathOf(node).c_str(), F_OK), 0) << node->FName.str();
}

TEST(XmlRoundTrip, CustomReportKeepsEveryCriterion) {
    TempTree tree;
    tree.Folder("out");
    tree.File("src/a.doc", 5000);
    tree.File("src/b.txt", 10);
    tree.Folder("src/empty");
    TFolioscope custom;
    FillCriteria(custom);
    custom.CustomScan(tree.Path("src/"));
    ASSERT_EQ(custom.FItems.size(), 2u);  // the folder and a.doc

    TFolioscope loaded;
    SaveAndLoad(custom, loaded, ArchiveIn(tree));
    ExpectSameReport(custom, loaded);
    ExpectSameCriteria(custom, loaded);

    // The loaded report updates like the original: the custom scan runs again with them.
    loaded.Rescan();
    ExpectSameReport(custom, loaded);
}
