// The fixed bucket tables: size-range edges, attribute overlaps, date ranges (whole calendar
// days and months, across month and year ends) and hours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/DateTimeText.h"
#include "reports/Buckets.h"

namespace fscope {
namespace {

TEST(SizeBuckets, EdgesOfTheRanges) {
    const double KB = 1024, MB = KB * 1024, GB = MB * 1024, TB = GB * 1024;
    const struct {
        double size;
        int bucket;
    } cases[] = {
        {0, 0},          {16383, 0},       {16384, 1},       {32 * KB - 1, 1}, {MB - 1, 6},
        {MB, 7},         {10 * MB, 8},     {GB, 12},         {500 * GB, 16},   {TB, 16},
        {TB + 1, 17},    {2 * TB, 17},     {-5, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(SizeBucketOf(c.size), c.bucket) << c.size;
    EXPECT_EQ(kSizeLabels[16], "500 GB..1 TB");
    EXPECT_EQ(kSizeLabels[17], "more than 1 TB");
}

TEST(AttrBuckets, OverlapAndBitsOutsideTheTable) {
    auto labels = [](uint32_t attr) {
        std::vector<std::string> out;
        const uint32_t b = AttrBucketsOf(attr);
        for (int i = 0; i < kAttrBucketCount; ++i)
            if (b & (1u << i)) out.emplace_back(kAttrBuckets[i].label);
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(labels(0x21), (V{"Readonly Files", "Archive Files"}));
    EXPECT_EQ(labels(0), (V{"No Attribute Files"}));
    EXPECT_EQ(labels(0x2000), V{});  // not-indexed only: in no row
    EXPECT_EQ(labels(0x400 | 0x200), V{});
    EXPECT_EQ(labels(0x1 | 0x2 | 0x4 | 0x20 | 0x80 | 0x100 | 0x800 | 0x1000).size(), 8u);
    EXPECT_EQ(AttrBucketIndex("Hidden Files"), 2);
    EXPECT_EQ(AttrBucketIndex("hidden files"), -1);
}

std::vector<std::string> DateLabelsFor(TDateTime stamp, TDateTime now) {
    std::vector<std::string> out;
    const uint32_t b = TDateRanges(now).BucketsOf(stamp);
    for (int i = 0; i < kDateBucketCount; ++i)
        if (b & (1u << i)) out.emplace_back(kDateLabels[i]);
    return out;
}

TEST(DateRanges, WholeDaysAndMonthsAcrossCalendarEnds) {
    using V = std::vector<std::string>;
    const struct {
        TDateTime now, stamp;
        V labels;
    } cases[] = {
        // On 15 March: yesterday, and a day of the previous month.
        {EncodeDateTime(2023, 3, 15, 10, 0, 0), EncodeDateTime(2023, 3, 14, 23, 0, 0),
         {"Yesterday", "Last 7 Days", "Last 15 Days", "This month", "Last 3 months",
          "Last 6 months", "This year"}},
        {EncodeDateTime(2023, 3, 15, 10, 0, 0), EncodeDateTime(2023, 2, 28, 9, 0, 0),
         {"Last 15 Days", "Last month", "Last 3 months", "Last 6 months", "This year"}},
        // Today, any time of the day.
        {EncodeDateTime(2023, 3, 15, 0, 0, 1), EncodeDateTime(2023, 3, 15, 23, 59, 59),
         {"Today", "Last 7 Days", "Last 15 Days", "This month", "Last 3 months",
          "Last 6 months", "This year"}},
        // The first of a month: the last day of the previous month is yesterday.
        {EncodeDateTime(2023, 3, 1, 8, 0, 0), EncodeDateTime(2023, 2, 28, 22, 0, 0),
         {"Yesterday", "Last 7 Days", "Last 15 Days", "Last month", "Last 3 months",
          "Last 6 months", "This year"}},
        // January: last month is December of the year before.
        {EncodeDateTime(2024, 1, 10, 8, 0, 0), EncodeDateTime(2023, 12, 5, 8, 0, 0),
         {"Last month", "Last 3 months", "Last 6 months", "Last year"}},
        {EncodeDateTime(2024, 1, 2, 8, 0, 0), EncodeDateTime(2023, 12, 31, 8, 0, 0),
         {"Last 7 Days", "Last 15 Days", "Last month", "Last 3 months", "Last 6 months",
          "Last year"}},
        // Later this month: in none of the day ranges (m is 0, so the month ranges hold it).
        {EncodeDateTime(2023, 3, 15, 10, 0, 0), EncodeDateTime(2023, 3, 20, 10, 0, 0),
         {"This month", "Last 3 months", "Last 6 months", "This year"}},
        // A later month of this year, and a later year.
        {EncodeDateTime(2023, 3, 15, 10, 0, 0), EncodeDateTime(2023, 7, 1, 10, 0, 0),
         {"This year"}},
        {EncodeDateTime(2023, 3, 15, 10, 0, 0), EncodeDateTime(2024, 1, 1, 10, 0, 0), {}},
        // Eight days back is beyond "Last 7 Days", 16 beyond "Last 15 Days".
        {EncodeDateTime(2023, 3, 20, 10, 0, 0), EncodeDateTime(2023, 3, 12, 10, 0, 0),
         {"Last 15 Days", "This month", "Last 3 months", "Last 6 months", "This year"}},
        {EncodeDateTime(2023, 3, 20, 10, 0, 0), EncodeDateTime(2023, 3, 4, 10, 0, 0),
         {"This month", "Last 3 months", "Last 6 months", "This year"}},
        // Seven months back; two calendar years back; the unconvertible-time stamp.
        {EncodeDateTime(2023, 8, 15, 10, 0, 0), EncodeDateTime(2023, 1, 31, 10, 0, 0),
         {"This year"}},
        {EncodeDateTime(2023, 3, 15, 10, 0, 0), EncodeDateTime(2021, 12, 31, 10, 0, 0),
         {"More than 2 years"}},
        {EncodeDateTime(2023, 3, 15, 10, 0, 0), kInvalidDateTime, {"More than 2 years"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateLabelsFor(c.stamp, c.now), c.labels)
            << DateTimeToText(c.now) << " / " << DateTimeToText(c.stamp);
}

TEST(HourBuckets, MidnightComesLast) {
    EXPECT_EQ(kHourLabels[HourBucketOf(EncodeDateTime(2023, 1, 1, 0, 30, 0))], "12 am - 1 am");
    EXPECT_EQ(HourBucketOf(EncodeDateTime(2023, 1, 1, 0, 30, 0)), 23);
    EXPECT_EQ(kHourLabels[HourBucketOf(EncodeDateTime(2023, 1, 1, 12, 0, 0))], "12 pm - 1 pm");
    EXPECT_EQ(kHourLabels[HourBucketOf(EncodeDateTime(2023, 1, 1, 23, 59, 59))],
              "11 pm - 12 am");
    EXPECT_EQ(HourBucketOf(EncodeDateTime(2023, 1, 1, 1, 0, 0)), 0);
}

}  // namespace
}  // namespace fscope
