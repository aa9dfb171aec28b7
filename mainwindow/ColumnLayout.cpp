#include "mainwindow/ColumnLayout.h"

#include <charconv>

#include "engine/TextHelpers.h"

namespace fscope {

namespace {

std::optional<int> WholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
    return value;
}

}  // namespace

std::vector<std::optional<int>> StoredColumnWidths(const std::string& widths,
                                                   const std::string& visible, int columnCount) {
    std::vector<std::optional<int>> result(static_cast<size_t>(columnCount));
    const std::vector<std::string> widthEntries = SplitText(widths, ",");
    for (size_t n = 0; n < widthEntries.size() && n < result.size(); ++n)
        if (const auto width = WholeNumber(widthEntries[n]); width && *width >= 0)
            result[n] = *width;
    const std::vector<std::string> visibleEntries = SplitText(visible, ",");
    for (size_t n = 0; n < visibleEntries.size() && n < result.size(); ++n)
        if (TrimBlanks(visibleEntries[n]) == "0") result[n] = 0;
    return result;
}

std::string MergedColumnWidths(const std::string& stored, const std::vector<int>& current) {
    if (TrimBlanks(stored).empty()) return {};
    std::string merged;
    const std::vector<std::string> entries = SplitText(stored, ",");
    for (size_t n = 0; n < entries.size(); ++n) {
        if (n > 0) merged += ',';
        const bool shown = n < current.size() && current[n] != 0;
        merged += shown ? std::to_string(current[n]) : std::string(TrimBlanks(entries[n]));
    }
    return merged;
}

void LoadColumnLayout(QHeaderView& header, const std::string& widths, const std::string& visible) {
    const auto layout = StoredColumnWidths(widths, visible, header.count());
    for (int n = 0; n < header.count(); ++n) {
        const auto& width = layout[static_cast<size_t>(n)];
        if (!width) continue;
        header.setSectionHidden(n, *width == 0);
        if (*width != 0) header.resizeSection(n, *width);
    }
}

std::string SaveColumnLayout(const QHeaderView& header, const std::string& stored) {
    std::vector<int> current;
    for (int n = 0; n < header.count(); ++n)
        current.push_back(header.isSectionHidden(n) ? 0 : header.sectionSize(n));
    return MergedColumnWidths(stored, current);
}

}  // namespace fscope
