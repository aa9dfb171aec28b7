#pragma once
// The File Explorer list as an HTML page, a CSV text or an XML document.

#include <functional>
#include <span>
#include <string>

#include "export/ExportContext.h"
#include "export/ExportDocument.h"

namespace fscope {

class TFolioscope;
class TFoldInfo;

// Columns of the File Explorer list, by index.
enum class EExplorerColumn {
    Name,
    PercentOfParent,
    Size,
    SizeOnDisk,
    Folders,
    Files,
    Type,
    LastModified,
    Attributes,
    CreatedDate,
    LastAccessed,
    DosName,
};
inline constexpr size_t kExplorerColumnCount = 12;
using TExplorerColumns = TVisibleColumns<kExplorerColumnCount>;

// The rows of the File Explorer list as the window shows them. Holds references only.
struct TFolderListRows {
    const TFolioscope* report = nullptr;  // the report the rows belong to (for paths)
    std::span<TFoldInfo* const> rows;     // ExplorerRows, in display order
    TExplorerColumns visible;             // columns whose width is not 0
    // The "% of Parent" value of a row: its share of its folder's total, as the list shows it.
    std::function<double(const TFoldInfo&)> percentOf;
    TShortPathFn shortPathName;  // empty: the platform's
};

// Documents; the caller saves them with SaveExport (ExportToFile does both).
std::string ExportFolderListHtml(const TFolderListRows& list, const TExportContext& context);
std::string ExportFolderListCsv(const TFolderListRows& list, const TExportContext& context);
std::string ExportFolderListXml(const TFolderListRows& list, const TExportContext& context);

}  // namespace fscope
