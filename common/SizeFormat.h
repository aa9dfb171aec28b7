#pragma once
// Size texts, number pictures and the program's one text format record.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileTime.h"

namespace fscope {

// The conventions every text of the program uses, whatever the environment.
struct TFormatSettings {
    char DecimalSeparator = '.';
    std::string ShortDateFormat = "yyyy-mm-dd";
    std::string LongTimeFormat = "hh:nn:ss";
    std::string TimeAMString = "am";
    std::string TimePMString = "pm";
    std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
};
const TFormatSettings& FormatSettings();

// Date "yyyy-mm-dd" and time "hh:nn:ss" of a date-time (rounded to the nearest second).
std::string DateText(TDateTime value);
std::string TimeText(TDateTime value);

// Formats `value` with a number picture such as "##########0", "########0.00 %" or
// "#######.00 %". The number part is the first run of '#', '0' and '.' holding a '#' or '0':
// '0' is a required digit, '#' an optional one (it adds no padding and never limits the
// integer digits); the digits after '.' give the decimal places ('#' there drops trailing
// zeros). The value is rounded to those places, halves away from zero, from its 15-digit decimal
// form; no thousands separators. Text before and after the number part is copied literally. A
// negative value keeps its minus sign unless it rounds to zero. An empty picture gives the
// general format (up to 15 significant digits, "E" notation for very large or small values).
std::string FormatFloat(std::string_view picture, double value);

// A size in bytes as text. `unit`: "GEN" (bytes, KB, MB or GB, whichever keeps the number below
// 1024), "B", "KB", "MB", "GB"; any other code gives the bare number in the general format.
// `mask`: an integer picture ("##########0"); `decimals`: "0" to "5" (the Decimals setting;
// anything else counts as "0"). Examples: (GEN, 1536, "2") -> "1.50 KB"; (B, 1536) -> "1536 bytes".
std::string FormatSize(std::string_view unit, std::string_view mask, std::string_view decimals,
                       double value);

// Attribute letters in the order R H S A C O T (read-only, hidden, system, archive, compressed,
// offline, temporary), each when its bit is set; "" when none is.
std::string AttrToText(uint32_t attr);

// Pads `text` with spaces to `width` characters (UTF-8 characters are counted, not bytes):
// align "LEFT" pads after, "RIGHT" before, "CENTER" both (the odd space goes after). A text at
// least `width` long is returned whole; any other align gives "".
std::string PadText(std::string_view text, int width, std::string_view align);

}  // namespace fscope
