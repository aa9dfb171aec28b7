#pragma once
// Text of names, paths, types and titles as it goes into an HTML page or an XML document.
// The documents themselves are plain ASCII, so whatever character set their head declares,
// every reader decodes them the same way.

#include <string>
#include <string_view>

namespace fscope {

// Appends `text` (bytes, expected UTF-8) to `out` with:
// - '&', '<' and '>' as the entities &amp; &lt; &gt;;
// - every character outside printable ASCII (non-ASCII, tab, line breaks, DEL) as a decimal
//   numeric character reference ("é" -> "&#233;"), so line breaks inside a name survive and
//   never split a line of the document;
// - bytes that are not valid UTF-8 (stray, overlong, surrogate, beyond U+10FFFF) and
//   characters XML forbids (C0 controls other than tab, LF, CR; U+FFFE, U+FFFF) as U+FFFD,
//   "&#65533;", one per offending byte sequence.
void AppendMarkupText(std::string& out, std::string_view text);

inline std::string MarkupText(std::string_view text) {
    std::string out;
    AppendMarkupText(out, text);
    return out;
}

}  // namespace fscope
