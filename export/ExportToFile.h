#pragma once
// The export command's dispatch: which writer makes the document for a report kind and a
// format, and writing the document to the chosen file.
//
// The window asks for the file (save dialog, filter index -> ExportFormatOfFilter, name ->
// WithFormatExtension) and implements IExportSource over its own state; nothing here shows a
// window. Call order: ExportToFile runs on the window's thread, because the sources read and
// recompute the window's report lists.

#include <string>

#include "export/AllFoldersExport.h"
#include "export/ExportContext.h"
#include "export/FolderListExport.h"
#include "export/ReportExport.h"
#include "export/ReportKind.h"
#include "export/ViewerExport.h"

namespace fscope {

// What the writers read from the main window.
class IExportSource {
public:
    virtual ~IExportSource() = default;
    // Settings, path box text, the current date-time and the row callback.
    virtual TExportContext Context() = 0;
    // Kind "Files": the File Explorer rows and visible columns.
    virtual TFolderListRows ExplorerList() = 0;
    // Kinds "FileTypes" ... "Sp": the report list, its Load operation and Done flag.
    virtual TSummaryReport SummaryReport(EReportKind kind) = 0;
    // Kind "AllFileFold": the all-folders list, its visible columns and AllFoldDone.
    virtual TAllFoldersList AllFoldersList() = 0;
};

// The document of `kind` in `format`.
std::string ExportDocument(EReportKind kind, EExportFormat format, IExportSource& source);

// ExportToFile: builds the document and writes it to `file` (already carrying its extension)
// through a temporary file renamed into place. Throws EFileWriteError when the file cannot be
// written; an earlier file of that name is then untouched.
void ExportToFile(EReportKind kind, EExportFormat format, const std::string& file,
                  IExportSource& source);

// The File Viewer's export: its document in `format`, written as ExportToFile does.
std::string ViewerDocument(EExportFormat format, const TViewerList& list,
                           const TExportContext& context);
void ExportViewerToFile(EExportFormat format, const std::string& file, const TViewerList& list,
                        const TExportContext& context);

}  // namespace fscope
