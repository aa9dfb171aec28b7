#include <gtest/gtest.h>

#include "engine/TextHelpers.h"
#include "platform/DateTimeText.h"
#include "platform/FileTime.h"

using namespace fscope;

TEST(SplitText, Pieces) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitText("", ";"), V{});
    EXPECT_EQ(SplitText("/home/;", ";"), V{"/home/"});
    EXPECT_EQ(SplitText("a|b", "|"), (V{"a", "b"}));
    EXPECT_EQ(SplitText("*.tmp|*.bak|", "|"), (V{"*.tmp", "*.bak"}));
    EXPECT_EQ(SplitText("a||b", "|"), (V{"a", "", "b"}));
    EXPECT_EQ(SplitText("*.doc  *.docx", " "), (V{"*.doc", "*.docx"}));
    EXPECT_EQ(SplitText("x |  y", "|"), (V{"x ", "y"}));  // blanks before a separator stay
}

TEST(NameMatchesMask, Table) {
    struct Case {
        const char* name;
        const char* mask;
        bool match;
    } cases[] = {
        {"README", "*.*", false},
        {"Report.TXT", "*.txt", true},
        {"a1.log", "?1.*", true},
        {"b.txt", "[a-c]*.txt", true},
        {"b.txt", "[!a-c]*.txt", false},
        {"d.txt", "[!a-c]*.txt", true},
        {"", "*", true},
        {"abc", "a*b*c", true},
        {"abXbc", "a*bc", true},
        {"ab", "a?b", false},
        {"x.tar.gz", "*.gz", true},
        {"\xff\xfe.bin", "*.BIN", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameMatchesMask(c.name, c.mask), c.match) << c.name << " " << c.mask;
}

TEST(NameMatchesMask, MalformedMasksRaiseTheMaskError) {
    EXPECT_THROW(NameMatchesMask("a", "[abc"), EMaskError);
    EXPECT_THROW(NameMatchesMask("a", "[-a]"), EMaskError);
    EXPECT_THROW(NameMatchesMask("a", std::string(31, '*')), EMaskError);
    EXPECT_NO_THROW(NameMatchesMask("a", std::string(30, '*')));
    try {
        NameMatchesMask("a", "x[ab");
        FAIL();
    } catch (const EMaskError& e) {
        EXPECT_STREQ(e.what(), "'x[ab' is an invalid mask at (4)");
    }
    // A list keeps the error for the first file tested; the lenient form never matches it.
    TMaskList list({"*.ok", "[bad"});
    EXPECT_TRUE(list.Matches("a.ok"));
    EXPECT_THROW(list.Matches("a.txt"), EMaskError);
    EXPECT_FALSE(list.MatchesLenient("a.txt"));
}

TEST(FileTimeToDateTime, ConvertsAndRejectsOutOfRange) {
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_DOUBLE_EQ(FileTimeToDateTime(0, 0), kUnixEpochDays);
    EXPECT_EQ(DateTimeToText(FileTimeToDateTime(1236556740, 0)), "2009-03-08 23:59:00");
    EXPECT_DOUBLE_EQ(FileTimeToDateTime(-20000000000LL, 0), kInvalidDateTime);
    EXPECT_DOUBLE_EQ(FileTimeToDateTime(300000000000LL, 0), kInvalidDateTime);
    EXPECT_EQ(DateTimeToText(kInvalidDateTime), "1900-01-01");
}

TEST(DateTimeText, RoundTripsAndRejectsGarbage) {
    for (const char* text :
         {"2009-03-01", "1999-12-31 23:59:59", "1601-01-01 00:00:01", "9999-12-31"})
        EXPECT_EQ(DateTimeToText(*TextToDateTime(text)), text);
    for (const char* bad : {"", "2009-3-1", "2009-02-30", "2009-03-01 24:00:00", "2009-03-01x"})
        EXPECT_FALSE(TextToDateTime(bad).has_value()) << bad;
}
