#include "support/TempTree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace fscope::test {

TempTree::TempTree() {
    std::string tmpl = "/tmp/fscope-test-XXXXXX";
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    root_ = tmpl + "/";
}

TempTree::~TempTree() { RemoveTree(root_); }

std::string TempTree::Folder(std::string_view relative) {
    std::string path = root_;
    std::string_view rest = relative;
    while (!rest.empty()) {
        size_t slash = rest.find('/');
        path += rest.substr(0, slash);
        mkdir(path.c_str(), 0755);
        path += '/';
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
    }
    return path;
}

std::string TempTree::File(std::string_view relative, size_t size) {
    size_t slash = relative.rfind('/');
    if (slash != std::string_view::npos) Folder(relative.substr(0, slash));
    std::string path = Path(relative);
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + path);
    std::string bytes(size, 'x');
    if (size && write(fd, bytes.data(), size) != static_cast<ssize_t>(size)) {
        close(fd);
        throw std::runtime_error("cannot write " + path);
    }
    close(fd);
    return path;
}

std::string TempTree::Link(std::string_view relative, std::string_view target) {
    std::string path = Path(relative);
    if (symlink(std::string(target).c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot link " + path);
    return path;
}

void TempTree::SetTimes(std::string_view relative, int64_t seconds) {
    struct timespec ts[2] = {{seconds, 0}, {seconds, 0}};
    utimensat(AT_FDCWD, Path(relative).c_str(), ts, AT_SYMLINK_NOFOLLOW);
}

void RemoveTree(const std::string& path) {
    // GNU rm removes trees of any depth; tests build trees far deeper than PATH_MAX.
    pid_t pid = fork();
    if (pid == 0) {
        execlp("rm", "rm", "-rf", "--", path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    if (pid > 0) waitpid(pid, &status, 0);
}

}  // namespace fscope::test
