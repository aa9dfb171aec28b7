#pragma once
// The summary report and all-folders inputs of the exports, wired to the main window's report
// collection: the Load operation the CSV and XML writers call, the list as it stands, and the
// report's Done flag. The window's IExportSource returns these.

#include "export/AllFoldersExport.h"
#include "export/ReportExport.h"
#include "reports/Reports.h"

namespace fscope {

// `kind` one of FileTypes ... Sp; `basis` the checked radio button of the date and hour tabs
// (0 created, 1 modified, 2 accessed). `reports` must outlive the returned value.
TSummaryReport SummaryReportOf(TReports& reports, EReportKind kind, int basis, double reportTotal);

// `listKind` the checked radio button of the all-folders tab (0 all, 1 empty, 2 non-empty).
TAllFoldersList AllFoldersListOf(TReports& reports, int listKind, double reportTotal,
                                 const TAllFoldersColumns& visible);

}  // namespace fscope
