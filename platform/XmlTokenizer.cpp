#include "platform/XmlTokenizer.h"

#include <cstring>
#include <memory>

namespace fscope {

namespace {

constexpr size_t kInitialBuffer = 64u << 10;  // grows to fit the longest part

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

bool StartsMarkup(unsigned char c) { return IsNameStart(c) || c == '/' || c == '!' || c == '?'; }

bool EndsName(char c) { return IsBlank(c) || c == '>' || c == '/' || c == '=' || c == '<'; }

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes the reference that starts at text[0] == '&' into `out`; returns the bytes it spans,
// or 0 when the ampersand starts no reference. Code points below 256 are the byte itself (the
// document's bytes are taken as ISO-8859-1 without conversion); larger ones become UTF-8.
size_t DecodeOne(std::string_view text, std::string& out) {
    size_t semi = text.find(';', 1);
    if (semi == std::string_view::npos || semi > 12) return 0;
    std::string_view body = text.substr(1, semi - 1);
    if (body.size() >= 2 && body[0] == '#') {
        uint32_t cp = 0;
        const bool hex = body[1] == 'x' || body[1] == 'X';
        std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty()) return 0;
        for (char c : digits) {
            unsigned v;
            if (c >= '0' && c <= '9')
                v = static_cast<unsigned>(c - '0');
            else if (hex && c >= 'a' && c <= 'f')
                v = static_cast<unsigned>(c - 'a' + 10);
            else if (hex && c >= 'A' && c <= 'F')
                v = static_cast<unsigned>(c - 'A' + 10);
            else
                return 0;
            cp = cp * (hex ? 16 : 10) + v;
            if (cp > 0x10FFFF) return 0;
        }
        if (cp < 0x100)
            out.push_back(static_cast<char>(cp));
        else
            AppendUtf8(out, cp);
        return semi + 1;
    }
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, c] : kEntities) {
        if (body == entity) {
            out.push_back(c);
            return semi + 1;
        }
    }
    return 0;
}

void DecodeInto(std::string_view text, std::string& out) {
    size_t i = 0;
    while (i < text.size()) {
        size_t amp = text.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(text.substr(i));
            return;
        }
        out.append(text.substr(i, amp - i));
        size_t used = DecodeOne(text.substr(amp), out);
        if (used == 0) {
            out.push_back('&');
            used = 1;
        }
        i = amp + used;
    }
}

}  // namespace

std::string DecodeReferences(std::string_view text) {
    std::string out;
    DecodeInto(text, out);
    return out;
}

TXmlTokenizer::TXmlTokenizer(TSource source, size_t maxPartBytes)
    : source_(std::move(source)), maxPart_(maxPartBytes) {
    buffer_.resize(kInitialBuffer);
}

TXmlTokenizer TXmlTokenizer::FromText(std::string text) {
    auto shared = std::make_shared<std::string>(std::move(text));
    auto at = std::make_shared<size_t>(0);
    return TXmlTokenizer([shared, at](char* buffer, size_t size) {
        size_t n = std::min(size, shared->size() - *at);
        std::memcpy(buffer, shared->data() + *at, n);
        *at += n;
        return n;
    });
}

std::string_view TXmlTokenizer::Attribute(std::string_view name) const {
    for (const TAttr& a : attributes_)
        if (a.name == name) return a.value;
    return {};
}

bool TXmlTokenizer::Fill(size_t have) {
    // Keep the unread bytes, moved to the front; grow when the part fills the whole buffer.
    if (eof_) return false;
    if (pos_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
        consumed_ += pos_;
        end_ -= pos_;
        pos_ = 0;
    }
    if (have >= maxPart_)
        throw EXmlError("A part of the document at byte " + std::to_string(consumed_) +
                        " is longer than " + std::to_string(maxPart_ >> 20) + " MB");
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    const size_t before = end_;
    while (end_ < buffer_.size()) {
        size_t n = source_(buffer_.data() + end_, buffer_.size() - end_);
        if (n == 0) {
            eof_ = true;
            break;
        }
        end_ += n;
    }
    return end_ > before;
}

TXmlTokenizer::TScan TXmlTokenizer::ScanUntil(size_t from, std::string_view terminator,
                                              size_t& end) const {
    std::string_view rest(buffer_.data() + from, end_ - from);
    size_t at = rest.find(terminator);
    if (at == std::string_view::npos) return TScan::NeedMore;
    end = from + at + terminator.size();
    return TScan::Done;
}

std::string_view TXmlTokenizer::AttributeValue(std::string_view raw) {
    // Fast path: nothing to normalise or decode, the value is a view of the buffer.
    bool plain = true;
    for (char c : raw) {
        if (c == '&' || c == '\t' || c == '\r' || c == '\n') {
            plain = false;
            break;
        }
    }
    if (plain) return raw;
    const size_t start = scratch_.size();
    std::string spaced(raw);
    for (char& c : spaced)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    DecodeInto(spaced, scratch_);
    return std::string_view(scratch_).substr(start);
}

std::string_view TXmlTokenizer::ContentText(std::string_view raw) {
    size_t b = 0, e = raw.size();
    while (b < e && IsBlank(raw[b])) ++b;
    while (e > b && IsBlank(raw[e - 1])) --e;
    raw = raw.substr(b, e - b);
    bool plain = true;
    for (char c : raw) {
        if (c == '&' || IsBlank(c)) {
            plain = false;
            break;
        }
    }
    if (plain) return raw;
    std::string collapsed;
    collapsed.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (IsBlank(raw[i])) {
            if (!IsBlank(raw[i - 1])) collapsed.push_back(' ');
        } else {
            collapsed.push_back(raw[i]);
        }
    }
    scratch_.clear();
    DecodeInto(collapsed, scratch_);
    return scratch_;
}

TXmlTokenizer::TScan TXmlTokenizer::ScanTag(size_t& used) {
    // buffer_[pos_] == '<'; an end tag has '/' next.
    const char* b = buffer_.data();
    size_t i = pos_ + 1;
    const bool endTag = b[i] == '/';
    if (endTag) ++i;
    size_t nameStart = i;
    while (i < end_ && !EndsName(b[i])) ++i;
    if (i >= end_) return TScan::NeedMore;
    std::string_view name(b + nameStart, i - nameStart);
    attributes_.clear();
    if (endTag) {
        size_t close;
        if (ScanUntil(i, ">", close) == TScan::NeedMore) return TScan::NeedMore;
        kind_ = TXmlPart::EndTag;
        nameStore_.assign(name);
        used = close - pos_;
        return TScan::Done;
    }
    // Raw attributes first; values are decoded once the whole tag is in the buffer.
    std::vector<TAttr>& raws = rawAttributes_;
    raws.clear();
    bool empty = false;
    for (;;) {
        while (i < end_ && IsBlank(b[i])) ++i;
        if (i >= end_) return TScan::NeedMore;
        if (b[i] == '>') {
            ++i;
            break;
        }
        if (b[i] == '/') {
            if (i + 1 >= end_) return TScan::NeedMore;
            if (b[i + 1] == '>') {
                empty = true;
                i += 2;
                break;
            }
            ++i;
            continue;
        }
        size_t an = i;
        while (i < end_ && !EndsName(b[i])) ++i;
        if (i >= end_) return TScan::NeedMore;
        if (i == an) {  // a stray '=' or '<': skip it
            ++i;
            continue;
        }
        std::string_view attrName(b + an, i - an);
        size_t j = i;
        while (j < end_ && IsBlank(b[j])) ++j;
        if (j >= end_) return TScan::NeedMore;
        if (b[j] != '=') {
            raws.push_back({attrName, {}});
            continue;
        }
        ++j;
        while (j < end_ && IsBlank(b[j])) ++j;
        if (j >= end_) return TScan::NeedMore;
        if (b[j] == '"' || b[j] == '\'') {
            const void* q = std::memchr(b + j + 1, b[j], end_ - j - 1);
            if (!q) return TScan::NeedMore;
            size_t qe = static_cast<size_t>(static_cast<const char*>(q) - b);
            raws.push_back({attrName, std::string_view(b + j + 1, qe - j - 1)});
            i = qe + 1;
        } else {
            size_t ve = j;
            while (ve < end_ && !IsBlank(b[ve]) && b[ve] != '>') ++ve;
            if (ve >= end_) return TScan::NeedMore;
            raws.push_back({attrName, std::string_view(b + j, ve - j)});
            i = ve;
        }
    }
    kind_ = empty ? TXmlPart::EmptyTag : TXmlPart::StartTag;
    nameStore_.assign(name);
    size_t total = 0;
    for (const TAttr& r : raws) total += r.value.size();
    scratch_.clear();
    scratch_.reserve(total);  // decoding never lengthens a text, so views stay valid
    for (const TAttr& r : raws) attributes_.push_back({r.name, AttributeValue(r.value)});
    used = i - pos_;
    return TScan::Done;
}

TXmlTokenizer::TScan TXmlTokenizer::ScanMarkup(size_t& used) {
    const char* b = buffer_.data();
    const std::string_view rest(b + pos_, end_ - pos_);
    size_t close;
    auto startsWith = [&](std::string_view prefix) {
        return rest.substr(0, prefix.size()) == prefix;
    };
    auto mightStartWith = [&](std::string_view prefix) {
        return rest.size() < prefix.size() && prefix.substr(0, rest.size()) == rest;
    };
    if (rest[1] == '?') {
        if (ScanUntil(pos_ + 2, "?>", close) == TScan::NeedMore) return TScan::NeedMore;
        std::string_view body = rest.substr(2, close - pos_ - 4);
        const bool decl = body.substr(0, 3) == "xml" && (body.size() == 3 || IsBlank(body[3]));
        kind_ = decl ? TXmlPart::Declaration : TXmlPart::Instruction;
        attributes_.clear();
        used = close - pos_;
        return TScan::Done;
    }
    if (rest[1] == '!') {
        if (mightStartWith("<!--") || mightStartWith("<![CDATA[")) return TScan::NeedMore;
        if (startsWith("<!--")) {
            if (ScanUntil(pos_ + 4, "-->", close) == TScan::NeedMore) return TScan::NeedMore;
            kind_ = TXmlPart::Comment;
        } else if (startsWith("<![CDATA[")) {
            if (ScanUntil(pos_ + 9, "]]>", close) == TScan::NeedMore) return TScan::NeedMore;
            kind_ = TXmlPart::CData;
            scratch_.assign(rest.substr(9, close - pos_ - 12));
            content_ = scratch_;
        } else {
            // A document type, possibly with an internal subset in brackets.
            int depth = 0;
            size_t i = pos_ + 2;
            for (; i < end_; ++i) {
                if (b[i] == '[')
                    ++depth;
                else if (b[i] == ']')
                    --depth;
                else if (b[i] == '>' && depth <= 0)
                    break;
            }
            if (i >= end_) return TScan::NeedMore;
            close = i + 1;
            kind_ = TXmlPart::DocType;
        }
        attributes_.clear();
        used = close - pos_;
        return TScan::Done;
    }
    return ScanTag(used);
}

void TXmlTokenizer::ScanContent(size_t& used) {
    // Content runs to the next '<' that starts markup; a '<' followed by anything else (or by
    // nothing at the very end) is text.
    const char* b = buffer_.data();
    size_t i = pos_;
    for (;;) {
        const void* lt = std::memchr(b + i, '<', end_ - i);
        if (!lt) {
            i = end_;
            break;
        }
        i = static_cast<size_t>(static_cast<const char*>(lt) - b);
        if (i + 1 >= end_) {
            if (eof_) i = end_;
            break;
        }
        if (StartsMarkup(static_cast<unsigned char>(b[i + 1]))) break;
        ++i;
    }
    used = i - pos_;
}

bool TXmlTokenizer::Next() {
    for (;;) {
        if (pos_ == end_ && !Fill(0)) {
            kind_ = TXmlPart::None;
            content_ = {};
            return false;
        }
        partOffset_ = consumed_ + pos_;
        size_t used = 0;
        const char* b = buffer_.data();
        if (b[pos_] == '<') {
            if (pos_ + 1 >= end_ && !eof_) {
                Fill(end_ - pos_);
                continue;
            }
            if (pos_ + 1 < end_ && StartsMarkup(static_cast<unsigned char>(b[pos_ + 1]))) {
                if (ScanMarkup(used) == TScan::NeedMore) {
                    if (!Fill(end_ - pos_))
                        throw EXmlError("The document ends inside a tag at byte " +
                                        std::to_string(partOffset_));
                    continue;
                }
                pos_ += used;
                name_ = nameStore_;
                if (kind_ == TXmlPart::CData) return true;
                content_ = {};
                return true;
            }
        }
        ScanContent(used);
        if (pos_ + used == end_ && !eof_) {
            Fill(end_ - pos_);
            continue;
        }
        std::string_view raw(b + pos_, used);
        pos_ += used;
        content_ = ContentText(raw);
        if (content_.empty()) continue;
        kind_ = TXmlPart::Content;
        return true;
    }
}

}  // namespace fscope
