// The report collection over small trees: rows, counts, sums and orders of each report, the
// Done-flag cache and its resets, column clicks, and bad input.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "reports/ReportFixture.h"
#include "reports/ReportRows.h"
#include "reports/Reports.h"

namespace fscope {
namespace {

using testing::TFileSpec;
using testing::TTree;

constexpr double MB = 1048576.0;
constexpr double TB = 1099511627776.0;

class TFakeView : public IReportView {
public:
    void BeginWait(std::string_view message) override {
        ++waits;
        waitMessage = std::string(message);
        waiting = true;
    }
    void EndWait() override { waiting = false; }
    void Refill(size_t rowCount) override { refills.push_back(rowCount); }

    int waits = 0;
    bool waiting = false;
    std::string waitMessage;
    std::vector<size_t> refills;
};

// A label -> (count, size) view of a bucket list, for table comparisons.
template <class List>
std::map<std::string, std::pair<int, double>> Buckets(const List& list) {
    std::map<std::string, std::pair<int, double>> out;
    for (const auto& r : list) out[r->FName] = {r->FCount, r->FSize};
    return out;
}

template <class List>
std::vector<std::string> Labels(const List& list) {
    std::vector<std::string> out;
    for (const auto& r : list) out.push_back(r->FName);
    return out;
}

// /r/ docs/{a.TXT, b.txt, sub/{c.log, README}}, pics/{p.jpg, empty/}, top.bin
class ReportsTest : public ::testing::Test {
protected:
    ReportsTest() {
        docs = t.Folder(nullptr, "docs");
        a = t.File(docs, "a.TXT", Shape(100, 0x21, EncodeDateTime(2023, 3, 15, 0, 30, 0)));
        b = t.File(docs, "b.txt", Shape(16384, 0x20, EncodeDateTime(2023, 3, 14, 12, 0, 0)));
        sub = t.Folder(docs, "sub");
        c = t.File(sub, "c.log", Shape(0, 0, EncodeDateTime(2021, 5, 1, 13, 0, 0)));
        readme = t.File(sub, "README", Shape(0, 0x2, EncodeDateTime(2022, 7, 1, 13, 10, 0)));
        pics = t.Folder(nullptr, "pics");
        p = t.File(pics, "p.jpg", Shape(2 * MB, 0x20, EncodeDateTime(2023, 2, 28, 9, 0, 0)));
        empty = t.Folder(pics, "empty");
        top = t.File(nullptr, "top.bin", Shape(TB, 0x80, EncodeDateTime(2023, 3, 15, 9, 0, 0)));

        options.SizeType = "GEN";
        options.Reginfo.Decimals = "2";
        options.Reginfo.BigFileSize = "1";
        options.Reginfo.BigFileUnit = "MB";
        options.Reginfo.OldFilesDType = "Modified";
        options.Reginfo.OldFilesTime = "1";
        options.Reginfo.OldFilesUnit = "Years";

        env.now = [this] {
            ++nowCalls;
            return EncodeDateTime(2023, 3, 15, 10, 0, 0);
        };
        env.newOwnerLookup = [this]() -> TOwnerLookup {
            return [this](const std::string& path, uint32_t) -> std::optional<TOwnerRecord> {
                ++ownerCalls;
                lookedUp.push_back(path);
                auto it = owners.find(path);
                if (it == owners.end()) return std::nullopt;
                return it->second;
            };
        };
        env.internetCachePath = [] { return std::string("/r/docs/sub"); };
        env.typeInfo = [](std::string_view ext) {
            return TShellTypeInfo{"Type of " + std::string(ext), 9};
        };
        reports = std::make_unique<TReports>(options, custTypes, env);
        for (int k = 0; k < kReportKindCount; ++k)
            reports->SetView(static_cast<TReportKind>(k), &views[k]);
        reports->SetScope(ReportScope(1, t.report.get(), nullptr));
    }

    static TFileSpec Shape(double size, uint32_t attr, TDateTime stamp) {
        TFileSpec s;
        s.size = size;
        s.attr = attr;
        s.modified = s.created = s.accessed = stamp;
        return s;
    }
    TFakeView& View(TReportKind k) { return views[static_cast<int>(k)]; }

    TTree t;
    TFoldInfo *docs, *a, *b, *sub, *c, *readme, *pics, *p, *empty, *top;
    TOptions options;
    TCustTypeList custTypes;
    TReportEnvironment env;
    int nowCalls = 0, ownerCalls = 0;
    std::vector<std::string> lookedUp;
    std::map<std::string, TOwnerRecord> owners;
    TFakeView views[kReportKindCount];
    std::unique_ptr<TReports> reports;
};

TEST_F(ReportsTest, AttributeReportOverlapsAndStartsDescendingByLabel) {
    reports->LoadAttrReport(true);
    EXPECT_EQ(Labels(reports->AttrList()),
              (std::vector<std::string>{"Readonly Files", "Normal Files", "No Attribute Files",
                                        "Hidden Files", "Archive Files"}));
    auto rows = Buckets(reports->AttrList());
    EXPECT_EQ(rows["Archive Files"], std::make_pair(3, 100 + 16384 + 2 * MB));
    EXPECT_EQ(rows["Readonly Files"], std::make_pair(1, 100.0));
    EXPECT_EQ(rows["No Attribute Files"], std::make_pair(1, 0.0));
    EXPECT_TRUE(options.AttrDone);
    EXPECT_EQ(View(TReportKind::Attr).refills.back(), 5u);
    EXPECT_FALSE(View(TReportKind::Attr).waiting);
    EXPECT_EQ(View(TReportKind::Attr).waitMessage, "");

    // The first click on the label column sorts ascending, the next descending again.
    reports->ColumnClick(TReportKind::Attr, 0);
    EXPECT_EQ(Labels(reports->AttrList()).front(), "Archive Files");
    reports->ColumnClick(TReportKind::Attr, 0);
    EXPECT_EQ(Labels(reports->AttrList()).front(), "Readonly Files");
    // A click on another column flips the direction too: now ascending by file count.
    reports->ColumnClick(TReportKind::Attr, 1);
    EXPECT_EQ(options.AttrSort, 1);
    EXPECT_EQ(options.AttrSortOrder, 0);
    EXPECT_EQ(reports->AttrList()[4]->FName, "Archive Files");
}

TEST_F(ReportsTest, SizeReportRangesInTableOrder) {
    reports->LoadSizeReport(true);
    EXPECT_EQ(Labels(reports->SizeList()),
              (std::vector<std::string>{"0..16 KB", "16..32 KB", "1 MB..10 MB", "500 GB..1 TB"}));
    EXPECT_EQ(Buckets(reports->SizeList())["0..16 KB"], std::make_pair(3, 100.0));
    EXPECT_EQ(reports->SizeList()[3]->FOrder, 16);
    // Percent against the File Explorer total; 0 when that total is 0.
    EXPECT_DOUBLE_EQ(ReportPercent(reports->SizeList()[3]->FSize, 2 * TB), 50.0);
    EXPECT_EQ(ReportPercent(reports->SizeList()[3]->FSize, 0), 0.0);
    EXPECT_EQ(PercentText(ReportPercent(100, 0)), "0.00 %");
    EXPECT_EQ(PercentText(ReportPercent(1, 3)), "33.33 %");
    EXPECT_EQ(FileTypePercent(0, 100), 1.0);  // a type of 0 bytes is drawn as 1 byte
    EXPECT_EQ(ReportCellText(*reports, TReportKind::Size, 3, 3, options), "1024.00 GB");
    EXPECT_EQ(ReportCellText(*reports, TReportKind::Size, 0, 1, options), "3");
    EXPECT_EQ(ReportCellText(*reports, TReportKind::Size, 0, 2, options), "");  // the bar
    EXPECT_EQ(ReportCellText(*reports, TReportKind::Size, 9, 0, options), "");
}

TEST_F(ReportsTest, DateAndHourReportsByBasis) {
    reports->LoadDateReport(1, true);
    auto rows = Buckets(reports->DateList());
    EXPECT_EQ(rows["Today"].first, 2);        // a.TXT and top.bin
    EXPECT_EQ(rows["Yesterday"].first, 1);    // b.txt
    EXPECT_EQ(rows["Last 7 Days"].first, 3);
    EXPECT_EQ(rows["Last 15 Days"].first, 4);  // and p.jpg, 15 days back
    EXPECT_EQ(rows["Last month"].first, 1);
    EXPECT_EQ(rows["This year"].first, 4);
    EXPECT_EQ(rows["Last year"].first, 1);     // README
    EXPECT_EQ(rows["More than 2 years"].first, 1);  // c.log
    EXPECT_EQ(reports->DateList()[0]->FName, "Today");  // ascending table order

    // Another basis recomputes once the flag is cleared (the radio buttons do so).
    a->FCreated = EncodeDateTime(2010, 1, 1, 0, 0, 0);
    options.DateDone = false;
    reports->LoadDateReport(0, true);
    EXPECT_EQ(Buckets(reports->DateList())["Today"].first, 1);

    reports->LoadTimeReport(1, true);
    auto hours = Buckets(reports->TimeList());
    EXPECT_EQ(hours["12 am - 1 am"].first, 1);
    EXPECT_EQ(hours["1 pm - 2 pm"].first, 2);
    EXPECT_EQ(reports->TimeList()[reports->TimeList().size() - 1]->FName, "12 am - 1 am");
}

TEST_F(ReportsTest, OwnerReportLooksUpEveryFileItself) {
    owners["/r/docs/a.TXT"] = {"alice", "host"};
    owners["/r/docs/b.txt"] = {"bob", "host"};
    owners["/r/docs/sub/c.log"] = {"alice", "other"};
    owners["/r/pics/p.jpg"] = {"1234", ""};  // a uid without an account
    readme->SetOwner("carol", "old");        // unreadable now: keeps what it had
    reports->LoadOwnerReport(true);

    EXPECT_EQ(ownerCalls, 6);
    EXPECT_EQ(lookedUp.front(), "/r/docs/a.TXT");
    std::map<std::string, std::tuple<std::string, int, double>> rows;
    for (const auto& r : reports->OwnerList()) rows[r->FOwner] = {r->FDomain, r->FCount, r->FSize};
    // Two files of one folder with different owners land in different rows; the domain of the
    // first file met names the row.
    EXPECT_EQ(rows["alice"], std::make_tuple(std::string("host"), 2, 100.0));
    EXPECT_EQ(rows["bob"], std::make_tuple(std::string("host"), 1, 16384.0));
    EXPECT_EQ(rows["1234"], std::make_tuple(std::string(""), 1, 2 * MB));
    EXPECT_EQ(rows["carol"], std::make_tuple(std::string("old"), 1, 0.0));
    EXPECT_EQ(rows[""], std::make_tuple(std::string(""), 1, TB));  // never found
    EXPECT_EQ(reports->OwnerList()[0]->FOwner, "");  // ascending by name
    EXPECT_EQ(c->FOwner(), "alice");
    EXPECT_EQ(c->FDomain(), "other");
    EXPECT_EQ(View(TReportKind::Owner).waitMessage, kReportWaitMessage);

    // A column click re-sorts without asking for owners again.
    reports->ColumnClick(TReportKind::Owner, 4);  // size, descending
    EXPECT_EQ(ownerCalls, 6);
    EXPECT_EQ(reports->OwnerList()[0]->FOwner, "");
    EXPECT_EQ(reports->OwnerList()[1]->FOwner, "1234");
}

TEST_F(ReportsTest, CustomTypesSummaryCategories) {
    custTypes = {{"Logs", "*.log"}, {"Text", "*.TXT *.LOG"}, {"Big Size Files", "*.jpg"},
                 {"Broken", "[x"}};
    reports->LoadSpReport(true);
    auto rows = Buckets(reports->SpList());
    EXPECT_EQ(rows["Internet Temporary Files"].first, 2);  // below /r/docs/sub
    // p.jpg and top.bin by size, and p.jpg again through the custom type of that name.
    EXPECT_EQ(rows["Big Size Files"].first, 3);
    EXPECT_EQ(rows["Oldest Files"].first, 1);  // c.log: more than a year
    EXPECT_EQ(rows["Zero Size Files"].first, 2);
    EXPECT_EQ(rows["Files without Extension"].first, 1);
    EXPECT_EQ(rows["Logs"].first, 1);  // c.log: the first matching type wins
    EXPECT_EQ(rows["Text"].first, 2);  // a.TXT, b.txt
    EXPECT_EQ(rows.count("Broken"), 0u);
    EXPECT_EQ(Labels(reports->SpList()).front(), "Big Size Files");  // ascending by name
}

TEST_F(ReportsTest, SettingsThatAreNotNumbers) {
    options.Reginfo.BigFileSize = "abc";
    options.Reginfo.OldFilesTime = "abc";
    reports->LoadSpReport(true);
    auto rows = Buckets(reports->SpList());
    EXPECT_EQ(rows["Big Size Files"].first, 2);  // the 1 MB default: p.jpg, top.bin
    EXPECT_EQ(rows.count("Oldest Files"), 0u);
}

TEST_F(ReportsTest, FileTypesAtTheScanRootAndBelowIt) {
    // At the root the scan's own totals are the report.
    auto scanTotals = std::make_unique<TExtInfo>();
    scanTotals->FExt = ".TXT";
    scanTotals->FCount = 99;
    t.report->FExtList.Append(std::move(scanTotals));
    reports->LoadFileTypesReport(true);
    EXPECT_FALSE(options.ExtFromSubtree);
    ASSERT_EQ(reports->FileTypeRows().size(), 1u);
    EXPECT_EQ(reports->FileTypeRows()[0]->FCount, 99);

    // Below it a walk: extensions case-insensitive, shown in lower case.
    reports->Reset();
    reports->SetScope(ReportScope(2, t.report.get(), docs));
    options.LVSort2 = 3;  // by files, descending
    options.LVSortOrder2 = 1;
    reports->LoadFileTypesReport(true);
    EXPECT_TRUE(options.ExtFromSubtree);
    ASSERT_EQ(reports->FileTypeRows().size(), 3u);
    const TExtInfo& txt = *reports->FileTypeRows()[0];
    EXPECT_EQ(txt.FExt, ".txt");
    EXPECT_EQ(txt.FCount, 2);
    EXPECT_EQ(txt.FSize, 16484);
    EXPECT_EQ(txt.FTypeName, "Type of .TXT");
    EXPECT_EQ(reports->FileTypeRows()[1]->FCount, 1);
    EXPECT_EQ(t.report->FExtList[0]->FCount, 99);  // the scan's list is untouched
    EXPECT_EQ(ReportCellText(*reports, TReportKind::FileTypes, 0, 1, options), ".txt");
    EXPECT_EQ(ReportCellText(*reports, TReportKind::FileTypes, 0, 4, options), "16.10 KB");

    // While TypesDone is set, a load does nothing.
    t.File(docs, "new.txt", 1);
    reports->LoadFileTypesReport(true);
    EXPECT_EQ(reports->FileTypeRows()[0]->FCount, 2);
}

TEST_F(ReportsTest, AllFoldersByKindInPreOrder) {
    auto listed = [&](int kind) {
        options.AllFoldDone = false;
        reports->LoadAllFoldersReport(kind);
        std::vector<std::string> paths;
        for (const auto& r : reports->AllFoldList()) paths.push_back(r->FPath);
        return paths;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(listed(0), (V{"/r/docs/", "/r/docs/sub/", "/r/pics/", "/r/pics/empty/"}));
    // Empty: subtree size 0 (zero-byte files allowed), judged by computed totals.
    EXPECT_EQ(listed(1), (V{"/r/docs/sub/", "/r/pics/empty/"}));
    EXPECT_EQ(listed(2), (V{"/r/docs/", "/r/pics/"}));

    listed(0);
    const TAllFoldInfo& docsRow = *reports->AllFoldList()[0];
    EXPECT_EQ(docsRow.FName, "docs");
    EXPECT_EQ(docsRow.FSize, 16484);
    EXPECT_EQ(docsRow.FFileCount, 4);
    EXPECT_EQ(docsRow.FFolderCount, 1);
    EXPECT_TRUE(docs->FTotalsDone());

    // The tab's order: by "% of Parent", largest first.
    options.LVSort9 = 2;
    options.LVSortOrder9 = 1;
    reports->SortAllFolders();
    EXPECT_EQ(reports->AllFoldList()[0]->FName, "pics");
    EXPECT_EQ(View(TReportKind::AllFolders).refills.back(), 4u);
    reports->ColumnClick(TReportKind::AllFolders, 1);  // by path, ascending
    EXPECT_EQ(reports->AllFoldList()[0]->FPath, "/r/docs/");
    EXPECT_FALSE(options.AllFoldDone);  // the Load operation never sets it

    // Below a folder: the folder itself is not listed.
    reports->SetScope(ReportScope(2, t.report.get(), docs));
    EXPECT_EQ(listed(0), (V{"/r/docs/sub/"}));
}

TEST_F(ReportsTest, DoneFlagKeepsTheReportUntilAReset) {
    reports->LoadSizeReport(true);
    const int walked = nowCalls;
    t.File(docs, "late.txt", 5);  // the tree changes after the report was computed

    // A column click re-sorts what was computed; it does not walk again.
    reports->ColumnClick(TReportKind::Size, 1);
    EXPECT_EQ(Buckets(reports->SizeList())["0..16 KB"].first, 3);
    EXPECT_EQ(View(TReportKind::Size).refills.back(), 4u);

    reports->LoadDateReport(0, true);
    EXPECT_EQ(nowCalls, walked + 1);
    reports->LoadDateReport(0, true);
    EXPECT_EQ(nowCalls, walked + 1);  // kept

    // A reset empties every list and view and clears every flag; the next load walks again.
    reports->Reset();
    EXPECT_FALSE(options.SizeDone || options.DateDone);
    EXPECT_TRUE(reports->SizeList().empty());
    EXPECT_EQ(View(TReportKind::Size).refills.back(), 0u);
    EXPECT_EQ(View(TReportKind::AllFolders).refills.back(), 0u);
    reports->LoadSizeReport(true);
    EXPECT_EQ(Buckets(reports->SizeList())["0..16 KB"].first, 4);
}

TEST_F(ReportsTest, EmptyScopesGiveEmptyReportsAndStayUncomputed) {
    const TReportScope scopes[] = {ReportScope(0, t.report.get(), nullptr),
                                   ReportScope(2, t.report.get(), empty),
                                   ReportScope(1, nullptr, nullptr)};
    for (const TReportScope& scope : scopes) {
        reports->Reset();
        reports->SetScope(scope);
        reports->LoadAttrReport(true);
        reports->LoadSizeReport(true);
        reports->LoadDateReport(0, true);
        reports->LoadTimeReport(0, true);
        reports->LoadOwnerReport(true);
        reports->LoadSpReport(true);
        reports->LoadFileTypesReport(true);
        reports->LoadAllFoldersReport(0);
        for (int k = 0; k < kReportKindCount; ++k) {
            const auto kind = static_cast<TReportKind>(k);
            EXPECT_EQ(reports->RowCount(kind), 0u) << k;
            EXPECT_FALSE(reports->DoneFlag(kind)) << k;
            EXPECT_FALSE(views[k].waiting) << k;
        }
        reports->ColumnClick(TReportKind::Attr, 2);  // ignored without rows
        EXPECT_EQ(options.AttrSortOrder, 1);
    }

    // Only empty subfolders below: nothing to count; once a file appears, the next load walks.
    TFoldInfo* holder = t.Folder(empty, "inner");
    reports->Reset();
    reports->SetScope(ReportScope(3, t.report.get(), empty));
    reports->LoadAttrReport(true);
    EXPECT_TRUE(reports->AttrList().empty());
    t.File(holder, "now.txt", 1);
    reports->LoadAttrReport(true);
    EXPECT_EQ(reports->AttrList().size(), 1u);
}

TEST_F(ReportsTest, DeepTreeIsWalkedWithoutRecursion) {
    TFoldInfo* node = docs;
    for (int i = 0; i < 100000; ++i) node = t.Folder(node, "d");
    t.File(node, "deep.txt", 1);
    reports->LoadSizeReport(true);
    EXPECT_EQ(Buckets(reports->SizeList())["0..16 KB"].first, 4);
    reports->LoadAllFoldersReport(1);
    EXPECT_EQ(reports->AllFoldList().size(), 2u);  // docs/sub and pics/empty
}

}  // namespace
}  // namespace fscope
