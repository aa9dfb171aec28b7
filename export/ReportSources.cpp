#include "export/ReportSources.h"

#include <stdexcept>

namespace fscope {
namespace {

TReportKind ReportsKindOf(EReportKind kind) {
    switch (kind) {
        case EReportKind::FileTypes:
            return TReportKind::FileTypes;
        case EReportKind::Attribute:
            return TReportKind::Attr;
        case EReportKind::Size:
            return TReportKind::Size;
        case EReportKind::Date:
            return TReportKind::Date;
        case EReportKind::Time:
            return TReportKind::Time;
        case EReportKind::Owner:
            return TReportKind::Owner;
        case EReportKind::Sp:
            return TReportKind::Sp;
        case EReportKind::AllFileFold:
            return TReportKind::AllFolders;
        case EReportKind::Files:
            break;
    }
    throw std::invalid_argument("the File Explorer list is not a report");
}

}  // namespace

TSummaryReport SummaryReportOf(TReports& reports, EReportKind kind, int basis, double reportTotal) {
    TSummaryReport report;
    report.done = &reports.DoneFlag(ReportsKindOf(kind));
    report.reportTotal = reportTotal;
    TReports* r = &reports;
    switch (kind) {
        case EReportKind::FileTypes:
            report.load = [r] { r->LoadFileTypesReport(true); };
            report.rows = [r] { return SummaryRowsOf(r->FileTypeRows()); };
            break;
        case EReportKind::Attribute:
            report.load = [r] { r->LoadAttrReport(true); };
            report.rows = [r] { return SummaryRowsOf(r->AttrList()); };
            break;
        case EReportKind::Size:
            report.load = [r] { r->LoadSizeReport(true); };
            report.rows = [r] { return SummaryRowsOf(r->SizeList()); };
            break;
        case EReportKind::Date:
            report.load = [r, basis] { r->LoadDateReport(basis, true); };
            report.rows = [r] { return SummaryRowsOf(r->DateList()); };
            break;
        case EReportKind::Time:
            report.load = [r, basis] { r->LoadTimeReport(basis, true); };
            report.rows = [r] { return SummaryRowsOf(r->TimeList()); };
            break;
        case EReportKind::Owner:
            report.load = [r] { r->LoadOwnerReport(true); };
            report.rows = [r] { return SummaryRowsOf(r->OwnerList()); };
            break;
        case EReportKind::Sp:
            report.load = [r] { r->LoadSpReport(true); };
            report.rows = [r] { return SummaryRowsOf(r->SpList()); };
            break;
        case EReportKind::Files:
        case EReportKind::AllFileFold:
            throw std::invalid_argument("not a summary report kind");
    }
    return report;
}

TAllFoldersList AllFoldersListOf(TReports& reports, int listKind, double reportTotal,
                                 const TAllFoldersColumns& visible) {
    TAllFoldersList list;
    TReports* r = &reports;
    list.load = [r, listKind] { r->LoadAllFoldersReport(listKind); };
    list.rows = [r] { return AllFoldRecordsOf(r->AllFoldList()); };
    list.done = &reports.DoneFlag(TReportKind::AllFolders);
    list.reportTotal = reportTotal;
    list.visible = visible;
    return list;
}

}  // namespace fscope
