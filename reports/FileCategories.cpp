#include "reports/FileCategories.h"

#include <charconv>
#include <cmath>
#include <ctime>

namespace fscope {

TDateTime CurrentDateTime() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return FileTimeToDateTime(ts.tv_sec, static_cast<uint32_t>(ts.tv_nsec));
}

std::optional<double> ParseDecimal(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value,
                                     std::chars_format::fixed);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

double BigFileThreshold(std::string_view bigFileSize, std::string_view bigFileUnit) {
    constexpr double kDefault = 1048576.0;
    double unit = 0;
    if (bigFileUnit == "MB")
        unit = 1048576.0;
    else if (bigFileUnit == "GB")
        unit = 1073741824.0;
    else
        return kDefault;
    const std::optional<double> size = ParseDecimal(bigFileSize);
    return size ? *size * unit : kDefault;
}

TOldFileTest::TOldFileTest(std::string_view dateType, std::string_view time,
                           std::string_view unit, TDateTime now)
    : accessed_(dateType == "Accessed"), now_(now) {
    double unitDays = 0;
    if (unit == "Days")
        unitDays = 1;
    else if (unit == "Months")
        unitDays = 30;
    else if (unit == "Years")
        unitDays = 365;
    const std::optional<long long> limit = ParseWholeNumber(time);
    active_ = unitDays > 0 && limit.has_value();
    if (active_) limitMs_ = static_cast<double>(*limit) * unitDays * 86400000.0;
}

bool TOldFileTest::IsOld(const TFoldInfo& file) const {
    if (!active_) return false;
    const TDateTime stamp = accessed_ ? file.FAccessed : file.FModified;
    // Whole milliseconds, so an age of exactly the limit is never taken for a hair more.
    const double ageMs = std::round((now_ - stamp) * 86400000.0);
    return ageMs > limitMs_;
}

bool InInternetCache(std::string_view folderPath, std::string_view cachePath) {
    while (!cachePath.empty() && cachePath.back() == '/') cachePath.remove_suffix(1);
    if (cachePath.empty()) return false;
    return folderPath.size() > cachePath.size() && folderPath.starts_with(cachePath) &&
           folderPath[cachePath.size()] == '/';
}

namespace {
// "*.ext" with no further wildcard, set or dot: equal to comparing the name's extension.
bool IsPlainExtensionMask(std::string_view mask) {
    if (mask.size() < 2 || mask[0] != '*' || mask[1] != '.') return false;
    return mask.substr(2).find_first_of("*?[.") == std::string_view::npos;
}
}  // namespace

TTypeMatcher::TTypeMatcher(std::string_view maskText) {
    std::vector<std::string> others;
    for (const std::string& mask : SplitText(maskText, " ")) {
        if (mask.empty()) continue;
        if (IsPlainExtensionMask(mask))
            extensions_.insert(UpperAscii(std::string_view(mask).substr(1)));
        else
            others.push_back(mask);
    }
    others_ = TMaskList(others);
}

namespace {
// The file's extension upper-cased ("" when it has none).
std::string UpperExtOf(const TFoldInfo& file) { return UpperAscii(ExtOfName(file.FName.view())); }
}  // namespace

bool TTypeMatcher::OtherMasksMatch(std::string_view name) const {
    return !others_.Empty() && others_.MatchesLenient(name);
}

bool TTypeMatcher::Matches(const TFoldInfo& file) const {
    if (!extensions_.empty()) {
        const std::string ext = UpperExtOf(file);
        if (!ext.empty() && extensions_.contains(ext)) return true;
    }
    return OtherMasksMatch(file.FName.view());
}

TCustTypeMatchers::TCustTypeMatchers(const std::vector<TNamedMasks>& types) {
    types_.reserve(types.size());
    for (const TNamedMasks& t : types) {
        const size_t index = types_.size();
        types_.emplace_back(t.name, TTypeMatcher(t.masks));
        const TTypeMatcher& matcher = types_.back().second;
        for (const std::string& ext : matcher.Extensions()) firstByExt_.emplace(ext, index);
    }
    for (size_t i = 0; i < types_.size(); ++i)
        if (types_[i].second.HasOtherMasks()) withOtherMasks_.push_back(i);
}

const std::string* TCustTypeMatchers::FirstMatch(const TFoldInfo& file) const {
    size_t first = types_.size();
    if (!firstByExt_.empty()) {
        const std::string ext = UpperExtOf(file);
        if (!ext.empty()) {
            auto it = firstByExt_.find(ext);
            if (it != firstByExt_.end()) first = it->second;
        }
    }
    // A type before that one may still match through its other masks.
    for (size_t i : withOtherMasks_) {
        if (i >= first) break;
        if (types_[i].second.OtherMasksMatch(file.FName.view())) return &types_[i].first;
    }
    return first < types_.size() ? &types_[first].first : nullptr;
}

}  // namespace fscope
