#include "engine/ReportArchive.h"

#include "engine/ReportXmlReader.h"
#include "engine/ReportXmlWriter.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/ZipArchive.h"

namespace fscope {

namespace {
constexpr std::string_view kArchiveExt = ".mxf";
constexpr std::string_view kMemberExt = ".xml";

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Deflate level 1: the document is very repetitive, so higher levels gain little and cost
// several times the time.
constexpr int kCompressionLevel = 1;
}  // namespace

std::string ArchiveMemberName(std::string_view archivePath) {
    std::string_view base = BaseName(archivePath);
    if (EndsWith(base, kArchiveExt)) base.remove_suffix(kArchiveExt.size());
    return std::string(base) + std::string(kMemberExt);
}

void SaveReportArchive(const TFolioscope& report, const std::string& archivePath) {
    TAtomicFile file(archivePath);
    {
        TZipWriter zip(file.Descriptor(), archivePath);
        zip.AddStreamed(
            ArchiveMemberName(archivePath),
            [&report](const TZipWriter::TSink& sink) { SaveToXml(report, sink); },
            kCompressionLevel);
        zip.Close(report.FMessagePump);
    }
    file.Commit();
}

bool LoadReportArchive(TFolioscope& report, const std::string& archivePath) {
    try {
        TZipReader zip(archivePath);
        const std::vector<std::string> names = zip.MemberNames();
        const std::string wanted = ArchiveMemberName(archivePath);
        size_t index = names.size();
        for (size_t i = 0; i < names.size() && index == names.size(); ++i)
            if (names[i] == wanted) index = i;
        for (size_t i = 0; i < names.size() && index == names.size(); ++i)
            if (EndsWith(names[i], kMemberExt)) index = i;
        if (index == names.size())
            throw EZipError("The archive \"" + archivePath + "\" holds no disk report (no " +
                            std::string(kMemberExt) + " member)");
        std::unique_ptr<TZipReader::TStream> member = zip.Open(index);
        TXmlTokenizer tokenizer(
            [&member](char* buffer, size_t size) { return member->Read(buffer, size); });
        report.FFileName = archivePath;
        return LoadFromXml(report, tokenizer);
    } catch (...) {
        report.FreeTree();
        report.FFileName.clear();
        throw;
    }
}

}  // namespace fscope
