#include "export/MarkupText.h"

#include <charconv>
#include <cstdint>

namespace fscope {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendReference(std::string& out, char32_t code) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, uint32_t{code}).ptr;
    out += "&#";
    out.append(digits, end);
    out += ';';
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes one UTF-8 sequence starting at text[pos] (a byte >= 0x80). Returns the code point
// and sets `length`; an invalid sequence gives kReplacement with the length of its longest
// valid-looking prefix (at least 1), so decoding resumes right after the damage.
char32_t DecodeSequence(std::string_view text, size_t pos, size_t& length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t need;
    char32_t code;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        length = 1;
        return kReplacement;
    }
    length = 1;
    for (size_t i = 1; i <= need; ++i) {
        if (pos + i >= text.size()) return kReplacement;
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte)) return kReplacement;
        code = (code << 6) | (byte & 0x3F);
        length = i + 1;
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return kReplacement;
    }
    return code;
}

bool AllowedInXml(char32_t code) {
    if (code < 0x20) return code == 0x09 || code == 0x0A || code == 0x0D;
    return code != 0xFFFE && code != 0xFFFF;
}

}  // namespace

void AppendMarkupText(std::string& out, std::string_view text) {
    size_t plainStart = 0;  // runs of plain printable ASCII are copied in one piece
    size_t pos = 0;
    const auto flushPlain = [&] { out.append(text, plainStart, pos - plainStart); };
    while (pos < text.size()) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte >= 0x20 && byte < 0x7F && byte != '&' && byte != '<' && byte != '>') {
            ++pos;
            continue;
        }
        flushPlain();
        size_t length = 1;
        if (byte == '&') {
            out += "&amp;";
        } else if (byte == '<') {
            out += "&lt;";
        } else if (byte == '>') {
            out += "&gt;";
        } else {
            char32_t code = byte < 0x80 ? char32_t{byte} : DecodeSequence(text, pos, length);
            AppendReference(out, AllowedInXml(code) ? code : kReplacement);
        }
        pos += length;
        plainStart = pos;
    }
    flushPlain();
}

}  // namespace fscope
