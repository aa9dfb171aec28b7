#pragma once
// The file list builders: the files below the selected folder that one report row counts, the
// special lists (junk, big, old, ... by key), the lists of a custom type, of a folder path and
// the duplicate lists. Each returns the list with its title; the File Viewer shows it.
//
// Lists hold references to the nodes of the report in the source scope.

#include <functional>
#include <string>
#include <string_view>

#include "common/Options.h"
#include "reports/ReportWalk.h"
#include "viewer/FileList.h"

namespace fscope {

// GetSourceItems: the report's top-level items when a report node (level 1) is selected, else
// the items of the selected folder; empty for the tree root or no selection.
inline TReportScope GetSourceItems(int level, const TFolioscope* report, const TFoldInfo* node) {
    return ReportScope(level, report, node);
}

// What the special lists read from outside the snapshot; empty members get the real service.
struct TListEnvironment {
    std::function<TDateTime()> now;                   // the current local date-time
    std::function<std::string()> internetCachePath;  // "" when there is none
};

// ---- report-row lists (ordered by VSort / VSortOrder of `options`) -------------------------
// Files whose extension equals `ext` without regard to ASCII letter case.
TFileList FilesByExt(const TReportScope& source, std::string_view ext, const TOptions& options);
// Files in the attribute row captioned `caption` (none for an unknown caption).
TFileList FilesByAttr(const TReportScope& source, std::string_view caption,
                      const TOptions& options);
// Files in size range `index` (0..17), by the size report's own range rule.
TFileList FilesBySize(const TReportScope& source, int index, std::string_view caption,
                      const TOptions& options);
// Files in date range `index` (0..10) of time stamp `dateKind` (0 created, 1 modified,
// 2 accessed), by the date report's own rule for the date-time `now`.
TFileList FilesByDate(const TReportScope& source, int dateKind, int index,
                      std::string_view caption, const TOptions& options, TDateTime now);
// Files in hour row `index` (0..23) of time stamp `dateKind`.
TFileList FilesByTime(const TReportScope& source, int dateKind, int index,
                      std::string_view caption, const TOptions& options);
// Files whose owner is exactly `owner`.
TFileList FilesByOwner(const TReportScope& source, std::string_view owner,
                       const TOptions& options);

// ---- special lists ---------------------------------------------------------------------
inline constexpr std::string_view kNoReportMessage =
    "Please search a path from \"File menu -> Start file search command\" first of all !";
inline constexpr std::string_view kScanFirstMessage =
    "Please scan the drive/folder first of all !";

// ShowSpecialFiles: with no report loaded, the message kNoReportMessage; with no folder
// selected (an empty `source`) or an unknown key, nothing; otherwise the list of `key` (JUNK,
// ZFILES, TEMP, COMPRESSED, FILESWE, BIG, OLD, IMAGE, ALLFILES, AUD, VID, NETTEMP, and the
// duplicate lists DUPSN, DUPSS, DUPSD, which keep their own order).
TListOutcome SpecialFiles(bool reportsLoaded, const TReportScope& source, std::string_view key,
                          const TOptions& options, const TListEnvironment& env = {});

// ShowCustomTypeFiles: files whose names match the masks `masks` of the custom type
// `typeName` (GetCustTypeMasks), titled with the type's name.
TFileList CustomTypeFiles(const TReportScope& source, std::string_view typeName,
                          std::string_view masks, const TOptions& options);

// ShowAllFilesFrom: with no report loaded, the message kScanFirstMessage; with no folder
// selected, nothing; otherwise the files below `source` whose folder path begins with
// `folderPath` (ending in '/'), titled "All Files from " + folderPath.
TListOutcome AllFilesFrom(bool reportsLoaded, const TReportScope& source,
                          std::string_view folderPath, const TOptions& options);

}  // namespace fscope
