#pragma once
// A small report whose rows exercise every text rule of the exports (a name with '&', '<',
// '>', a comma and quotes, a non-ASCII name with a control character, a midnight time), the
// fixed clock and settings of the golden documents, and the golden-file comparison.

#include <memory>
#include <string>
#include <vector>

#include "engine/Folioscope.h"
#include "export/ExportContext.h"
#include "export/ExportDocument.h"

namespace fscope::test {

// The report root "/data/" (nothing on disk) with, in this order:
//   folder "Docs & <Notes>"  3072 / 8192 bytes, 2 files, 1 folder (subtree totals)
//     folder "sub"            empty
//     file   "<b>x"           2048 / 4096
//     file   "readme"         1024 / 4096
//   file "a,b \"q\".txt"      1024 / 4096, read-only + archive
//   file "café\x01.dat"       0 / 0, hidden + system, every time invalid
struct TExportFixture {
    TExportFixture();

    std::unique_ptr<TFolioscope> report;
    TFoldInfo* docs = nullptr;
    TFoldInfo* sub = nullptr;
    TFoldInfo* tagFile = nullptr;  // "<b>x"
    TFoldInfo* readme = nullptr;
    TFoldInfo* commaFile = nullptr;   // "a,b \"q\".txt"
    TFoldInfo* accentFile = nullptr;  // "café\x01.dat"

    // The File Explorer rows of "/data/": docs, commaFile, accentFile.
    std::vector<TFoldInfo*> explorerRows;
};

// 2024-03-05 14:07:09: "05, March 2024 02:07:09 pm".
TDateTime FixedNow();
// Settings GEN, "2", "," and the path box "/data/".
TExportContext FixedContext();
// Short names: "/data/DOCS~1" for the folder, "/data/AB~1.TXT" for the comma file, "" else.
TShortPathFn FakeShortPathName();

// The golden document tests/export/golden/<name>. A mismatch is reported with the first
// differing line; the actual document is written to the build folder for a diff.
void ExpectGolden(const std::string& name, const std::string& actual);

}  // namespace fscope::test
