#pragma once
// What every export document takes from the window besides its rows: the settings it formats
// with, the text of the path box, the current date-time, and an optional per-row callback.
// Passing these in (instead of reading the window and the clock) keeps the writers
// deterministic and callable from tests and benchmarks.

#include <cstddef>
#include <functional>
#include <string>

#include "platform/FileTime.h"

namespace fscope {

struct TOptions;

// The settings the exports read, copied from the settings record.
struct TExportSettings {
    std::string SizeType = "GEN";  // size unit code of the lists and reports
    std::string Decimals = "2";    // decimal places of sizes in KB, MB, GB
    std::string CSVSep = ",";      // CSV separator; "Tab" means a tab character
};
TExportSettings ExportSettingsFrom(const TOptions& options);

struct TExportContext {
    TExportSettings settings;
    std::string pathBoxText;  // the shown folder's path as the path box holds it (ends in '/')
    TDateTime now = 0;        // the current local date-time, for the "Date : " lines
    // Called after each row is written with the number of rows written so far (progress
    // panels, message pump); may be empty.
    std::function<void(size_t)> onRow;

    void RowWritten(size_t count) const {
        if (onRow) onRow(count);
    }
};

}  // namespace fscope
