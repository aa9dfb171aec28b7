#include "common/IniText.h"

#include <cctype>
#include <cstdio>

namespace fscope {

std::string IniQuotedValue(std::string_view value) {
    // QSettings reads a leading "@" as a type marker ("@Variant(...)"); "@@" stands for "@".
    std::string text = !value.empty() && value[0] == '@' ? "\"@" : "\"";
    bool afterHexEscape = false;
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        // A hex escape reads every hex digit after it: close and reopen the quotes in between.
        if (afterHexEscape && std::isxdigit(c)) text += "\"\"";
        afterHexEscape = false;
        switch (ch) {
            case '\\':
                text += "\\\\";
                break;
            case '"':
                text += "\\\"";
                break;
            case '\t':
                text += "\\t";
                break;
            case '\n':
                text += "\\n";
                break;
            case '\r':
                text += "\\r";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\x%x", c);
                    text += escape;
                    afterHexEscape = true;
                } else {
                    text += ch;  // UTF-8 bytes as they are
                }
        }
    }
    return text + "\"";
}

std::string IniGeneralSection(const std::vector<std::pair<std::string, std::string>>& values) {
    std::string text = "[General]\n";
    for (const auto& [key, value] : values) text += key + "=" + IniQuotedValue(value) + "\n";
    return text;
}

}  // namespace fscope
