// Subtree totals stored into folder nodes: sums, counts, reuse of stored totals, deep trees.
#include <gtest/gtest.h>

#include "reports/FolderTotals.h"
#include "reports/ReportFixture.h"

namespace fscope {
namespace {

using testing::TTree;

TEST(FolderTotals, SumsEveryLevelAndStoresThemInEachFolder) {
    TTree t;
    TFoldInfo* a = t.Folder(nullptr, "a");
    t.File(a, "1", 100);
    TFoldInfo* b = t.Folder(a, "b");
    t.File(b, "2", 5000);
    TFoldInfo* empty = t.Folder(b, "empty");
    t.File(nullptr, "top", 7);

    const TFolderTotals all = FolderTotals(t.report->FItems);
    EXPECT_EQ(all.size, 5107);
    EXPECT_EQ(all.alloc, 3 * 4096 + 4096);
    EXPECT_EQ(all.wasted, all.alloc - all.size);
    EXPECT_EQ(all.files, 3);
    EXPECT_EQ(all.folders, 3);

    EXPECT_TRUE(a->FTotalsDone());
    EXPECT_EQ(a->FSize, 5100);
    EXPECT_EQ(a->FFileCount, 2);
    EXPECT_EQ(a->FFolderCount, 2);
    EXPECT_EQ(b->FSize, 5000);
    EXPECT_EQ(b->FFolderCount, 1);
    EXPECT_TRUE(empty->FTotalsDone());
    EXPECT_EQ(empty->FSize, 0);
    EXPECT_EQ(empty->FFileCount, 0);
}

TEST(FolderTotals, StoredTotalsAreReusedNotWalkedAgain) {
    TTree t;
    TFoldInfo* a = t.Folder(nullptr, "a");
    TFoldInfo* b = t.Folder(a, "b");
    t.File(b, "f", 10);
    FolderTotals(b);
    EXPECT_EQ(b->FSize, 10);
    EXPECT_FALSE(a->FTotalsDone());
    // A stored total is taken as it stands (deletions keep it up to date by subtraction).
    b->FSize = 4;
    FolderTotals(a);
    EXPECT_EQ(a->FSize, 4);
    EXPECT_EQ(a->FFolderCount, 1);
    FolderTotals(a);  // done: nothing changes
    EXPECT_EQ(a->FSize, 4);
}

TEST(FolderTotals, TreeTooDeepForRecursion) {
    TTree t;
    constexpr int kDepth = 200000;
    TFoldInfo* top = t.Folder(nullptr, "d");
    TFoldInfo* node = top;
    for (int i = 1; i < kDepth; ++i) node = t.Folder(node, "d");
    t.File(node, "deep", 3);
    FolderTotals(top);
    EXPECT_EQ(top->FSize, 3);
    EXPECT_EQ(top->FFileCount, 1);
    EXPECT_EQ(top->FFolderCount, kDepth - 1);
    EXPECT_EQ(node->FFolderCount, 0);
}

TEST(FolderTotals, FilesAndEmptyLists) {
    TTree t;
    TFoldInfo* f = t.File(nullptr, "file", 5);
    FolderTotals(f);  // not a folder: left alone
    EXPECT_EQ(f->FSize, 5);
    const TFolderTotals none = FolderTotals(TFoldList{});
    EXPECT_EQ(none.size, 0);
    EXPECT_EQ(none.files, 0);
    EXPECT_EQ(none.folders, 0);
}

}  // namespace
}  // namespace fscope
