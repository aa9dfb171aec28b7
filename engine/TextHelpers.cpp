#include "engine/TextHelpers.h"

#include <cstdio>

namespace fscope {

namespace {
inline unsigned char UpAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    return text.substr(b, e - b);
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(UpAscii(static_cast<unsigned char>(c)));
    return out;
}

std::vector<std::string> SplitText(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (separator.empty()) {
        if (!text.empty()) pieces.emplace_back(TrimBlanks(text));
        return pieces;
    }
    for (;;) {
        size_t at = text.find(separator);
        if (at == std::string_view::npos) break;
        pieces.emplace_back(text.substr(0, at));
        text = TrimBlanks(text.substr(at + separator.size()));
    }
    if (!text.empty()) pieces.emplace_back(TrimBlanks(text));
    return pieces;
}

EMaskError::EMaskError(std::string_view mask, int position)
    : std::runtime_error("'" + std::string(mask) + "' is an invalid mask at (" +
                         std::to_string(position) + ")") {}

TFileMask::TFileMask(std::string_view mask) : text_(mask) {
    int stars = 0;
    size_t i = 0;
    while (i < mask.size()) {
        unsigned char c = static_cast<unsigned char>(mask[i]);
        Token t{};
        if (c == '*') {
            if (++stars > 30) throw EMaskError(mask, static_cast<int>(i) + 1);
            t.kind = Token::Kind::AnyRun;
            // Consecutive stars are one run.
            if (!tokens_.empty() && tokens_.back().kind == Token::Kind::AnyRun) {
                ++i;
                continue;
            }
            ++i;
        } else if (c == '?') {
            t.kind = Token::Kind::AnyOne;
            ++i;
        } else if (c == '[') {
            t.kind = Token::Kind::Set;
            size_t j = i + 1;
            if (j < mask.size() && mask[j] == '!') {
                t.negated = true;
                ++j;
            }
            bool closed = false;
            bool havePrev = false;
            while (j < mask.size()) {
                unsigned char s = static_cast<unsigned char>(mask[j]);
                if (s == ']') {
                    closed = true;
                    ++j;
                    break;
                }
                if (s == '-') {
                    if (!havePrev || j + 1 >= mask.size() || mask[j + 1] == ']')
                        throw EMaskError(mask, static_cast<int>(j) + 1);
                    unsigned char hi = UpAscii(static_cast<unsigned char>(mask[j + 1]));
                    t.ranges.back().second = hi;
                    havePrev = false;
                    j += 2;
                    continue;
                }
                unsigned char u = UpAscii(s);
                t.ranges.emplace_back(u, u);
                havePrev = true;
                ++j;
            }
            if (!closed) throw EMaskError(mask, static_cast<int>(mask.size()));
            i = j;
        } else {
            t.kind = Token::Kind::Literal;
            t.literal = UpAscii(c);
            ++i;
        }
        tokens_.push_back(std::move(t));
    }
}

bool TFileMask::TokenMatches(const Token& t, unsigned char c) const {
    switch (t.kind) {
        case Token::Kind::Literal:
            return UpAscii(c) == t.literal;
        case Token::Kind::AnyOne:
            return true;
        case Token::Kind::Set: {
            unsigned char u = UpAscii(c);
            bool in = false;
            for (auto [lo, hi] : t.ranges)
                if (u >= lo && u <= hi) {
                    in = true;
                    break;
                }
            return in != t.negated;
        }
        case Token::Kind::AnyRun:
            return true;
    }
    return false;
}

bool TFileMask::Matches(std::string_view name) const {
    // Greedy match with one backtrack point per star: linear in practice, never exponential.
    size_t ti = 0, ni = 0;
    size_t starTok = SIZE_MAX, starName = 0;
    while (ni < name.size()) {
        unsigned char c = static_cast<unsigned char>(name[ni]);
        if (ti < tokens_.size() && tokens_[ti].kind == Token::Kind::AnyRun) {
            starTok = ti++;
            starName = ni;
        } else if (ti < tokens_.size() && TokenMatches(tokens_[ti], c)) {
            ++ti;
            ++ni;
        } else if (starTok != SIZE_MAX) {
            ti = starTok + 1;
            ni = ++starName;
        } else {
            return false;
        }
    }
    while (ti < tokens_.size() && tokens_[ti].kind == Token::Kind::AnyRun) ++ti;
    return ti == tokens_.size();
}

bool NameMatchesMask(std::string_view name, std::string_view mask) {
    return TFileMask(mask).Matches(name);
}

TMaskList::TMaskList(const std::vector<std::string>& masks) {
    entries_.reserve(masks.size());
    for (const std::string& m : masks) {
        Entry e{m, {}};
        try {
            e.mask.emplace_back(m);
        } catch (const EMaskError&) {
            e.mask.clear();
        }
        entries_.push_back(std::move(e));
    }
}

bool TMaskList::Matches(std::string_view name) const {
    for (const Entry& e : entries_) {
        if (e.mask.empty()) TFileMask{e.text};  // raises the mask's own error
        if (e.mask.front().Matches(name)) return true;
    }
    return false;
}

bool TMaskList::MatchesLenient(std::string_view name) const {
    for (const Entry& e : entries_)
        if (!e.mask.empty() && e.mask.front().Matches(name)) return true;
    return false;
}

}  // namespace fscope
