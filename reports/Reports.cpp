#include "reports/Reports.h"

#include <algorithm>

#include "common/SystemHelpers.h"
#include "reports/Buckets.h"
#include "reports/FileCategories.h"
#include "reports/FolderTotals.h"

namespace fscope {

// ---- environment ------------------------------------------------------------------------

TReportEnvironment SystemReportEnvironment() {
    TReportEnvironment env;
    env.now = CurrentDateTime;
    env.newOwnerLookup = NewSystemOwnerLookup;
    env.internetCachePath = [] { return GetSpecialFolderPath(CSIDL_INTERNET_CACHE); };
    env.typeInfo = [](std::string_view ext) { return ShellTypeInfo(ext); };
    return env;
}

// ---- comparators ------------------------------------------------------------------------

int CompareExt(const TExtInfo& a, const TExtInfo& b, TSortState state) {
    int c = 0;
    switch (state.column) {
        case 0: c = CompareUpper(a.FTypeName, b.FTypeName); break;
        case 1: c = CompareUpper(a.FExt, b.FExt); break;
        case 2:
        case 4: c = CompareNumbers(a.FSize, b.FSize); break;
        case 3: c = CompareNumbers(a.FCount, b.FCount); break;
        case 5: c = CompareNumbers(a.FAllocSize, b.FAllocSize); break;
    }
    return state.Directed(c);
}

int CompareAttr(const TAttrInfo& a, const TAttrInfo& b, TSortState state) {
    int c = 0;
    switch (state.column) {
        case 0: c = CompareBytes(a.FName, b.FName); break;
        case 1: c = CompareNumbers(a.FCount, b.FCount); break;
        case 2: c = CompareNumbers(a.FSize, b.FSize); break;
        case 3: c = CompareNumbers(a.FAllocSize, b.FAllocSize); break;
    }
    return state.Directed(c);
}

int CompareSize(const TSizeInfo& a, const TSizeInfo& b, TSortState state) {
    int c = 0;
    switch (state.column) {
        case 0: c = CompareNumbers(a.FOrder, b.FOrder); break;
        case 1: c = CompareNumbers(a.FCount, b.FCount); break;
        case 2:
        case 3: c = CompareNumbers(a.FSize, b.FSize); break;
        case 4: c = CompareNumbers(a.FAllocSize, b.FAllocSize); break;
    }
    return state.Directed(c);
}

namespace {
// The date-range and hour reports have the same columns.
int CompareTimeRange(const TRangeInfo& a, const TRangeInfo& b, TSortState state) {
    int c = 0;
    switch (state.column) {
        case 0: c = CompareNumbers(a.FOrder, b.FOrder); break;
        case 1: c = CompareNumbers(a.FCount, b.FCount); break;
        case 2: c = CompareNumbers(a.FSize, b.FSize); break;
        case 3: c = CompareNumbers(a.FAllocSize, b.FAllocSize); break;
    }
    return state.Directed(c);
}
}  // namespace

int CompareDate(const TDateInfo& a, const TDateInfo& b, TSortState state) {
    return CompareTimeRange(a, b, state);
}

int CompareTime(const TTimeInfo& a, const TTimeInfo& b, TSortState state) {
    return CompareTimeRange(a, b, state);
}

int CompareOwner(const TOwnerInfo& a, const TOwnerInfo& b, TSortState state) {
    int c = 0;
    switch (state.column) {
        case 0: c = CompareBytes(a.FOwner, b.FOwner); break;
        case 1: c = CompareBytes(a.FDomain, b.FDomain); break;
        case 2: c = CompareNumbers(a.FCount, b.FCount); break;
        case 3:
        case 4: c = CompareNumbers(a.FSize, b.FSize); break;
        case 5: c = CompareNumbers(a.FAllocSize, b.FAllocSize); break;
    }
    return state.Directed(c);
}

int CompareSp(const TSpInfo& a, const TSpInfo& b, TSortState state) {
    int c = 0;
    switch (state.column) {
        case 0: c = CompareBytes(a.FName, b.FName); break;
        case 1: c = CompareNumbers(a.FCount, b.FCount); break;
        case 2: c = CompareNumbers(a.FSize, b.FSize); break;
        case 3: c = CompareNumbers(a.FAllocSize, b.FAllocSize); break;
    }
    return state.Directed(c);
}

int CompareAllFold(const TAllFoldInfo& a, const TAllFoldInfo& b, TSortState state) {
    int c = 0;
    switch (state.column) {
        case 0: c = CompareBytes(a.FName, b.FName); break;
        case 1: c = CompareBytes(a.FPath, b.FPath); break;
        case 2:
        case 3: c = CompareNumbers(a.FSize, b.FSize); break;
        case 4: c = CompareNumbers(a.FAllocSize, b.FAllocSize); break;
        case 5: c = CompareNumbers(a.FFileCount, b.FFileCount); break;
        case 6: c = CompareNumbers(a.FFolderCount, b.FFolderCount); break;
        case 7: c = CompareDates(a.FModified, b.FModified); break;
    }
    return state.Directed(c);
}

// ---- the collection -----------------------------------------------------------------------

namespace {

// A stable merge sort: any order of equal keys is allowed, and unlike an introsort it stays
// within bounds when a comparator is not a strict weak order (the 1 ms date tolerance).
template <class Items, class Compare>
void SortRecords(Items& items, Compare compare, TSortState state) {
    std::stable_sort(items.begin(), items.end(),
                     [&](const auto& a, const auto& b) { return compare(*a, *b, state) < 0; });
}

}  // namespace

TReports::TReports(TOptions& options, const TCustTypeList& custTypes, TReportEnvironment env)
    : options_(options), custTypes_(custTypes), env_(std::move(env)) {
    const TReportEnvironment system = SystemReportEnvironment();
    if (!env_.now) env_.now = system.now;
    if (!env_.newOwnerLookup) env_.newOwnerLookup = system.newOwnerLookup;
    if (!env_.internetCachePath) env_.internetCachePath = system.internetCachePath;
    if (!env_.typeInfo) env_.typeInfo = system.typeInfo;
    options_.AttrSort = 0;
    options_.AttrSortOrder = 1;
    options_.SizeSort = options_.DateSort = options_.TimeSort = options_.OwnerSort = 0;
    options_.SizeSortOrder = options_.DateSortOrder = options_.TimeSortOrder = 0;
    options_.OwnerSortOrder = 0;
}

TDateTime TReports::Now() const { return env_.now(); }

void TReports::Refill(TReportKind kind, size_t count) const {
    if (IReportView* view = View(kind)) view->Refill(count);
}

bool& TReports::DoneFlag(TReportKind kind) {
    switch (kind) {
        case TReportKind::FileTypes: return options_.TypesDone;
        case TReportKind::Attr: return options_.AttrDone;
        case TReportKind::Size: return options_.SizeDone;
        case TReportKind::Date: return options_.DateDone;
        case TReportKind::Time: return options_.TimeDone;
        case TReportKind::Owner: return options_.OwnerDone;
        case TReportKind::Sp: return options_.SpDone;
        case TReportKind::AllFolders: break;
    }
    return options_.AllFoldDone;
}

void TReports::MarkDone(TReportKind kind) { DoneFlag(kind) = true; }

size_t TReports::RowCount(TReportKind kind) const {
    switch (kind) {
        case TReportKind::FileTypes: return typeRows_.size();
        case TReportKind::Attr: return attrList_.size();
        case TReportKind::Size: return sizeList_.size();
        case TReportKind::Date: return dateList_.size();
        case TReportKind::Time: return timeList_.size();
        case TReportKind::Owner: return ownerList_.size();
        case TReportKind::Sp: return spList_.size();
        case TReportKind::AllFolders: break;
    }
    return allFoldList_.size();
}

void TReports::Reset() {
    for (int k = 0; k < kReportKindCount; ++k) DoneFlag(static_cast<TReportKind>(k)) = false;
    // The views first: they must not draw records that are about to be freed.
    for (int k = 0; k < kReportKindCount; ++k) Refill(static_cast<TReportKind>(k), 0);
    typeRows_.clear();
    extList_.Clear();
    attrList_.Clear();
    sizeList_.Clear();
    dateList_.Clear();
    timeList_.Clear();
    ownerList_.Clear();
    spList_.Clear();
    allFoldList_.Clear();
}

template <class List, class Walk, class Sort>
void TReports::LoadBucketReport(TReportKind kind, List& list, std::string_view waitMessage,
                                bool sort, Walk&& walk, Sort&& sortList) {
    IReportView* view = View(kind);
    if (view) view->BeginWait(waitMessage);
    bool& done = DoneFlag(kind);
    if (!done) {
        if (view) view->Refill(0);  // its rows point into the list about to be rebuilt
        list.Clear();
        walk();
    }
    if (sort) sortList();
    if (view) {
        view->Refill(list.size());
        view->EndWait();
    }
    if (!list.empty()) done = true;
}

void TReports::LoadAttrReport(bool sort) {
    LoadBucketReport(
        TReportKind::Attr, attrList_, {}, sort, [&] { CollectAttr(scope_); },
        [&] {
            SortRecords(attrList_.items(), CompareAttr,
                        {options_.AttrSort, options_.AttrSortOrder});
        });
}

void TReports::LoadSizeReport(bool sort) {
    LoadBucketReport(
        TReportKind::Size, sizeList_, {}, sort, [&] { CollectSize(scope_); },
        [&] {
            SortRecords(sizeList_.items(), CompareSize,
                        {options_.SizeSort, options_.SizeSortOrder});
        });
}

void TReports::LoadDateReport(int basis, bool sort) {
    LoadBucketReport(
        TReportKind::Date, dateList_, {}, sort, [&] { CollectDate(scope_, basis); },
        [&] {
            SortRecords(dateList_.items(), CompareDate,
                        {options_.DateSort, options_.DateSortOrder});
        });
}

void TReports::LoadTimeReport(int basis, bool sort) {
    LoadBucketReport(
        TReportKind::Time, timeList_, {}, sort, [&] { CollectTime(scope_, basis); },
        [&] {
            SortRecords(timeList_.items(), CompareTime,
                        {options_.TimeSort, options_.TimeSortOrder});
        });
}

void TReports::LoadOwnerReport(bool sort) {
    LoadBucketReport(
        TReportKind::Owner, ownerList_, kReportWaitMessage, sort,
        [&] { CollectOwner(scope_); },
        [&] {
            SortRecords(ownerList_.items(), CompareOwner,
                        {options_.OwnerSort, options_.OwnerSortOrder});
        });
}

void TReports::LoadSpReport(bool sort) {
    LoadBucketReport(
        TReportKind::Sp, spList_, kReportWaitMessage, sort, [&] { CollectSp(scope_); },
        [&] {
            SortRecords(spList_.items(), CompareSp, {options_.LVSort8, options_.LVSortOrder8});
        });
}

void TReports::LoadFileTypesReport(bool sort) {
    if (options_.TypesDone) return;
    IReportView* view = View(TReportKind::FileTypes);
    if (view) {
        view->BeginWait(kReportWaitMessage);
        view->Refill(0);
    }
    typeRows_.clear();
    if (scope_.AtScanRoot()) {
        options_.ExtFromSubtree = false;
        for (const auto& info : scope_.report->FExtList) typeRows_.push_back(info.get());
    } else {
        options_.ExtFromSubtree = true;
        extList_.Clear();
        CollectExt(scope_);
        for (const auto& info : extList_) typeRows_.push_back(info.get());
    }
    if (typeRows_.empty()) {
        if (view) view->EndWait();
        return;
    }
    if (view) view->EndWait();
    if (sort)
        SortRecords(typeRows_, CompareExt, {options_.LVSort2, options_.LVSortOrder2});
    if (view) view->Refill(typeRows_.size());
    options_.TypesDone = true;
}

void TReports::SortFileTypes() {
    SortRecords(typeRows_, CompareExt, {options_.LVSort2, options_.LVSortOrder2});
    Refill(TReportKind::FileTypes, typeRows_.size());
}

void TReports::LoadAllFoldersReport(int kind) {
    if (options_.AllFoldDone) return;
    IReportView* view = View(TReportKind::AllFolders);
    if (view) {
        view->BeginWait(kReportWaitMessage);
        view->Refill(0);
    }
    allFoldList_.Clear();
    CollectAllFolders(kind, scope_);
    if (view) {
        if (!allFoldList_.empty()) view->Refill(allFoldList_.size());
        view->EndWait();
    }
}

void TReports::SortAllFolders() {
    SortRecords(allFoldList_.items(), CompareAllFold, {options_.LVSort9, options_.LVSortOrder9});
    Refill(TReportKind::AllFolders, allFoldList_.size());
}

void TReports::ColumnClick(TReportKind kind, int column, int basis) {
    if (RowCount(kind) == 0) return;
    switch (kind) {
        case TReportKind::FileTypes:
            ClickColumn(options_.LVSort2, options_.LVSortOrder2, column);
            SortFileTypes();
            break;
        case TReportKind::Attr:
            ClickColumn(options_.AttrSort, options_.AttrSortOrder, column);
            LoadAttrReport(true);
            break;
        case TReportKind::Size:
            ClickColumn(options_.SizeSort, options_.SizeSortOrder, column);
            LoadSizeReport(true);
            break;
        case TReportKind::Date:
            ClickColumn(options_.DateSort, options_.DateSortOrder, column);
            LoadDateReport(basis, true);
            break;
        case TReportKind::Time:
            ClickColumn(options_.TimeSort, options_.TimeSortOrder, column);
            LoadTimeReport(basis, true);
            break;
        case TReportKind::Owner:
            ClickColumn(options_.OwnerSort, options_.OwnerSortOrder, column);
            LoadOwnerReport(true);
            break;
        case TReportKind::Sp:
            ClickColumn(options_.LVSort8, options_.LVSortOrder8, column);
            LoadSpReport(true);
            break;
        case TReportKind::AllFolders:
            ClickColumn(options_.LVSort9, options_.LVSortOrder9, column);
            SortAllFolders();
            break;
    }
}

// ---- walkers ------------------------------------------------------------------------------

void TReports::CollectExt(const TReportScope& scope) {
    ForEachFile(scope, [&](const TFoldInfo* file) {
        const std::string_view ext = file->FExt();
        TExtInfo* info = extList_.Find(ext);
        if (!info) {
            auto created = std::make_unique<TExtInfo>();
            // The service is asked once per extension: it answers the same for every file.
            created->FTypeName = env_.typeInfo(ext).typeName;
            created->FExt = std::string(ext);
            for (char& c : created->FExt)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
            created->FImageIndex = file->FImageIndex();
            info = extList_.Append(std::move(created));
        }
        info->FCount += 1;
        info->FSize += file->FSize;
        info->FAllocSize += file->FAllocSize;
    });
}

void TReports::CollectAttr(const TReportScope& scope) {
    ForEachFile(scope, [&](const TFoldInfo* file) {
        const uint32_t buckets = AttrBucketsOf(file->FAttr);
        for (int i = 0; i < kAttrBucketCount; ++i)
            if (buckets & (1u << i)) AddToBucket(attrList_, kAttrBuckets[i].label, *file);
    });
}

void TReports::CollectSize(const TReportScope& scope) {
    ForEachFile(scope, [&](const TFoldInfo* file) {
        const int bucket = SizeBucketOf(file->FSize);
        AddToBucket(sizeList_, kSizeLabels[bucket], *file, bucket);
    });
}

void TReports::CollectDate(const TReportScope& scope, int basis) {
    const TDateRanges ranges(Now());
    ForEachFile(scope, [&](const TFoldInfo* file) {
        const uint32_t buckets = ranges.BucketsOf(StampOf(*file, basis));
        for (int i = 0; i < kDateBucketCount; ++i)
            if (buckets & (1u << i)) AddToBucket(dateList_, kDateLabels[i], *file, i);
    });
}

void TReports::CollectTime(const TReportScope& scope, int basis) {
    ForEachFile(scope, [&](const TFoldInfo* file) {
        const int bucket = HourBucketOf(StampOf(*file, basis));
        AddToBucket(timeList_, kHourLabels[bucket], *file, bucket);
    });
}

void TReports::CollectOwner(const TReportScope& scope) {
    // Consecutive files mostly share an owner: reuse the interned id of the previous answer.
    std::optional<TOwnerRecord> last;
    uint32_t lastId = 0;
    std::string path;
    const TOwnerLookup ownerOf = env_.newOwnerLookup();
    ForEachFileWithPath(scope, [&](TFoldInfo* file, const std::string& folderPath) {
        path.assign(folderPath);
        path += file->FName.view();
        if (std::optional<TOwnerRecord> found = ownerOf(path, file->FUid)) {
            if (!last || last->owner != found->owner || last->domain != found->domain) {
                lastId = InternOwner(found->owner, found->domain);
                last = std::move(found);
            }
            file->FOwnerId = lastId;
        }
        const std::string& owner = file->FOwner();
        ownerList_.Add(owner, *file, [&](TOwnerInfo& r) {
            r.FOwner = owner;
            r.FDomain = file->FDomain();
        });
    });
}

void TReports::CollectSp(const TReportScope& scope) {
    const std::string cachePath = env_.internetCachePath();
    const double bigThreshold =
        BigFileThreshold(options_.Reginfo.BigFileSize, options_.Reginfo.BigFileUnit);
    const TOldFileTest oldTest(options_.Reginfo.OldFilesDType, options_.Reginfo.OldFilesTime,
                               options_.Reginfo.OldFilesUnit, Now());
    std::vector<TNamedMasks> types;
    for (const TCustTypeInfo& t : custTypes_) types.push_back({t.FName, t.FMasks});
    const TCustTypeMatchers matchers(types);
    ForEachFileWithPath(scope, [&](const TFoldInfo* file, const std::string& folderPath) {
        if (InInternetCache(folderPath, cachePath))
            AddToBucket(spList_, "Internet Temporary Files", *file);
        if (file->FSize >= bigThreshold) AddToBucket(spList_, "Big Size Files", *file);
        if (oldTest.IsOld(*file)) AddToBucket(spList_, "Oldest Files", *file);
        if (file->FSize == 0) AddToBucket(spList_, "Zero Size Files", *file);
        if (file->FExt().empty()) AddToBucket(spList_, "Files without Extension", *file);
        if (const std::string* type = matchers.FirstMatch(*file))
            AddToBucket(spList_, *type, *file);
    });
}

void TReports::CollectAllFolders(int kind, const TReportScope& scope) {
    if (scope.Empty()) return;
    // Pre-order with the folder path built on the way down (no climb per folder).
    WalkTreeWithPath(
        *scope.items, scope.BasePath(),
        [&](TFoldInfo* node, const std::string& path) {
            FolderTotals(node);  // one pass over the first folder's subtree; a no-op below it
            const bool qualifies =
                kind == 1 ? node->FSize == 0 : (kind == 2 ? node->FSize != 0 : true);
            if (!qualifies) return;
            auto row = std::make_unique<TAllFoldInfo>();
            row->FName = node->FName.str();
            row->FPath = path;
            row->FFileCount = node->FFileCount;
            row->FFolderCount = node->FFolderCount;
            row->FSize = node->FSize;
            row->FAllocSize = node->FAllocSize;
            row->FModified = node->FModified;
            allFoldList_.Append(std::move(row));
        },
        [](TFoldInfo*, const std::string&) {});
}

}  // namespace fscope
