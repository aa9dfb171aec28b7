// Duplicate lists: every file whose key occurs more than once, grouped in name order.
#include <gtest/gtest.h>

#include "reports/ReportFixture.h"
#include "viewer/Duplicates.h"

namespace fscope {
namespace {

using testing::NamesOf;
using testing::TTree;

std::vector<TFoldInfo*> AllFiles(TTree& t) {
    std::vector<TFoldInfo*> files;
    for (TFoldInfo* n : t.report->FItems)
        if (n->IsFolder()) {
            for (TFoldInfo* c : *n->FItems) files.push_back(c);
        } else {
            files.push_back(n);
        }
    return files;
}

TEST(Duplicates, EveryFileOfARepeatedKeyIsListed) {
    TTree t;
    TFoldInfo* x = t.Folder(nullptr, "x");
    TFoldInfo* y = t.Folder(nullptr, "y");
    TFoldInfo* z = t.Folder(nullptr, "z");
    // Three equal files: all three listed (not only the first pair).
    TFoldInfo* a1 = t.File(x, "a.txt", 5);
    TFoldInfo* a2 = t.File(y, "a.txt", 5);
    TFoldInfo* a3 = t.File(z, "a.txt", 5);
    // A file of the same name but another size between two equal ones hides nothing.
    t.File(x, "b.txt", 1);
    t.File(y, "b.txt", 2);
    t.File(z, "b.txt", 1);
    // Names that differ only in letter case are different keys.
    t.File(x, "C.txt", 1);
    t.File(y, "c.txt", 1);
    t.File(nullptr, "unique", 1);

    using V = std::vector<std::string>;
    const auto byName = FindDupsByName(AllFiles(t));
    EXPECT_EQ(NamesOf(byName), (V{"a.txt", "a.txt", "a.txt", "b.txt", "b.txt", "b.txt"}));
    EXPECT_EQ(byName[0], a1);  // equal keys keep their walk order
    EXPECT_EQ(byName[2], a3);

    const auto bySize = FindDupsByNameSize(AllFiles(t));
    EXPECT_EQ(NamesOf(bySize), (V{"a.txt", "a.txt", "a.txt", "b.txt", "b.txt"}));
    EXPECT_EQ(bySize[3]->FSize, 1);
    EXPECT_EQ(bySize[4]->FSize, 1);

    // Creation times compare exactly: a millisecond apart is not equal.
    a2->FCreated = a1->FCreated + 1.0 / 86400000;
    const auto byDate = FindDupsByNameDate(AllFiles(t));
    EXPECT_EQ(NamesOf(byDate), (V{"a.txt", "a.txt", "b.txt", "b.txt", "b.txt"}));
    EXPECT_EQ(byDate[0], a1);
    EXPECT_EQ(byDate[1], a3);
}

TEST(Duplicates, SmallAndLopsidedInputs) {
    TTree t;
    EXPECT_TRUE(FindDupsByName({}).empty());
    TFoldInfo* only = t.File(nullptr, "one", 1);
    EXPECT_TRUE(FindDupsByName({only}).empty());
    TFoldInfo* twin = t.File(nullptr, "one", 1);
    EXPECT_EQ(FindDupsByName({only, twin}).size(), 2u);  // the last pair of the list counts

    TTree many;
    std::vector<TFoldInfo*> files;
    for (int i = 0; i < 10000; ++i) files.push_back(many.File(nullptr, "f" + std::to_string(i), 1));
    files.push_back(many.File(nullptr, "f5000", 1));
    const auto dups = FindDupsByName(files);
    EXPECT_EQ(NamesOf(dups), (std::vector<std::string>{"f5000", "f5000"}));
}

}  // namespace
}  // namespace fscope
