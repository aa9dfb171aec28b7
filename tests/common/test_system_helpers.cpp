#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

#include "common/SystemHelpers.h"
#include "platform/AtomicFile.h"
#include "support/TempTree.h"

using namespace fscope;
using fscope::test::TempTree;

namespace {

uid_t UidWithoutAccount() {
    uid_t uid = 54321;
    while (::getpwuid(uid)) ++uid;
    return uid;
}

// Sets an environment variable for the scope of a test, restoring the old value afterwards.
class TEnv {
public:
    TEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~TEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string Executable(TempTree& tree, const std::string& relative, const std::string& script) {
    const std::string path = tree.File(relative);
    WriteFileAtomically(path, "#!/bin/sh\n" + script + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

}  // namespace

TEST(GetFileOwner, AccountsHostAndUnknownUids) {
    TempTree tree;
    const std::string file = tree.File("mine");
    std::string domain = "x", owner = "y";
    ASSERT_TRUE(GetFileOwner(file, domain, owner));
    EXPECT_EQ(owner, "root");
    EXPECT_EQ(domain, HostDomainName());
    EXPECT_FALSE(domain.empty());

    const std::string given = tree.File("given");
    ASSERT_EQ(::chown(given.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(GetFileOwner(given, domain, owner));
    EXPECT_EQ(owner, ::getpwuid(65534)->pw_name);

    const uid_t unknown = UidWithoutAccount();
    const std::string orphan = tree.File("orphan");
    ASSERT_EQ(::chown(orphan.c_str(), unknown, 0), 0);
    EXPECT_FALSE(GetFileOwner(orphan, domain, owner));
    EXPECT_EQ(domain, "");
    EXPECT_EQ(owner, std::to_string(unknown));

    // A link is asked about itself: root's link to the other account's file is root's.
    const std::string link = tree.Link("link", given);
    ASSERT_EQ(::lchown(link.c_str(), 0, 0), 0);
    ASSERT_TRUE(GetFileOwner(link, domain, owner));
    EXPECT_EQ(owner, "root");
    const std::string dangling = tree.Link("dangling", tree.Path("nothing"));
    EXPECT_TRUE(GetFileOwner(dangling, domain, owner));

    domain = "kept";
    owner = "kept";
    EXPECT_FALSE(GetFileOwner(tree.Path("missing"), domain, owner));
    EXPECT_EQ(domain, "kept");
    EXPECT_EQ(owner, "kept");
}

TEST(GetSpecialFolderPath, InternetCacheIsTheUsersCacheFolder) {
    {
        TEnv cache("XDG_CACHE_HOME", "/somewhere/cache/");
        EXPECT_EQ(GetSpecialFolderPath(CSIDL_INTERNET_CACHE), "/somewhere/cache");
    }
    TEnv cache("XDG_CACHE_HOME", nullptr);
    TEnv home("HOME", "/home/someone");
    EXPECT_EQ(GetSpecialFolderPath(CSIDL_INTERNET_CACHE), "/home/someone/.cache");
    EXPECT_EQ(GetSpecialFolderPath(0x05), "");
}

TEST(FindTerminal, EnvironmentThenKnownProgramsInOrder) {
    TempTree tree;
    const std::string konsole = Executable(tree, "bin/konsole", "exit 0");
    const std::string xterm = Executable(tree, "bin/xterm", "exit 0");
    TEnv path("PATH", tree.Path("bin").c_str());
    {
        TEnv terminal("TERMINAL", nullptr);
        EXPECT_EQ(FindTerminal(), std::vector<std::string>{konsole});
    }
    {
        const std::string mine = Executable(tree, "bin/myterm", "exit 0");
        TEnv terminal("TERMINAL", "myterm --hold");
        EXPECT_EQ(FindTerminal(), (std::vector<std::string>{mine, "--hold"}));
    }
    TEnv terminal("TERMINAL", "not-installed");
    EXPECT_EQ(FindTerminal(), std::vector<std::string>{konsole});
    ::unlink(konsole.c_str());
    ::unlink(xterm.c_str());
    EXPECT_TRUE(FindTerminal().empty());
    std::string error;
    EXPECT_FALSE(OpenCommandPrompt(tree.Root(), error));
    EXPECT_FALSE(error.empty());
}

TEST(OpenCommandPrompt, StartsTheTerminalInTheFolder) {
    TempTree tree;
    const std::string folder = tree.Folder("work dir");
    const std::string marker = tree.Path("marker");
    Executable(tree, "bin/xterm",
               "pwd > \"$FSCOPE_MARKER.part\" && mv \"$FSCOPE_MARKER.part\" \"$FSCOPE_MARKER\"");
    TEnv path("PATH", (tree.Path("bin") + ":/usr/bin:/bin").c_str());
    TEnv terminal("TERMINAL", nullptr);
    TEnv markerEnv("FSCOPE_MARKER", marker.c_str());

    std::string error;
    EXPECT_FALSE(OpenCommandPrompt(tree.Path("missing"), error));
    ASSERT_TRUE(OpenCommandPrompt(folder, error)) << error;
    struct stat st;
    for (int i = 0; i < 200 && ::stat(marker.c_str(), &st) != 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_EQ(::stat(marker.c_str(), &st), 0) << "the terminal never ran";
    EXPECT_EQ(ReadWholeFile(marker), folder.substr(0, folder.size() - 1) + "\n");
}
