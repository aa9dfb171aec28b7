#pragma once
// Comparison helpers shared by the report comparators and the file list order, and the sort
// state of a list (column and direction).

#include <algorithm>
#include <compare>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace fscope {

// Byte-for-byte, unsigned.
inline int CompareBytes(std::string_view a, std::string_view b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// Byte for byte after upper-casing the ASCII letters a to z of both sides.
inline int CompareUpper(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z') x -= 32;
        if (y >= 'a' && y <= 'z') y -= 32;
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The first sixteen bytes of a name, ASCII letters upper-cased, as two big-endian numbers
// (short names padded with 0): ordering by it agrees with CompareUpper for names without NUL
// bytes, so a sort compares whole names only when the keys tie.
struct TNameKey {
    uint64_t hi = 0, lo = 0;
    auto operator<=>(const TNameKey&) const = default;
};
inline TNameKey UpperNameKey(std::string_view name) {
    auto part = [&](size_t from) {
        uint64_t key = 0;
        for (size_t i = from; i < from + 8; ++i) {
            unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
            if (c >= 'a' && c <= 'z') c -= 32;
            key = (key << 8) | c;
        }
        return key;
    };
    return {part(0), part(8)};
}

template <class Number>
int CompareNumbers(Number a, Number b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Date-times (days) less than one millisecond apart count as equal.
inline int CompareDates(double a, double b) {
    constexpr double kMillisecond = 1.0 / 86400000.0;
    if (std::fabs(a - b) < kMillisecond) return 0;
    return a < b ? -1 : 1;
}

// The sort state of one list: the column whose key orders it and the direction (1 descending,
// 0 ascending).
struct TSortState {
    int column = 0;
    int order = 0;

    // Applies the direction to an ascending comparison result.
    int Directed(int ascending) const { return order == 1 ? -ascending : ascending; }
};

// A column click on a list whose state is kept in the two fields: the direction flips on every
// click, also when another column is clicked, and the clicked column becomes the sort column.
inline void ClickColumn(int32_t& column, int32_t& order, int clickedColumn) {
    order = order == 1 ? 0 : 1;
    column = clickedColumn;
}

}  // namespace fscope
