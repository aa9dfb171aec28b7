// File lists: every report row opens a list of exactly the files it counts; the special lists
// by key with their titles and messages; the list of a folder path; the display order.
#include <gtest/gtest.h>

#include <map>

#include "reports/ReportFixture.h"
#include "reports/Reports.h"
#include "viewer/ListBuilders.h"
#include "viewer/ViewOrder.h"

namespace fscope {
namespace {

using testing::NamesOf;
using testing::TFileSpec;
using testing::TTree;

const TDateTime kNow = EncodeDateTime(2024, 1, 1, 9, 30, 0);  // New Year's Day

// Files with sizes at the range edges, stamps around month and year ends, every attribute.
class ListBuildersTest : public ::testing::Test {
protected:
    ListBuildersTest() {
        const double sizes[] = {0, 16383, 16384, 1048576, 1099511627776.0, 1099511627777.0,
                                524288000, 7};
        const TDateTime stamps[] = {EncodeDateTime(2024, 1, 1, 0, 10, 0),
                                    EncodeDateTime(2023, 12, 31, 23, 59, 59),
                                    EncodeDateTime(2023, 12, 25, 12, 0, 0),
                                    EncodeDateTime(2023, 11, 30, 1, 0, 0),
                                    EncodeDateTime(2023, 7, 1, 12, 0, 0),
                                    EncodeDateTime(2022, 1, 1, 0, 0, 0),
                                    EncodeDateTime(2024, 1, 20, 18, 0, 0),
                                    kInvalidDateTime};
        const uint32_t attrs[] = {0, 0x1, 0x2, 0x4, 0x20, 0x21, 0x80, 0x800, 0x1000, 0x100, 0x2000};
        const char* names[] = {"a.TXT", "b.txt", "c.log", "README", "d.jpg", "e.Jpg", "f.tmp",
                               "g.", "h.tar.gz"};
        const char* ownerNames[] = {"root", "Root", "alice", ""};
        TFoldInfo* data = t.Folder(nullptr, "Data");
        TFoldInfo* data2 = t.Folder(nullptr, "Data2");
        TFoldInfo* deep = t.Folder(t.Folder(data, "sub"), "deeper");
        TFoldInfo* folders[] = {nullptr, data, data2, deep};
        for (int i = 0; i < 60; ++i) {
            TFileSpec s;
            s.size = sizes[i % 8];
            s.attr = attrs[i % 11];
            s.created = stamps[i % 8];
            s.modified = stamps[(i + 3) % 8];
            s.accessed = stamps[(i + 5) % 8];
            TFoldInfo* f = t.File(folders[i % 4], names[i % 9], s);
            f->SetOwner(ownerNames[i % 4], "host");
        }
        options.Reginfo.BigFileSize = "500";
        options.Reginfo.BigFileUnit = "MB";
        options.Reginfo.OldFilesDType = "Modified";
        options.Reginfo.OldFilesTime = "3";
        options.Reginfo.OldFilesUnit = "Months";
        custTypes = {{"Text", "*.txt *.LOG"}, {"Pictures", "*.JPG"}};
        env.now = [] { return kNow; };
        env.newOwnerLookup = [] {  // nothing readable: the stored owners stay
            return TOwnerLookup(
                [](const std::string&, uint32_t) { return std::optional<TOwnerRecord>(); });
        };
        env.internetCachePath = [] { return std::string("/r/Data/sub"); };
        env.typeInfo = [](std::string_view) { return TShellTypeInfo{"T", 0}; };
        listEnv.now = env.now;
        listEnv.internetCachePath = env.internetCachePath;
        reports = std::make_unique<TReports>(options, custTypes, env);
        root = ReportScope(1, t.report.get(), nullptr);
        reports->SetScope(root);
    }

    // The list holds exactly as many files, of exactly the total size, as the row counts.
    template <class Record>
    void ExpectSameFiles(const Record& row, const TFileList& list) {
        double size = 0;
        for (const TFoldInfo* f : list.files) size += f->FSize;
        EXPECT_EQ(static_cast<int>(list.files.size()), row.FCount) << list.title;
        EXPECT_EQ(size, row.FSize) << list.title;
    }

    TTree t;
    TOptions options;
    TCustTypeList custTypes;
    TReportEnvironment env;
    TListEnvironment listEnv;
    std::unique_ptr<TReports> reports;
    TReportScope root;
};

TEST_F(ListBuildersTest, EveryReportRowListsExactlyTheFilesItCounts) {
    reports->LoadAttrReport(true);
    reports->LoadSizeReport(true);
    reports->LoadOwnerReport(true);
    reports->LoadFileTypesReport(true);
    ASSERT_FALSE(reports->SizeList().empty());
    for (const auto& row : reports->AttrList())
        ExpectSameFiles(*row, FilesByAttr(root, row->FName, options));
    for (const auto& row : reports->SizeList())
        ExpectSameFiles(*row, FilesBySize(root, row->FOrder, row->FName, options));
    for (const auto& row : reports->OwnerList())
        ExpectSameFiles(*row, FilesByOwner(root, row->FOwner, options));
    for (const TExtInfo* row : reports->FileTypeRows()) {
        const TFileList list = FilesByExt(root, row->FExt, options);
        EXPECT_EQ(static_cast<int>(list.files.size()), row->FCount) << row->FExt;
    }
    for (int basis = 0; basis < 3; ++basis) {
        options.DateDone = options.TimeDone = false;
        reports->LoadDateReport(basis, true);
        reports->LoadTimeReport(basis, true);
        for (const auto& row : reports->DateList())
            ExpectSameFiles(*row, FilesByDate(root, basis, row->FOrder, row->FName, options, kNow));
        for (const auto& row : reports->TimeList())
            ExpectSameFiles(*row, FilesByTime(root, basis, row->FOrder, row->FName, options));
    }
    reports->LoadSpReport(true);
    const std::map<std::string, std::string> keys = {
        {"Big Size Files", "BIG"},          {"Oldest Files", "OLD"},
        {"Zero Size Files", "ZFILES"},      {"Files without Extension", "FILESWE"},
        {"Internet Temporary Files", "NETTEMP"}};
    for (const auto& row : reports->SpList()) {
        auto key = keys.find(row->FName);
        if (key != keys.end()) {
            ExpectSameFiles(*row, SpecialFiles(true, root, key->second, options, listEnv).list);
        } else {
            std::string masks;
            for (const auto& ct : custTypes)
                if (ct.FName == row->FName) masks = ct.FMasks;
            ExpectSameFiles(*row, CustomTypeFiles(root, row->FName, masks, options));
        }
    }
    EXPECT_EQ(reports->SpList().size(), 7u);
}

TEST_F(ListBuildersTest, SizeListsUseTheReportsRangeRule) {
    // A file of exactly 1 TB is in "500 GB..1 TB", one byte more in "more than 1 TB".
    const TFileList tb = FilesBySize(root, 16, "500 GB..1 TB", options);
    ASSERT_FALSE(tb.files.empty());
    for (const TFoldInfo* f : tb.files) EXPECT_EQ(f->FSize, 1099511627776.0);
    for (const TFoldInfo* f : FilesBySize(root, 17, "more than 1 TB", options).files)
        EXPECT_GT(f->FSize, 1099511627776.0);
    EXPECT_EQ(tb.title, "Files with size between 500 GB..1 TB");
}

TEST_F(ListBuildersTest, RowListTitlesAndCaseRules) {
    EXPECT_EQ(FilesByExt(root, ".jpg", options).files.size(), 14u);  // .jpg and .Jpg together
    EXPECT_EQ(FilesByExt(root, ".jpg", options).title, "Files with extension .jpg");
    EXPECT_EQ(FilesByOwner(root, "root", options).files.size(), 15u);  // not "Root"
    EXPECT_EQ(FilesByOwner(root, "root", options).title, "Files of root");
    EXPECT_EQ(FilesByAttr(root, "Hidden Files", options).title, "Hidden Files");
    EXPECT_TRUE(FilesByAttr(root, "Unknown", options).files.empty());
    EXPECT_EQ(FilesByDate(root, 2, 0, "Today", options, kNow).title, "Files Last Accessed Today");
    EXPECT_EQ(FilesByDate(root, 0, 1, "Yesterday", options, kNow).title,
              "Files Created Yesterday");
    EXPECT_EQ(FilesByTime(root, 1, 23, "12 am - 1 am", options).title,
              "Files having file time between 12 am - 1 am");
    // On New Year's Day, yesterday and last month are in December.
    EXPECT_FALSE(FilesByDate(root, 0, 1, "Yesterday", options, kNow).files.empty());
    EXPECT_FALSE(FilesByDate(root, 0, 5, "Last month", options, kNow).files.empty());
}

TEST_F(ListBuildersTest, SpecialKeysTitlesAndMessages) {
    options.Reginfo.JunkFiles = "*.tmp *.LOG";
    options.Reginfo.ImageFiles = "*.jpg";
    const std::map<std::string, std::pair<std::string, size_t>> expected = {
        {"JUNK", {"Junk Files", 13}},
        {"ZFILES", {"Zero Size Files", 8}},
        {"TEMP", {"Temporary Files", 0}},
        {"COMPRESSED", {"Compressed Files", 0}},
        {"FILESWE", {"Files without Extension", 7}},
        {"BIG", {"Big Size Files", 21}},
        {"IMAGE", {"Image/Graphics Files", 14}},
        {"ALLFILES", {"All Files (including subfolders files)", 60}},
        {"AUD", {"Audio and Music Files", 0}},
        {"VID", {"Video Files", 0}},
        {"NETTEMP", {"Internet Temporary Files", 15}},
        {"DUPSN", {"Duplicate Files (Same Name)", 60}},
        // No name here comes twice with one size or one creation time.
        {"DUPSS", {"Duplicate Files (Same Name && Size)", 0}},
        {"DUPSD", {"Duplicate Files (Same Name && Date)", 0}},
    };
    for (const auto& [key, want] : expected) {
        const TListOutcome out = SpecialFiles(true, root, key, options, listEnv);
        ASSERT_EQ(out.kind, TListOutcome::Kind::Show) << key;
        EXPECT_EQ(out.list.title, want.first) << key;
        EXPECT_EQ(out.list.files.size(), want.second) << key;
    }
    const TListOutcome none = SpecialFiles(false, root, "ALLFILES", options, listEnv);
    EXPECT_EQ(none.kind, TListOutcome::Kind::Message);
    EXPECT_EQ(none.message,
              "Please search a path from \"File menu -> Start file search command\" first of all !");
    EXPECT_EQ(SpecialFiles(true, TReportScope{}, "ALLFILES", options, listEnv).kind,
              TListOutcome::Kind::Nothing);
    EXPECT_EQ(SpecialFiles(true, root, "allfiles", options, listEnv).kind,
              TListOutcome::Kind::Nothing);

    // BigFileSize that is not a number: the 1 MB default.
    options.Reginfo.BigFileSize = "abc";
    EXPECT_EQ(SpecialFiles(true, root, "BIG", options, listEnv).list.files.size(), 29u);
    options.Reginfo.OldFilesTime = "abc";
    EXPECT_TRUE(SpecialFiles(true, root, "OLD", options, listEnv).list.files.empty());
}

TEST_F(ListBuildersTest, AllFilesFromAFolderPath) {
    const TListOutcome data = AllFilesFrom(true, root, "/r/Data/", options);
    ASSERT_EQ(data.kind, TListOutcome::Kind::Show);
    EXPECT_EQ(data.list.title, "All Files from /r/Data/");
    EXPECT_EQ(data.list.files.size(), 30u);  // Data and its subfolders, not Data2
    for (const TFoldInfo* f : data.list.files)
        EXPECT_TRUE(t.report->GetItemPath(f).starts_with("/r/Data/"));
    EXPECT_EQ(AllFilesFrom(false, root, "/r/Data/", options).message,
              "Please scan the drive/folder first of all !");
    EXPECT_EQ(AllFilesFrom(true, TReportScope{}, "/r/", options).kind,
              TListOutcome::Kind::Nothing);
    // The walk starts at the selected folder; the path only filters.
    const TReportScope data2 = ReportScope(2, t.report.get(), t.report->FItems[1]);
    ASSERT_EQ(t.report->FItems[1]->FName.str(), "Data2");
    EXPECT_TRUE(AllFilesFrom(true, data2, "/r/Data/", options).list.files.empty());
    EXPECT_EQ(SpecialFiles(true, data2, "ALLFILES", options, listEnv).list.files.size(), 15u);
}

TEST(ViewOrder, ColumnsAndDirection) {
    TTree t;
    TFoldInfo* x = t.Folder(nullptr, "x");
    TFoldInfo* big = t.Folder(nullptr, "B");
    TFoldInfo* f1 = t.File(x, "b.TXT", 30);
    TFoldInfo* f2 = t.File(big, "A.dat", 10);
    TFoldInfo* f3 = t.File(nullptr, "c", 20);
    f1->FModified = 10;
    f2->FModified = 10 + 1e-9;  // less than 1 ms apart: equal
    f3->FModified = 5;
    std::vector<TFoldInfo*> files{f1, f2, f3};
    auto sorted = [&](int column, int order) {
        SortViewItems(files, *t.report, column, order);
        return NamesOf(files);
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(sorted(0, 0), (V{"A.dat", "b.TXT", "c"}));
    EXPECT_EQ(sorted(0, 1), (V{"c", "b.TXT", "A.dat"}));
    EXPECT_EQ(sorted(1, 0), (V{"c", "A.dat", "b.TXT"}));  // /r/, /r/B/, /r/x/ without case
    EXPECT_EQ(sorted(1, 1), (V{"b.TXT", "A.dat", "c"}));
    EXPECT_EQ(sorted(2, 0), (V{"c", "A.dat", "b.TXT"}));  // "", .dat, .TXT
    EXPECT_EQ(sorted(3, 1), (V{"b.TXT", "c", "A.dat"}));
    EXPECT_EQ(sorted(9, 0), (V{"A.dat", "c", "b.TXT"}));  // /R/B/A.DAT, /R/C, /R/X/B.TXT
    EXPECT_EQ(CompareViewItems(*f1, *f2, *t.report, 5, 0), 0);
    EXPECT_LT(CompareViewItems(*f3, *f1, *t.report, 5, 0), 0);
    EXPECT_GT(CompareViewItems(*f3, *f1, *t.report, 5, 1), 0);
    EXPECT_EQ(CompareViewItems(*f3, *f1, *t.report, 42, 0), 0);
}

}  // namespace
}  // namespace fscope
