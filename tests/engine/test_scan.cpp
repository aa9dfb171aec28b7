#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <set>

#include "FakeEntrySource.h"
#include "engine/Folioscope.h"
#include "support/TempTree.h"

using namespace fscope;
using fscope::test::FakeEntrySource;
using fscope::test::FakeNode;
using fscope::test::TempTree;

namespace {
const TFoldInfo* Child(const TFoldList& list, std::string_view name) {
    for (const TFoldInfo* n : list)
        if (n->FName == name) return n;
    return nullptr;
}
std::set<std::string> Names(const TFoldList& list) {
    std::set<std::string> s;
    for (const TFoldInfo* n : list) s.insert(n->FName.str());
    return s;
}
}  // namespace

TEST(AllocSize, WholeClustersRoundedUp) {
    TFolioscope r;
    r.FClusterSize = 4096;
    for (auto [size, alloc] : {std::pair{0.0, 0.0},
                               {1.0, 4096.0},
                               {4096.0, 4096.0},
                               {4097.0, 8192.0},
                               {6144.0, 8192.0},
                               {1e15, 1e15}})
        EXPECT_EQ(r.AllocSizeOf(size), alloc) << size;
}

TEST(ClusterSize, TableByFileSystemAndVolumeSize) {
    const double MB = 1048576.0, GB = 1024 * MB, TB = 1024 * GB;
    EXPECT_EQ(ClusterSizeFor("NTFS", 300 * MB), 65536u);
    EXPECT_EQ(ClusterSizeFor("NTFS", 500 * GB), 4096u);
    EXPECT_EQ(ClusterSizeFor("NTFS", 20 * TB), 8192u);
    EXPECT_EQ(ClusterSizeFor("FAT32", 20 * GB), 16384u);
    EXPECT_EQ(ClusterSizeFor("FAT16", 2 * GB), 4096u);
    EXPECT_EQ(ClusterSizeFor("ExFAT", 100 * MB), 4096u);
    EXPECT_EQ(ClusterSizeFor("ExFAT", 3 * MB), 0u);
    EXPECT_EQ(ClusterSizeFor("exFAT", 100 * GB), 0u);  // the table is case-sensitive
    EXPECT_EQ(ClusterSizeFor("ext4", 100 * GB), 0u);
}

TEST(Scan, RecordsTreeCountsTypesAndTimes) {
    TempTree t;
    t.File("a.TXT", 10);
    t.File("docs/b.txt", 5000);
    t.File("docs/deep/c.tar.gz", 0);
    t.File("docs/README", 1);
    t.File(".profile", 3);
    t.Folder("empty");
    t.SetTimes("a.TXT", 1236556740);
    ASSERT_EQ(lchown(t.Path("a.TXT").c_str(), 4321, 4321), 0);

    TFolioscope r;
    r.Scan(t.Root());
    EXPECT_EQ(r.FRootPath, t.Root());
    EXPECT_EQ(Names(r.FItems), (std::set<std::string>{"a.TXT", "docs", "empty", ".profile"}));
    EXPECT_EQ(r.FFileCount, 5);
    EXPECT_EQ(r.FFolderCount, 3);

    const TFoldInfo* docs = Child(r.FItems, "docs");
    ASSERT_TRUE(docs && docs->IsFolder());
    EXPECT_EQ(docs->FTypeName(), "File Folder");
    EXPECT_EQ(docs->FFileCount, 2);  // files directly inside
    EXPECT_EQ(docs->FAttr & kAttrDirectory, kAttrDirectory);
    EXPECT_TRUE(Child(r.FItems, "empty")->FItems->empty());

    const TFoldInfo* deep = Child(*docs->FItems, "deep");
    const TFoldInfo* c = Child(*deep->FItems, "c.tar.gz");
    EXPECT_EQ(c->FExt(), ".gz");
    EXPECT_EQ(c->FParent, deep);
    EXPECT_EQ(r.GetItemPath(c), t.Root() + "docs/deep/");
    EXPECT_EQ(r.GetItemPath(deep), t.Root() + "docs/deep/");
    EXPECT_EQ(r.GetItemPath(Child(r.FItems, "a.TXT")), t.Root());
    EXPECT_EQ(Child(*docs->FItems, "README")->FExt(), "");
    EXPECT_EQ(Child(r.FItems, ".profile")->FExt(), ".profile");
    EXPECT_TRUE(Child(r.FItems, ".profile")->FAttr & kAttrHidden);

    // One type entry per extension whatever its letter case, summing both files.
    TExtInfo* txt = r.FindExt(".txt");
    ASSERT_TRUE(txt);
    EXPECT_EQ(txt, r.FindExt(".TXT"));
    EXPECT_EQ(txt->FCount, 2);
    EXPECT_EQ(txt->FSize, 5010);
    EXPECT_EQ(txt->FAllocSize, r.AllocSizeOf(10) + r.AllocSizeOf(5000));
    EXPECT_EQ(r.FExtList.size(), 4u);  // .txt, .gz, "", .profile
    const TFoldInfo* a = Child(r.FItems, "a.TXT");
    EXPECT_EQ(a->FTypeName(), txt->FTypeName);
    EXPECT_EQ(a->FSize, 10);
    EXPECT_EQ(a->FModified, FileTimeToDateTime(1236556740, 0));
    EXPECT_EQ(a->FUid, 4321u);  // owner reports read the snapshot, not the disk
    EXPECT_EQ(r.FindExt("")->FTypeName, "File");
}

TEST(Model, NodesBuiltByHandStartWithoutTypeOrOwner) {
    TFolioscope r;
    TFoldInfo* folder = r.NewFolder(nullptr, "f");
    TFoldInfo* file = r.NewFile(folder, "x.txt");
    EXPECT_EQ(file->FTypeName(), "");
    EXPECT_EQ(file->FOwner(), "");
    EXPECT_EQ(file->FUid, kUnknownUid);
    EXPECT_EQ(file->FParent, folder);
    EXPECT_EQ(r.FullPathOf(file), "f/x.txt");  // no root path set
    r.Rename(file, "y.txt");
    EXPECT_EQ(file->FName, "y.txt");
    r.Unlink(file);
    EXPECT_TRUE(folder->FItems->empty());
}

TEST(Scan, TypeTotalsFollowFirstMetOrder) {
    FakeEntrySource src;
    src.root.AddFile("one.b");
    src.root.AddFolder("sub")->AddFile("two.c");
    src.root.AddFile("three.a");
    src.root.AddFile("four.B");
    TFolioscope r;
    r.SetEntrySource(&src);
    r.Scan(src.rootPath);
    std::vector<std::string> exts;
    for (auto& e : r.FExtList) exts.push_back(e->FExt);
    EXPECT_EQ(exts, (std::vector<std::string>{".b", ".c", ".a"}));
    EXPECT_EQ(r.FindExt(".B")->FCount, 2);
    // Listing order is kept, files and folders mixed.
    std::vector<std::string> order;
    for (auto* n : r.FItems) order.push_back(n->FName.str());
    EXPECT_EQ(order, (std::vector<std::string>{"one.b", "sub", "three.a", "four.B"}));
}

TEST(Scan, ExclusionsCompareWholePathsAndMasks) {
    TempTree t;
    t.File("a/b/c/inside.txt");
    t.File("b/c/kept.txt");
    t.File("Temp2/kept.txt");
    t.File("Temp/gone.txt");
    t.File("x.tmp");
    t.File("x.bak");
    t.File("x.doc");
    TScanSettings s;
    s.ExPaths = t.Root() + "a/b/c/|" + t.Root() + "Temp/|";
    s.ExFiles = " *.tmp|*.BAK| ";
    TFolioscope r(s);
    r.Scan(t.Root());
    EXPECT_EQ(Names(r.FItems), (std::set<std::string>{"a", "b", "Temp2", "x.doc"}));
    const TFoldInfo* b = Child(*Child(*Child(r.FItems, "a")->FItems, "b")->FItems, "c");
    EXPECT_EQ(b, nullptr);
    EXPECT_NE(Child(*Child(r.FItems, "b")->FItems, "c"), nullptr);  // /b/c/ is not /a/b/c/
    EXPECT_EQ(r.FFolderCount, 7);  // excluded folders are still counted
    EXPECT_EQ(r.FindExt(".tmp"), nullptr);
    EXPECT_EQ(r.FFileCount, 3);
}

TEST(Scan, ExcludedPathMayContainBar) {
    TempTree t;
    t.File("we|ird/f");
    t.File("ok/f");
    TScanSettings s;
    s.ExPaths = t.Root() + "we|ird/|";
    TFolioscope r(s);
    r.Scan(t.Root());
    EXPECT_EQ(Names(r.FItems), (std::set<std::string>{"ok"}));
}

TEST(Scan, LinksAreRecordedNotFollowed) {
    TempTree t;
    t.File("real/f.txt", 100);
    t.Link("loop", ".");
    t.Link("real/up", "..");
    t.Link("dangling", "/nonexistent/x");
    TFolioscope r;
    r.Scan(t.Root());
    EXPECT_EQ(r.FFileCount, 4);  // f.txt and three links
    const TFoldInfo* loop = Child(r.FItems, "loop");
    ASSERT_TRUE(loop);
    EXPECT_FALSE(loop->IsFolder());
    EXPECT_TRUE(loop->FAttr & kAttrReparsePoint);
    EXPECT_EQ(loop->FSize, 1);  // the link's own length
}

TEST(Scan, AwkwardNamesAreKeptByteForByte) {
    TempTree t;
    const std::vector<std::string> names = {"quote\"d",        "amp&amp;", "new\nline", "tab\tx",
                                            "bad\xff\xfeutf8", "<lt>",     " lead",     "trail "};
    for (auto& n : names) t.File(n, 1);
    TFolioscope r;
    r.Scan(t.Root());
    EXPECT_EQ(Names(r.FItems), std::set<std::string>(names.begin(), names.end()));
}

TEST(Scan, MissingPathGivesNoItems) {
    TFolioscope r;
    r.Scan("/nonexistent-fscope-path/");
    EXPECT_TRUE(r.FItems.empty());
    EXPECT_EQ(r.FFileCount, 0);
}

TEST(Scan, UnreadableFolderBecomesEmptyFolder) {
    FakeEntrySource src;
    FakeNode* locked = src.root.AddFolder("locked");
    locked->AddFile("secret");
    locked->unreadable = true;
    src.root.AddFile("open");
    TFolioscope r;
    r.SetEntrySource(&src);
    r.Scan(src.rootPath);
    ASSERT_EQ(r.FItems.size(), 2u);
    EXPECT_TRUE(r.FItems[0]->IsFolder());
    EXPECT_TRUE(r.FItems[0]->FItems->empty());
    EXPECT_EQ(r.FFileCount, 1);
}

TEST(Scan, UnreadableFolderOnDiskAsUnprivilegedUser) {
    // Root reads everything, so check the real reader in a child that drops its privileges.
    TempTree t;
    t.File("locked/secret");
    t.File("open/f");
    chmod(t.Path("locked").c_str(), 0700);
    chmod(t.Root().c_str(), 0755);
    chmod(t.Root().substr(0, t.Root().size() - 1).c_str(), 0755);
    if (getuid() != 0) GTEST_SKIP() << "needs root to drop to another user";
    pid_t pid = fork();
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
        TFolioscope r;
        r.Scan(t.Root());
        const TFoldInfo* locked = Child(r.FItems, "locked");
        const TFoldInfo* open = Child(r.FItems, "open");
        bool ok = locked && locked->IsFolder() && locked->FItems->empty() && open &&
                  open->FItems->size() == 1 && r.FFileCount == 1;
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(Scan, StopKeepsPartialTreeAndDropsTheFetchedEntry) {
    FakeEntrySource src;
    FakeNode* a = src.root.AddFolder("a");
    a->AddFile("a1");
    a->AddFile("a2");
    a->AddFile("a3");
    src.root.AddFile("after");
    TFolioscope r;
    r.SetEntrySource(&src);
    r.SetWalkThreads(1);  // where a stop lands on other threads is a matter of timing
    src.onNext = [&](const std::string& name) {
        if (name == "a2") r.FStop = true;
    };
    r.Scan(src.rootPath);
    ASSERT_EQ(r.FItems.size(), 1u);
    EXPECT_EQ(Names(*r.FItems[0]->FItems), (std::set<std::string>{"a1"}));
    EXPECT_EQ(r.FFileCount, 1);
}

TEST(Scan, MalformedExcludeMaskRaisesAtFirstFile) {
    FakeEntrySource src;
    src.root.AddFolder("only-folders");
    TScanSettings s;
    s.ExFiles = "[oops|";
    {
        TFolioscope r(s);
        r.SetEntrySource(&src);
        EXPECT_NO_THROW(r.Scan(src.rootPath));
    }
    src.root.AddFile("f");
    TFolioscope r(s);
    r.SetEntrySource(&src);
    EXPECT_THROW(r.Scan(src.rootPath), EMaskError);
}

TEST(Scan, TreeDeeperThanAnyPath) {
    // 3,000 levels: far past PATH_MAX and the open-file limit.
    TempTree t;
    int fd = open(t.Root().c_str(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < 3000; ++i) {
        ASSERT_EQ(mkdirat(fd, "level", 0755), 0);
        int next = openat(fd, "level", O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
    }
    int f = openat(fd, "deepest.txt", O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(write(f, "xyz", 3), 3);
    close(f);
    close(fd);

    auto r = std::make_unique<TFolioscope>();
    r->Scan(t.Root());
    EXPECT_EQ(r->FFolderCount, 3000);
    EXPECT_EQ(r->FFileCount, 1);
    const TFoldInfo* n = r->FItems[0];
    for (int i = 1; i < 3000; ++i) n = (*n->FItems)[0];
    ASSERT_EQ(n->FItems->size(), 1u);
    const TFoldInfo* deepest = (*n->FItems)[0];
    EXPECT_EQ(deepest->FName, "deepest.txt");
    EXPECT_EQ(deepest->FSize, 3);

    // The update keeps what it cannot look up by path (the name is too long), and the tree
    // frees without recursion.
    r->UpdateReport();
    n = r->FItems[0];
    for (int i = 1; i < 3000; ++i) n = (*n->FItems)[0];
    EXPECT_EQ((*n->FItems)[0]->FName, "deepest.txt");
    r->FreeTree();
    EXPECT_TRUE(r->FItems.empty());
}

namespace {
// A canonical text of a whole report: tree in order with every field, then the type totals.
std::string Dump(const TFolioscope& r) {
    std::string out;
    std::vector<std::pair<const TFoldInfo*, int>> stack;
    for (auto it = r.FItems.items().rbegin(); it != r.FItems.items().rend(); ++it)
        stack.push_back({*it, 0});
    while (!stack.empty()) {
        auto [n, depth] = stack.back();
        stack.pop_back();
        out += std::string(depth, ' ') + n->FName.str() + "|" + n->FTypeName() + "|" +
               std::to_string(n->FImageIndex()) + "|" + std::to_string(n->FSize) + "|" +
               std::to_string(n->FAllocSize) + "|" + std::to_string(n->FAttr) + "|" +
               std::to_string(n->FFileCount) + "|" + std::to_string(n->FModified) + "\n";
        if (n->IsFolder())
            for (auto it = n->FItems->items().rbegin(); it != n->FItems->items().rend(); ++it)
                stack.push_back({*it, depth + 1});
    }
    for (auto& e : r.FExtList)
        out += e->FExt + "|" + e->FTypeName + "|" + std::to_string(e->FCount) + "|" +
               std::to_string(e->FSize) + "|" + std::to_string(e->FAllocSize) + "\n";
    out += std::to_string(r.FFileCount) + "/" + std::to_string(r.FFolderCount);
    return out;
}
}  // namespace

TEST(Scan, SeveralThreadsGiveExactlyTheOneThreadResult) {
    TempTree t;
    const char* exts[] = {".c", ".C", ".txt", ".TXT", ".Txt", "", ".jpg", ".JPG", ".tar.gz"};
    int made = 0;
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 6; ++b) {
            std::string folder = "d" + std::to_string(a) + "/e" + std::to_string(b) + "/";
            // Later folders meet the upper-case variants first, so threads disagree on
            // which letter case came first unless the merge puts them in walk order.
            for (int f = 0; f < 8; ++f, ++made)
                t.File(folder + "f" + std::to_string(f) + exts[(made * 7 + a) % 9], made % 5000);
        }
    t.Folder("d3/empty");
    std::string single;
    {
        TFolioscope r;
        r.SetWalkThreads(1);
        r.Scan(t.Root());
        single = Dump(r);
    }
    for (unsigned threads : {2u, 4u}) {
        for (int run = 0; run < 3; ++run) {
            TFolioscope r;
            r.SetWalkThreads(threads);
            r.Scan(t.Root());
            EXPECT_EQ(Dump(r), single) << threads << " threads";
        }
    }
}
