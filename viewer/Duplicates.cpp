#include "viewer/Duplicates.h"

#include <algorithm>

#include "reports/Compare.h"

namespace fscope {

namespace {

// The key's own order after the name: 0 when the two files have equal keys.
int CompareSecondary(const TFoldInfo& a, const TFoldInfo& b, TDupKind kind) {
    switch (kind) {
        case TDupKind::NameSize: return CompareNumbers(a.FSize, b.FSize);
        case TDupKind::NameDate: return CompareNumbers(a.FCreated, b.FCreated);
        case TDupKind::Name: break;
    }
    return 0;
}

int CompareKeys(const TFoldInfo& a, const TFoldInfo& b, TDupKind kind) {
    const std::string_view na = a.FName.view(), nb = b.FName.view();
    if (int c = CompareUpper(na, nb)) return c;
    if (int c = CompareBytes(na, nb)) return c;
    return CompareSecondary(a, b, kind);
}

}  // namespace

std::vector<TFoldInfo*> FindDuplicates(std::vector<TFoldInfo*> files, TDupKind kind) {
    // Sort by a name prefix held beside each pointer: most comparisons never touch the names.
    struct TKeyed {
        TNameKey prefix;
        TFoldInfo* file;
    };
    std::vector<TKeyed> keyed;
    keyed.reserve(files.size());
    for (TFoldInfo* f : files) keyed.push_back({UpperNameKey(f->FName.view()), f});
    std::stable_sort(keyed.begin(), keyed.end(), [kind](const TKeyed& a, const TKeyed& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix;
        return CompareKeys(*a.file, *b.file, kind) < 0;
    });
    for (size_t i = 0; i < files.size(); ++i) files[i] = keyed[i].file;
    // Equal keys are now next to each other: keep every run of two or more.
    std::vector<TFoldInfo*> result;
    size_t runStart = 0;
    for (size_t i = 1; i <= files.size(); ++i) {
        const bool runEnds =
            i == files.size() || CompareKeys(*files[runStart], *files[i], kind) != 0;
        if (!runEnds) continue;
        if (i - runStart >= 2) result.insert(result.end(), files.begin() + runStart, files.begin() + i);
        runStart = i;
    }
    return result;
}

}  // namespace fscope
