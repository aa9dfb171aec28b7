#pragma once
// The texts of the report rows, shared by the report tabs and the exports, and the percent
// against the File Explorer total (ReportTotal).

#include <string>

#include "common/Options.h"
#include "reports/Reports.h"

namespace fscope {

// Share of `size` in `reportTotal`, in percent; 0 when the total is 0 (or not a positive
// finite number), never a division error.
double ReportPercent(double size, double reportTotal);
// The file types bar counts a type of 0 bytes as 1 byte.
double FileTypePercent(double size, double reportTotal);
// The on-screen picture of a percent: "######0.00 %".
std::string PercentText(double percent);

// A size through FormatSize with the list unit SizeType, "##########0" and Decimals.
std::string ReportSizeText(double bytes, const TOptions& options);

// The text of one cell of a report list: `row` in the list's current order, `column` as in the
// report's list view. Percent columns are empty (drawn as bars); a row or column out of range
// gives "".
std::string ReportCellText(const TReports& reports, TReportKind kind, size_t row, int column,
                           const TOptions& options);

}  // namespace fscope
