#include "platform/FileTime.h"

#include <array>
#include <cmath>
#include <ctime>

namespace fscope {

namespace {
// -11644473600 is 1601-01-01 UTC, 253402300799 is 9999-12-31 23:59:59 UTC.
constexpr int64_t kMinSeconds = -11644473600LL;
constexpr int64_t kMaxSeconds = 253402300799LL;
constexpr int64_t kBucketSeconds = 900;  // time-zone transitions fall on quarter hours

struct OffsetCacheEntry {
    int64_t bucket = INT64_MIN;
    long offset = 0;
    bool ok = false;
};

bool LocalOffset(int64_t seconds, long& offset) {
    thread_local std::array<OffsetCacheEntry, 256> cache;
    int64_t bucket =
        seconds >= 0 ? seconds / kBucketSeconds : -((-seconds - 1) / kBucketSeconds) - 1;
    OffsetCacheEntry& e = cache[static_cast<size_t>(bucket) & 255];
    if (e.bucket != bucket) {
        std::time_t t = static_cast<std::time_t>(bucket * kBucketSeconds);
        std::tm tm{};
        e.bucket = bucket;
        e.ok = localtime_r(&t, &tm) != nullptr;
        e.offset = e.ok ? tm.tm_gmtoff : 0;
    }
    offset = e.offset;
    return e.ok;
}
}  // namespace

TDateTime FileTimeToDateTime(int64_t seconds, uint32_t nanoseconds) {
    if (seconds < kMinSeconds || seconds > kMaxSeconds) return kInvalidDateTime;
    long offset = 0;
    if (!LocalOffset(seconds, offset)) return kInvalidDateTime;
    int64_t local = seconds + offset;
    if (local < kMinSeconds || local > kMaxSeconds) return kInvalidDateTime;
    // Whole days and the second of the day separately, so the fraction is exact to the second.
    int64_t days = local >= 0 ? local / 86400 : -((-local - 1) / 86400) - 1;
    int64_t secOfDay = local - days * 86400;
    double frac = (static_cast<double>(secOfDay) + nanoseconds * 1e-9) / 86400.0;
    return static_cast<double>(days) + kUnixEpochDays + frac;
}

int64_t DateTimeToUnixSeconds(TDateTime value) {
    // The calendar fields of the local date-time, handed to mktime, which reads them as local.
    auto local = static_cast<std::time_t>(std::llround((value - kUnixEpochDays) * 86400.0));
    std::tm tm{};
    if (!gmtime_r(&local, &tm)) return static_cast<int64_t>(local);
    tm.tm_isdst = -1;
    return static_cast<int64_t>(mktime(&tm));
}

}  // namespace fscope
