#include "export/ViewerExport.h"

#include <array>
#include <string_view>
#include <vector>

#include "common/SizeFormat.h"
#include "engine/Folioscope.h"
#include "export/CsvText.h"
#include "export/ExportTexts.h"
#include "export/MarkupText.h"

namespace fscope {
namespace {

using Column = EViewerColumn;

struct TColumnSpec {
    std::string_view name;  // CSV header
    std::string_view htmlHeader;
    std::string_view htmlCellOpen;  // closed by "</TD>"
    std::string_view xmlElement;
};

constexpr std::array<TColumnSpec, kViewerColumnCount> kColumns{{
    {"Name", "<TD>Name</TD>", "<TD>", "Name"},
    {"Path", "<TD>Path</TD>", "<TD>", "Path"},
    {"Type", "<TD>Type</TD>", "<TD>", "Type"},
    {"Size", "<TD width=\"80\" align=\"right\">Size</TD>", "<TD width=\"80\" align=\"right\">",
     "Size"},
    {"Size on Disk", "<TD width=\"80\" align=\"right\">Size on Disk</TD>",
     "<TD width=\"80\" align=\"right\">", "SizeOnDisk"},
    {"Last Modified", "<TD width=\"100\">Last Modified</TD>", "<TD width=\"100\">", "ModifiedDate"},
    {"Attributes", "<TD>Attributes</TD>", "<TD>", "Attributes"},
    {"Created Date", "<TD width=\"100\">Created Date</TD>", "<TD width=\"100\">", "CreatedDate"},
    {"Last Accessed", "<TD width=\"100\">Last Accessed</TD>", "<TD width=\"100\">", "LastAccessed"},
    {"DOS Name", "<TD>DOS Name</TD>", "<TD>", "DOSName"},
}};

template <class Fn>
void ForEachVisible(const TViewerColumns& visible, Fn&& fn) {
    ForEachVisibleColumn<Column>(visible, kColumns, fn);
}

std::string CellText(Column column, const TFoldInfo& node, const TViewerList& list,
                     const TExportSettings& settings) {
    switch (column) {
        case Column::Name:
            return node.FName.str();
        case Column::Path:
            return list.report ? list.report->GetItemPath(&node) : std::string();
        case Column::Type:
            return node.FTypeName();
        case Column::Size:
            return SizeCell(settings, kSizeMask, node.FSize);
        case Column::SizeOnDisk:
            return SizeCell(settings, kSizeMask, node.FAllocSize);
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

// Calls fn(node) for each row a format writes: the selected rows when at least
// `minimumSelected` are selected, otherwise every row.
template <class Fn>
void ForEachWrittenRow(const TViewerList& list, size_t minimumSelected, Fn&& fn) {
    if (list.selected.size() >= minimumSelected) {
        for (const size_t index : list.selected) {
            if (index < list.rows.size()) fn(*list.rows[index]);
        }
        return;
    }
    for (const TFoldInfo* node : list.rows) fn(*node);
}

constexpr size_t kHtmlMinimumSelected = 1;
constexpr size_t kCsvXmlMinimumSelected = 2;

}  // namespace

std::string ExportViewerHtml(const TViewerList& list, const TExportContext& context) {
    const TExportSettings& settings = context.settings;
    std::string doc;
    doc.reserve(2048 + list.rows.size() * 320);
    doc += "<HTML><HEAD><TITLE>Folioscope Pro - Disk Space Report</TITLE>\r\n";
    doc += "<style type=\"text/css\">\r\n";
    doc += "BODY {BACKGROUND: #ffffff; COLOR: #000000; FONT-FAMILY: Tahoma,Arial}\r\n";
    doc += "TD {font-size: 8pt;font-family: Tahoma,Arial;Color: #000000}\r\n";
    doc += "</style></HEAD>\r\n";
    doc += "<body>\r\n";
    doc += "<h3 align=\"center\">Disk Space Report</h3>\r\n";
    doc += "<h5 align=\"center\">Created with Folioscope Pro</h5>\r\n\r\n";
    doc += "<h5 align=\"left\">Date : " + LongDateStamp(context.now) + "</h5>\r\n";
    doc += "<h5 align=\"left\">";
    AppendMarkupText(doc, list.title);
    doc += " </h5>\r\n";
    doc += kHtmlTableOpen;
    doc += kCrLf;
    doc += "<tr bgcolor=\"#F5F2F7\">\r\n";
    ForEachVisible(list.visible, [&](Column, const TColumnSpec& columnDef) {
        doc += columnDef.htmlHeader;
        doc += kCrLf;
    });
    doc += "</TR>\r\n";

    double size = 0, allocSize = 0;
    size_t written = 0;
    ForEachWrittenRow(list, kHtmlMinimumSelected, [&](const TFoldInfo& node) {
        doc += "<TR>";
        ForEachVisible(list.visible, [&](Column column, const TColumnSpec& columnDef) {
            doc += columnDef.htmlCellOpen;
            AppendMarkupText(doc, CellText(column, node, list, settings));
            doc += "</TD>";
        });
        doc += "</TR>\r\n";
        size += node.FSize;
        allocSize += node.FAllocSize;
        context.RowWritten(++written);
    });

    doc += "<TR bgcolor=\"#F5F2F7\">";
    ForEachVisible(list.visible, [&](Column column, const TColumnSpec&) {
        if (column != Column::Size && column != Column::SizeOnDisk) {
            doc += "<TD></TD>";
            return;
        }
        doc += "<TD width=\"80\" align=\"right\"><strong>";
        doc += SizeCell(settings, kSizeMask, column == Column::Size ? size : allocSize);
        doc += "</strong></TD>";
    });
    doc += "</TR>\r\n";
    doc += "</TABLE><BR><BR>\r\n";
    doc += "</BODY></HTML><BR><BR>\r\n";
    return doc;
}

std::string ExportViewerCsv(const TViewerList& list, const TExportContext& context) {
    const TExportSettings& settings = context.settings;
    const std::string separator = CsvSeparator(settings.CSVSep);
    std::string doc;
    doc.reserve(1024 + list.rows.size() * 192);
    doc += "Disk Space Report\r\n";
    doc += "Created with Folioscope Pro\r\n";
    doc += "Date : " + NumericDateStamp(context.now) + "\r\n\r\n";
    doc += list.title;
    doc += " - ";
    doc += context.pathBoxText;
    doc += "\r\n\r\n";

    size_t lineStart = doc.size();
    ForEachVisible(list.visible, [&](Column, const TColumnSpec& columnDef) {
        AppendCsvField(doc, columnDef.name, separator);
        doc += separator;
    });
    DropLastChar(doc, lineStart);
    doc += "\r\n\r\n";

    double size = 0, allocSize = 0;
    size_t written = 0;
    ForEachWrittenRow(list, kCsvXmlMinimumSelected, [&](const TFoldInfo& node) {
        lineStart = doc.size();
        ForEachVisible(list.visible, [&](Column column, const TColumnSpec&) {
            AppendCsvField(doc, CellText(column, node, list, settings), separator);
            doc += separator;
        });
        DropLastChar(doc, lineStart);
        doc += kCrLf;
        size += node.FSize;
        allocSize += node.FAllocSize;
        context.RowWritten(++written);
    });

    // The total line: an empty field under each of Name, Path and Type, then the two size
    // sums; the later columns get nothing and the final separator stays.
    ForEachVisible(list.visible, [&](Column column, const TColumnSpec&) {
        if (column == Column::Size || column == Column::SizeOnDisk) {
            AppendCsvField(doc,
                           SizeCell(settings, kSizeMask, column == Column::Size ? size : allocSize),
                           separator);
        } else if (column > Column::SizeOnDisk) {
            return;
        }
        doc += separator;
    });
    doc += "\r\n\r\n";
    return doc;
}

std::string ExportViewerXml(const TViewerList& list, const TExportContext& context) {
    std::string doc;
    doc.reserve(256 + list.rows.size() * 384);
    doc += "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n";
    doc += "<MainSec>\r\n";
    doc += "<Date>" + ShortDateStamp(context.now) + "</Date>\r\n";
    doc += "<Details>\r\n";
    size_t written = 0;
    ForEachWrittenRow(list, kCsvXmlMinimumSelected, [&](const TFoldInfo& node) {
        doc += "<Detail>";
        ForEachVisible(list.visible, [&](Column column, const TColumnSpec& columnDef) {
            AppendXmlElement(doc, columnDef.xmlElement,
                             CellText(column, node, list, context.settings));
        });
        doc += "</Detail>\r\n";
        context.RowWritten(++written);
    });
    doc += "</Details>\r\n";
    doc += "</MainSec>\r\n";
    return doc;
}

std::optional<std::string> ViewerPathsText(const TViewerList& list) {
    if (list.rows.empty() || list.selected.empty() || list.report == nullptr) return std::nullopt;
    std::string text;
    for (const size_t index : list.selected) {
        if (index >= list.rows.size()) continue;
        const TFoldInfo& node = *list.rows[index];
        text += list.report->GetItemPath(&node);
        text += node.FName.view();
        text += kCrLf;
    }
    return text;
}

}  // namespace fscope
