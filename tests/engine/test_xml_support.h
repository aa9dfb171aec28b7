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
#include "platform/DateTimeText.h"

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

// Every criterion away from its default; a.doc of 5000 bytes with the archive bit passes them.
inline void FillCriteria(TFolioscope& r) {
    r.CustScan = true;
    r.Criteria = "*.doc \"*&amp;*\" <x>";
    r.FAllFiles = false;
    r.FileSize = 1.5;
    r.FileUnit = "KB";
    r.FileGLE = ">=";
    r.DAllFiles = false;
    r.DateType = "LC";
    r.FromDate = EncodeDate(2000, 2, 29);
    r.ToDate = EncodeDate(2099, 1, 1);
    r.AAllFiles = false;
    r.AArchive = true;
    r.AHidden = false;
}

inline void ExpectSameCriteria(const TFolioscope& a, const TFolioscope& b) {
    EXPECT_EQ(a.CustScan, b.CustScan);
    EXPECT_EQ(a.Criteria, b.Criteria);
    EXPECT_EQ(a.FAllFiles, b.FAllFiles);
    EXPECT_EQ(a.FileSize, b.FileSize);
    EXPECT_EQ(a.FileUnit, b.FileUnit);
    EXPECT_EQ(a.FileGLE, b.FileGLE);
    EXPECT_EQ(a.DAllFiles, b.DAllFiles);
    EXPECT_EQ(a.DateType, b.DateType);
    EXPECT_EQ(a.FromDate, b.FromDate);
    EXPECT_EQ(a.ToDate, b.ToDate);
    EXPECT_EQ(a.AAllFiles, b.AAllFiles);
    EXPECT_EQ(a.AArchive, b.AArchive);
    EXPECT_EQ(a.AReadOnly, b.AReadOnly);
    EXPECT_EQ(a.ASystem, b.ASystem);
    EXPECT_EQ(a.AHidden, b.AHidden);
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
            EXPECT_EQ(y->FParent ? y->FParent->FName.str() : "",
                      x->FParent ? x->FParent->FName.str() : "");
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
