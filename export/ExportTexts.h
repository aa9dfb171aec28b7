#pragma once
// Date and number texts shared by the export documents.

#include <string>
#include <string_view>

#include "export/ExportContext.h"
#include "platform/FileTime.h"

namespace fscope {

// "dd, mmmm yyyy hh:nn:ss am/pm": "05, March 2024 02:07:09 pm" (12-hour clock, 12 for noon
// and midnight). The "Date : " line of the HTML pages and of the report CSV files.
std::string LongDateStamp(TDateTime now);
// "dd/mm/yyyy hh:nn:ss am/pm" with the date separator of the short date format:
// "05-03-2024 02:07:09 pm". The "Date : " line of the File Viewer's CSV file.
std::string NumericDateStamp(TDateTime now);
// The date alone in the short date format ("2024-03-05"): the <Date> line of the XML files.
std::string ShortDateStamp(TDateTime now);
// The default date-and-time text of a cell: short date, a space and the long time; the date
// alone when the time is exactly midnight.
std::string DateTimeCell(TDateTime value);

// A size cell: FormatSize with the settings' unit and decimals and the picture `mask`.
std::string SizeCell(const TExportSettings& settings, std::string_view mask, double value);

// The integer pictures of the size cells and of the size totals.
inline constexpr std::string_view kSizeMask = "##########0";
inline constexpr std::string_view kReportSizeMask = "#########0";

// Appends a count in plain decimal.
void AppendCount(std::string& out, long long value);

}  // namespace fscope
