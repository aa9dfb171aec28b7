#pragma once
// Text and file-name mask helpers shared by the engine, the settings and the dialogs.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fscope {

// Splits `text` at every `separator`. A trailing separator adds no empty piece; two separators
// in a row add an empty piece (except for " ", whose blanks are absorbed). Blanks (bytes up to
// the space) are trimmed from the front of every remainder and from the last piece.
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);

// Removes blanks (bytes <= ' ') from both ends.
std::string_view TrimBlanks(std::string_view text);

// ASCII-only upper-casing: names are bytes, so other bytes are left as they are.
std::string UpperAscii(std::string_view text);

// The error a malformed mask raises: "'<mask>' is an invalid mask at (<pos>)".
class EMaskError : public std::runtime_error {
public:
    EMaskError(std::string_view mask, int position);
};

// A file-name mask compiled once and matched many times.
// '*' any run, '?' one byte, [set] with ranges a-z and a leading '!' for negation; every other
// byte matches itself without regard to ASCII letter case. '.' is an ordinary character.
class TFileMask {
public:
    // Throws EMaskError for an unclosed set, a '-' with nothing before it, or more than 30 '*'.
    explicit TFileMask(std::string_view mask);
    bool Matches(std::string_view name) const;
    const std::string& Text() const { return text_; }

private:
    struct Token {
        enum class Kind : unsigned char { Literal, AnyOne, AnyRun, Set } kind;
        unsigned char literal = 0;  // upper-cased
        bool negated = false;
        std::vector<std::pair<unsigned char, unsigned char>> ranges;  // upper-cased, inclusive
    };
    bool TokenMatches(const Token& t, unsigned char c) const;

    std::string text_;
    std::vector<Token> tokens_;
};

// One-off match; throws EMaskError for a malformed mask.
bool NameMatchesMask(std::string_view name, std::string_view mask);

// A list of masks compiled once. A mask that does not compile is kept with its error, which
// Matches raises when it reaches that mask (the first file tested), as a scan expects.
class TMaskList {
public:
    TMaskList() = default;
    explicit TMaskList(const std::vector<std::string>& masks);
    bool Empty() const { return entries_.empty(); }
    size_t Size() const { return entries_.size(); }
    // True when `name` matches one of the masks, tried in list order.
    bool Matches(std::string_view name) const;
    // Same, but a malformed mask simply never matches (reports that must not abort).
    bool MatchesLenient(std::string_view name) const;

private:
    struct Entry {
        std::string text;
        std::vector<TFileMask> mask;  // empty when the mask is malformed
    };
    std::vector<Entry> entries_;
};

}  // namespace fscope
