// Big files, old files, the Internet cache and custom type masks.
#include <gtest/gtest.h>

#include "platform/DateTimeText.h"
#include "reports/FileCategories.h"
#include "reports/ReportFixture.h"

namespace fscope {
namespace {

using testing::TTree;

TEST(BigFileThreshold, UnitsAndTextThatIsNotANumber) {
    const struct {
        const char* size;
        const char* unit;
        double threshold;
    } cases[] = {
        {"10", "MB", 10485760.0},  {"1.5", "MB", 1572864.0},  {"2", "GB", 2147483648.0},
        {" 3 ", "MB", 3145728.0},  {"10", "KB", 1048576.0},   {"10", "", 1048576.0},
        {"abc", "MB", 1048576.0},  {"", "GB", 1048576.0},     {"10abc", "MB", 1048576.0},
        {"1,5", "MB", 1048576.0},  {"nan", "MB", 1048576.0},  {"inf", "GB", 1048576.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BigFileThreshold(c.size, c.unit), c.threshold) << c.size << " " << c.unit;
}

TEST(OldFileTest, StrictlyOlderThanTheLimit) {
    TTree t;
    const TDateTime now = EncodeDateTime(2023, 3, 15, 10, 0, 0);
    TFoldInfo* exactly30 = t.File(nullptr, "a", 1);
    exactly30->FModified = now - 30;
    TFoldInfo* older = t.File(nullptr, "b", 1);
    older->FModified = now - 30 - 1.0 / 1440;  // 30 days and a minute
    TFoldInfo* accessedOld = t.File(nullptr, "c", 1);
    accessedOld->FModified = now;
    accessedOld->FAccessed = now - 400;

    const TOldFileTest days("Modified", "30", "Days", now);
    EXPECT_FALSE(days.IsOld(*exactly30));
    EXPECT_TRUE(days.IsOld(*older));
    EXPECT_FALSE(days.IsOld(*accessedOld));
    EXPECT_TRUE(TOldFileTest("Accessed", "1", "Years", now).IsOld(*accessedOld));
    EXPECT_FALSE(TOldFileTest("Modified", "1", "Months", now).IsOld(*exactly30));

    TFoldInfo* age180 = t.File(nullptr, "d", 1);
    age180->FModified = now - 180;
    EXPECT_FALSE(TOldFileTest("Modified", "6", "Months", now).IsOld(*age180));
    age180->FModified = now - 180.01;
    EXPECT_TRUE(TOldFileTest("Modified", "6", "Months", now).IsOld(*age180));

    // Settings that cannot be used make no file old.
    for (const auto& [time, unit] : {std::pair{"abc", "Days"}, std::pair{"", "Days"},
                                     std::pair{"1.5", "Days"}, std::pair{"3", "Weeks"}}) {
        const TOldFileTest test("Modified", time, unit, now);
        EXPECT_FALSE(test.Active()) << time << " " << unit;
        EXPECT_FALSE(test.IsOld(*older));
    }
}

TEST(InternetCache, WholeFolderNamesOnly) {
    EXPECT_TRUE(InInternetCache("/home/u/.cache/", "/home/u/.cache"));
    EXPECT_TRUE(InInternetCache("/home/u/.cache/x/y/", "/home/u/.cache"));
    EXPECT_TRUE(InInternetCache("/home/u/.cache/x/", "/home/u/.cache/"));
    EXPECT_FALSE(InInternetCache("/home/u/.cache2/", "/home/u/.cache"));
    EXPECT_FALSE(InInternetCache("/home/u/", "/home/u/.cache"));
    EXPECT_FALSE(InInternetCache("/home/u/.cache/", ""));
    EXPECT_FALSE(InInternetCache("/home/U/.cache/", "/home/u/.cache"));  // byte for byte
}

TEST(TypeMatcher, NamesMatchAnyMaskInAnyLetterCase) {
    TTree t;
    TFoldInfo* log = t.File(nullptr, "x.log", 1);
    TFoldInfo* txt = t.File(nullptr, "y.TXT", 1);
    TFoldInfo* tarGz = t.File(nullptr, "z.tar.gz", 1);
    TFoldInfo* readme = t.File(nullptr, "README", 1);
    TFoldInfo* hidden = t.File(nullptr, ".bak", 1);

    const TTypeMatcher lower("*.log *.txt");
    EXPECT_TRUE(lower.Matches(*log));
    EXPECT_TRUE(lower.Matches(*txt));  // the last mask counts too, with nothing after it
    EXPECT_FALSE(lower.Matches(*readme));

    const TTypeMatcher upper("*.LOG *.TXT ");
    EXPECT_TRUE(upper.Matches(*log));
    EXPECT_TRUE(upper.Matches(*txt));

    EXPECT_TRUE(TTypeMatcher("*.tar.gz").Matches(*tarGz));
    EXPECT_FALSE(TTypeMatcher("*.tar").Matches(*tarGz));
    EXPECT_TRUE(TTypeMatcher("READ*").Matches(*readme));
    EXPECT_TRUE(TTypeMatcher("*.BAK").Matches(*hidden));
    EXPECT_TRUE(TTypeMatcher("x.?og").Matches(*log));

    // A malformed mask never matches and does not stop the masks after it.
    const TTypeMatcher broken("[abc *.log");
    EXPECT_TRUE(broken.Matches(*log));
    EXPECT_FALSE(broken.Matches(*txt));

    EXPECT_FALSE(TTypeMatcher("").Matches(*log));
    EXPECT_FALSE(TTypeMatcher("   ").Matches(*log));
}

TEST(CustTypeMatchers, FirstMatchingTypeWins) {
    TTree t;
    TFoldInfo* log = t.File(nullptr, "x.log", 1);
    TFoldInfo* other = t.File(nullptr, "x.dat", 1);
    const TCustTypeMatchers types({{"Empty", ""}, {"Logs", "*.LOG"}, {"Text", "*.log *.txt"}});
    ASSERT_NE(types.FirstMatch(*log), nullptr);
    EXPECT_EQ(*types.FirstMatch(*log), "Logs");
    EXPECT_EQ(types.FirstMatch(*other), nullptr);
}

}  // namespace
}  // namespace fscope
