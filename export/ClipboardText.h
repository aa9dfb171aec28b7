#pragma once
// The texts the main window's path copies put on the clipboard: one full path per selected
// row, in list order, each followed by CR LF. The window puts the text on the clipboard; the
// bytes are the names as stored (decode them for the clipboard as file names are decoded for
// display).

#include <span>
#include <string>

#include "reports/ReportRecords.h"

namespace fscope {

class TFolioscope;
class TFoldInfo;

// CopyPathsToClipboard: each selected File Explorer row's folder path and name, for file and
// folder rows alike (a folder line does not end in '/'). The paths come from the rows'
// report, so they are right whatever the path box holds.
std::string CopyPathsToClipboard(const TFolioscope& report, std::span<TFoldInfo* const> selected);

// CopyAllFolderPathsToClipboard: each selected all-folders row's FPath (ending in '/').
std::string CopyAllFolderPathsToClipboard(std::span<const TAllFoldInfo* const> selected);

}  // namespace fscope
