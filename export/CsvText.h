#pragma once
// Fields of the CSV exports. The separator comes from the settings and may be any text; a
// field is quoted only when it must be, so ordinary files read exactly as before.

#include <string>
#include <string_view>

namespace fscope {

// The separator the setting CSVSep stands for: "Tab" is a tab character, anything else is
// used as it is (also several characters).
std::string CsvSeparator(std::string_view csvSepSetting);

// Appends `field` to `out`: as it is, or, when it contains the separator, a double quote, a
// CR or an LF, between double quotes with each inner double quote doubled (RFC 4180). The
// bytes of the field are kept (no re-encoding).
void AppendCsvField(std::string& out, std::string_view field, std::string_view separator);

}  // namespace fscope
