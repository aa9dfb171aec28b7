#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/AppPaths.h"
#include "common/CustomTypes.h"
#include "common/RunAsNobody.h"
#include "engine/TextHelpers.h"
#include "platform/AtomicFile.h"
#include "support/TempTree.h"

using namespace fscope;
using fscope::test::TempTree;

namespace {

void WriteText(const std::string& path, const std::string& text) {
    WriteFileAtomically(path, text);
}

class CustomTypesTest : public ::testing::Test {
protected:
    void TearDown() override { FreeCustTypes(); }
    TempTree tree;
};

}  // namespace

TEST(ParseCustTypes, Lines) {
    const TCustTypeList list =
        ParseCustTypes("Logs|*.LOG *.TXT\r\nA|b|c\r\nno bar here\r\n|*.x\r\n\r\nLast| *.y ");
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0], (TCustTypeInfo{"Logs", "*.LOG *.TXT"}));
    EXPECT_EQ(list[1], (TCustTypeInfo{"A", "b|c"}));  // masks may hold further bars
    EXPECT_EQ(list[2], (TCustTypeInfo{"", "*.x"}));
    EXPECT_EQ(list[3], (TCustTypeInfo{"Last", " *.y "}));  // no trimming, no line end needed
}

TEST(ParseCustTypes, TextWithoutBarsOrBinaryGivesNothing) {
    EXPECT_TRUE(ParseCustTypes("just text\r\nmore\n").empty());
    std::string binary;
    for (int i = 0; i < 256; ++i) binary += static_cast<char>(i);  // holds a "|" beside NULs
    EXPECT_TRUE(ParseCustTypes(binary + binary).empty());
}

TEST_F(CustomTypesTest, ReadThenWriteKeepsKeptLinesWithCrLf) {
    const std::string shipped = tree.Path("shipped.dat");
    WriteText(shipped, "Logs|*.LOG *.TXT\r\nskipped line\r\nA|b|c\n|*.x\r\n");
    ReadCustTypes(shipped);
    ASSERT_EQ(CustTypes().size(), 3u);
    const std::string config = tree.Path("config");
    EXPECT_FALSE(WriteCustTypes(config));  // unchanged: the shipped file stays in charge
    struct stat st;
    EXPECT_NE(::stat((config + "/filters.dat").c_str(), &st), 0);

    CustTypes().push_back({"Mine", "*.mine"});
    EXPECT_TRUE(WriteCustTypes(config));  // folder created on the way
    EXPECT_EQ(ReadWholeFile(config + "/filters.dat"),
              "Logs|*.LOG *.TXT\r\nA|b|c\r\n|*.x\r\nMine|*.mine\r\n");
    EXPECT_FALSE(WriteCustTypes(config));                           // written state remembered
    EXPECT_EQ(CustTypesReadPath(config), config + "/filters.dat");  // the user's copy wins

    ReadCustTypes(config + "/filters.dat");
    EXPECT_EQ(CustTypes().back(), (TCustTypeInfo{"Mine", "*.mine"}));
}

TEST_F(CustomTypesTest, GetCustTypeMasksMatchesTheNameExactly) {
    CustTypes() = {{"Audio Files", "*.mp3"}, {"Audio Files", "*.second"}};
    EXPECT_EQ(GetCustTypeMasks("Audio Files"), "*.mp3");
    EXPECT_EQ(GetCustTypeMasks("audio files"), "");
    EXPECT_EQ(GetCustTypeMasks("Video Files"), "");
}

TEST_F(CustomTypesTest, UnreadableFileIsAClearError) {
    EXPECT_THROW(ReadCustTypes(tree.Path("missing.dat")), ECustTypesError);
    tree.Folder("folder.dat");
    try {
        ReadCustTypes(tree.Path("folder.dat"));
        FAIL() << "a folder read as filters.dat";
    } catch (const ECustTypesError& e) {
        EXPECT_NE(std::string(e.what()).find("folder.dat"), std::string::npos) << e.what();
    }
}

TEST_F(CustomTypesTest, UnwritableFolderFailsAndKeepsTheUsersFile) {
    const std::string config = tree.Folder("config");
    ::chmod(tree.Root().c_str(), 0755);
    WriteText(config + "filters.dat", "Old|*.old\r\n");
    CustTypes() = {{"New", "*.new"}};
    // The folder belongs to root: an ordinary user cannot write into it.
    const int code = test::RunAsNobody([&] {
        try {
            WriteCustTypes(config);
            return 1;
        } catch (const ECustTypesError&) {
            return 0;
        }
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadWholeFile(config + "filters.dat"), "Old|*.old\r\n");

    tree.File("blocked");  // a file where the folder should be created
    EXPECT_THROW(WriteCustTypes(tree.Path("blocked/config")), ECustTypesError);
}

TEST(DataFilePath, BesideTheExecutableElseTheInstalledDataFolder) {
    TempTree tree;
    const std::string bin = tree.Folder("prefix/bin");
    tree.File("prefix/share/folioscope/filters.dat");
    EXPECT_EQ(DataFilePath("filters.dat", tree.Path("prefix/bin")),
              bin + "../share/folioscope/filters.dat");
    tree.File("prefix/bin/filters.dat");
    EXPECT_EQ(DataFilePath("filters.dat", tree.Path("prefix/bin")), bin + "filters.dat");
    EXPECT_EQ(DataFilePath("whatsnew.txt", tree.Path("prefix/bin")), "");
}

TEST(ShippedFilters, SixteenDefaultTypesWithWorkingMasks) {
    const std::string text = ReadWholeFile(FSCOPE_SHIPPED_FILTERS);
    const TCustTypeList list = ParseCustTypes(text);
    ASSERT_EQ(list.size(), static_cast<size_t>(kDefaultCustTypeCount));
    EXPECT_EQ(CustTypesText(list), text);  // every line ends in CR LF, nothing else in it
    CustTypes() = list;
    struct Sample {
        const char* type;
        const char* matches;
        const char* doesNot;
    } samples[] = {
        {"Junk Files", "notes.txt~", "notes.txt"},
        {"Temporary Files", "build.TMP", "template.txt"},
        {"Compressed Files", "src.tar.zst", "zstd.txt"},
        {"Image Files", "photo.JPG", "photo.jpg.txt"},
        {"Audio Files", "song.flac", "song.txt"},
        {"Video Files", "film.mkv", "film.mk"},
    };
    for (const Sample& s : samples) {
        const TMaskList masks(SplitText(GetCustTypeMasks(s.type), " "));
        EXPECT_TRUE(masks.Matches(s.matches)) << s.type;
        EXPECT_FALSE(masks.Matches(s.doesNot)) << s.type;
    }
    for (const TCustTypeInfo& type : list)
        for (const std::string& mask : SplitText(type.FMasks, " "))
            EXPECT_NO_THROW(TFileMask{mask}) << type.FName << ": " << mask;
    FreeCustTypes();
}
