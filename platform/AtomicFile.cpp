#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace fscope {

namespace {
constexpr size_t kBufferSize = 1 << 16;

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string RandomSuffix() {
    static thread_local std::mt19937_64 rng{std::random_device{}()};
    static const char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string s;
    for (int i = 0; i < 10; ++i) s.push_back(digits[rng() % 36]);
    return s;
}

mode_t CurrentUmask() {
    mode_t m = umask(0);
    umask(m);
    return m;
}
}  // namespace

TAtomicFile::TAtomicFile(std::string destination) : destination_(std::move(destination)) {
    const std::string folder = FolderOf(destination_);
    size_t slash = destination_.rfind('/');
    std::string base = slash == std::string::npos ? destination_ : destination_.substr(slash + 1);
    if (base.size() > 200) base.resize(200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath_ = folder + "/." + base + "." + RandomSuffix() + ".tmp";
        fd_ = open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd_ >= 0) return;
        if (errno != EEXIST) break;
    }
    const int err = errno;
    tempPath_.clear();
    throw EFileWriteError("Cannot create file \"" + destination_ + "\": " + std::strerror(err));
}

TAtomicFile::~TAtomicFile() {
    if (fd_ >= 0) close(fd_);
    if (!committed_ && !tempPath_.empty()) unlink(tempPath_.c_str());
}

void TAtomicFile::Fail(const std::string& what) {
    const int err = errno;
    throw EFileWriteError(what + " \"" + destination_ + "\": " + std::strerror(err));
}

void TAtomicFile::Flush() {
    size_t done = 0;
    while (done < buffer_.size()) {
        ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("Cannot write file");
        }
        done += static_cast<size_t>(n);
    }
    buffer_.clear();
}

void TAtomicFile::Write(std::string_view bytes) {
    if (buffer_.size() + bytes.size() > kBufferSize) {
        Flush();
        if (bytes.size() > kBufferSize) {
            buffer_.assign(bytes);
            Flush();
            return;
        }
    }
    buffer_.append(bytes);
}

void TAtomicFile::Commit() {
    Flush();
    struct stat old;
    mode_t mode = lstat(destination_.c_str(), &old) == 0 && S_ISREG(old.st_mode)
                      ? (old.st_mode & 07777)
                      : (0666 & ~CurrentUmask());
    if (fchmod(fd_, mode) != 0) Fail("Cannot set permissions of");
    if (fsync(fd_) != 0) Fail("Cannot write file");
    if (close(fd_) != 0) {
        fd_ = -1;
        Fail("Cannot write file");
    }
    fd_ = -1;
    if (rename(tempPath_.c_str(), destination_.c_str()) != 0) Fail("Cannot replace file");
    committed_ = true;
}

void WriteFileAtomically(const std::string& destination, std::string_view bytes) {
    TAtomicFile f(destination);
    f.Write(bytes);
    f.Commit();
}

std::string ReadWholeFile(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw EFileWriteError("Cannot open file \"" + path + "\": " + std::strerror(errno));
    std::string out;
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            close(fd);
            throw EFileWriteError("Cannot read file \"" + path + "\": " + std::strerror(err));
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return out;
}

}  // namespace fscope
