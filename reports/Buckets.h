#pragma once
// The fixed bucket tables of the attribute, size-range, date-range and hour reports, and the
// rules that put a file into their buckets. The reports and the file lists opened from their
// rows use these same functions, so a row's list holds exactly the files the row counts.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/FoldInfo.h"
#include "platform/FileTime.h"

namespace fscope {

// ---- attributes: overlapping buckets, tested in table order --------------------------------
inline constexpr int kAttrBucketCount = 9;
struct TAttrBucket {
    std::string_view label;
    uint32_t bit;  // 0: the bucket of files whose FAttr is 0
};
extern const std::array<TAttrBucket, kAttrBucketCount> kAttrBuckets;
// Bit i set when the file is in bucket i of kAttrBuckets.
uint32_t AttrBucketsOf(uint32_t attr);
// Index of the bucket with this label; -1 when there is none.
int AttrBucketIndex(std::string_view label);

// ---- size ranges: exactly one bucket per file -----------------------------------------------
inline constexpr int kSizeBucketCount = 18;
extern const std::array<std::string_view, kSizeBucketCount> kSizeLabels;
// Each range includes its lower bound and excludes its upper one, except "500 GB..1 TB", which
// includes 1 TB; "more than 1 TB" starts above it. Negative or NaN sizes fall in range 0.
int SizeBucketOf(double size);

// ---- date ranges: overlapping buckets relative to a day ------------------------------------
inline constexpr int kDateBucketCount = 11;
extern const std::array<std::string_view, kDateBucketCount> kDateLabels;
// The date-range rule, fixed once per computation for "now" (local date-time). With d the
// number of calendar days from the stamp's date to today and m = 12 x (years) + (months)
// between them: "Today" d = 0, "Yesterday" d = 1, "Last 7 Days" 0 <= d <= 7, "Last 15 Days"
// 0 <= d <= 15, "Last month" m = 1, "Last 3 months" 0 <= m <= 3, "Last 6 months" 0 <= m <= 6;
// "This month", "This year", "Last year" and "More than 2 years" compare calendar fields.
// Nothing in the future counts as recent.
class TDateRanges {
public:
    explicit TDateRanges(TDateTime now);
    // Bit i set when the stamp is in bucket i of kDateLabels.
    uint32_t BucketsOf(TDateTime stamp) const;

private:
    long long today_;
    int year_, month_;
};

// ---- hours of the day: exactly one bucket per file ------------------------------------------
inline constexpr int kHourBucketCount = 24;
extern const std::array<std::string_view, kHourBucketCount> kHourLabels;
// Bucket of the stamp's hour (to the nearest second): hour h goes to h - 1, midnight to 23.
int HourBucketOf(TDateTime stamp);

// ---- the time stamp a date or hour report looks at -----------------------------------------
// basis 0: FCreated, 1: FModified, 2: FAccessed (any other value: FCreated).
TDateTime StampOf(const TFoldInfo& file, int basis);

}  // namespace fscope
