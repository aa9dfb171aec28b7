#include "cmdline/CommandLine.h"

#include <exception>

#include "engine/Folioscope.h"
#include "engine/ReportArchive.h"
#include "engine/TextHelpers.h"
#include "platform/Paths.h"

namespace fscope {

namespace {
constexpr const char* kWrongParameters = "Please specify correct parameters";
constexpr std::string_view kArchiveExt = ".mxf";

void ShowUsage(std::ostream& out) {
    for (const std::string& line : UsageLines()) out << line << '\n';
}

TExitCode WrongArguments(std::ostream& out, const std::string& message) {
    out << message << "\n\n";
    ShowUsage(out);
    return TExitCode::WrongArguments;
}
}  // namespace

const std::vector<std::string>& UsageLines() {
    static const std::vector<std::string> lines = {
        "Folioscope Pro Command-line Tool",
        "Version 3.4",
        "Saves a snapshot of a drive or folder as a disk report archive.",
        "",
        "NOTE: You can use this tool to perform file search from command prompt and ",
        "save the search result as MXF file. You can later open the MXF file from ",
        "Folioscope Pro using \"Load from Disk\" command from DiskReport Menu. You ",
        "can also add this tool in your scheduling program and automate the file search.",
        "",
        "SYNTAX:",
        "",
        "fscopecmd /S drivefolderpath destinationfilename",
        "",
        "e.g. FscopeCmd /S C:\\ C:\\mysearch.mxf",
    };
    return lines;
}

bool ScanToArchive(const std::string& path, const std::string& destination, std::string& reason) {
    TFolioscope report{TScanSettings{}};
    report.Scan(path);
    if (report.FItems.empty()) {
        reason = "Nothing to record: \"" + path + "\" does not exist, cannot be read or is empty";
        return false;
    }
    try {
        SaveReportArchive(report, destination);
    } catch (const std::exception& e) {
        reason = e.what();
        return false;
    }
    return true;
}

TExitCode RunCommandLine(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    if (args.empty()) {
        ShowUsage(out);
        return TExitCode::Success;
    }
    if (args.size() < 3 || UpperAscii(args[0]) != "/S")
        return WrongArguments(out, kWrongParameters);
    const std::string& destination = args[2];
    // A file name of its own before ".mxf" (not ".mxf" alone, not a folder path).
    const std::string_view base = BaseName(destination);
    const bool endsInMxf = destination.size() > kArchiveExt.size() &&
                           destination.ends_with(kArchiveExt) && base.ends_with(kArchiveExt);
    if (!endsInMxf || base.size() <= kArchiveExt.size())
        return WrongArguments(out, "The destination file name must end in \".mxf\"");
    const std::string path = WithTrailingDelim(NormalisePath(args[1]));
    std::string reason;
    if (!ScanToArchive(path, destination, reason)) {
        err << "fscopecmd: " << reason << '\n';
        return TExitCode::Failed;
    }
    return TExitCode::Success;
}

}  // namespace fscope
