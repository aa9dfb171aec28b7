#pragma once
// The console program's argument handling and its scan-to-archive sequence, apart from main()
// so tests can run it with any arguments and capture both output streams.

#include <ostream>
#include <string>
#include <vector>

namespace fscope {

// Exit codes of fscopecmd.
enum class TExitCode : int {
    Success = 0,  // archive written, or usage shown for no arguments
    Failed = 1,   // nothing to record, or the archive could not be written
    WrongArguments = 2,
};

// The usage text, one line per element (14 lines).
const std::vector<std::string>& UsageLines();

// Runs the program with `args` (without the program name). Messages and the usage text go to
// `out`; the one-line reason of a failure goes to `err`. Nothing is written on success.
TExitCode RunCommandLine(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);

// Scans `path` (absolute, ending in '/') and writes the archive `destination`. Returns false
// with `reason` set when the path holds nothing to record or the archive cannot be written.
bool ScanToArchive(const std::string& path, const std::string& destination, std::string& reason);

}  // namespace fscope
