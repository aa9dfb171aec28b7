#pragma once
// The kinds of export: one per tab of the main window that can be written to a file, and the
// three file formats.

#include <optional>
#include <string>
#include <string_view>

namespace fscope {

enum class EReportKind { Files, FileTypes, Attribute, Size, Date, Time, Owner, Sp, AllFileFold };

// The kind literal of each tab ("Files", "FileTypes", ..., "AllFileFold") and back.
std::string_view ReportKindText(EReportKind kind);
std::optional<EReportKind> ReportKindFromText(std::string_view text);

enum class EExportFormat { Html, Csv, Xml };

// The format of the save dialog's filter "HTML|CSV|XML" by its 1-based index; nullopt for any
// other index.
std::optional<EExportFormat> ExportFormatOfFilter(int filterIndex);
// "html", "csv" or "xml".
std::string_view FormatExtension(EExportFormat format);

// The file name with "." and the format's extension appended when its last component has no
// extension (no '.' after its first character, so a hidden name such as ".report" still gets
// one). A name that has an extension, even an unrelated one, is kept as typed.
std::string WithFormatExtension(std::string fileName, EExportFormat format);

}  // namespace fscope
