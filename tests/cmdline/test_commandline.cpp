// fscopecmd: usage text, argument errors and exit codes, relative paths, silent success.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <tuple>

#include "cmdline/CommandLine.h"
#include "engine/ReportArchive.h"
#include "platform/AtomicFile.h"
#include "support/TempTree.h"

using namespace fscope;

namespace {

struct TRun {
    TExitCode code;
    std::string out, err;
};

TRun RunWith(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    TExitCode code = RunCommandLine(args, out, err);
    return {code, out.str(), err.str()};
}

std::string Usage() {
    std::string text;
    for (const std::string& line : UsageLines()) text += line + "\n";
    return text;
}

}  // namespace

TEST(CommandLine, UsageTextIsTheFourteenLines) {
    const auto& lines = UsageLines();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "Folioscope Pro Command-line Tool");
    EXPECT_EQ(lines[1], "Version 3.4");
    EXPECT_FALSE(lines[2].empty());
    for (size_t i : {3, 8, 10, 12}) EXPECT_EQ(lines[i], "") << i;
    for (size_t i : {4, 5, 6}) EXPECT_EQ(lines[i].back(), ' ') << i;
    EXPECT_EQ(lines[6],
              "Folioscope Pro using \"Load from Disk\" command from DiskReport Menu. You ");
    EXPECT_EQ(lines[9], "SYNTAX:");
    EXPECT_EQ(lines[11], "fscopecmd /S drivefolderpath destinationfilename");
    EXPECT_EQ(lines[13], "e.g. FscopeCmd /S C:\\ C:\\mysearch.mxf");

    TRun none = RunWith({});
    EXPECT_EQ(none.code, TExitCode::Success);
    EXPECT_EQ(none.out, Usage());
    EXPECT_EQ(none.err, "");
}

TEST(CommandLine, WrongArgumentsShowTheMessageAndUsageWithExitTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"/S"}, {"/S", "/tmp"}, {"/X", "/tmp", "/tmp/a.mxf"}, {"S", "/tmp", "/tmp/a.mxf"}};
    for (const auto& args : cases) {
        TRun r = RunWith(args);
        EXPECT_EQ(r.code, TExitCode::WrongArguments);
        EXPECT_EQ(r.out, "Please specify correct parameters\n\n" + Usage());
        EXPECT_EQ(r.err, "");
    }
    for (const char* dest : {"/tmp/a.zip", "/tmp/a.MXF", "/tmp/.mxf", "/tmp/x.mxf/"}) {
        TRun r = RunWith({"/S", "/tmp", dest});
        EXPECT_EQ(r.code, TExitCode::WrongArguments) << dest;
        EXPECT_NE(r.out.find("must end in \".mxf\""), std::string::npos) << dest;
    }
}

TEST(CommandLine, NothingToRecordFailsWithOneLineAndNoArchive) {
    test::TempTree tree;
    tree.Folder("empty");
    for (const std::string& path : {tree.Path("empty"), tree.Path("missing")}) {
        TRun r = RunWith({"/S", path, tree.Path("snap.mxf")});
        EXPECT_EQ(r.code, TExitCode::Failed);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(access(tree.Path("snap.mxf").c_str(), F_OK), 0);
    }
    tree.File("src/a.txt", 3);
    TRun r = RunWith({"/s", tree.Path("src"), tree.Path("nofolder/snap.mxf")});
    EXPECT_EQ(r.code, TExitCode::Failed);
    EXPECT_NE(r.err.find("nofolder"), std::string::npos) << r.err;
}

TEST(CommandLine, RelativeFolderBecomesAnAbsoluteRoot) {
    test::TempTree tree;
    tree.File("src/a.txt", 3);
    tree.Folder("src/sub");
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(tree.Path("src/sub").c_str()), 0);
    TRun r = RunWith({"/s", "..", "../../snap.mxf"});
    ASSERT_EQ(chdir(cwd), 0);
    ASSERT_EQ(r.code, TExitCode::Success) << r.err;
    TFolioscope loaded;
    ASSERT_TRUE(LoadReportArchive(loaded, tree.Path("snap.mxf")));
    EXPECT_EQ(loaded.FRootPath, tree.Path("src/"));
    EXPECT_EQ(loaded.FItems.size(), 2u);
}

TEST(CommandLine, TheProgramPrintsNothingOnSuccessAndReportsExitCodes) {
    test::TempTree tree;
    tree.File("src/a b/c.txt", 3);
    auto run = [&](std::vector<std::string> args) {
        const std::string outPath = tree.Path("stdout"), errPath = tree.Path("stderr");
        pid_t pid = fork();
        if (pid == 0) {
            freopen(outPath.c_str(), "w", stdout);
            freopen(errPath.c_str(), "w", stderr);
            unsetenv("XDG_RUNTIME_DIR");
            std::vector<char*> argv{const_cast<char*>(FSCOPECMD_PATH)};
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(FSCOPECMD_PATH, argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return std::tuple{WEXITSTATUS(status), ReadWholeFile(outPath), ReadWholeFile(errPath)};
    };
    auto [code, out, err] = run({"/S", tree.Path("src"), tree.Path("snap.mxf")});
    EXPECT_EQ(code, 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    EXPECT_EQ(access(tree.Path("snap.mxf").c_str(), F_OK), 0);
    EXPECT_EQ(std::get<0>(run({})), 0);
    EXPECT_EQ(std::get<0>(run({"/S", "x"})), 2);
    EXPECT_EQ(std::get<0>(run({"/S", tree.Path("none"), tree.Path("n.mxf")})), 1);
}
