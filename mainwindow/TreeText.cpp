#include "mainwindow/TreeText.h"

#include <charconv>

#include "common/SizeFormat.h"

namespace fscope {

namespace {
constexpr size_t kPaddedPrefixLength = 17;
constexpr const char* kTreeSizeMask = "#########0";
}  // namespace

std::string FixedText(double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}


TTreeFilter TreeFilterOf(int32_t value) {
    return value >= 0 && value <= 4 ? static_cast<TTreeFilter>(value) : TTreeFilter::None;
}

TTreeSort TreeSortOf(int32_t value) {
    return value == 0 || value == 1 ? static_cast<TTreeSort>(value) : TTreeSort::None;
}

double PrefixValue(const TFoldInfo& folder, TTreeFilter filter) {
    switch (filter) {
        case TTreeFilter::FileSize: return folder.FSize;
        case TTreeFilter::AllocSize: return folder.FAllocSize;
        case TTreeFilter::WastedSize: return folder.FAllocSize - folder.FSize;
        case TTreeFilter::FileCount: return folder.FFileCount;
        case TTreeFilter::Percent: return folder.FPercent();
        case TTreeFilter::None: break;
    }
    return 0;
}

std::string TreePrefixText(const TFoldInfo& folder, const TPrefixFormat& format) {
    std::string value;
    const double number = PrefixValue(folder, format.filter);
    switch (format.filter) {
        case TTreeFilter::None: return {};
        case TTreeFilter::FileCount: value = std::to_string(folder.FFileCount); break;
        case TTreeFilter::Percent: {
            value = FixedText(number, 2) + " %";
            break;
        }
        default: value = FormatSize(format.unit, kTreeSizeMask, format.decimals, number); break;
    }
    std::string prefix = "[" + value + "]  ";
    if (prefix.size() < kPaddedPrefixLength)
        prefix.insert(0, 2 * (kPaddedPrefixLength - prefix.size()), ' ');
    return prefix;
}

}  // namespace fscope
