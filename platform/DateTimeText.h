#pragma once
// Calendar arithmetic on the date-time double and its fixed text form. The program uses one
// format everywhere, whatever the environment: short date yyyy-mm-dd, long time hh:nn:ss, so a
// report written on one machine reads back on every other.

#include <optional>
#include <string>
#include <string_view>

#include "platform/FileTime.h"

namespace fscope {

struct TDateFields {
    int year = 1900, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    int dayOfWeek = 1;  // 1 = Sunday ... 7 = Saturday
};

// Days since 1899-12-30 of a calendar date (proleptic Gregorian). No validation.
double EncodeDate(int year, int month, int day);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second);
// Fields of a date-time, rounded to the nearest second.
TDateFields DecodeDateTime(TDateTime value);

// "yyyy-mm-dd hh:nn:ss"; the space and the time are left out when the time is 00:00:00.
std::string DateTimeToText(TDateTime value);
// Reads the text DateTimeToText writes (the time part optional); nullopt when it does not parse.
std::optional<TDateTime> TextToDateTime(std::string_view text);

}  // namespace fscope
