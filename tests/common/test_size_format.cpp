#include <gtest/gtest.h>

#include <cmath>

#include "common/SizeFormat.h"
#include "platform/DateTimeText.h"

using namespace fscope;

TEST(FormatSize, Table) {
    const double GB = 1024.0 * 1024 * 1024;
    struct Case {
        const char* unit;
        const char* decimals;
        double value;
        const char* expected;
    } cases[] = {
        {"GEN", "2", 0, "0 bytes"},
        {"GEN", "2", 1023, "1023 bytes"},
        {"GEN", "2", 1024, "1.00 KB"},
        {"GEN", "2", 1536, "1.50 KB"},
        {"GEN", "2", 1048575, "1024.00 KB"},  // below 1024 KB before rounding
        {"GEN", "2", 1048576, "1.00 MB"},
        {"GEN", "2", 3 * GB, "3.00 GB"},
        {"GEN", "2", 1536 * GB, "1536.00 GB"},  // GB is the largest unit
        {"GEN", "0", 1536, "2 KB"},
        {"GEN", "5", 1536, "1.50000 KB"},
        {"MB", "2", 5 * GB, "5120.00 MB"},
        {"B", "2", 1536, "1536 bytes"},
        {"B", "2", 1536.5, "1537 bytes"},
        {"KB", "0", 1536, "2 KB"},
        {"KB", "2", 1, "0.00 KB"},
        {"GB", "1", 1.25 * GB, "1.3 GB"},  // half away from zero
        {"KB", "2", -1536, "-1.50 KB"},
        {"GEN", "2", -1536, "-1536 bytes"},  // negatives are below 1024: bytes
        {"", "2", 1536, "1536"},             // unknown code: the bare general number
        {"XB", "2", 1536.25, "1536.25"},
        {"GEN", "", 1536, "2 KB"},  // a missing Decimals setting counts as none
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatSize(c.unit, "##########0", c.decimals, c.value), c.expected)
            << c.unit << " " << c.decimals << " " << c.value;
}

TEST(FormatFloat, Pictures) {
    struct Case {
        const char* picture;
        double value;
        const char* expected;
    } cases[] = {
        {"##########0", 0, "0"},
        {"##########0", 123456789012345, "123456789012345"},  // '#' never limits digits
        {"##########0", 0.5, "1"},
        {"##########0", 2.5, "3"},
        {"##########0", -2.5, "-3"},
        {"########0.00 %", 12.345, "12.35 %"},  // from the 15-digit decimal form
        {"########0.00 %", 100, "100.00 %"},
        {"#######.00 %", 0.5, ".50 %"},  // no required integer digit
        {"#######.00 %", 42.004, "42.00 %"},
        {"######0.00 %", 0, "0.00 %"},
        {"0.00", 9.995, "10.00"},  // carry into a new digit
        {"0.00", -0.004, "0.00"},  // rounds to zero: no minus sign
        {"0.00", -0.005, "-0.01"},
        {"00000", 42, "00042"},
        {"#0.##", 2.5, "2.5"},  // optional decimals drop trailing zeros
        {"#0.0#", 2, "2.0"},
        {"Total: 0 files", 3, "Total: 3 files"},
        {"0 bytes", 1e15, "1000000000000000 bytes"},
        {"", 1.5, "1.5"},
        {"", 0.1 + 0.2, "0.3"},
        {"", 1e20, "1E20"},
        {"", -0.000001, "-1E-6"},
        {"", 0.0001, "0.0001"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat(c.picture, c.value), c.expected) << c.picture << " " << c.value;
    EXPECT_EQ(FormatFloat("0.00", std::nan("")), "NAN");
}

TEST(AttrToText, LettersInFixedOrder) {
    EXPECT_EQ(AttrToText(0x21), "RA");
    EXPECT_EQ(AttrToText(0x10), "");  // directory only
    EXPECT_EQ(AttrToText(0x2 | 0x4 | 0x20), "HSA");
    EXPECT_EQ(AttrToText(0x1 | 0x2 | 0x4 | 0x20 | 0x800 | 0x1000 | 0x100 | 0x80 | 0x400),
              "RHSACOT");
    EXPECT_EQ(AttrToText(0), "");
}

TEST(PadText, Alignments) {
    EXPECT_EQ(PadText("abc", 8, "CENTER"), "  abc   ");  // odd pad: extra space after
    EXPECT_EQ(PadText("abc", 5, "LEFT"), "abc  ");
    EXPECT_EQ(PadText("abc", 5, "RIGHT"), "  abc");
    EXPECT_EQ(PadText("abcdef", 3, "RIGHT"), "abcdef");  // never cut
    EXPECT_EQ(PadText("abc", 3, "CENTER"), "abc");
    EXPECT_EQ(PadText("abc", 8, "middle"), "");
    EXPECT_EQ(PadText("Gr\xC3\xB6\xC3\x9F"
                      "e",
                      7, "RIGHT"),
              "  Gr\xC3\xB6\xC3\x9F"
              "e");
}

TEST(FormatSettings, FixedConventions) {
    const TFormatSettings& f = FormatSettings();
    EXPECT_EQ(f.DecimalSeparator, '.');
    EXPECT_EQ(f.ShortDateFormat, "yyyy-mm-dd");
    EXPECT_EQ(f.LongTimeFormat, "hh:nn:ss");
    EXPECT_EQ(f.LongMonthNames[8], "September");
    const TDateTime t = EncodeDateTime(2024, 2, 29, 7, 5, 9);
    EXPECT_EQ(DateText(t), "2024-02-29");
    EXPECT_EQ(TimeText(t), "07:05:09");
}
