#include "platform/DateTimeText.h"

#include <cmath>
#include <cstdio>

namespace fscope {

namespace {
// Days from 1970-01-01 of a civil date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

bool ReadInt(std::string_view& s, size_t digits, int& out) {
    if (s.size() < digits) return false;
    int v = 0;
    for (size_t i = 0; i < digits; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
    }
    s.remove_prefix(digits);
    out = v;
    return true;
}

bool Expect(std::string_view& s, char c) {
    if (s.empty() || s.front() != c) return false;
    s.remove_prefix(1);
    return true;
}

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) return 29;
    return days[m - 1];
}
}  // namespace

double EncodeDate(int year, int month, int day) {
    return static_cast<double>(
               DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day))) +
           kUnixEpochDays;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
    return EncodeDate(year, month, day) + (hour * 3600 + minute * 60 + second) / 86400.0;
}

TDateFields DecodeDateTime(TDateTime value) {
    TDateFields f;
    if (!std::isfinite(value)) return f;
    long long totalSeconds = std::llround(value * 86400.0);
    long long days = totalSeconds >= 0 ? totalSeconds / 86400 : -((-totalSeconds - 1) / 86400) - 1;
    long long secOfDay = totalSeconds - days * 86400;
    CivilFromDays(days - static_cast<long long>(kUnixEpochDays), f.year, f.month, f.day);
    f.hour = static_cast<int>(secOfDay / 3600);
    f.minute = static_cast<int>(secOfDay / 60 % 60);
    f.second = static_cast<int>(secOfDay % 60);
    // 1899-12-30 was a Saturday.
    f.dayOfWeek = static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
    return f;
}

std::string DateTimeToText(TDateTime value) {
    TDateFields f = DecodeDateTime(value);
    char buf[48];
    if (f.hour == 0 && f.minute == 0 && f.second == 0)
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", f.year, f.month, f.day);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", f.year, f.month, f.day,
                      f.hour, f.minute, f.second);
    return buf;
}

std::optional<TDateTime> TextToDateTime(std::string_view s) {
    int y, m, d, hh = 0, nn = 0, ss = 0;
    if (!ReadInt(s, 4, y) || !Expect(s, '-') || !ReadInt(s, 2, m) || !Expect(s, '-') ||
        !ReadInt(s, 2, d))
        return std::nullopt;
    if (!s.empty()) {
        if (!Expect(s, ' ') || !ReadInt(s, 2, hh) || !Expect(s, ':') || !ReadInt(s, 2, nn) ||
            !Expect(s, ':') || !ReadInt(s, 2, ss) || !s.empty())
            return std::nullopt;
    }
    if (m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m) || hh > 23 || nn > 59 || ss > 59)
        return std::nullopt;
    return EncodeDateTime(y, m, d, hh, nn, ss);
}

}  // namespace fscope
