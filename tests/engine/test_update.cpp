#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>

#include "FakeEntrySource.h"
#include "engine/Folioscope.h"
#include "support/TempTree.h"

using namespace fscope;
using fscope::test::FakeEntrySource;
using fscope::test::FakeNode;
using fscope::test::TempTree;

namespace {
std::vector<std::string> Order(const TFoldList& list) {
    std::vector<std::string> v;
    for (const TFoldInfo* n : list) v.push_back(n->FName.str());
    return v;
}
}  // namespace

TEST(Update, FollowsTheDiskInPlace) {
    TempTree t;
    t.File("grows.txt", 10);
    t.File("goes.txt", 10);
    t.File("sub/old.log", 1);
    t.File("stays.txt", 1);
    TScanSettings s;
    s.ExPaths = t.Root() + "excluded/|";
    TFolioscope r(s);
    r.Scan(t.Root());
    const auto before = Order(r.FItems);

    t.File("grows.txt", 5000);
    unlink(t.Path("goes.txt").c_str());
    t.File("sub/new.log", 7);
    t.File("newdir/inner.txt", 2);
    t.File("excluded/x.txt", 2);
    r.UpdateReport();

    std::vector<std::string> expected;
    for (auto& n : before)
        if (n != "goes.txt") expected.push_back(n);
    // New folders are appended after the survivors (the excluded one is left out).
    expected.push_back("newdir");
    EXPECT_EQ(Order(r.FItems), expected);
    const TFoldInfo* grows = nullptr;
    const TFoldInfo* sub = nullptr;
    for (auto* n : r.FItems) {
        if (n->FName == "grows.txt") grows = n;
        if (n->FName == "sub") sub = n;
    }
    EXPECT_EQ(grows->FSize, 5000);
    EXPECT_EQ(grows->FAllocSize, r.AllocSizeOf(5000));
    EXPECT_EQ(Order(*sub->FItems), (std::vector<std::string>{"old.log", "new.log"}));
    // Type totals are rebuilt from kept and new files.
    EXPECT_EQ(r.FindExt(".txt")->FCount, 3);  // grows, stays, inner
    EXPECT_EQ(r.FindExt(".log")->FCount, 2);
    EXPECT_EQ(r.FindExt(".log")->FSize, 8);
}

TEST(Update, KeepsEntriesItCannotLookUp) {
    FakeEntrySource src;
    FakeNode* denied = src.root.AddFile("denied.txt", 5);
    src.root.AddFile("gone.txt", 5);
    FakeNode* folder = src.root.AddFolder("folder");
    folder->AddFile("inside", 1);
    TFolioscope r;
    r.SetEntrySource(&src);
    r.Scan(src.rootPath);

    denied->statError = EACCES;
    std::erase_if(src.root.children, [](auto& c) { return c->name == "gone.txt"; });
    folder->statError = ENAMETOOLONG;
    r.UpdateReport();
    EXPECT_EQ(Order(r.FItems), (std::vector<std::string>{"denied.txt", "folder"}));
    EXPECT_EQ(r.FindExt(".txt")->FCount, 1);  // a kept file still counts in the totals
    EXPECT_EQ(Order(*r.FItems[1]->FItems), (std::vector<std::string>{"inside"}));
}

TEST(Update, FolderReplacedByFileIsDropped) {
    FakeEntrySource src;
    FakeNode* x = src.root.AddFolder("x");
    TFolioscope r;
    r.SetEntrySource(&src);
    r.Scan(src.rootPath);
    x->attr = kAttrArchive;  // now a file named x
    r.UpdateReport();
    ASSERT_EQ(r.FItems.size(), 1u);
    EXPECT_FALSE(r.FItems[0]->IsFolder());  // re-added as the new file
}

TEST(Update, ItemExistsComparesExactlyAndChecksFolders) {
    FakeEntrySource src;
    src.root.AddFolder("Foo");
    src.root.AddFile("bar");
    TFolioscope r;
    r.SetEntrySource(&src);
    r.Scan(src.rootPath);
    using K = TFolioscope::TItemKind;
    EXPECT_TRUE(TFolioscope::ItemExists("Foo", r.FItems, K::Folder));
    EXPECT_FALSE(TFolioscope::ItemExists("FOO", r.FItems, K::Folder));
    EXPECT_FALSE(TFolioscope::ItemExists("bar", r.FItems, K::Folder));
    EXPECT_TRUE(TFolioscope::ItemExists("bar", r.FItems, K::File));
}
