#pragma once
// Pieces shared by the export documents: line ends, the visible-column set, the item paths,
// and saving a finished document.

#include <array>
#include <bitset>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/FileTime.h"

namespace fscope {

class TFolioscope;
class TFoldInfo;

inline constexpr std::string_view kCrLf = "\r\n";

// Columns of a list view that take part in an export: those whose width is not 0, in column
// index order. Bit i stands for column i.
template <size_t Count>
using TVisibleColumns = std::bitset<Count>;

// Calls fn(column, columnDef) for each visible column in index order; `Column` is the list's column
// enumeration, `columnDefs` its per-column table.
template <class Column, size_t Count, class ColumnDef, class Fn>
void ForEachVisibleColumn(const TVisibleColumns<Count>& visible,
                          const std::array<ColumnDef, Count>& columnDefs, Fn&& fn) {
    for (size_t i = 0; i < Count; ++i) {
        if (visible[i]) fn(static_cast<Column>(i), columnDefs[i]);
    }
}

template <size_t Count>
TVisibleColumns<Count> VisibleColumnsFromWidths(std::span<const int> widths) {
    TVisibleColumns<Count> visible;
    for (size_t i = 0; i < Count && i < widths.size(); ++i) visible[i] = widths[i] != 0;
    return visible;
}

// The full path of an entry as the lists show it: the folder path and the name, for files and
// folders alike (a folder's path has no '/' at its end).
std::string ItemFullPath(const TFolioscope& report, const TFoldInfo& node);

// Looks up the short form of a path (the DOS Name column); "" when there is none.
using TShortPathFn = std::function<std::string(const std::string& path)>;
// The DOS name of an entry: the short form of its full path (ItemFullPath). `shortPathName`
// empty means the platform's ShortPathName.
std::string DosNameOf(const TFolioscope& report, const TFoldInfo& node,
                      const TShortPathFn& shortPathName);

// Writes a finished document to `file`: to a new temporary file beside it, renamed into place
// when complete, so a failure leaves any earlier file of that name as it was. Throws
// EFileWriteError with the reason.
void SaveExport(const std::string& file, std::string_view document);

// The table tag every HTML page opens its table with (no line end).
inline constexpr std::string_view kHtmlTableOpen =
    "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
    "bordercolor=\"#A59898\" style=\"border-collapse: collapse\">";

// The head of the summary report and all-folders pages, up to and including the "Date : "
// line.
void AppendReportHtmlHead(std::string& document, TDateTime now);
// The end of every main-window page, after its last table row.
inline constexpr std::string_view kHtmlTableEnd = "</TABLE><BR><BR>\r\n</BODY></HTML><BR><BR>";

// The product line and the "Date : " line that open the main window's CSV files.
void AppendCsvHead(std::string& document, TDateTime now);

// The declaration, the opening MainSec element and the date line of the main window's XML
// files.
void AppendXmlHead(std::string& document, TDateTime now);
// "<tag>" + the text as markup + "</tag>".
void AppendXmlElement(std::string& document, std::string_view tag, std::string_view text);

// Sets a report's Done flag for the lifetime of the hold and clears it afterwards, also when
// writing fails.
class TDoneFlagHold {
public:
    explicit TDoneFlagHold(bool* flag) : flag_(flag) {
        if (flag_) *flag_ = true;
    }
    ~TDoneFlagHold() {
        if (flag_) *flag_ = false;
    }
    TDoneFlagHold(const TDoneFlagHold&) = delete;
    TDoneFlagHold& operator=(const TDoneFlagHold&) = delete;

private:
    bool* flag_;
};

// Removes the last character of the line that began at `lineStart` in `document` (the
// trailing separator of the CSV lines); nothing when that line is still empty.
inline void DropLastChar(std::string& document, size_t lineStart) {
    if (document.size() > lineStart) document.pop_back();
}

}  // namespace fscope
