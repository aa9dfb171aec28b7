#include "viewer/ViewOrder.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>

#include "engine/TextHelpers.h"
#include "reports/Compare.h"

namespace fscope {

namespace {

bool IsPathColumn(int column) { return column == 1 || column == 9; }

std::string PathKey(const TFoldInfo& file, const TFolioscope& report, int column) {
    return column == 1 ? report.GetItemPath(&file) : UpperAscii(report.FullPathOf(&file));
}

int CompareKeys(const TFoldInfo& a, const TFoldInfo& b, int column) {
    switch (column) {
        case 0: return CompareUpper(a.FName.view(), b.FName.view());
        case 2: return CompareUpper(a.FExt(), b.FExt());
        case 3: return CompareNumbers(a.FSize, b.FSize);
        case 4: return CompareNumbers(a.FAllocSize, b.FAllocSize);
        case 5: return CompareDates(a.FModified, b.FModified);
        case 6: return CompareNumbers(a.FAttr, b.FAttr);
        case 7: return CompareDates(a.FCreated, b.FCreated);
        case 8: return CompareDates(a.FAccessed, b.FAccessed);
    }
    return 0;
}

int ComparePathKeys(const std::string& a, const std::string& b, int column) {
    return column == 1 ? CompareUpper(a, b) : CompareBytes(a, b);
}

}  // namespace

int CompareViewItems(const TFoldInfo& a, const TFoldInfo& b, const TFolioscope& report,
                     int column, int order) {
    const int c = IsPathColumn(column) ? ComparePathKeys(PathKey(a, report, column),
                                                         PathKey(b, report, column), column)
                                       : CompareKeys(a, b, column);
    return order == 1 ? -c : c;
}

void SortViewItems(std::vector<TFoldInfo*>& files, const TFolioscope& report, int column,
                   int order) {
    const int sign = order == 1 ? -1 : 1;
    // Stable merge sorts: equal keys may come out in any order, and a comparator with the 1 ms
    // tolerance (not a strict weak order) cannot make them run out of bounds.
    if (column == 0) {
        // By name: a prefix beside each pointer spares most reads of the names themselves.
        std::vector<std::pair<TNameKey, TFoldInfo*>> keyed;
        keyed.reserve(files.size());
        for (TFoldInfo* f : files) keyed.emplace_back(UpperNameKey(f->FName.view()), f);
        std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
            const int c = a.first != b.first ? (a.first < b.first ? -1 : 1)
                                             : CompareKeys(*a.second, *b.second, 0);
            return sign * c < 0;
        });
        for (size_t i = 0; i < files.size(); ++i) files[i] = keyed[i].second;
        return;
    }
    if (column == 1) {
        // By folder path: one path per folder, shared by its files.
        std::unordered_map<const TFoldInfo*, std::string> paths;
        std::vector<std::pair<const std::string*, TFoldInfo*>> keyed;
        keyed.reserve(files.size());
        for (TFoldInfo* f : files) {
            auto it = paths.find(f->FParent);
            if (it == paths.end()) it = paths.emplace(f->FParent, report.GetItemPath(f)).first;
            keyed.emplace_back(&it->second, f);
        }
        std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
            return sign * CompareUpper(*a.first, *b.first) < 0;
        });
        for (size_t i = 0; i < files.size(); ++i) files[i] = keyed[i].second;
        return;
    }
    if (column == 9) {
        std::vector<std::pair<std::string, TFoldInfo*>> keyed;
        keyed.reserve(files.size());
        for (TFoldInfo* f : files) keyed.emplace_back(PathKey(*f, report, column), f);
        std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
            return sign * CompareBytes(a.first, b.first) < 0;
        });
        for (size_t i = 0; i < files.size(); ++i) files[i] = keyed[i].second;
        return;
    }
    std::stable_sort(files.begin(), files.end(), [&](const TFoldInfo* a, const TFoldInfo* b) {
        return sign * CompareKeys(*a, *b, column) < 0;
    });
}

}  // namespace fscope
