#pragma once
// The disk report archive (.mxf): a ZIP archive holding one deflated member, the XML disk
// report, named after the archive (its final ".mxf" replaced by ".xml").
//
// Saving streams the document into the member of a new archive written under a unique
// temporary name in the destination's folder and renamed over the destination when complete
// (a replaced archive keeps its permissions); no other file is ever created. Loading reads the
// member straight from the archive, which is never renamed, and nothing is extracted.

#include <string>
#include <string_view>

#include "engine/Folioscope.h"

namespace fscope {

// The member name for an archive path: its file name with a final ".mxf" replaced by ".xml"
// (".xml" appended when the name does not end in ".mxf"). Folder names never take part.
std::string ArchiveMemberName(std::string_view archivePath);

// Writes `report` as the archive `archivePath`. The report is read on a helper thread while
// the calling thread compresses; nobody may change it meanwhile. report.FMessagePump runs on
// the calling thread after every compressed piece. Throws EFileWriteError or EZipError; the
// destination is then untouched and no temporary file remains.
void SaveReportArchive(const TFolioscope& report, const std::string& archivePath);

// Fills `report` from the archive and sets its FFileName. The member read is the one named
// after the archive, else the first whose name ends in ".xml". Returns false when FStop ended
// the load. Throws EZipError (unreadable or damaged archive, no XML member) or the reader's
// errors (see ReportXmlReader.h); the report is then empty.
bool LoadReportArchive(TFolioscope& report, const std::string& archivePath);

}  // namespace fscope
