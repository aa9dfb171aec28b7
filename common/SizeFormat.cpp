#include "common/SizeFormat.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "platform/DateTimeText.h"

namespace fscope {

const TFormatSettings& FormatSettings() {
    static const TFormatSettings settings;
    return settings;
}

namespace {

std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// The 15 significant decimal digits of |value| and the position of the decimal point in them
// (digits before the point; may be <= 0 or > 15). Rounding from this form, rather than from the
// binary value, makes 1.005 round to 1.01 as the user reads it.
struct TDecimalDigits {
    std::string digits;  // exactly 15 digits, the first non-zero unless the value is 0
    int point = 1;
};

TDecimalDigits DecimalDigitsOf(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    TDecimalDigits result;
    const std::string s = text;  // d.dddddddddddddde[+-]xx
    result.digits = s.substr(0, 1) + s.substr(2, 14);
    result.point = std::stoi(s.substr(s.find('e') + 1)) + 1;
    if (value == 0) result.point = 1;
    return result;
}

// Rounds `d` to `places` decimals, halves away from zero; returns the integer digits and the
// fraction digits (exactly `places` of them).
void RoundDigits(const TDecimalDigits& d, int places, std::string& intDigits,
                 std::string& fracDigits) {
    // Work on a digit string with the point at a known place: pad with zeros on both sides.
    std::string all = d.digits;
    int point = d.point;
    if (point < 1) {
        all.insert(0, static_cast<size_t>(1 - point), '0');
        point = 1;
    }
    const int keep = point + places;
    if (static_cast<int>(all.size()) < keep + 1) all.append(keep + 1 - all.size(), '0');
    const bool roundUp = all[keep] >= '5';
    all.resize(keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && all[i] == '9') all[i--] = '0';
        if (i >= 0) {
            ++all[i];
        } else {
            all.insert(all.begin(), '1');
            ++point;
        }
    }
    intDigits = all.substr(0, point);
    fracDigits = all.substr(point);
    const size_t firstNonZero = intDigits.find_first_not_of('0');
    intDigits = firstNonZero == std::string::npos ? "" : intDigits.substr(firstNonZero);
}

bool IsPlaceholder(char c) { return c == '#' || c == '0'; }

// General number format: up to 15 significant digits, no trailing zeros, "E" notation when the
// integer part would need more than 15 digits or the value is below 0.00001.
std::string GeneralFormat(double value) {
    if (value == 0) return "0";
    const TDecimalDigits d = DecimalDigitsOf(value);
    std::string digits = d.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string text = value < 0 ? "-" : "";
    const char sep = FormatSettings().DecimalSeparator;
    if (d.point > 15 || d.point < -4) {
        text += digits[0];
        if (digits.size() > 1) text += sep + digits.substr(1);
        return text + "E" + std::to_string(d.point - 1);
    }
    if (d.point <= 0) return text + "0" + sep + std::string(-d.point, '0') + digits;
    if (static_cast<int>(digits.size()) <= d.point)
        return text + digits + std::string(d.point - digits.size(), '0');
    return text + digits.substr(0, d.point) + sep + digits.substr(d.point);
}

}  // namespace

std::string DateText(TDateTime value) {
    const TDateFields f = DecodeDateTime(value);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", f.year, f.month, f.day);
    return text;
}

std::string TimeText(TDateTime value) {
    const TDateFields f = DecodeDateTime(value);
    return TwoDigits(f.hour) + ":" + TwoDigits(f.minute) + ":" + TwoDigits(f.second);
}

std::string FormatFloat(std::string_view picture, double value) {
    // Locate the number part: the first run of '#', '0' and '.' holding a digit placeholder.
    size_t start = 0, end = 0;
    bool found = false;
    for (size_t i = 0; i < picture.size() && !found;) {
        if (picture[i] != '#' && picture[i] != '0' && picture[i] != '.') {
            ++i;
            continue;
        }
        size_t j = i;
        bool hasPlaceholder = false;
        while (j < picture.size() && (IsPlaceholder(picture[j]) || picture[j] == '.')) {
            hasPlaceholder |= IsPlaceholder(picture[j]);
            ++j;
        }
        if (hasPlaceholder) {
            start = i;
            end = j;
            found = true;
        }
        i = j;
    }
    if (!found) {
        if (picture.empty()) return GeneralFormat(value);
        return std::string(value < 0 ? "-" : "") + std::string(picture);
    }
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    const std::string_view section = picture.substr(start, end - start);
    const size_t dot = section.find('.');
    const std::string_view intPart = section.substr(0, dot);
    std::string fracPart;  // placeholders after the first '.'
    if (dot != std::string_view::npos)
        for (char c : section.substr(dot + 1))
            if (IsPlaceholder(c)) fracPart += c;

    const size_t firstZero = intPart.find('0');
    size_t minInt = 0;
    if (firstZero != std::string_view::npos)
        for (char c : intPart.substr(firstZero)) minInt += IsPlaceholder(c) ? 1 : 0;
    const size_t lastZero = fracPart.rfind('0');
    const size_t minFrac = lastZero == std::string::npos ? 0 : lastZero + 1;

    std::string intDigits, fracDigits;
    RoundDigits(DecimalDigitsOf(value), static_cast<int>(fracPart.size()), intDigits, fracDigits);
    const bool isZero = intDigits.empty() && fracDigits.find_first_not_of('0') == std::string::npos;
    if (intDigits.size() < minInt) intDigits.insert(0, minInt - intDigits.size(), '0');
    while (fracDigits.size() > minFrac && fracDigits.back() == '0') fracDigits.pop_back();

    std::string text = value < 0 && !isZero ? "-" : "";
    text += picture.substr(0, start);
    text += intDigits;
    if (!fracDigits.empty()) text += FormatSettings().DecimalSeparator + fracDigits;
    text += picture.substr(end);
    return text;
}

std::string FormatSize(std::string_view unit, std::string_view mask, std::string_view decimals,
                       double value) {
    int places = 0;
    if (decimals.size() == 1 && decimals[0] >= '0' && decimals[0] <= '9')
        places = decimals[0] - '0';
    const std::string fraction =
        places == 0 ? std::string(mask) : std::string(mask) + "." + std::string(places, '0');

    std::string picture;
    if (unit == "GEN") {
        if (value < 1024) {
            picture = std::string(mask) + " bytes";
        } else if ((value /= 1024) < 1024) {
            picture = fraction + " KB";
        } else if ((value /= 1024) < 1024) {
            picture = fraction + " MB";
        } else {
            value /= 1024;
            picture = fraction + " GB";
        }
    } else if (unit == "B") {
        picture = std::string(mask) + " bytes";
    } else if (unit == "KB") {
        value /= 1024;
        picture = fraction + " KB";
    } else if (unit == "MB") {
        value /= 1024.0 * 1024;
        picture = fraction + " MB";
    } else if (unit == "GB") {
        value /= 1024.0 * 1024 * 1024;
        picture = fraction + " GB";
    }
    return FormatFloat(picture, value);
}

std::string AttrToText(uint32_t attr) {
    static constexpr struct {
        uint32_t bit;
        char letter;
    } kLetters[] = {{0x1, 'R'},   {0x2, 'H'},    {0x4, 'S'},  {0x20, 'A'},
                    {0x800, 'C'}, {0x1000, 'O'}, {0x100, 'T'}};
    std::string text;
    for (const auto& entry : kLetters)
        if (attr & entry.bit) text += entry.letter;
    return text;
}

std::string PadText(std::string_view text, int width, std::string_view align) {
    int length = 0;  // UTF-8 characters: continuation bytes do not count
    for (unsigned char c : text) length += (c & 0xC0) != 0x80 ? 1 : 0;
    const int pad = std::max(0, width - length);
    const std::string whole(text);
    if (align == "LEFT") return whole + std::string(pad, ' ');
    if (align == "RIGHT") return std::string(pad, ' ') + whole;
    if (align == "CENTER")
        return std::string(pad / 2, ' ') + whole + std::string(pad - pad / 2, ' ');
    return "";
}

}  // namespace fscope
