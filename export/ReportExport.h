#pragma once
// The seven summary reports (file types, attributes, size ranges, date ranges, hours, owners,
// custom types) as an HTML page, a CSV text or an XML document.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FoldInfo.h"
#include "export/ExportContext.h"
#include "export/ReportKind.h"
#include "reports/ReportRecords.h"

namespace fscope {

// One record of a summary report as the exports read it. Views into the report's records,
// valid while the report list is not recomputed.
struct TSummaryRow {
    std::string_view name;    // FTypeName (file types), FOwner (owners), else FName
    std::string_view second;  // FExt (file types), FDomain (owners), else unused
    int32_t count = 0;
    double size = 0;
    double allocSize = 0;
};

inline TSummaryRow SummaryRowOf(const TExtInfo& r) {
    return {r.FTypeName, r.FExt, r.FCount, r.FSize, r.FAllocSize};
}
inline TSummaryRow SummaryRowOf(const TOwnerInfo& r) {
    return {r.FOwner, r.FDomain, r.FCount, r.FSize, r.FAllocSize};
}
template <class Record>
TSummaryRow SummaryRowOf(const Record& r) {
    return {r.FName, {}, r.FCount, r.FSize, r.FAllocSize};
}
// The rows of a report list (a TBucketList or TExtList: any list of owned records).
template <class List>
std::vector<TSummaryRow> SummaryRowsOf(const List& list) {
    std::vector<TSummaryRow> rows;
    rows.reserve(list.size());
    for (const auto& record : list) rows.push_back(SummaryRowOf(*record));
    return rows;
}

// A summary report as the window hands it to the exports.
struct TSummaryReport {
    // Makes sure the report exists: its Load operation with sort = true (the date and hour
    // reports with the basis of the tab's checked radio button). Called by the CSV and XML
    // writers before they read the rows; may be empty.
    std::function<void()> load;
    // The report list as it stands, in the order the tab shows.
    std::function<std::vector<TSummaryRow>()> rows;
    // The report's Done flag: set while the rows are written and cleared afterwards, so the
    // report is computed again the next time its tab is shown. May be null.
    bool* done = nullptr;
    double reportTotal = 0;  // the percent base (the File Explorer total)
};

// Documents of one of the kinds FileTypes, Attribute, Size, Date, Time, Owner, Sp. Throws
// std::invalid_argument for Files and AllFileFold, which have writers of their own.
std::string ExportReportHtml(EReportKind kind, TSummaryReport& report,
                             const TExportContext& context);
std::string ExportReportCsv(EReportKind kind, TSummaryReport& report,
                            const TExportContext& context);
std::string ExportReportXml(EReportKind kind, TSummaryReport& report,
                            const TExportContext& context);

}  // namespace fscope
