// The text rules every export shares: markup escaping, CSV quoting, the date stamps.
#include <gtest/gtest.h>

#include "export/CsvText.h"
#include "export/ExportTexts.h"
#include "export/MarkupText.h"
#include "platform/DateTimeText.h"

namespace fscope {
namespace {

TEST(MarkupText, EscapesAndReferencesEveryUnsafeCharacter) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"plain name.txt", "plain name.txt"},
        {"a<script>&b>", "a&lt;script&gt;&amp;b&gt;"},
        {"quote \" and '", "quote \" and '"},
        {"caf\xC3\xA9", "caf&#233;"},
        {"\xE2\x82\xAC 1", "&#8364; 1"},                   // three-byte character
        {"\xF0\x9F\x98\x80", "&#128512;"},                 // four-byte character
        {"tab\tline\r\nend", "tab&#9;line&#13;&#10;end"},  // never breaks a document line
        {"nul\x01\x1F", "nul&#65533;&#65533;"},            // controls XML forbids
        {std::string("a\0b", 3), "a&#65533;b"},
        {"\x7F", "&#127;"},
        {"\xEF\xBF\xBE", "&#65533;"},      // U+FFFE is not a character
        {"bad\x80x", "bad&#65533;x"},      // stray continuation byte
        {"cut\xC3", "cut&#65533;"},        // sequence cut at the end
        {"cut\xC3x", "cut&#65533;x"},      // sequence broken by ASCII
        {"\xC0\xAF", "&#65533;&#65533;"},  // overlong lead byte
        {"\xE0\x80\xAF", "&#65533;"},      // overlong three-byte form
        {"\xED\xA0\x80", "&#65533;"},      // surrogate
        {"\xF4\x90\x80\x80", "&#65533;"},  // beyond U+10FFFF
        {"\xFF", "&#65533;"},
    };
    for (const auto& c : cases) EXPECT_EQ(MarkupText(c.in), c.out) << c.in;
}

TEST(CsvText, QuotesOnlyFieldsThatNeedIt) {
    const struct {
        std::string field, separator, out;
    } cases[] = {
        {"plain", ",", "plain"},
        {"a,b", ",", "\"a,b\""},
        {"say \"hi\"", ",", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", ",", "\"two\r\nlines\""},
        {"lf\nonly", ";", "\"lf\nonly\""},
        {"a,b", ";", "a,b"},
        {"a;b", ";", "\"a;b\""},
        {"tab\there", "\t", "\"tab\there\""},
        {"x;y", ";;", "x;y"},  // several characters: quoted only when holding the whole separator
        {"x;;y", ";;", "\"x;;y\""},
        {"", ",", ""},
        {"any", "", "any"},
    };
    for (const auto& c : cases) {
        std::string out;
        AppendCsvField(out, c.field, c.separator);
        EXPECT_EQ(out, c.out) << c.field << " with [" << c.separator << "]";
    }
}

TEST(CsvText, TabSettingMeansATabCharacter) {
    EXPECT_EQ(CsvSeparator("Tab"), "\t");
    EXPECT_EQ(CsvSeparator(";"), ";");
    EXPECT_EQ(CsvSeparator(" | "), " | ");
}

TEST(DateStamps, TwelveHourClockAndMonthNames) {
    const struct {
        TDateTime value;
        std::string longStamp, numericStamp;
    } cases[] = {
        {EncodeDateTime(2024, 3, 5, 14, 7, 9), "05, March 2024 02:07:09 pm",
         "05-03-2024 02:07:09 pm"},
        {EncodeDateTime(2023, 12, 31, 0, 0, 0), "31, December 2023 12:00:00 am",
         "31-12-2023 12:00:00 am"},
        {EncodeDateTime(2024, 1, 9, 12, 30, 0), "09, January 2024 12:30:00 pm",
         "09-01-2024 12:30:00 pm"},
        {EncodeDateTime(2024, 9, 1, 11, 59, 59), "01, September 2024 11:59:59 am",
         "01-09-2024 11:59:59 am"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LongDateStamp(c.value), c.longStamp);
        EXPECT_EQ(NumericDateStamp(c.value), c.numericStamp);
    }
    EXPECT_EQ(ShortDateStamp(EncodeDateTime(2024, 3, 5, 23, 59, 0)), "2024-03-05");
}

}  // namespace
}  // namespace fscope
