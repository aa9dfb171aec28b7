#pragma once
// The File Viewer's list as an HTML page, a CSV text or an XML document, and the text its
// path copy puts on the clipboard.

#include <optional>
#include <span>
#include <string>

#include "export/ExportContext.h"
#include "export/ExportDocument.h"

namespace fscope {

class TFolioscope;
class TFoldInfo;

// Columns of the File Viewer list, by index.
enum class EViewerColumn {
    Name,
    Path,
    Type,
    Size,
    SizeOnDisk,
    LastModified,
    Attributes,
    CreatedDate,
    LastAccessed,
    DosName,
};
inline constexpr size_t kViewerColumnCount = 10;
using TViewerColumns = TVisibleColumns<kViewerColumnCount>;

// The File Viewer's rows as the window shows them. Holds references only.
struct TViewerList {
    const TFolioscope* report = nullptr;  // the report the files belong to (for paths)
    std::span<TFoldInfo* const> rows;     // the list view's rows, in display order
    std::span<const size_t> selected;     // indices of the selected rows, ascending
    TViewerColumns visible;               // columns whose width is not 0
    std::string title;                    // the list title (pnlTitle)
    TShortPathFn shortPathName;           // empty: the platform's
};

// The rows written: HTML writes the selected rows when at least one is selected, CSV and XML
// only when more than one is (one selected row exports the whole list); otherwise all rows.
// `context.pathBoxText` is the text of the main window's path box (the CSV names it).
std::string ExportViewerHtml(const TViewerList& list, const TExportContext& context);
std::string ExportViewerCsv(const TViewerList& list, const TExportContext& context);
std::string ExportViewerXml(const TViewerList& list, const TExportContext& context);

// CopyViewerPathsToClipboard: the full path of each selected row, in list order, each
// followed by CR LF. nullopt when the list is empty or nothing is selected (the clipboard is
// then left alone).
std::optional<std::string> ViewerPathsText(const TViewerList& list);

}  // namespace fscope
