// fscopecmd: scans one drive or folder and saves the result as a disk report archive.

#include <QtGlobal>
#include <iostream>

#include "cmdline/CommandLine.h"

int main(int argc, char* argv[]) {
    // Unattended runs print nothing on success: library diagnostics are not ours to show.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto code = fscope::RunCommandLine(args, std::cout, std::cerr);
    std::cout.flush();
    return static_cast<int>(code);
}
