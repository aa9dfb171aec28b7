#include "export/ReportKind.h"

#include <array>
#include <utility>

#include "platform/Paths.h"

namespace fscope {
namespace {

constexpr std::array<std::pair<EReportKind, std::string_view>, 9> kKindTexts{{
    {EReportKind::Files, "Files"},
    {EReportKind::FileTypes, "FileTypes"},
    {EReportKind::Attribute, "Attribute"},
    {EReportKind::Size, "Size"},
    {EReportKind::Date, "Date"},
    {EReportKind::Time, "Time"},
    {EReportKind::Owner, "Owner"},
    {EReportKind::Sp, "Sp"},
    {EReportKind::AllFileFold, "AllFileFold"},
}};

}  // namespace

std::string_view ReportKindText(EReportKind kind) {
    for (const auto& [k, text] : kKindTexts) {
        if (k == kind) return text;
    }
    return {};
}

std::optional<EReportKind> ReportKindFromText(std::string_view text) {
    for (const auto& [kind, t] : kKindTexts) {
        if (t == text) return kind;
    }
    return std::nullopt;
}

std::optional<EExportFormat> ExportFormatOfFilter(int filterIndex) {
    switch (filterIndex) {
        case 1:
            return EExportFormat::Html;
        case 2:
            return EExportFormat::Csv;
        case 3:
            return EExportFormat::Xml;
        default:
            return std::nullopt;
    }
}

std::string_view FormatExtension(EExportFormat format) {
    switch (format) {
        case EExportFormat::Html:
            return "html";
        case EExportFormat::Csv:
            return "csv";
        case EExportFormat::Xml:
            return "xml";
    }
    return {};
}

std::string WithFormatExtension(std::string fileName, EExportFormat format) {
    const std::string_view base = BaseName(fileName);
    const size_t dot = base.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        fileName += '.';
        fileName += FormatExtension(format);
    }
    return fileName;
}

}  // namespace fscope
