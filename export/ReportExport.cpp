#include "export/ReportExport.h"

#include <array>
#include <stdexcept>

#include "common/SizeFormat.h"
#include "export/CsvText.h"
#include "export/ExportDocument.h"
#include "export/ExportTexts.h"
#include "export/MarkupText.h"
#include "reports/ReportRows.h"

namespace fscope {
namespace {

enum class EField { Name, Second, Percent, Count, Size, AllocSize };

// Up to six fields of a row, in the order a format writes them.
struct TFieldList {
    std::array<EField, 6> fields{};
    size_t count = 0;

    template <class Fn>
    void ForEach(Fn&& fn) const {
        for (size_t i = 0; i < count; ++i) fn(fields[i], i);
    }
};

constexpr TFieldList Fields(std::initializer_list<EField> list) {
    TFieldList result;
    for (const EField f : list) result.fields[result.count++] = f;
    return result;
}

using F = EField;
constexpr TFieldList kNameCountSizes = Fields({F::Name, F::Count, F::Size, F::AllocSize});

struct TKindSpec {
    EReportKind kind;
    std::string_view htmlTitle;
    std::string_view csvTitle;
    std::string_view htmlHeader;  // the whole header row
    TFieldList htmlFields;
    TFieldList csvFields;
    std::array<std::string_view, 6> csvHeaders;
    std::string_view csvPercentPicture;
    std::string_view xmlList;
    std::string_view xmlRecord;
    std::string_view xmlNameTag;
};

constexpr std::string_view kPercentPicture = "########0.00 %";
// The file types CSV writes no digit before the point below 1 % (".40 %").
constexpr std::string_view kFileTypesCsvPercentPicture = "#######.00 %";

constexpr std::array<TKindSpec, 7> kKinds{{
    {EReportKind::FileTypes,
     "File Types Report for ",
     "File Types Report for ",
     "<tr bgcolor=\"#F5F2F7\" style=\"font-weight:bold;\"><TD>Type</TD><TD>Extension</TD>"
     "<TD>Percent</TD><TD>No of files</TD><TD align=\"right\">Size</TD><TD align=\"right\">"
     "Size on Disk</TD></TR>",
     Fields({F::Name, F::Second, F::Percent, F::Count, F::Size, F::AllocSize}),
     Fields({F::Name, F::Percent, F::Count, F::Size, F::AllocSize}),
     {"Type", "Percent", "No. of files", "Size", "Size on Disk"},
     kFileTypesCsvPercentPicture,
     "FileTypes",
     "FileType",
     "Name"},
    {EReportKind::Attribute,
     "File Attribute Report for ",
     "File Attribute Report for ",
     "<tr bgcolor=\"#F5F2F7\" style=\"font-weight:bold;\"><TD>Attributes</TD><TD>No of files"
     "</TD><TD align=\"right\">Size</TD><TD align=\"right\">Size on Disk</TD></TR>",
     kNameCountSizes,
     kNameCountSizes,
     {"Attribute", "No. of files", "Size", "Size on Disk"},
     kPercentPicture,
     "Attributes",
     "Attribute",
     "Name"},
    {EReportKind::Size,
     "File Size Report for ",
     "File Size Report for ",
     "<tr bgcolor=\"#F5F2F7\" style=\"font-weight:bold;\"><TD>Size Range</TD><TD>No of files"
     "</TD><TD>Percent</TD><TD align=\"right\">Size</TD><TD align=\"right\">Size on Disk</TD>"
     "</TR>",
     Fields({F::Name, F::Count, F::Percent, F::Size, F::AllocSize}),
     Fields({F::Name, F::Percent, F::Count, F::Size, F::AllocSize}),
     {"Size", "Percent", "No. of files", "Size", "Size on Disk"},
     kPercentPicture,
     "FSizes",
     "FSize",
     "Name"},
    {EReportKind::Date,
     "File Date Report for ",
     "File Datewise Report for ",
     "<tr bgcolor=\"#F5F2F7\" style=\"font-weight:bold;\"><TD>DateRange</TD><TD>No of files"
     "</TD><TD align=\"right\">Size</TD><TD align=\"right\">Size on Disk</TD></TR>",
     kNameCountSizes,
     kNameCountSizes,
     {"Date Range", "No. of files", "Size", "Size on Disk"},
     kPercentPicture,
     "Dates",
     "Date",
     "Name"},
    {EReportKind::Time,
     "File Time Report for ",
     "File Time Report for ",
     "<tr bgcolor=\"#F5F2F7\" style=\"font-weight:bold;\"><TD>Time Range</TD><TD>No of files"
     "</TD><TD align=\"right\">Size</TD><TD align=\"right\">Size on Disk</TD></TR>",
     kNameCountSizes,
     kNameCountSizes,
     {"Time Range", "No. of files", "Size", "Size on Disk"},
     kPercentPicture,
     "Times",
     "Time",
     "Name"},
    {EReportKind::Owner,
     "Owner / User Report for ",
     "Owner/User Disk Report for ",
     "<tr bgcolor=\"#F5F2F7\" style=\"font-weight:bold;\"><TD>Owner Name</TD><TD>Domain Name"
     "</TD><TD>No of files</TD><TD align=\"right\">Size</TD><TD align=\"right\">Size on Disk"
     "</TD></TR>",
     Fields({F::Name, F::Second, F::Count, F::Size, F::AllocSize}),
     Fields({F::Name, F::Second, F::Percent, F::Count, F::Size, F::AllocSize}),
     {"Owner", "Domain", "Percent", "No. of files", "Size", "Size on Disk"},
     kPercentPicture,
     "Owners",
     "Owner",
     "Name"},
    {EReportKind::Sp,
     "Custom Types Report for ",
     "Custom Types Report for ",
     "<tr bgcolor=\"#F5F2F7\" style=\"font-weight:bold;\"><TD>Type</TD><TD>No of files</TD>"
     "<TD align=\"right\">Size</TD><TD align=\"right\">Size on Disk</TD></TR>",
     kNameCountSizes,
     kNameCountSizes,
     {"Type", "No. of files", "Size", "Size on Disk"},
     kPercentPicture,
     "Spl",
     "Spe",
     "Type"},
}};

const TKindSpec& SpecOf(EReportKind kind) {
    for (const TKindSpec& columnDef : kKinds) {
        if (columnDef.kind == kind) return columnDef;
    }
    throw std::invalid_argument("not a summary report kind: " + std::string(ReportKindText(kind)));
}

std::string FieldText(EField field, const TSummaryRow& row, const TSummaryReport& report,
                      const TExportSettings& settings, std::string_view percentPicture) {
    switch (field) {
        case EField::Name:
            return std::string(row.name);
        case EField::Second:
            return std::string(row.second);
        case EField::Percent:
            return FormatFloat(percentPicture, ReportPercent(row.size, report.reportTotal));
        case EField::Count:
            return std::to_string(row.count);
        case EField::Size:
            return SizeCell(settings, kReportSizeMask, row.size);
        case EField::AllocSize:
            return SizeCell(settings, kReportSizeMask, row.allocSize);
    }
    return {};
}

// The rows of the report, read while its Done flag is held.
std::vector<TSummaryRow> RowsOf(const TSummaryReport& report) {
    return report.rows ? report.rows() : std::vector<TSummaryRow>{};
}

// The XML name of a file type: "No Type" for a type without a name.
std::string_view XmlName(const TKindSpec& columnDef, std::string_view name) {
    if (columnDef.kind == EReportKind::FileTypes &&
        name.find_first_not_of(' ') == std::string_view::npos) {
        return "No Type";
    }
    return name;
}

}  // namespace

std::string ExportReportHtml(EReportKind kind, TSummaryReport& report,
                             const TExportContext& context) {
    const TKindSpec& columnDef = SpecOf(kind);
    std::string doc;
    AppendReportHtmlHead(doc, context.now);
    doc += "<h5 align=\"left\">";
    doc += columnDef.htmlTitle;
    AppendMarkupText(doc, context.pathBoxText);
    doc += "</h5>\r\n";
    doc += kHtmlTableOpen;
    doc += columnDef.htmlHeader;
    doc += kCrLf;

    const TDoneFlagHold hold(report.done);
    const std::vector<TSummaryRow> rows = RowsOf(report);
    doc.reserve(doc.size() + rows.size() * 160 + 64);
    size_t written = 0;
    for (const TSummaryRow& row : rows) {
        doc += "<TR>";
        columnDef.htmlFields.ForEach([&](EField field, size_t) {
            const bool size = field == EField::Size || field == EField::AllocSize;
            doc += size ? "<TD align=\"right\">" : "<TD>";
            AppendMarkupText(doc, FieldText(field, row, report, context.settings, kPercentPicture));
            doc += "</TD>";
        });
        doc += "</TR>\r\n";
        context.RowWritten(++written);
    }
    doc += kHtmlTableEnd;
    return doc;
}

std::string ExportReportCsv(EReportKind kind, TSummaryReport& report,
                            const TExportContext& context) {
    const TKindSpec& columnDef = SpecOf(kind);
    const std::string separator = CsvSeparator(context.settings.CSVSep);
    std::string doc;
    AppendCsvHead(doc, context.now);
    doc += columnDef.csvTitle;
    doc += context.pathBoxText;
    doc += "\r\n\r\n";
    if (report.load) report.load();

    columnDef.csvFields.ForEach([&](EField, size_t i) {
        if (i > 0) doc += separator;
        AppendCsvField(doc, columnDef.csvHeaders[i], separator);
    });
    doc += kCrLf;

    const TDoneFlagHold hold(report.done);
    const std::vector<TSummaryRow> rows = RowsOf(report);
    doc.reserve(doc.size() + rows.size() * 80);
    size_t written = 0;
    for (const TSummaryRow& row : rows) {
        columnDef.csvFields.ForEach([&](EField field, size_t i) {
            if (i > 0) doc += separator;
            AppendCsvField(
                doc, FieldText(field, row, report, context.settings, columnDef.csvPercentPicture),
                separator);
        });
        doc += kCrLf;
        context.RowWritten(++written);
    }
    return doc;
}

std::string ExportReportXml(EReportKind kind, TSummaryReport& report,
                            const TExportContext& context) {
    const TKindSpec& columnDef = SpecOf(kind);
    const TExportSettings& settings = context.settings;
    std::string doc;
    AppendXmlHead(doc, context.now);
    if (report.load) report.load();

    const TDoneFlagHold hold(report.done);
    const std::vector<TSummaryRow> rows = RowsOf(report);
    doc.reserve(doc.size() + rows.size() * 160 + 64);
    doc += '<';
    doc += columnDef.xmlList;
    doc += ">\r\n";
    size_t written = 0;
    for (const TSummaryRow& row : rows) {
        doc += '<';
        doc += columnDef.xmlRecord;
        doc += '>';
        AppendXmlElement(doc, columnDef.xmlNameTag, XmlName(columnDef, row.name));
        if (columnDef.kind == EReportKind::Owner) AppendXmlElement(doc, "Domain", row.second);
        AppendXmlElement(doc, "NoOfFiles", std::to_string(row.count));
        AppendXmlElement(doc, "Size", SizeCell(settings, kReportSizeMask, row.size));
        AppendXmlElement(doc, "SizeOnDisk", SizeCell(settings, kReportSizeMask, row.allocSize));
        doc += "</";
        doc += columnDef.xmlRecord;
        doc += ">\r\n";
        context.RowWritten(++written);
    }
    doc += "</";
    doc += columnDef.xmlList;
    doc += ">\r\n</MainSec>\r\n";
    return doc;
}

}  // namespace fscope
