// The .mxf archive: what stays on disk after a save or load, member naming and choice, and
// damaged or unexpected archives.

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <set>

#include "engine/ReportArchive.h"
#include "platform/AtomicFile.h"
#include "platform/ZipArchive.h"
#include "support/TempTree.h"
#include "test_xml_support.h"

using namespace fscope;
using namespace fscope::test;

namespace {

std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> names;
    DIR* d = opendir(folder.c_str());
    while (dirent* e = d ? readdir(d) : nullptr)
        if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
            names.insert(e->d_name);
    if (d) closedir(d);
    return names;
}

void MakeZip(const std::string& path,
             const std::vector<std::pair<std::string, std::string>>& members) {
    int err = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    ASSERT_NE(z, nullptr);
    for (const auto& [name, text] : members) {
        auto* copy = static_cast<char*>(malloc(text.size() + 1));
        memcpy(copy, text.data(), text.size());
        zip_source_t* src = zip_source_buffer(z, copy, text.size(), 1);
        ASSERT_GE(zip_file_add(z, name.c_str(), src, 0), 0);
    }
    ASSERT_EQ(zip_close(z), 0);
}

std::vector<std::string> MemberNames(const std::string& path) {
    return TZipReader(path).MemberNames();
}

// A small report with one file in a folder.
struct Fixture {
    TempTree tree;
    TFolioscope report;
    Fixture() {
        tree.File("src/sub/a.txt", 100);
        tree.Folder("out");
        report.Scan(tree.Path("src/"));
    }
};

}  // namespace

TEST(Archive, MemberNameComesFromTheArchiveFileNameOnly) {
    EXPECT_EQ(ArchiveMemberName("/d/snap.mxf"), "snap.xml");
    EXPECT_EQ(ArchiveMemberName("/d/x.mxf.d/s.mxf"), "s.xml");
    EXPECT_EQ(ArchiveMemberName("a.mxf.mxf"), "a.mxf.xml");
    EXPECT_EQ(ArchiveMemberName("/d/renamed.zip"), "renamed.zip.xml");
}

TEST(Archive, SaveLeavesOnlyTheArchiveAndSparesUserFiles) {
    Fixture f;
    const std::string out = f.tree.Path("out/");
    WriteFileAtomically(out + "snap.xml", "mine");
    WriteFileAtomically(out + "snap.zip", "mine too");
    SaveReportArchive(f.report, out + "snap.mxf");
    EXPECT_EQ(Listing(out), (std::set<std::string>{"snap.mxf", "snap.xml", "snap.zip"}));
    EXPECT_EQ(ReadWholeFile(out + "snap.xml"), "mine");
    EXPECT_EQ(ReadWholeFile(out + "snap.zip"), "mine too");
    EXPECT_EQ(MemberNames(out + "snap.mxf"), std::vector<std::string>{"snap.xml"});
    zip_stat_t st;
    zip_t* z = zip_open((out + "snap.mxf").c_str(), ZIP_RDONLY, nullptr);
    ASSERT_EQ(zip_stat_index(z, 0, 0, &st), 0);
    EXPECT_EQ(st.comp_method, ZIP_CM_DEFLATE);
    zip_discard(z);

    // A folder named like an archive is never touched by the names derived from it.
    f.tree.Folder("out/x.mxf.d");
    SaveReportArchive(f.report, out + "x.mxf.d/s.mxf");
    EXPECT_EQ(Listing(out + "x.mxf.d"), std::set<std::string>{"s.mxf"});
    EXPECT_EQ(MemberNames(out + "x.mxf.d/s.mxf"), std::vector<std::string>{"s.xml"});
}

TEST(Archive, ReplacingAnArchiveKeepsItsPermissions) {
    Fixture f;
    const std::string path = f.tree.Path("out/snap.mxf");
    WriteFileAtomically(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    SaveReportArchive(f.report, path);
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    TFolioscope loaded;
    EXPECT_TRUE(LoadReportArchive(loaded, path));
    EXPECT_EQ(Listing(f.tree.Path("out/")), std::set<std::string>{"snap.mxf"});
}

TEST(Archive, FailedSaveLeavesNothingBehind) {
    Fixture f;
    EXPECT_THROW(SaveReportArchive(f.report, f.tree.Path("missing/snap.mxf")), EFileWriteError);
    // A producer that fails half-way: no archive, no temporary file.
    const std::string path = f.tree.Path("out/snap.mxf");
    {
        TAtomicFile file(path);
        TZipWriter zip(file.Descriptor(), path);
        zip.AddStreamed("snap.xml", [](const TZipWriter::TSink& sink) {
            sink(std::string(3 << 20, 'x'));
            throw std::runtime_error("producer failed");
        });
        EXPECT_THROW(zip.Close(), std::runtime_error);
    }
    EXPECT_TRUE(Listing(f.tree.Path("out/")).empty());
}

TEST(Archive, LoadReadsInPlaceWithoutExtractingOrRenaming) {
    Fixture f;
    const std::string out = f.tree.Path("out/");
    SaveReportArchive(f.report, out + "snap.mxf");
    struct stat before, after;
    ASSERT_EQ(stat((out + "snap.mxf").c_str(), &before), 0);
    TFolioscope loaded;
    ASSERT_TRUE(LoadReportArchive(loaded, out + "snap.mxf"));
    ASSERT_EQ(stat((out + "snap.mxf").c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(before.st_ctim.tv_nsec, after.st_ctim.tv_nsec);
    EXPECT_EQ(Listing(out), std::set<std::string>{"snap.mxf"});
    ExpectSameReport(f.report, loaded);
}

TEST(Archive, PicksTheMemberByNameElseTheFirstXml) {
    Fixture f;
    const std::string out = f.tree.Path("out/");
    const std::string doc = SaveText(f.report);
    const std::string other = Document(FileLine("other.txt"));
    struct Case {
        std::string archive;
        std::vector<std::pair<std::string, std::string>> members;
        std::string expectedFirstName;
    };
    const std::vector<Case> cases = {
        // Renamed by the user after saving: the member keeps the old name.
        {"renamed.mxf", {{"snap.xml", doc}}, "sub"},
        {"pick.mxf", {{"a.xml", other}, {"pick.xml", doc}}, "sub"},
        {"first.mxf", {{"notes.txt", "x"}, {"../../evil.xml", other}, {"b.xml", doc}}, "other.txt"},
    };
    for (const Case& c : cases) {
        MakeZip(out + c.archive, c.members);
        TFolioscope loaded;
        ASSERT_TRUE(LoadReportArchive(loaded, out + c.archive)) << c.archive;
        ASSERT_FALSE(loaded.FItems.empty());
        EXPECT_EQ(loaded.FItems[0]->FName.view(), c.expectedFirstName) << c.archive;
    }
    EXPECT_EQ(Listing(out), (std::set<std::string>{"renamed.mxf", "pick.mxf", "first.mxf"}));
    EXPECT_EQ(Listing(f.tree.Root()), (std::set<std::string>{"src", "out"}));
}

TEST(Archive, DamagedOrEmptyArchivesFailWithAReasonAndAnEmptyReport) {
    Fixture f;
    const std::string out = f.tree.Path("out/");
    SaveReportArchive(f.report, out + "good.mxf");
    std::string bytes = ReadWholeFile(out + "good.mxf");
    std::string corrupt = bytes;
    for (size_t i = 60; i < 90 && i < corrupt.size(); ++i) corrupt[i] ^= 0x5A;  // inside the data
    WriteFileAtomically(out + "corrupt.mxf", corrupt);
    WriteFileAtomically(out + "truncated.mxf", bytes.substr(0, bytes.size() / 2));
    WriteFileAtomically(out + "empty.mxf", "");
    WriteFileAtomically(out + "text.mxf", "not an archive at all");
    MakeZip(out + "nomember.mxf", {{"readme.txt", "hello"}});
    MakeZip(out + "baddoc.mxf", {{"baddoc.xml", Document(FileLine(".."))}});
    for (const char* name : {"corrupt.mxf", "truncated.mxf", "empty.mxf", "text.mxf",
                             "nomember.mxf", "baddoc.mxf", "missing.mxf"}) {
        TFolioscope loaded;
        try {
            LoadReportArchive(loaded, out + name);
            ADD_FAILURE() << name << " loaded";
        } catch (const std::runtime_error& e) {
            EXPECT_FALSE(std::string(e.what()).empty());
        }
        EXPECT_TRUE(loaded.FItems.empty()) << name;
        EXPECT_FALSE(loaded.FLoaded);
    }
}
