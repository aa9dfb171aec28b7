#pragma once
// File times to the program's date-time: a double counting days since 1899-12-30 in local
// time, the fraction being the time of day.

#include <cstdint>

namespace fscope {

using TDateTime = double;

// 1900-01-01 00:00:00: the value of a time that cannot be converted.
inline constexpr TDateTime kInvalidDateTime = 2.0;
// Days between 1899-12-30 and 1970-01-01.
inline constexpr double kUnixEpochDays = 25569.0;

// UTC seconds + nanoseconds since 1970 -> local date-time. Times before 1601 or after 9999,
// and times the C library cannot convert, give kInvalidDateTime. Thread-safe; the local offset
// is cached per quarter hour so a scan does not pay for a time-zone look-up per file.
TDateTime FileTimeToDateTime(int64_t seconds, uint32_t nanoseconds);

// Local date-time -> UTC seconds since 1970 (nearest second); for writing times back to disk.
int64_t DateTimeToUnixSeconds(TDateTime value);

}  // namespace fscope
