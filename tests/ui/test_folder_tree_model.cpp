// The folder tree model on its own: lazy population, the expand button of a folder holding
// files only, node paths from the report's bytes, prefixes that survive odd names, and the
// size order across units. Every test runs the model through QAbstractItemModelTester.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "engine/Folioscope.h"
#include "mainwindow/FolderTreeModel.h"

namespace fscope {
namespace {

class FolderTreeModelTest : public ::testing::Test {
protected:
    FolderTreeModelTest()
        : model_([this] { return settings_; }),
          tester_(&model_, QAbstractItemModelTester::FailureReportingMode::Fatal) {
        report_.FRootPath = "/data/";
    }
    TFoldInfo* Folder(TFoldInfo* parent, const char* name, double fileSize) {
        TFoldInfo* folder = report_.NewFolder(parent, name);
        if (fileSize > 0) {
            TFoldInfo* file = report_.NewFile(folder, "file.bin");
            file->FSize = file->FAllocSize = fileSize;
        }
        return folder;
    }
    QString Text(const QModelIndex& index) const { return model_.data(index).toString(); }

    TTreeSettings settings_{{TTreeFilter::FileSize, "GEN", "2"}, TTreeSort::ByName};
    TFolioscope report_;
    TFolderTreeModel model_;
    QAbstractItemModelTester tester_;
};

TEST_F(FolderTreeModelTest, PopulatesLazilyAndDropsTheExpandButtonOfFileOnlyFolders) {
    TFoldInfo* docs = Folder(nullptr, "docs", 100);
    Folder(docs, "old", 50);
    report_.NewFile(nullptr, "loose.txt");
    const QModelIndex node = model_.AddReport(&report_, "/data/");
    EXPECT_EQ(Text(model_.RootIndex()), "My Reports");
    EXPECT_TRUE(model_.hasChildren(node));
    EXPECT_EQ(model_.rowCount(node), 0);
    ASSERT_TRUE(model_.canFetchMore(node));
    model_.fetchMore(node);
    ASSERT_EQ(model_.rowCount(node), 1);  // files are never shown
    const QModelIndex docsNode = model_.index(0, 0, node);
    EXPECT_EQ(model_.FolderOf(docsNode), docs);
    EXPECT_TRUE(model_.hasChildren(docsNode));
    model_.fetchMore(docsNode);
    const QModelIndex oldNode = model_.index(0, 0, docsNode);
    EXPECT_TRUE(model_.hasChildren(oldNode));  // not yet known
    model_.fetchMore(oldNode);
    EXPECT_FALSE(model_.hasChildren(oldNode));  // holds files only
    EXPECT_EQ(model_.NodePath(oldNode), "/data/docs/old/");
    EXPECT_EQ(model_.ReportRootOf(oldNode), node);
    EXPECT_EQ(model_.ReportOf(oldNode), &report_);
    EXPECT_DOUBLE_EQ(docs->FSize, 150);  // subtree totals stored on creation
}

TEST_F(FolderTreeModelTest, PathsKeepTheNameBytes) {
    const char bad[] = "caf\xe9";  // Latin-1 byte, not valid UTF-8
    Folder(nullptr, bad, 1);
    const QModelIndex node = model_.AddReport(&report_, "/data/");
    model_.fetchMore(node);
    EXPECT_EQ(model_.NodePath(model_.index(0, 0, node)), std::string("/data/") + bad + "/");
}

TEST_F(FolderTreeModelTest, PrefixChangesLeaveNamesWithBracketsWhole) {
    Folder(nullptr, "a]  b", 1024);
    const QModelIndex node = model_.AddReport(&report_, "/data/");
    model_.fetchMore(node);
    const QModelIndex folder = model_.index(0, 0, node);
    settings_.prefix.filter = TTreeFilter::None;
    model_.RefreshTreePrefixes();
    EXPECT_EQ(Text(folder), "a]  b");
    settings_.prefix.filter = TTreeFilter::FileSize;
    model_.RefreshTreePrefixes();
    EXPECT_EQ(Text(folder).trimmed(), "[1.00 KB]  a]  b");
}

TEST_F(FolderTreeModelTest, SizeOrderComparesValuesNotPrintedNumbers) {
    Folder(nullptr, "small", 900.0 * 1024 * 1024);
    Folder(nullptr, "large", 1.5 * 1024 * 1024 * 1024);
    Folder(nullptr, "tiny", 10);
    const QModelIndex node = model_.AddReport(&report_, "/data/");
    model_.fetchMore(node);
    const QPersistentModelIndex tiny = model_.index(2, 0, node);
    settings_.sort = TTreeSort::BySize;
    model_.SortTree();
    EXPECT_TRUE(Text(model_.index(0, 0, node)).endsWith("large"));  // [1.50 GB]
    EXPECT_TRUE(Text(model_.index(1, 0, node)).endsWith("small"));  // [900.00 MB]
    EXPECT_EQ(tiny.row(), 2);
    settings_.sort = TTreeSort::ByName;
    model_.SortTree();
    EXPECT_TRUE(Text(model_.index(0, 0, node)).endsWith("large"));
    EXPECT_TRUE(Text(model_.index(2, 0, node)).endsWith("tiny"));
    EXPECT_EQ(tiny.row(), 2);
}

TEST_F(FolderTreeModelTest, ReportNodesKeepTheirOrderAndCanBeRemoved) {
    TFolioscope second;
    second.FRootPath = "/a/";
    Folder(nullptr, "x", 1);
    const QModelIndex first = model_.AddReport(&report_, "/data/");
    model_.AddReport(&second, "/a/", true);
    model_.SortTree();
    EXPECT_EQ(model_.ReportOf(model_.index(0, 0, model_.RootIndex())), &report_);
    model_.fetchMore(first);
    model_.RemoveReport(&report_);
    ASSERT_EQ(model_.rowCount(model_.RootIndex()), 1);
    EXPECT_EQ(model_.ReportOf(model_.index(0, 0, model_.RootIndex())), &second);
}

}  // namespace
}  // namespace fscope
