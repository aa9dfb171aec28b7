#pragma once
// File categories of the custom types summary and the special file lists: big files, old
// files, files in the Internet cache and files of a custom type. Each rule is prepared once per
// computation from the settings and then tested per file.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/FoldInfo.h"
#include "engine/TextHelpers.h"
#include "platform/FileTime.h"

namespace fscope {

// The current local date-time (the system clock).
TDateTime CurrentDateTime();

// A decimal number with '.' as separator, blanks around it allowed; nullopt for anything else
// (empty text, trailing garbage, infinities, NaN).
std::optional<double> ParseDecimal(std::string_view text);
// A whole number, blanks around it allowed; nullopt for anything else.
std::optional<long long> ParseWholeNumber(std::string_view text);

// Big-file threshold in bytes: BigFileSize x 1 MB for the unit "MB", x 1 GB for "GB"; any other
// unit, and a BigFileSize that is not a number, give 1,048,576 bytes.
double BigFileThreshold(std::string_view bigFileSize, std::string_view bigFileUnit);

// The old-file test. The age is `now` minus FAccessed when `dateType` is "Accessed", else minus
// FModified, to the millisecond; "Days" compares it in days, "Months" in 30 days, "Years" in
// 365 days; a file is old when its age is strictly greater than `time` units. Any other unit,
// and a `time` that is not a whole number, make no file old.
class TOldFileTest {
public:
    TOldFileTest(std::string_view dateType, std::string_view time, std::string_view unit,
                 TDateTime now);
    bool Active() const { return active_; }
    bool IsOld(const TFoldInfo& file) const;

private:
    bool active_ = false;
    bool accessed_ = false;
    double limitMs_ = 0;
    TDateTime now_ = 0;
};

// True when a file whose folder path (ending in '/') is `folderPath` lies in the cache folder
// `cachePath` or below it. Whole folder names only: "/x/cache" does not cover "/x/cache2/".
// An empty cache path covers nothing.
bool InInternetCache(std::string_view folderPath, std::string_view cachePath);

// The masks of one custom type ("*.LOG *.txt", split at spaces), prepared once: a file matches
// when its name matches one of them in any letter case. Masks of the plain form "*.ext" are
// looked up by extension; a malformed mask never matches. An empty text matches nothing.
class TTypeMatcher {
public:
    TTypeMatcher() = default;
    explicit TTypeMatcher(std::string_view maskText);
    bool Matches(const TFoldInfo& file) const;
    bool Empty() const { return extensions_.empty() && others_.Empty(); }
    // The parts of Matches: the upper-cased extensions of the "*.ext" masks, and the others.
    const std::unordered_set<std::string>& Extensions() const { return extensions_; }
    bool OtherMasksMatch(std::string_view name) const;
    bool HasOtherMasks() const { return !others_.Empty(); }

private:
    std::unordered_set<std::string> extensions_;  // upper-cased, dot included
    TMaskList others_;
};

// One custom type as the matchers need it: its name and its mask text.
struct TNamedMasks {
    std::string name;
    std::string masks;
};

// The custom types in list order, each prepared once.
class TCustTypeMatchers {
public:
    explicit TCustTypeMatchers(const std::vector<TNamedMasks>& types);
    // The name of the first type whose masks match the file; null when none does.
    const std::string* FirstMatch(const TFoldInfo& file) const;

private:
    std::vector<std::pair<std::string, TTypeMatcher>> types_;
    // Extension -> the first type whose "*.ext" masks hold it: one look-up per file.
    std::unordered_map<std::string, size_t> firstByExt_;
    std::vector<size_t> withOtherMasks_;  // types that also have other masks, in list order
};

}  // namespace fscope
