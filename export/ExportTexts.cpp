#include "export/ExportTexts.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "common/SizeFormat.h"
#include "platform/DateTimeText.h"

namespace fscope {
namespace {

void AppendTwoDigits(std::string& out, int value) {
    out += static_cast<char>('0' + value / 10 % 10);
    out += static_cast<char>('0' + value % 10);
}

// "hh:nn:ss am" on the 12-hour clock.
void AppendTwelveHourTime(std::string& out, const TDateFields& f) {
    const int hour = f.hour % 12 == 0 ? 12 : f.hour % 12;
    AppendTwoDigits(out, hour);
    out += ':';
    AppendTwoDigits(out, f.minute);
    out += ':';
    AppendTwoDigits(out, f.second);
    out += ' ';
    const TFormatSettings& format = FormatSettings();
    out += f.hour < 12 ? format.TimeAMString : format.TimePMString;
}

// The separator between the parts of the short date format ("yyyy-mm-dd" -> '-').
char DateSeparator() {
    for (const char c : FormatSettings().ShortDateFormat) {
        if (!std::isalpha(static_cast<unsigned char>(c))) return c;
    }
    return '-';
}

}  // namespace

std::string LongDateStamp(TDateTime now) {
    const TDateFields f = DecodeDateTime(now);
    std::string out;
    AppendTwoDigits(out, f.day);
    out += ", ";
    out += FormatSettings().LongMonthNames.at(f.month - 1);
    out += ' ';
    out += std::to_string(f.year);
    out += ' ';
    AppendTwelveHourTime(out, f);
    return out;
}

std::string NumericDateStamp(TDateTime now) {
    const TDateFields f = DecodeDateTime(now);
    const char separator = DateSeparator();
    std::string out;
    AppendTwoDigits(out, f.day);
    out += separator;
    AppendTwoDigits(out, f.month);
    out += separator;
    out += std::to_string(f.year);
    out += ' ';
    AppendTwelveHourTime(out, f);
    return out;
}

std::string ShortDateStamp(TDateTime now) { return DateText(now); }

std::string DateTimeCell(TDateTime value) { return DateTimeToText(value); }

std::string SizeCell(const TExportSettings& settings, std::string_view mask, double value) {
    return FormatSize(settings.SizeType, mask, settings.Decimals, value);
}

void AppendCount(std::string& out, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

}  // namespace fscope
