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

bool TTypeMatcher::Matches(const TFoldInfo& file) const {
    if (!extensions_.empty()) {
        const std::string_view ext = ExtOfName(file.FName.view());
        if (!ext.empty() && ext.size() <= 32) {
            char buf[32];
            for (size_t i = 0; i < ext.size(); ++i) {
                const char c = ext[i];
                buf[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
            }
            if (extensions_.contains(std::string(buf, ext.size()))) return true;
        } else if (!ext.empty() && extensions_.contains(UpperAscii(ext))) {
            return true;
        }
    }
    return !others_.Empty() && others_.MatchesLenient(file.FName.view());
}

TCustTypeMatchers::TCustTypeMatchers(const std::vector<TNamedMasks>& types) {
    types_.reserve(types.size());
    for (const TNamedMasks& t : types) types_.emplace_back(t.name, TTypeMatcher(t.masks));
}

const std::string* TCustTypeMatchers::FirstMatch(const TFoldInfo& file) const {
    for (const auto& [name, matcher] : types_)
        if (matcher.Matches(file)) return &name;
    return nullptr;
}

}  // namespace fscope
