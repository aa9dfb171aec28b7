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
    TFoldInfo* File(TFoldInfo* parent, std::string_view name, TFileSpec spec = {}) {
        TFoldInfo* f = report->NewFile(parent, name);
        f->FSize = spec.size;
        f->FAllocSize = spec.size == 0 ? 0 : (std::ceil(spec.size / 4096) * 4096);
        f->FAttr = spec.attr;
        f->FModified = spec.modified;
        f->FCreated = spec.created;
        f->FAccessed = spec.accessed;
        f->SetType("Test File", 6);  // as a scan does (an untyped node has no valid type id)
        return f;
    }
    TFoldInfo* File(TFoldInfo* parent, std::string_view name, double size) {
        TFileSpec spec;
        spec.size = size;
        return File(parent, name, spec);
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
