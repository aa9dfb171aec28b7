#include "reports/ReportRows.h"

#include <cmath>

#include "common/SizeFormat.h"
#include "platform/DateTimeText.h"

namespace fscope {

double ReportPercent(double size, double reportTotal) {
    if (!(reportTotal > 0) || !std::isfinite(reportTotal)) return 0;
    return size * 100.0 / reportTotal;
}

double FileTypePercent(double size, double reportTotal) {
    return ReportPercent(size == 0 ? 1 : size, reportTotal);
}

std::string PercentText(double percent) { return FormatFloat("######0.00 %", percent); }

std::string ReportSizeText(double bytes, const TOptions& options) {
    return FormatSize(options.SizeType, "##########0", options.Reginfo.Decimals, bytes);
}

namespace {

std::string CountText(int32_t count) { return std::to_string(count); }

// Label, files, size, size on disk: the attribute, date, hour and custom types rows.
template <class Record>
std::string LabelRowText(const Record& r, int column, const TOptions& options) {
    switch (column) {
        case 0: return r.FName;
        case 1: return CountText(r.FCount);
        case 2: return ReportSizeText(r.FSize, options);
        case 3: return ReportSizeText(r.FAllocSize, options);
    }
    return {};
}

}  // namespace

std::string ReportCellText(const TReports& reports, TReportKind kind, size_t row, int column,
                           const TOptions& options) {
    if (row >= reports.RowCount(kind)) return {};
    switch (kind) {
        case TReportKind::FileTypes: {
            const TExtInfo& r = *reports.FileTypeRows()[row];
            switch (column) {
                case 0: return r.FTypeName;
                case 1: return r.FExt;
                case 3: return CountText(r.FCount);
                case 4: return ReportSizeText(r.FSize, options);
                case 5: return ReportSizeText(r.FAllocSize, options);
            }
            return {};
        }
        case TReportKind::Attr: return LabelRowText(*reports.AttrList()[row], column, options);
        case TReportKind::Size: {
            const TSizeInfo& r = *reports.SizeList()[row];
            switch (column) {
                case 0: return r.FName;
                case 1: return CountText(r.FCount);
                case 3: return ReportSizeText(r.FSize, options);
                case 4: return ReportSizeText(r.FAllocSize, options);
            }
            return {};
        }
        case TReportKind::Date: return LabelRowText(*reports.DateList()[row], column, options);
        case TReportKind::Time: return LabelRowText(*reports.TimeList()[row], column, options);
        case TReportKind::Owner: {
            const TOwnerInfo& r = *reports.OwnerList()[row];
            switch (column) {
                case 0: return r.FOwner;
                case 1: return r.FDomain;
                case 2: return CountText(r.FCount);
                case 4: return ReportSizeText(r.FSize, options);
                case 5: return ReportSizeText(r.FAllocSize, options);
            }
            return {};
        }
        case TReportKind::Sp: return LabelRowText(*reports.SpList()[row], column, options);
        case TReportKind::AllFolders: {
            const TAllFoldInfo& r = *reports.AllFoldList()[row];
            switch (column) {
                case 0: return r.FName;
                case 1: return r.FPath;
                case 3: return ReportSizeText(r.FSize, options);
                case 4: return ReportSizeText(r.FAllocSize, options);
                case 5: return CountText(r.FFileCount);
                case 6: return CountText(r.FFolderCount);
                case 7: return DateTimeToText(r.FModified);
            }
            return {};
        }
    }
    return {};
}

}  // namespace fscope
