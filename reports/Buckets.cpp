#include "reports/Buckets.h"

#include <cmath>

#include "platform/DateTimeText.h"

namespace fscope {

const std::array<TAttrBucket, kAttrBucketCount> kAttrBuckets = {{
    {"Readonly Files", 0x1},
    {"System Files", 0x4},
    {"Hidden Files", 0x2},
    {"Archive Files", 0x20},
    {"Compressed Files", 0x800},
    {"Temporary Files", 0x100},
    {"Offline Files", 0x1000},
    {"Normal Files", 0x80},
    {"No Attribute Files", 0},
}};

uint32_t AttrBucketsOf(uint32_t attr) {
    uint32_t buckets = 0;
    for (int i = 0; i < kAttrBucketCount; ++i) {
        const uint32_t bit = kAttrBuckets[i].bit;
        if (bit ? (attr & bit) != 0 : attr == 0) buckets |= 1u << i;
    }
    return buckets;
}

int AttrBucketIndex(std::string_view label) {
    for (int i = 0; i < kAttrBucketCount; ++i)
        if (kAttrBuckets[i].label == label) return i;
    return -1;
}

const std::array<std::string_view, kSizeBucketCount> kSizeLabels = {
    "0..16 KB",       "16..32 KB",     "32..64 KB",     "64..128 KB",   "128..256 KB",
    "256..512 KB",    "512 KB..1 MB",  "1 MB..10 MB",   "10 MB..50 MB", "50 MB..100 MB",
    "100 MB..500 MB", "500 MB..1 GB",  "1 GB..10 GB",   "10 GB..50 GB", "50 GB..100 GB",
    "100 GB..500 GB", "500 GB..1 TB",  "more than 1 TB"};

namespace {
constexpr double KB = 1024.0, MB = KB * 1024, GB = MB * 1024, TB = GB * 1024;
// Upper bounds of ranges 0..15 (excluded).
constexpr std::array<double, 16> kSizeUpper = {16 * KB,  32 * KB,  64 * KB,  128 * KB,
                                               256 * KB, 512 * KB, MB,       10 * MB,
                                               50 * MB,  100 * MB, 500 * MB, GB,
                                               10 * GB,  50 * GB,  100 * GB, 500 * GB};
}  // namespace

int SizeBucketOf(double size) {
    if (!(size >= 0)) return 0;
    for (int i = 0; i < 16; ++i)
        if (size < kSizeUpper[i]) return i;
    return size <= TB ? 16 : 17;
}

const std::array<std::string_view, kDateBucketCount> kDateLabels = {
    "Today",         "Yesterday",     "Last 7 Days", "Last 15 Days", "This month",
    "Last month",    "Last 3 months", "Last 6 months", "This year",  "Last year",
    "More than 2 years"};

namespace {
// The calendar day (days since 1899-12-30), year and month of a stamp, taken from the same
// rounding to the second as its hour, so a stamp never changes day between two reports.
struct TStampDay {
    long long day;
    int year, month;
};
TStampDay DayOf(TDateTime stamp) {
    const TDateFields f = DecodeDateTime(stamp);
    return {static_cast<long long>(EncodeDate(f.year, f.month, f.day)), f.year, f.month};
}
}  // namespace

TDateRanges::TDateRanges(TDateTime now) {
    const TStampDay t = DayOf(now);
    today_ = t.day;
    year_ = t.year;
    month_ = t.month;
}

uint32_t TDateRanges::BucketsOf(TDateTime stamp) const {
    const TStampDay f = DayOf(stamp);
    const long long d = today_ - f.day;
    const long long m = 12LL * (year_ - f.year) + (month_ - f.month);
    const bool tests[kDateBucketCount] = {
        d == 0,
        d == 1,
        d >= 0 && d <= 7,
        d >= 0 && d <= 15,
        f.year == year_ && f.month == month_,
        m == 1,
        m >= 0 && m <= 3,
        m >= 0 && m <= 6,
        f.year == year_,
        f.year == year_ - 1,
        year_ - f.year >= 2,
    };
    uint32_t buckets = 0;
    for (int i = 0; i < kDateBucketCount; ++i)
        if (tests[i]) buckets |= 1u << i;
    return buckets;
}

const std::array<std::string_view, kHourBucketCount> kHourLabels = {
    "1 am - 2 am",   "2 am - 3 am",   "3 am - 4 am",   "4 am - 5 am",   "5 am - 6 am",
    "6 am - 7 am",   "7 am - 8 am",   "8 am - 9 am",   "9 am - 10 am",  "10 am - 11 am",
    "11 am - 12 pm", "12 pm - 1 pm",  "1 pm - 2 pm",   "2 pm - 3 pm",   "3 pm - 4 pm",
    "4 pm - 5 pm",   "5 pm - 6 pm",   "6 pm - 7 pm",   "7 pm - 8 pm",   "8 pm - 9 pm",
    "9 pm - 10 pm",  "10 pm - 11 pm", "11 pm - 12 am", "12 am - 1 am"};

int HourBucketOf(TDateTime stamp) {
    const int hour = DecodeDateTime(stamp).hour;
    return hour == 0 ? 23 : hour - 1;
}

TDateTime StampOf(const TFoldInfo& file, int basis) {
    switch (basis) {
        case 1: return file.FModified;
        case 2: return file.FAccessed;
        default: return file.FCreated;
    }
}

}  // namespace fscope
