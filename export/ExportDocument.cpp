#include "export/ExportDocument.h"

#include "engine/Folioscope.h"
#include "export/ExportTexts.h"
#include "export/MarkupText.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace fscope {

std::string ItemFullPath(const TFolioscope& report, const TFoldInfo& node) {
    std::string path = report.GetItemPath(&node);
    if (node.IsFolder()) {
        if (path.size() > 1 && path.back() == PathDelim) path.pop_back();
    } else {
        path += node.FName.view();
    }
    return path;
}

std::string DosNameOf(const TFolioscope& report, const TFoldInfo& node,
                      const TShortPathFn& shortPathName) {
    const std::string path = ItemFullPath(report, node);
    return shortPathName ? shortPathName(path) : ShortPathName(path);
}

void AppendReportHtmlHead(std::string& document, TDateTime now) {
    document += "<HTML><HEAD><TITLE>Disk Space Report</TITLE>\r\n";
    document += "<style type=\"text/css\">";
    document += "BODY {BACKGROUND: #ffffff; COLOR: #000000; FONT-FAMILY: Tahoma,Arial;}";
    document += "TD {font-size: 8pt;font-family: Tahoma,Arial;Color: #000000}";
    document += "</style></HEAD>";
    document += "<body bgcolor=\"#ffffff\">";
    document += "<h3 align=\"center\">Disk Space Report</h3>\r\n";
    document += "<h5 align=\"center\">Created with Folioscope Pro</h5>\r\n";
    document += "<h5 align=\"left\">Date : " + LongDateStamp(now) + "</h5>\r\n";
}

void AppendCsvHead(std::string& document, TDateTime now) {
    document += "Folioscope Pro \r\n\r\n";
    document += "Date : " + LongDateStamp(now) + "\r\n\r\n";
}

void AppendXmlHead(std::string& document, TDateTime now) {
    document += "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><MainSec>\r\n";
    document += "<Date>" + ShortDateStamp(now) + "</Date>\r\n";
}

void AppendXmlElement(std::string& document, std::string_view tag, std::string_view text) {
    document += '<';
    document += tag;
    document += '>';
    AppendMarkupText(document, text);
    document += "</";
    document += tag;
    document += '>';
}

void SaveExport(const std::string& file, std::string_view document) {
    WriteFileAtomically(file, document);
}

}  // namespace fscope
