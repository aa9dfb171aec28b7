#pragma once
// A lenient, streaming XML tokenizer for line-oriented documents that are only loosely XML
// (unclosed tags, no nesting check). It pulls bytes from a source in chunks and yields the
// document part by part, never holding more than the part being read plus one chunk.
//
// Text rules: bytes are taken as they are (no encoding conversion). In attribute values tab, CR
// and LF become spaces; content is trimmed and its inner runs of white space (space, tab, CR,
// LF) are collapsed to one space, and content that is only white space is not reported. Only
// after that are character references (&#N; &#xH;) and the entities amp, lt, gt, quot, apos
// decoded, so characters that come from references are never normalised. An ampersand that
// starts no such reference stays as it is. CDATA content is reported raw.
//
// Not thread-safe; one tokenizer per document.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fscope {

// A document that cannot be tokenized: it ends inside a tag, comment or section, one part is
// longer than the limit, or the source failed (the source's own exception passes through).
class EXmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TXmlPart {
    None,         // before the first part and after the last
    Declaration,  // <?xml ...?>
    Comment,      // <!-- ... -->
    Instruction,  // <?target ...?>
    DocType,      // <!DOCTYPE ...>
    StartTag,     // <Name ...>
    EmptyTag,     // <Name .../>
    EndTag,       // </Name>
    Content,      // character data between tags (normalised)
    CData,        // <![CDATA[...]]>
};

class TXmlTokenizer {
public:
    // Fills `buffer` with up to `size` bytes and returns how many; 0 at the end of the input.
    // May throw; the exception reaches the caller of Next.
    using TSource = std::function<size_t(char* buffer, size_t size)>;

    static constexpr size_t kDefaultMaxPart = 16u << 20;

    explicit TXmlTokenizer(TSource source, size_t maxPartBytes = kDefaultMaxPart);
    // A whole document already in memory (tests, small files).
    static TXmlTokenizer FromText(std::string text);

    // Steps to the next part; false at the end of the document. Throws EXmlError.
    bool Next();

    TXmlPart Kind() const { return kind_; }
    // The name of the last tag read: it stays current while the content after it is reported.
    std::string_view Name() const { return name_; }
    bool HasAttributes() const { return !attributes_.empty(); }
    // The decoded value of an attribute of the current tag; "" when it is absent.
    std::string_view Attribute(std::string_view name) const;
    // Normalised, decoded content (or raw CDATA) of the current part.
    std::string_view Content() const { return content_; }
    // Offset of the current part's first byte in the document (for error messages).
    uint64_t Offset() const { return partOffset_; }

private:
    struct TAttr {
        std::string_view name;
        std::string_view value;
    };
    enum class TScan { Done, NeedMore };

    // Ensures at least one byte past `pos_ + have` is available; false at end of input.
    bool Fill(size_t have);
    TScan ScanMarkup(size_t& used);
    TScan ScanTag(size_t& used);
    TScan ScanUntil(size_t from, std::string_view terminator, size_t& end) const;
    void ScanContent(size_t& used);
    std::string_view AttributeValue(std::string_view raw);
    std::string_view ContentText(std::string_view raw);

    TSource source_;
    size_t maxPart_;
    std::vector<char> buffer_;
    size_t pos_ = 0;  // start of unread bytes in buffer_
    size_t end_ = 0;  // end of valid bytes in buffer_
    bool eof_ = false;
    uint64_t consumed_ = 0;  // document offset of buffer_[0]
    uint64_t partOffset_ = 0;

    TXmlPart kind_ = TXmlPart::None;
    std::string_view name_;
    std::string nameStore_;  // the current name survives buffer moves
    std::vector<TAttr> attributes_;
    std::vector<TAttr> rawAttributes_;  // undecoded values while a tag is scanned
    std::string_view content_;
    std::string scratch_;  // decoded texts of the current part
};

// Decodes the character and entity references of `text` (no white-space handling).
// Exposed for the writer's tests: DecodeReferences("&lt;&#9;") == "<\t".
std::string DecodeReferences(std::string_view text);

}  // namespace fscope
