#pragma once
// Small in-memory report trees for the report and file list tests.

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/Folioscope.h"
#include "platform/DateTimeText.h"

namespace fscope::testing {

struct TFileSpec {
    double size = 0;
    uint32_t attr = 0x20;
    TDateTime modified = EncodeDateTime(2020, 6, 15, 12, 0, 0);
    TDateTime created = EncodeDateTime(2020, 6, 15, 12, 0, 0);
    TDateTime accessed = EncodeDateTime(2020, 6, 15, 12, 0, 0);
};

// A report rooted at /r/ built through the engine's own builder.
class TTree {
public:
    TTree() {
        report = std::make_unique<TFolioscope>();
        report->FRootPath = "/r/";
    }
    TFoldInfo* Folder(TFoldInfo* parent, std::string_view name) {
        return report->NewFolder(parent, name);
    }
    TFoldInfo* File(TFoldInfo* parent, std::string_view name, TFileSpec shape = {}) {
        TFoldInfo* f = report->NewFile(parent, name);
        f->FSize = shape.size;
        f->FAllocSize = shape.size == 0 ? 0 : (std::ceil(shape.size / 4096) * 4096);
        f->FAttr = shape.attr;
        f->FModified = shape.modified;
        f->FCreated = shape.created;
        f->FAccessed = shape.accessed;
        f->SetType("Test File", 6);  // as a scan does (an untyped node has no valid type id)
        return f;
    }
    TFoldInfo* File(TFoldInfo* parent, std::string_view name, double size) {
        TFileSpec shape;
        shape.size = size;
        return File(parent, name, shape);
    }
    std::unique_ptr<TFolioscope> report;
};

// Names of nodes, for order comparisons.
inline std::vector<std::string> NamesOf(const std::vector<TFoldInfo*>& nodes) {
    std::vector<std::string> names;
    for (const TFoldInfo* n : nodes) names.push_back(n->FName.str());
    return names;
}

}  // namespace fscope::testing
