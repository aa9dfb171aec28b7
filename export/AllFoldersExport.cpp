#include "export/AllFoldersExport.h"

#include <array>
#include <string_view>

#include "common/SizeFormat.h"
#include "export/CsvText.h"
#include "export/ExportTexts.h"
#include "export/MarkupText.h"
#include "reports/ReportRows.h"

namespace fscope {
namespace {

using Column = EAllFoldersColumn;

enum class ETotal { Empty, Size, AllocSize, Files, Folders, None };

struct TColumnSpec {
    std::string_view htmlHeader;
    std::string_view htmlCellOpen;   // closed by "</TD>"
    std::string_view htmlTotalOpen;  // for the totals; closed by "</strong></TD>"
    ETotal total;                    // Empty: "<TD></TD>"; None: no cell at all
    std::string_view csvHeader;
    std::string_view xmlElement;  // "" when the column is not written to XML
};

constexpr std::array<TColumnSpec, kAllFoldersColumnCount> kColumns{{
    {"<Td width=\"250\">Name</Td>", "<TD>", "", ETotal::Empty, "Name", "Name"},
    {"<Td width=\"400\">Path</Td>", "<TD>", "", ETotal::Empty, "Path", "Path"},
    {"<Td width=\"80\" align=\"right\">Percent</Td>", "<TD width=\"80\" align=\"right\">", "",
     ETotal::Empty, "Percent", ""},
    {"<Td width=\"80\" align=\"right\">Size</Td>", "<TD width=\"80\" align=\"right\">",
     "<TD width=\"80\" align=\"right\"><strong>", ETotal::Size, "Size", "Size"},
    {"<Td width=\"80\" align=\"right\">Size on Disk</Td>", "<TD width=\"80\" align=\"right\">",
     "<TD width=\"80\" align=\"right\"><strong>", ETotal::AllocSize, "Size on Disk", "SizeOnDisk"},
    {"<Td align=\"center\">Files</Td>", "<TD width=\"80\" align=\"center\">",
     "<TD width=\"80\" align=\"center\"><strong>", ETotal::Files, "Files", "NoOfFiles"},
    {"<Td align=\"center\">Folders</Td>", "<TD width=\"80\" align=\"center\">",
     "<TD width=\"80\" align=\"center\"><strong>", ETotal::Folders, "Folders", "NoOfFolders"},
    {"<TD>Last Modified</TD>", "<TD>", "", ETotal::None, "Last Modified", "ModifiedDate"},
}};

constexpr std::string_view kHtmlPercentPicture = "######0.00 %";
constexpr std::string_view kCsvPercentPicture = "#######0.00 %";

std::string CellText(Column column, const TAllFoldInfo& row, const TAllFoldersList& list,
                     const TExportSettings& settings, std::string_view percentPicture) {
    switch (column) {
        case Column::Name:
            return row.FName;
        case Column::Path:
            return row.FPath;
        case Column::PercentOfParent:
            return FormatFloat(percentPicture, ReportPercent(row.FSize, list.reportTotal));
        case Column::Size:
            return SizeCell(settings, kReportSizeMask, row.FSize);
        case Column::SizeOnDisk:
            return SizeCell(settings, kReportSizeMask, row.FAllocSize);
        case Column::Files:
            return std::to_string(row.FFileCount);
        case Column::Folders:
            return std::to_string(row.FFolderCount);
        case Column::LastModified:
            return DateTimeCell(row.FModified);
    }
    return {};
}

template <class Fn>
void ForEachVisible(const TAllFoldersColumns& visible, Fn&& fn) {
    ForEachVisibleColumn<Column>(visible, kColumns, fn);
}

std::vector<const TAllFoldInfo*> RowsOf(const TAllFoldersList& list) {
    return list.rows ? list.rows() : std::vector<const TAllFoldInfo*>{};
}

}  // namespace

std::string ExportAllFoldersHtml(TAllFoldersList& list, const TExportContext& context) {
    const TExportSettings& settings = context.settings;
    std::string doc;
    AppendReportHtmlHead(doc, context.now);
    doc += "<h5 align=\"left\">All Folders and SubFolders Report for ";
    AppendMarkupText(doc, context.pathBoxText);
    doc += "</h5>\r\n";
    doc += kHtmlTableOpen;
    doc += "<tr bgcolor=\"#F5F2F7\" style=\"font-weight:bold;\">";
    ForEachVisible(list.visible,
                   [&](Column, const TColumnSpec& columnDef) { doc += columnDef.htmlHeader; });
    doc += "</TR>\r\n";

    const TDoneFlagHold hold(list.done);
    const std::vector<const TAllFoldInfo*> rows = RowsOf(list);
    doc.reserve(doc.size() + rows.size() * 320 + 256);
    double size = 0, allocSize = 0;
    long long files = 0, folders = 0;
    size_t written = 0;
    for (const TAllFoldInfo* row : rows) {
        doc += "<TR>";
        ForEachVisible(list.visible, [&](Column column, const TColumnSpec& columnDef) {
            doc += columnDef.htmlCellOpen;
            AppendMarkupText(doc, CellText(column, *row, list, settings, kHtmlPercentPicture));
            doc += "</TD>";
        });
        doc += "</TR>\r\n";
        size += row->FSize;
        allocSize += row->FAllocSize;
        files += row->FFileCount;
        folders += row->FFolderCount;
        context.RowWritten(++written);
    }

    doc += "<TR bgcolor=\"#F5F2F7\">";
    ForEachVisible(list.visible, [&](Column, const TColumnSpec& columnDef) {
        switch (columnDef.total) {
            case ETotal::None:
                return;
            case ETotal::Empty:
                doc += "<TD></TD>";
                return;
            default:
                break;
        }
        doc += columnDef.htmlTotalOpen;
        switch (columnDef.total) {
            case ETotal::Size:
                doc += SizeCell(settings, kReportSizeMask, size);
                break;
            case ETotal::AllocSize:
                doc += SizeCell(settings, kReportSizeMask, allocSize);
                break;
            case ETotal::Files:
                AppendCount(doc, files);
                break;
            default:
                AppendCount(doc, folders);
                break;
        }
        doc += "</strong></TD>";
    });
    doc += "</TR>";
    doc += kHtmlTableEnd;
    return doc;
}

std::string ExportAllFoldersCsv(TAllFoldersList& list, const TExportContext& context) {
    const std::string separator = CsvSeparator(context.settings.CSVSep);
    std::string doc;
    AppendCsvHead(doc, context.now);
    doc += "All Folders and SubFolders Report for ";
    doc += context.pathBoxText;
    doc += "\r\n\r\n";
    if (list.load) list.load();

    size_t lineStart = doc.size();
    ForEachVisible(list.visible, [&](Column, const TColumnSpec& columnDef) {
        AppendCsvField(doc, columnDef.csvHeader, separator);
        doc += separator;
    });
    DropLastChar(doc, lineStart);
    doc += kCrLf;

    const TDoneFlagHold hold(list.done);
    const std::vector<const TAllFoldInfo*> rows = RowsOf(list);
    doc.reserve(doc.size() + rows.size() * 160);
    size_t written = 0;
    for (const TAllFoldInfo* row : rows) {
        lineStart = doc.size();
        ForEachVisible(list.visible, [&](Column column, const TColumnSpec&) {
            AppendCsvField(doc, CellText(column, *row, list, context.settings, kCsvPercentPicture),
                           separator);
            doc += separator;
        });
        DropLastChar(doc, lineStart);
        doc += kCrLf;
        context.RowWritten(++written);
    }
    return doc;
}

std::string ExportAllFoldersXml(TAllFoldersList& list, const TExportContext& context) {
    std::string doc;
    AppendXmlHead(doc, context.now);
    if (list.load) list.load();

    const TDoneFlagHold hold(list.done);
    const std::vector<const TAllFoldInfo*> rows = RowsOf(list);
    doc.reserve(doc.size() + rows.size() * 256 + 64);
    doc += "<AllFoldSub>\r\n";
    size_t written = 0;
    for (const TAllFoldInfo* row : rows) {
        doc += "<Fold>";
        ForEachVisible(list.visible, [&](Column column, const TColumnSpec& columnDef) {
            if (columnDef.xmlElement.empty()) return;
            AppendXmlElement(doc, columnDef.xmlElement,
                             CellText(column, *row, list, context.settings, kCsvPercentPicture));
        });
        doc += "</Fold>\r\n";
        context.RowWritten(++written);
    }
    doc += "</AllFoldSub>\r\n</MainSec>\r\n";
    return doc;
}

}  // namespace fscope
