#include "export/CsvText.h"

namespace fscope {

std::string CsvSeparator(std::string_view csvSepSetting) {
    if (csvSepSetting == "Tab") return "\t";
    return std::string(csvSepSetting);
}

void AppendCsvField(std::string& out, std::string_view field, std::string_view separator) {
    const bool mustQuote = field.find_first_of("\"\r\n") != std::string_view::npos ||
                           (!separator.empty() && field.find(separator) != std::string_view::npos);
    if (!mustQuote) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace fscope
