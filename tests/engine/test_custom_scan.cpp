#include <gtest/gtest.h>

#include "FakeEntrySource.h"
#include "engine/Folioscope.h"
#include "platform/DateTimeText.h"
#include "support/TempTree.h"

using namespace fscope;
using fscope::test::TempTree;

namespace {
TDirEntry Entry(const char* name, uint64_t size, uint32_t attr = kAttrArchive,
                int64_t modified = 0) {
    TDirEntry e;
    e.name = name;
    e.size = size;
    e.attr = attr;
    e.modified = e.accessed = e.created = {modified, 0};
    return e;
}
}  // namespace

TEST(MatchesCriteria, NamesSizesDatesAttributes) {
    setenv("TZ", "UTC", 1);
    tzset();
    TFolioscope r;
    r.Criteria = "*.doc  *.txt";
    r.FileUnit = "KB";
    TempTree t;
    r.CustomScan(t.Root());  // builds the masks from Criteria
    EXPECT_EQ(r.FCriteriaMasks, (std::vector<std::string>{"*.doc", "*.txt"}));
    EXPECT_TRUE(r.MatchesCriteria(Entry("a.TXT", 1)));
    EXPECT_FALSE(r.MatchesCriteria(Entry("README", 1)));

    struct SizeCase {
        const char* gle;
        double bound;
        const char* unit;
        uint64_t size;
        bool match;
    } sizes[] = {{"=", 1, "KB", 1024, true},        {"=", 1, "KB", 1025, false},
                 {">=", 1, "MB", 1048576, true},    {">=", 1, "MB", 1048575, false},
                 {"<", 1, "KB", 0, true},           {">", 0.5, "KB", 513, true},
                 {"<=", 1, "GB", 1073741824, true}, {"<>", 1, "KB", 5, false},
                 {">=", 0, "TB", 5, false}};
    r.FAllFiles = false;
    for (const SizeCase& c : sizes) {
        r.FileGLE = c.gle;
        r.FileSize = c.bound;
        r.FileUnit = c.unit;
        EXPECT_EQ(r.MatchesCriteria(Entry("a.doc", c.size)), c.match) << c.gle << c.size;
    }
    r.FAllFiles = true;

    r.DAllFiles = false;
    r.DateType = "LM";
    r.FromDate = r.ToDate = EncodeDate(2009, 3, 1);
    const int64_t lateThatDay = 1235951940;  // 2009-03-01 23:59:00 UTC
    EXPECT_TRUE(r.MatchesCriteria(Entry("a.doc", 1, kAttrArchive, lateThatDay)));
    EXPECT_FALSE(r.MatchesCriteria(Entry("a.doc", 1, kAttrArchive, lateThatDay + 60)));
    r.FromDate = EncodeDate(2009, 3, 2);  // from after to: nothing
    EXPECT_FALSE(r.MatchesCriteria(Entry("a.doc", 1, kAttrArchive, lateThatDay + 60)));
    r.DAllFiles = true;

    r.AAllFiles = false;
    r.AHidden = r.ASystem = true;
    EXPECT_TRUE(r.MatchesCriteria(Entry("a.doc", 1, kAttrHidden | kAttrSystem)));
    EXPECT_FALSE(r.MatchesCriteria(Entry("a.doc", 1, kAttrHidden)));
    r.AHidden = r.ASystem = false;
    EXPECT_TRUE(r.MatchesCriteria(Entry("a.doc", 1, 0)));  // no attribute required
}

TEST(CustomScan, RecordsMatchingFilesKeepsEveryFolder) {
    TempTree t;
    t.File("keep.log", 3);
    t.File("skip.txt", 3);
    t.File("sub/also.LOG", 4);
    t.File("nomatch/x.bin", 1);
    TScanSettings s;
    s.ExFiles = "*.log|";  // excluded masks do not apply to custom scans
    TFolioscope r(s);
    r.Criteria = "*.log";
    r.CustScan = true;
    r.CustomScan(t.Root());
    EXPECT_EQ(r.FFileCount, 2);
    EXPECT_EQ(r.FindExt(".log")->FCount, 2);
    EXPECT_EQ(r.FItems.size(), 3u);  // keep.log, sub, nomatch (empty but kept)

    // Rescan discards the tree and applies the same criteria to what is there now.
    t.File("new.log", 1);
    r.UpdateReport();
    EXPECT_EQ(r.FFileCount, 3);
}

TEST(CustomScan, MalformedCriteriaMaskRaises) {
    TempTree t;
    t.File("a.txt");
    TFolioscope r;
    r.Criteria = "*.txt [x";
    EXPECT_NO_THROW(r.CustomScan(t.Root()));  // the first mask matches before the bad one
    t.File("b.doc");
    TFolioscope r2;
    r2.Criteria = "*.txt [x";
    EXPECT_THROW(r2.CustomScan(t.Root()), EMaskError);
}
