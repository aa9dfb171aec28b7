#pragma once
// Stored column layouts of the lists: a width string ("150,75,100") and a visibility string
// ("1,0,1"), one comma-separated entry per column in column order.

#include <QHeaderView>
#include <optional>
#include <string>
#include <vector>

namespace fscope {

// The width of each of `columnCount` columns the stored strings ask for: the n-th width entry,
// then 0 (hidden) for every visibility entry "0"; nullopt where the strings say nothing (the
// column keeps its default). Entries that are not whole numbers are ignored.
std::vector<std::optional<int>> StoredColumnWidths(const std::string& widths,
                                                   const std::string& visible, int columnCount);

// The width string to store: for each entry of `stored`, the current width of that column when
// it is shown (non-zero), else the stored entry (a hidden column keeps its last width). Empty
// when `stored` is blank: a layout is kept only when the setting holds one to begin with.
std::string MergedColumnWidths(const std::string& stored, const std::vector<int>& current);

// LoadColumnLayout: applies the stored strings to a header (width 0 hides the column).
void LoadColumnLayout(QHeaderView& header, const std::string& widths, const std::string& visible);
// SaveColumnLayout: the width string to store for a header.
std::string SaveColumnLayout(const QHeaderView& header, const std::string& stored);

}  // namespace fscope
