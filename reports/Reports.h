#pragma once
// The eight summary reports over the subtree of the selected folder: their lists, their
// "computed" (Done) flags and sort states (kept in the settings record), the Load operations and
// the reset rules. Non-visual: a report tab is an IReportView that is told to refill.
//
// Thread: the window's. A report list's records live until the next reset or recomputation of
// that report; a view must not keep pointers to rows past its next Refill.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/CustomTypes.h"
#include "common/Options.h"
#include "engine/SharedStrings.h"
#include "platform/TypeNames.h"
#include "reports/Compare.h"
#include "reports/OwnerLookup.h"
#include "reports/ReportRecords.h"
#include "reports/ReportWalk.h"

namespace fscope {

enum class TReportKind { FileTypes, Attr, Size, Date, Time, Owner, Sp, AllFolders };
inline constexpr int kReportKindCount = 8;

inline constexpr std::string_view kReportWaitMessage =
    "Please wait for few moments while loading the report. Please note that it may take more "
    "time if you have too many files.";

// What a report tab does for a Load operation. Rows are read from the report's list (by index,
// in list order) when the view draws them.
class IReportView {
public:
    virtual ~IReportView() = default;
    // Hourglass cursor; with a message, also the wait panel (ShowPnlProg).
    virtual void BeginWait(std::string_view message) = 0;
    virtual void EndWait() = 0;  // cursor restored, wait panel hidden
    // Drop every row, then show `rowCount` rows of the list (0: the view is left empty).
    virtual void Refill(size_t rowCount) = 0;
};

// What the reports read from outside the snapshot. Every member may be left empty to get the
// real service; tests put fixed ones in.
struct TReportEnvironment {
    // The current local date-time (date ranges, old files).
    std::function<TDateTime()> now;
    // Makes the owner look-up of one owner-report walk (OwnerLookup.h); a file whose owner
    // cannot be read keeps the owner it had.
    std::function<TOwnerLookup()> newOwnerLookup;
    // The Internet cache folder ("" when none), read each time the custom types summary runs.
    std::function<std::string()> internetCachePath;
    // The type name and icon of an extension (dot included).
    std::function<TShellTypeInfo(std::string_view ext)> typeInfo;
};

// The real services: the local clock, the disk owner look-up, GetSpecialFolderPath and
// ShellTypeInfo.
TReportEnvironment SystemReportEnvironment();

// Comparators by column; the result is negated for a descending state. A column without a key
// compares every pair as equal.
int CompareExt(const TExtInfo& a, const TExtInfo& b, TSortState state);
int CompareAttr(const TAttrInfo& a, const TAttrInfo& b, TSortState state);
int CompareSize(const TSizeInfo& a, const TSizeInfo& b, TSortState state);
int CompareDate(const TDateInfo& a, const TDateInfo& b, TSortState state);
int CompareTime(const TTimeInfo& a, const TTimeInfo& b, TSortState state);
int CompareOwner(const TOwnerInfo& a, const TOwnerInfo& b, TSortState state);
int CompareSp(const TSpInfo& a, const TSpInfo& b, TSortState state);
int CompareAllFold(const TAllFoldInfo& a, const TAllFoldInfo& b, TSortState state);

// The report collection of the main window.
class TReports {
public:
    // `options` holds the Done flags, ExtFromSubtree, the sort states and the settings the
    // reports read (Options() in the program); `custTypes` the custom types (CustTypes()).
    // Sets the initial sort states of the reports whose state is not stored: attributes column
    // 0 descending, size, date, hour and owner reports column 0 ascending.
    TReports(TOptions& options, const TCustTypeList& custTypes, TReportEnvironment env = {});

    // The selected folder (ReportScope). Changing it does not reset anything: the window calls
    // Reset (RefreshView) when the selection changes.
    void SetScope(const TReportScope& scope) { scope_ = scope; }
    const TReportScope& Scope() const { return scope_; }
    // The tab showing a report; null detaches it.
    void SetView(TReportKind kind, IReportView* view) { views_[static_cast<int>(kind)] = view; }

    // ---- Load operations -----------------------------------------------------------------
    // Computes the report into its list unless its Done flag is set, sorts it when `sort` is
    // set, refills its view and sets the Done flag; an empty report leaves the view empty and
    // the flag clear (so the next show walks again).
    void LoadAttrReport(bool sort);
    void LoadSizeReport(bool sort);
    void LoadDateReport(int basis, bool sort);  // basis 0 created, 1 modified, 2 accessed
    void LoadTimeReport(int basis, bool sort);
    void LoadOwnerReport(bool sort);  // writes the owners it finds into the files
    void LoadSpReport(bool sort);
    // Does nothing while TypesDone is set. At a scan root the report is the scan's FExtList
    // (ExtFromSubtree false); below it a fresh walk into ExtList (ExtFromSubtree true).
    void LoadFileTypesReport(bool sort);
    // Does nothing while AllFoldDone is set; rebuilds AllFoldList in pre-order for kind 0 (all
    // folders), 1 (subtree size 0) or 2 (subtree size not 0). Does not set AllFoldDone and
    // does not sort.
    void LoadAllFoldersReport(int kind);

    // Sorts the shown file types (ExtList or the scan's FExtList) with CompareExt and repaints.
    void SortFileTypes();
    // Sorts AllFoldList with CompareAllFold and repaints.
    void SortAllFolders();

    // A column click on a report list: ignored while the report has no rows; otherwise the
    // direction flips, the column is stored and the report is re-sorted without walking again
    // (`basis` is the checked radio button of the date and hour tabs).
    void ColumnClick(TReportKind kind, int column, int basis = 0);

    // The reset of RefreshView: all Done flags cleared, all lists emptied, all views emptied.
    // Also to be called before the scan's FExtList is changed (Search and Update).
    void Reset();
    // Sets the Done flag of a report (RefreshView sets it after computing the active tab).
    void MarkDone(TReportKind kind);
    bool& DoneFlag(TReportKind kind);

    // ---- the lists (read by the views and the exports) -----------------------------------
    // Rows of the file types report, in shown order: ExtList's or the scan's records.
    const std::vector<TExtInfo*>& FileTypeRows() const { return typeRows_; }
    const TExtList& ExtList() const { return extList_; }
    const TBucketList<TAttrInfo>& AttrList() const { return attrList_; }
    const TBucketList<TSizeInfo>& SizeList() const { return sizeList_; }
    const TBucketList<TDateInfo>& DateList() const { return dateList_; }
    const TBucketList<TTimeInfo>& TimeList() const { return timeList_; }
    const TBucketList<TOwnerInfo>& OwnerList() const { return ownerList_; }
    const TBucketList<TSpInfo>& SpList() const { return spList_; }
    const TBucketList<TAllFoldInfo>& AllFoldList() const { return allFoldList_; }
    size_t RowCount(TReportKind kind) const;

    // ---- the walkers (each adds to its list; exposed for the exports and tests) ----------
    void CollectExt(const TReportScope& scope);
    void CollectAttr(const TReportScope& scope);
    void CollectSize(const TReportScope& scope);
    void CollectDate(const TReportScope& scope, int basis);
    void CollectTime(const TReportScope& scope, int basis);
    void CollectOwner(const TReportScope& scope);
    void CollectSp(const TReportScope& scope);
    void CollectAllFolders(int kind, const TReportScope& scope);

private:
    template <class List, class Walk, class Sort>
    void LoadBucketReport(TReportKind kind, List& list, std::string_view waitMessage,
                          bool sort, Walk&& walk, Sort&& sortList);
    IReportView* View(TReportKind kind) const { return views_[static_cast<int>(kind)]; }
    void Refill(TReportKind kind, size_t count) const;
    TDateTime Now() const;

    TOptions& options_;
    const TCustTypeList& custTypes_;
    TReportEnvironment env_;
    TReportScope scope_;
    std::array<IReportView*, kReportKindCount> views_{};

    TExtList extList_;
    std::vector<TExtInfo*> typeRows_;
    TBucketList<TAttrInfo> attrList_;
    TBucketList<TSizeInfo> sizeList_;
    TBucketList<TDateInfo> dateList_;
    TBucketList<TTimeInfo> timeList_;
    TBucketList<TOwnerInfo> ownerList_;
    TBucketList<TSpInfo> spList_;
    TBucketList<TAllFoldInfo> allFoldList_;
};

}  // namespace fscope
