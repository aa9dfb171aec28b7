#pragma once
// Helpers shared by the disk report tests: documents from text, and a deep comparison of two
// reports (what a save and load must preserve).

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/Folioscope.h"
#include "engine/ReportXmlReader.h"
#include "engine/ReportXmlWriter.h"

namespace fscope::test {

inline std::string SaveText(const TFolioscope& report) {
    std::string text;
    SaveToXml(report, [&](std::string_view bytes) { text.append(bytes); });
    return text;
}

inline bool LoadText(TFolioscope& report, std::string text) {
    TXmlTokenizer tokenizer = TXmlTokenizer::FromText(std::move(text));
    return LoadFromXml(report, tokenizer);
}

// A document of the writer's shape around `body` (the lines after the filter line).
inline std::string Document(const std::string& body, const std::string& drive = "/data/") {
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<Root>\r\n<Drive>" + drive +
           "</Drive>\r\n<CustScan>0</CustScan>\r\n<Filters />\r\n" + body + "</Root>\r\n";
}

// A nested file line with fixed details.
inline std::string FileLine(const std::string& name, const std::string& type = "Text",
                            const std::string& size = "10", bool topLevel = false) {
    return "<File Name=\"" + name + "\" Type=\"" + type + "\"" + (topLevel ? ">" : "/>") +
           "<Attr>32</Attr><LAD Low=\"2024-01-02 03:04:05\"/><LMD Low=\"2024-01-02\"/>"
           "<CreaD Low=\"2023-12-31 23:59:59\"/><Size File=\"" +
           size + "\" Alloc=\"4096\"/><Owner Name=\"\" Domain=\"\"/>\r\n";
}

inline std::string FolderLine(const std::string& name, const std::string& type = "File Folder") {
    return "<Folder Name=\"" + name + "\" Type=\"" + type +
           "\"><Attr>16</Attr><LAD Low=\"2024-01-02\"/><LMD Low=\"2024-01-02\"/>"
           "<CreaD Low=\"2024-01-02\"/>\r\n";
}

inline long long WholeSeconds(TDateTime t) { return std::llround(t * 86400.0); }

// Same shape, names, types, attributes, times to the second, sizes; same type totals.
inline void ExpectSameReport(const TFolioscope& a, const TFolioscope& b) {
    EXPECT_EQ(a.FRootPath, b.FRootPath);
    struct Pair {
        const TFoldList* a;
        const TFoldList* b;
    };
    std::vector<Pair> stack{{&a.FItems, &b.FItems}};
    size_t nodes = 0;
    while (!stack.empty()) {
        Pair p = stack.back();
        stack.pop_back();
        ASSERT_EQ(p.a->size(), p.b->size());
        for (size_t i = 0; i < p.a->size(); ++i) {
            const TFoldInfo* x = (*p.a)[i];
            const TFoldInfo* y = (*p.b)[i];
            ++nodes;
            ASSERT_EQ(x->FName.view(), y->FName.view());
            SCOPED_TRACE(x->FName.str());
            ASSERT_EQ(x->IsFolder(), y->IsFolder());
            EXPECT_EQ(x->FTypeName(), y->FTypeName());
            EXPECT_EQ(x->FAttr, y->FAttr);
            EXPECT_EQ(WholeSeconds(x->FAccessed), WholeSeconds(y->FAccessed));
            EXPECT_EQ(WholeSeconds(x->FModified), WholeSeconds(y->FModified));
            EXPECT_EQ(WholeSeconds(x->FCreated), WholeSeconds(y->FCreated));
            EXPECT_EQ(x->FSize, y->FSize);
            EXPECT_EQ(x->FAllocSize, y->FAllocSize);
            EXPECT_EQ(x->FFileCount, y->FFileCount);
            EXPECT_EQ(y->FParent ? y->FParent->FName.str() : "", x->FParent ? x->FParent->FName.str() : "");
            if (x->IsFolder()) stack.push_back({x->FItems, y->FItems});
        }
    }
    ASSERT_EQ(a.FExtList.size(), b.FExtList.size());
    for (size_t i = 0; i < a.FExtList.size(); ++i) {
        const TExtInfo* x = a.FExtList[i];
        const TExtInfo* y = b.FExtList[i];
        EXPECT_EQ(x->FExt, y->FExt);
        EXPECT_EQ(x->FTypeName, y->FTypeName);
        EXPECT_EQ(x->FImageIndex, y->FImageIndex);
        EXPECT_EQ(x->FCount, y->FCount);
        EXPECT_EQ(x->FSize, y->FSize);
        EXPECT_EQ(x->FAllocSize, y->FAllocSize);
    }
}

}  // namespace fscope::test
