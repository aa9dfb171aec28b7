#pragma once
// The all-folders list as an HTML page, a CSV text or an XML document: its visible columns,
// and on the page a total row.

#include <functional>
#include <string>
#include <vector>

#include "export/ExportContext.h"
#include "export/ExportDocument.h"
#include "reports/ReportRecords.h"

namespace fscope {

// Columns of the all-folders list, by index.
enum class EAllFoldersColumn {
    Name,
    Path,
    PercentOfParent,
    Size,
    SizeOnDisk,
    Files,
    Folders,
    LastModified,
};
inline constexpr size_t kAllFoldersColumnCount = 8;
using TAllFoldersColumns = TVisibleColumns<kAllFoldersColumnCount>;

// The all-folders list as the window hands it to the exports.
struct TAllFoldersList {
    // Makes sure the list exists: LoadAllFoldersReport with the kind of the checked radio
    // button. Called by the CSV and XML writers before they read the rows; may be empty.
    std::function<void()> load;
    // AllFoldList as it stands, in the order the tab shows.
    std::function<std::vector<const TAllFoldInfo*>()> rows;
    bool* done = nullptr;        // AllFoldDone: set while the rows are written, then cleared
    double reportTotal = 0;      // the percent base (the File Explorer total)
    TAllFoldersColumns visible;  // columns whose width is not 0
};

// The records of a list of owned records, in list order.
template <class List>
std::vector<const TAllFoldInfo*> AllFoldRecordsOf(const List& list) {
    std::vector<const TAllFoldInfo*> rows;
    rows.reserve(list.size());
    for (const auto& record : list) rows.push_back(&*record);
    return rows;
}

std::string ExportAllFoldersHtml(TAllFoldersList& list, const TExportContext& context);
std::string ExportAllFoldersCsv(TAllFoldersList& list, const TExportContext& context);
std::string ExportAllFoldersXml(TAllFoldersList& list, const TExportContext& context);

}  // namespace fscope
