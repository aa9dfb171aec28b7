#include "export/ExportToFile.h"

#include "export/ExportDocument.h"

namespace fscope {

std::string ExportDocument(EReportKind kind, EExportFormat format, IExportSource& source) {
    const TExportContext context = source.Context();
    switch (kind) {
        case EReportKind::Files: {
            const TFolderListRows list = source.ExplorerList();
            switch (format) {
                case EExportFormat::Html:
                    return ExportFolderListHtml(list, context);
                case EExportFormat::Csv:
                    return ExportFolderListCsv(list, context);
                case EExportFormat::Xml:
                    return ExportFolderListXml(list, context);
            }
            break;
        }
        case EReportKind::AllFileFold: {
            TAllFoldersList list = source.AllFoldersList();
            switch (format) {
                case EExportFormat::Html:
                    return ExportAllFoldersHtml(list, context);
                case EExportFormat::Csv:
                    return ExportAllFoldersCsv(list, context);
                case EExportFormat::Xml:
                    return ExportAllFoldersXml(list, context);
            }
            break;
        }
        default: {
            TSummaryReport report = source.SummaryReport(kind);
            switch (format) {
                case EExportFormat::Html:
                    return ExportReportHtml(kind, report, context);
                case EExportFormat::Csv:
                    return ExportReportCsv(kind, report, context);
                case EExportFormat::Xml:
                    return ExportReportXml(kind, report, context);
            }
            break;
        }
    }
    return {};
}

void ExportToFile(EReportKind kind, EExportFormat format, const std::string& file,
                  IExportSource& source) {
    SaveExport(file, ExportDocument(kind, format, source));
}

std::string ViewerDocument(EExportFormat format, const TViewerList& list,
                           const TExportContext& context) {
    switch (format) {
        case EExportFormat::Html:
            return ExportViewerHtml(list, context);
        case EExportFormat::Csv:
            return ExportViewerCsv(list, context);
        case EExportFormat::Xml:
            return ExportViewerXml(list, context);
    }
    return {};
}

void ExportViewerToFile(EExportFormat format, const std::string& file, const TViewerList& list,
                        const TExportContext& context) {
    SaveExport(file, ViewerDocument(format, list, context));
}

}  // namespace fscope
