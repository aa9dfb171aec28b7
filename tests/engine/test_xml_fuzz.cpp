// Randomized truncations and mutations of a real document: the reader either loads a
// consistent report or fails with a message and leaves the report empty; it never crashes.
// Worth running under AddressSanitizer (FSCOPE_SANITIZE=ON).

#include <gtest/gtest.h>

#include <random>

#include "test_xml_support.h"

using namespace fscope;
using namespace fscope::test;

namespace {

std::string Seed() {
    return Document(FileLine("top&amp;.txt", "Text", "12", true) + FolderLine("d\"<x>") +
                    FileLine("a.TXT") + FolderLine("e") + FileLine("&#9;b.c", "C", "1.5E15") +
                    "</Folder>\r\n</Folder>\r\n" +
                    "<![CDATA[x]]><!-- note --><Filters FileSize=\"1\" FromDate=\"2020-01-01\" "
                    "ToDate=\"2020-01-01\"/>\r\n");
}

// Walks the loaded tree checking the model's invariants.
void ExpectConsistent(const TFolioscope& report) {
    std::vector<const TFoldList*> stack{&report.FItems};
    int files = 0;
    while (!stack.empty()) {
        const TFoldList* list = stack.back();
        stack.pop_back();
        for (const TFoldInfo* node : *list) {
            std::string_view name = node->FName.view();
            ASSERT_FALSE(name.empty() || name == "." || name == "..");
            ASSERT_EQ(name.find('/'), std::string_view::npos);
            ASSERT_EQ(name.find('\0'), std::string_view::npos);
            if (node->IsFolder()) {
                for (const TFoldInfo* child : *node->FItems) ASSERT_EQ(child->FParent, node);
                stack.push_back(node->FItems);
            } else {
                ++files;
            }
        }
    }
    EXPECT_EQ(files, report.FFileCount);
    ASSERT_FALSE(report.FRootPath.empty());
    EXPECT_EQ(report.FRootPath.front(), '/');
    EXPECT_EQ(report.FRootPath.back(), '/');
}

void Check(const std::string& doc) {
    TFolioscope report;
    bool loaded = false;
    try {
        loaded = LoadText(report, doc);
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()), "");
        EXPECT_TRUE(report.FItems.empty());
        EXPECT_TRUE(report.FExtList.empty());
        EXPECT_FALSE(report.FLoaded);
        return;
    }
    ASSERT_TRUE(loaded);
    ExpectConsistent(report);
}

}  // namespace

TEST(XmlFuzz, EveryTruncationLoadsOrFailsCleanly) {
    const std::string seed = Seed();
    for (size_t n = 0; n <= seed.size(); ++n) Check(seed.substr(0, n));
}

TEST(XmlFuzz, RandomMutationsLoadOrFailCleanly) {
    const std::string seed = Seed();
    using namespace std::string_literals;
    const std::string alphabet = "<>/\"'&#;=! \r\n\t\0x[]-?0123456789.:FolderFileNameType"s;
    std::mt19937 rng(20261211);
    for (int round = 0; round < 20000; ++round) {
        std::string doc = seed;
        const int edits = 1 + static_cast<int>(rng() % 8);
        for (int e = 0; e < edits; ++e) {
            const size_t at = rng() % (doc.size() + 1);
            const char c = alphabet[rng() % alphabet.size()];
            switch (rng() % 4) {
                case 0:
                    if (at < doc.size()) doc[at] = c;
                    break;
                case 1:
                    doc.insert(doc.begin() + static_cast<long>(at), c);
                    break;
                case 2:
                    if (at < doc.size()) doc.erase(at, 1 + rng() % 16);
                    break;
                default: {  // duplicate a slice, so tags and folders repeat
                    const size_t from = rng() % doc.size();
                    doc.insert(at, doc.substr(from, 1 + rng() % 120));
                }
            }
        }
        if (rng() % 4 == 0) doc.resize(rng() % (doc.size() + 1));
        Check(doc);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "round " << round << ": " << doc;
            return;
        }
    }
}
