#pragma once
// The text form of the settings store: an INI file that QSettings (IniFormat) reads back into
// exactly the strings written. Every value is written quoted, so commas, semicolons, "|",
// quotes and leading or trailing spaces survive.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fscope {

// `value` as a quoted INI value: backslash and quote escaped, control characters as escapes.
std::string IniQuotedValue(std::string_view value);

// A whole INI text with one [General] section holding `values` in the given order.
std::string IniGeneralSection(const std::vector<std::pair<std::string, std::string>>& values);

}  // namespace fscope
