// The rules behind the folder tree and the File Explorer that need no window: prefixes and
// their padding, subtree totals, the list's sort, the share bar's geometry and column layouts.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

#include "engine/Folioscope.h"
#include "mainwindow/ColumnLayout.h"
#include "mainwindow/ExplorerModel.h"
#include "reports/FolderTotals.h"
#include "mainwindow/ShareBar.h"
#include "mainwindow/TreeText.h"

namespace fscope {
namespace {

TFoldInfo* AddFile(TFolioscope& report, TFoldInfo* parent, const char* name, double size,
                   double alloc = -1) {
    TFoldInfo* file = report.NewFile(parent, name);
    file->FSize = size;
    file->FAllocSize = alloc < 0 ? size : alloc;
    return file;
}

TEST(TreePrefix, PaddedBracketedValueForEachFilter) {
    TFolioscope report;
    TFoldInfo* folder = report.NewFolder(nullptr, "Data");
    AddFile(report, folder, "a.bin", 13107200, 13111296);
    FolderTotals(folder);
    folder->FItems->FPercent = 100;

    struct Case {
        TTreeFilter filter;
        const char* unit;
        std::string expected;
    } cases[] = {
        {TTreeFilter::FileSize, "MB", std::string(10, ' ') + "[12.50 MB]  "},
        {TTreeFilter::AllocSize, "KB", std::string(4, ' ') + "[12804.00 KB]  "},
        {TTreeFilter::WastedSize, "B", std::string(6, ' ') + "[4096 bytes]  "},
        {TTreeFilter::FileCount, "MB", std::string(24, ' ') + "[1]  "},
        {TTreeFilter::Percent, "MB", std::string(10, ' ') + "[100.00 %]  "},
        {TTreeFilter::None, "MB", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TreePrefixText(*folder, {c.filter, c.unit, "2"}), c.expected)
            << static_cast<int>(c.filter);
}

TEST(TreePrefix, LongPrefixIsNotPadded) {
    TFolioscope report;
    TFoldInfo* folder = report.NewFolder(nullptr, "Big");
    AddFile(report, folder, "big.iso", 123456789012);
    FolderTotals(folder);
    EXPECT_EQ(TreePrefixText(*folder, {TTreeFilter::FileSize, "B", "2"}),
              "[123456789012 bytes]  ");
}

TEST(TreePrefix, SettingValuesOutsideTheTablesMeanNone) {
    EXPECT_EQ(TreeFilterOf(7), TTreeFilter::None);
    EXPECT_EQ(TreeFilterOf(-1), TTreeFilter::None);
    EXPECT_EQ(TreeFilterOf(3), TTreeFilter::FileCount);
    EXPECT_EQ(TreeSortOf(5), TTreeSort::None);
    EXPECT_EQ(TreeSortOf(1), TTreeSort::BySize);
}

TEST(ExplorerSort, ComparesByTheColumnsRule) {
    TFolioscope report;
    TFoldInfo* a = AddFile(report, nullptr, "apple.txt", 10);
    TFoldInfo* b = AddFile(report, nullptr, "Banana.txt", 20);
    a->FModified = 3;
    b->FModified = 2;
    a->FAttr = 0x21;  // "RA"
    b->FAttr = 0x20;  // "A"
    struct Case {
        TExplorerColumn column;
        int expected;  // of a against b, ascending
    } cases[] = {
        {TExplorerColumn::Name, -1},           // APPLE < BANANA whatever the case
        {TExplorerColumn::PercentOfParent, -1},  // by size
        {TExplorerColumn::Size, -1},
        {TExplorerColumn::LastModified, 1},
        {TExplorerColumn::Attributes, 1},      // "RA" > "A"
        {TExplorerColumn::DosName, 0},
    };
    for (const Case& c : cases) {
        const int column = static_cast<int>(c.column);
        EXPECT_EQ(CompareExplorerRows(*a, *b, column, false), c.expected) << column;
        EXPECT_EQ(CompareExplorerRows(*a, *b, column, true), -c.expected) << column;
    }
}

TEST(ExplorerSort, NameUpperCasesAsciiOnlyAndComparesBytes) {
    TFolioscope report;
    TFoldInfo* lower = AddFile(report, nullptr, "zeta", 0);
    TFoldInfo* accented = AddFile(report, nullptr, "\xc3\xa9t\xc3\xa9", 0);  // "été": bytes >= 0xC3
    std::vector<TFoldInfo*> rows{accented, lower};
    SortExplorerRows(rows, 0, false);
    EXPECT_EQ(rows.front(), lower);
}

TEST(ShareBar, WidthRule) {
    const QRect cell(100, 10, 75, 18);
    struct Case {
        double percent;
        int width;
    } cases[] = {{50, 37}, {1.5, 1}, {0, 1}, {2.4, 1}, {3, 2}, {100, 72}, {120, 72}};
    for (const Case& c : cases) {
        const QRect bar = ShareBarRect(cell, c.percent);
        EXPECT_EQ(bar.width(), c.width) << c.percent;
        EXPECT_EQ(bar.left(), 102);
        EXPECT_EQ(bar.top(), 11);
        EXPECT_EQ(bar.bottom(), 10 + 18 - 3);
    }
}

TEST(ShareBar, PercentTextHasTwoDecimals) {
    EXPECT_EQ(PercentText(12.5), "12.50 %");
    EXPECT_EQ(PercentText(0), "0.00 %");
    EXPECT_EQ(PercentText(100), "100.00 %");
}

TEST(ColumnLayout, StoredStringsGiveWidthsAndHiddenColumns) {
    const auto widths = StoredColumnWidths("150, 75,x,100", "1,0,1", 5);
    ASSERT_EQ(widths.size(), 5u);
    EXPECT_EQ(widths[0], 150);
    EXPECT_EQ(widths[1], 0);               // hidden by the visibility string
    EXPECT_FALSE(widths[2].has_value());   // not a number: the default stays
    EXPECT_EQ(widths[3], 100);
    EXPECT_FALSE(widths[4].has_value());   // fewer entries than columns
}

TEST(ColumnLayout, MergeKeepsHiddenWidthsAndStoresNothingWithoutALayout) {
    EXPECT_EQ(MergedColumnWidths("150,75,100", {160, 0, 90}), "160,75,90");
    EXPECT_EQ(MergedColumnWidths("150,75", {160, 80, 90}), "160,80");
    EXPECT_EQ(MergedColumnWidths("  ", {160, 80}), "");
}

TEST(ColumnLayout, RoundTripThroughAHeader) {
    QStandardItemModel model(1, 4);
    QTreeView view;
    view.setModel(&model);
    QHeaderView& header = *view.header();
    LoadColumnLayout(header, "120,60,70,80", "1,0,1,1");
    EXPECT_TRUE(header.isSectionHidden(1));
    EXPECT_EQ(header.sectionSize(0), 120);
    header.resizeSection(2, 95);
    EXPECT_EQ(SaveColumnLayout(header, "120,60,70,80"), "120,60,95,80");
}

}  // namespace
}  // namespace fscope
