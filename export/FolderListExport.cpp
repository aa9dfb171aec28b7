#include "export/FolderListExport.h"

#include <array>
#include <string_view>

#include "common/SizeFormat.h"
#include "engine/Folioscope.h"
#include "export/CsvText.h"
#include "export/ExportTexts.h"
#include "export/MarkupText.h"

namespace fscope {
namespace {

using Column = EExplorerColumn;

// What the total row holds under a column.
enum class ETotal { None, Size, AllocSize, Folders, Files };

struct TColumnSpec {
    std::string_view htmlHeader;
    std::string_view htmlCellOpen;   // the cell is closed by "</TD>"
    std::string_view htmlTotalOpen;  // "" for an empty total cell
    ETotal total;
    std::string_view csvHeader;
    std::string_view xmlElement;  // "" when the column is not written to XML
};

constexpr std::array<TColumnSpec, kExplorerColumnCount> kColumns{{
    {"<Td>Name</Td>", "<TD>", "", ETotal::None, "Name", "Name"},
    {"<Td align=\"right\" width=\"80\">% of Parent</Td>", "<TD style=\"width:80px;\">", "",
     ETotal::None, "Percent", ""},
    {"<Td align=\"right\" width=\"80\">Size</Td>", "<TD align=\"right\">",
     "<TD align=\"right\"><strong>", ETotal::Size, "Size", "Size"},
    {"<Td align=\"right\" width=\"80\">Size on Disk</Td>", "<TD align=\"right\">",
     "<TD align=\"right\"><strong>", ETotal::AllocSize, "Size on Disk", "SizeOnDisk"},
    {"<Td align=\"center\" width=\"80\">Folders</Td>", "<TD align=\"center\">",
     "<TD align=\"center\"><strong>", ETotal::Folders, "Folders", "Folders"},
    {"<Td align=\"center\" width=\"80\">Files</Td>", "<TD align=\"center\">",
     "<TD align=\"center\"><strong>", ETotal::Files, "Files", "Files"},
    {"<Td width=\"100\">Type</Td>", "<TD>", "", ETotal::None, "Type", "Type"},
    {"<Td width=\"150\">Last Modified</Td>", "<TD>", "", ETotal::None, "Last Modified",
     "ModifiedDate"},
    {"<Td align=\"center\">Attributes</Td>", "<TD align=\"center\">", "", ETotal::None,
     "Attributes", "Attributes"},
    {"<Td width=\"150\">Created Date</Td>", "<TD>", "", ETotal::None, "Created Date",
     "CreatedDate"},
    {"<Td width=\"150\">Last Accessed</Td>", "<TD>", "", ETotal::None, "Last Accessed",
     "LastAccessed"},
    {"<Td>DOS Name</Td>", "<TD align=\"right\">", "", ETotal::None, "DOS Name", "DOSName"},
}};

constexpr std::string_view kHtmlPercentPicture = "###########0.00 %";
constexpr std::string_view kCsvPercentPicture = "########0.00 %";

// Folder and file counts of a row: the subtree totals of a folder, 0 for a file.
long long FolderCountOf(const TFoldInfo& node) { return node.IsFolder() ? node.FFolderCount : 0; }
long long FileCountOf(const TFoldInfo& node) { return node.IsFolder() ? node.FFileCount : 0; }

// The text of one cell, before escaping or quoting.
std::string CellText(Column column, const TFoldInfo& node, const TFolderListRows& list,
                     const TExportSettings& settings, std::string_view percentPicture) {
    switch (column) {
        case Column::Name:
            return node.FName.str();
        case Column::PercentOfParent:
            return FormatFloat(percentPicture, list.percentOf ? list.percentOf(node) : 0.0);
        case Column::Size:
            return SizeCell(settings, kSizeMask, node.FSize);
        case Column::SizeOnDisk:
            return SizeCell(settings, kSizeMask, node.FAllocSize);
        case Column::Folders:
            return std::to_string(FolderCountOf(node));
        case Column::Files:
            return std::to_string(FileCountOf(node));
        case Column::Type:
            return node.FTypeName();
        case Column::LastModified:
            return DateTimeCell(node.FModified);
        case Column::Attributes:
            return AttrToText(node.FAttr);
        case Column::CreatedDate:
            return DateTimeCell(node.FCreated);
        case Column::LastAccessed:
            return DateTimeCell(node.FAccessed);
        case Column::DosName:
            return list.report ? DosNameOf(*list.report, node, list.shortPathName) : std::string();
    }
    return {};
}

struct TTotals {
    double size = 0, allocSize = 0;
    long long folders = 0, files = 0;

    void Add(const TFoldInfo& node) {
        size += node.FSize;
        allocSize += node.FAllocSize;
        folders += FolderCountOf(node);
        files += FileCountOf(node);
    }
    std::string Text(ETotal total, const TExportSettings& settings) const {
        switch (total) {
            case ETotal::Size:
                return SizeCell(settings, kReportSizeMask, size);
            case ETotal::AllocSize:
                return SizeCell(settings, kReportSizeMask, allocSize);
            case ETotal::Folders:
                return std::to_string(folders);
            case ETotal::Files:
                return std::to_string(files);
            case ETotal::None:
                break;
        }
        return {};
    }
};

template <class Fn>
void ForEachVisible(const TExplorerColumns& visible, Fn&& fn) {
    ForEachVisibleColumn<Column>(visible, kColumns, fn);
}

}  // namespace

std::string ExportFolderListHtml(const TFolderListRows& list, const TExportContext& context) {
    const TExportSettings& settings = context.settings;
    std::string doc;
    doc.reserve(1024 + list.rows.size() * 256);
    doc += "<HTML><HEAD><TITLE>Disk Space Report</TITLE>\r\n";
    doc += "<style type=\"text/css\">";
    doc += "BODY {BACKGROUND: #ffffff; FONT-FAMILY: Tahoma,Arial;}";
    doc += "TD{font-size: 8pt;font-family: Tahoma,Arial;Color: #000000}";
    doc += "</style></HEAD>";
    doc += "<body>";
    doc += "<h3 align=\"center\">Disk Space Report</h3>\r\n";
    doc += "<h5 align=\"center\">Created with Folioscope Pro</h5>\r\n";
    doc += "<h5 align=\"left\">Date : " + LongDateStamp(context.now) + "</h5>\r\n";
    doc += "<h5 align=\"left\">Report for Files and Folders of ";
    AppendMarkupText(doc, context.pathBoxText);
    doc += "</h5>\r\n";
    doc += kHtmlTableOpen;
    doc += "<tr style=\"background-color:#eeeeee;font-weight:bold;\">";
    ForEachVisible(list.visible,
                   [&](Column, const TColumnSpec& columnDef) { doc += columnDef.htmlHeader; });
    doc += "</TR>\r\n";

    TTotals totals;
    size_t written = 0;
    for (const TFoldInfo* node : list.rows) {
        doc += "<TR>";
        ForEachVisible(list.visible, [&](Column column, const TColumnSpec& columnDef) {
            doc += columnDef.htmlCellOpen;
            AppendMarkupText(doc, CellText(column, *node, list, settings, kHtmlPercentPicture));
            doc += "</TD>";
        });
        doc += "</TR>\r\n";
        totals.Add(*node);
        context.RowWritten(++written);
    }

    doc += "<TR bgcolor=\"#cccccc\">";
    ForEachVisible(list.visible, [&](Column, const TColumnSpec& columnDef) {
        if (columnDef.total == ETotal::None) {
            doc += "<TD></TD>";
            return;
        }
        doc += columnDef.htmlTotalOpen;
        doc += totals.Text(columnDef.total, settings);
        doc += "</strong></TD>";
    });
    doc += "</TR>";
    doc += kHtmlTableEnd;
    return doc;
}

std::string ExportFolderListCsv(const TFolderListRows& list, const TExportContext& context) {
    const TExportSettings& settings = context.settings;
    const std::string separator = CsvSeparator(settings.CSVSep);
    std::string doc;
    doc.reserve(512 + list.rows.size() * 128);
    AppendCsvHead(doc, context.now);
    doc += "File and Folders List for ";
    doc += context.pathBoxText;
    doc += "\r\n\r\n";

    size_t lineStart = doc.size();
    ForEachVisible(list.visible, [&](Column, const TColumnSpec& columnDef) {
        AppendCsvField(doc, columnDef.csvHeader, separator);
        doc += separator;
    });
    DropLastChar(doc, lineStart);
    doc += "\r\n\r\n";

    TTotals totals;
    size_t written = 0;
    for (const TFoldInfo* node : list.rows) {
        lineStart = doc.size();
        ForEachVisible(list.visible, [&](Column column, const TColumnSpec&) {
            AppendCsvField(doc, CellText(column, *node, list, settings, kCsvPercentPicture),
                           separator);
            doc += separator;
        });
        DropLastChar(doc, lineStart);
        doc += kCrLf;
        totals.Add(*node);
        context.RowWritten(++written);
    }

    // The total line has fields under the leading columns only (name and percent empty,
    // then the four sums); the columns from Type on add nothing.
    lineStart = doc.size();
    ForEachVisible(list.visible, [&](Column column, const TColumnSpec& columnDef) {
        if (column > Column::Files) return;
        AppendCsvField(doc, totals.Text(columnDef.total, settings), separator);
        doc += separator;
    });
    DropLastChar(doc, lineStart);
    doc += kCrLf;
    return doc;
}

std::string ExportFolderListXml(const TFolderListRows& list, const TExportContext& context) {
    const TExportSettings& settings = context.settings;
    std::string doc;
    doc.reserve(256 + list.rows.size() * 256);
    AppendXmlHead(doc, context.now);
    doc += "<Details>\r\n";
    size_t written = 0;
    for (const TFoldInfo* node : list.rows) {
        doc += "<Detail>";
        ForEachVisible(list.visible, [&](Column column, const TColumnSpec& columnDef) {
            if (columnDef.xmlElement.empty()) return;
            AppendXmlElement(doc, columnDef.xmlElement,
                             CellText(column, *node, list, settings, kCsvPercentPicture));
        });
        doc += "</Detail>\r\n";
        context.RowWritten(++written);
    }
    doc += "</Details>\r\n</MainSec>\r\n";
    return doc;
}

}  // namespace fscope
