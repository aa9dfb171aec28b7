#pragma once
// The texts of the folder tree: subtree totals of a folder, the bracketed prefix in front of a
// folder's name and the value the size sort orders by. Non-visual, so it is tested without a
// window.

#include <cstdint>
#include <string>

#include "engine/FoldInfo.h"

namespace fscope {

// What the prefix shows (setting TreeFilter).
enum class TTreeFilter { FileSize = 0, AllocSize = 1, WastedSize = 2, FileCount = 3, Percent = 4, None = 5 };
// How the tree is ordered (setting TreeSort).
enum class TTreeSort { ByName = 0, BySize = 1, None = 2 };

TTreeFilter TreeFilterOf(int32_t value);  // values outside 0..4 mean no prefix
TTreeSort TreeSortOf(int32_t value);      // values outside 0..1 mean no sorting

struct TPrefixFormat {
    TTreeFilter filter = TTreeFilter::FileSize;
    std::string unit;      // size unit code (FTSizeType)
    std::string decimals;  // Decimals
};

// `value` with exactly `decimals` decimals and a '.', whatever the C locale says.
std::string FixedText(double value, int decimals);

// The number a prefix shows, from the folder's stored totals and percentage.
double PrefixValue(const TFoldInfo& folder, TTreeFilter filter);

// "[value]  " padded in front with two spaces per character it is shorter than 17 characters
// ("          [12.50 MB]  "); empty with TTreeFilter::None. A longer prefix gets no padding.
std::string TreePrefixText(const TFoldInfo& folder, const TPrefixFormat& format);

}  // namespace fscope
