#pragma once
// Writing a file so that a failure never leaves a partial file and never harms a file that
// was there before: the bytes go to a new, uniquely named temporary file in the destination's
// folder (created exclusively), which is renamed over the destination only when complete.
// A replaced file keeps its permissions; a new file gets 0666 minus the umask.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fscope {

class EFileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TAtomicFile {
public:
    // Creates the temporary file; throws EFileWriteError when the folder cannot be written.
    explicit TAtomicFile(std::string destination);
    // Without Commit the temporary file is removed and the destination is untouched.
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Buffered; throws EFileWriteError on a failed write.
    void Write(std::string_view bytes);
    void Write(const void* data, size_t size) { Write({static_cast<const char*>(data), size}); }
    // Flushes, applies the permissions and renames into place; throws EFileWriteError.
    void Commit();

    const std::string& TempPath() const { return tempPath_; }
    int Descriptor() const { return fd_; }  // for libraries that write through a descriptor
    // Writes what is buffered (before handing the descriptor to another writer).
    void Flush();

private:
    void Fail(const std::string& what);

    std::string destination_;
    std::string tempPath_;
    int fd_ = -1;
    std::string buffer_;
    bool committed_ = false;
};

// One-shot helper: writes `bytes` to `destination` as above.
void WriteFileAtomically(const std::string& destination, std::string_view bytes);

// The whole content of a file; throws EFileWriteError (with the reason) when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace fscope
