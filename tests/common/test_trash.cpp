#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "common/FsChecks.h"
#include "common/Trash.h"
#include "platform/AtomicFile.h"
#include "support/TempTree.h"

using namespace fscope;
using fscope::test::Exists;
using fscope::test::TempTree;

namespace {

size_t EntryCount(const std::string& folder) {
    size_t n = 0;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(dir)) n += e->d_name[0] != '.' || e->d_name[1] > '.';
        ::closedir(dir);
    }
    return n;
}

// A fresh home without ~/.local/share, run from an empty working folder.
class TrashTest : public ::testing::Test {
protected:
    void SetUp() override {
        home = tree.Folder("home");
        cwd = tree.Folder("cwd");
        oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
        if (const char* xdg = std::getenv("XDG_DATA_HOME")) oldXdg = xdg;
        ::setenv("HOME", home.c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        char buffer[4096];
        oldCwd = ::getcwd(buffer, sizeof buffer) ? buffer : "/";
        ASSERT_EQ(::chdir(cwd.c_str()), 0);
    }
    void TearDown() override {
        EXPECT_EQ(EntryCount(cwd), 0u) << "something was put in the working folder";
        (void)::chdir(oldCwd.c_str());
        ::setenv("HOME", oldHome.c_str(), 1);
        if (oldXdg) ::setenv("XDG_DATA_HOME", oldXdg->c_str(), 1);
    }
    TempTree tree;
    std::string home, cwd, oldHome, oldCwd;
    std::optional<std::string> oldXdg;
};

}  // namespace

TEST_F(TrashTest, MovesIntoTheHomeTrashWithItsRecord) {
    const std::string file = tree.File("data/some file%.txt", 10);
    std::string error;
    ASSERT_TRUE(MoveToTrash(file, error)) << error;
    const std::string trash = home + ".local/share/Trash";
    EXPECT_EQ(HomeTrashFolder(), trash);
    EXPECT_FALSE(Exists(file));
    EXPECT_TRUE(Exists(trash + "/files/some file%.txt"));
    const std::string info = ReadWholeFile(trash + "/info/some file%.txt.trashinfo");
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=", 0), 0u) << info;
    EXPECT_NE(info.find("Path=" + tree.Root() + "data/some%20file%25.txt\n"), std::string::npos)
        << info;
    EXPECT_NE(info.find("\nDeletionDate=20"), std::string::npos) << info;

    // The same name again gets a free one; folders go whole.
    const std::string again = tree.File("other/some file%.txt");
    ASSERT_TRUE(MoveToTrash(again, error)) << error;
    EXPECT_TRUE(Exists(trash + "/files/some file%.txt.2"));
    EXPECT_TRUE(Exists(trash + "/info/some file%.txt.2.trashinfo"));
    tree.File("folder/inner/x");
    ASSERT_TRUE(MoveToTrash(tree.Path("folder"), error)) << error;
    EXPECT_TRUE(Exists(trash + "/files/folder/inner/x"));
}

TEST_F(TrashTest, DataHomeFromTheEnvironmentAndFailures) {
    const std::string data = tree.Path("xdg-data");
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    const std::string file = tree.File("f");
    std::string error;
    ASSERT_TRUE(MoveToTrash(file, error)) << error;
    EXPECT_TRUE(Exists(data + "/Trash/files/f"));
    EXPECT_FALSE(Exists(home + ".local"));

    EXPECT_FALSE(MoveToTrash(tree.Path("missing"), error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
    EXPECT_FALSE(MoveToTrash("relative/path", error));

    tree.File("blocked");  // the trash cannot be made: nothing moves
    ::setenv("XDG_DATA_HOME", tree.Path("blocked/data").c_str(), 1);
    const std::string kept = tree.File("kept");
    EXPECT_FALSE(MoveToTrash(kept, error));
    EXPECT_TRUE(Exists(kept));
}

TEST_F(TrashTest, AnotherFileSystemUsesItsOwnTopTrash) {
    if (!test::SecondFileSystemBeside(tree.Root())) GTEST_SKIP() << "no second file system";
    const std::string topTrash = "/dev/shm/.Trash-" + std::to_string(::getuid());
    const bool hadTrash = Exists(topTrash);
    char folder[] = "/dev/shm/fscope-trash-XXXXXX";
    ASSERT_TRUE(::mkdtemp(folder));
    const std::string file = std::string(folder) + "/far";
    WriteFileAtomically(file, "x");
    std::string error;
    const std::string base = std::string(folder).substr(9);
    ASSERT_TRUE(MoveToTrash(file, error)) << error;
    EXPECT_TRUE(Exists(topTrash + "/files/far"));
    EXPECT_NE(ReadWholeFile(topTrash + "/info/far.trashinfo").find("Path=" + base + "/far\n"),
              std::string::npos);
    EXPECT_FALSE(Exists(home + ".local/share/Trash/files/far"));
    ::unlink((topTrash + "/files/far").c_str());
    ::unlink((topTrash + "/info/far.trashinfo").c_str());
    if (!hadTrash) test::RemoveTree(topTrash);
    ::rmdir(folder);
}
