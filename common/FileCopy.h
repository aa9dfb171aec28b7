#pragma once
// Copying and moving files and folders, without a window: progress goes to a callback and every
// conflict is a question to another, so the window layer can show a progress dialog and ask the
// user. Links are copied as links; FIFOs and devices are never opened (recreated, or skipped and
// reported); a folder is never copied or moved into itself; permissions and times are kept (the
// owner too when running as root); a file is written under a temporary name and renamed into
// place when complete. A move within one file system renames; across file systems each source
// entry is removed only after its copy is complete.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fscope {

enum class TConflictAnswer { Overwrite, Skip, Cancel };

struct TCopyProgress {
    uint64_t bytesDone = 0;
    uint64_t bytesTotal = 0;
    std::string current;  // the source entry being copied
};

struct TCopyCallbacks {
    // Called per entry and per block of data; return false to cancel. May be empty.
    std::function<bool(const TCopyProgress&)> progress;
    // `destination` exists already. Empty: every conflict is skipped.
    std::function<TConflictAnswer(const std::string& source, const std::string& destination)>
        conflict;
    // Something was not copied as it is (a FIFO or device recreated, a socket skipped) or failed.
    std::function<void(const std::string& path, const std::string& message)> notice;
};

struct TCopyResult {
    int64_t filesDone = 0;            // files, links and special files copied or moved
    int64_t skipped = 0;              // entries left out (conflict answered Skip, sockets, devices)
    bool cancelled = false;           // stopped by the progress callback or a Cancel answer
    std::vector<std::string> errors;  // one text per failure (also given to `notice`)
    bool Ok() const { return !cancelled && errors.empty(); }
};

// Copies each source (file, link, special file or folder tree) into the folder `destination`
// under its own name.
TCopyResult ShellCopy(const std::vector<std::string>& sources, const std::string& destination,
                      const TCopyCallbacks& callbacks);

// Moves each source into the folder `destination` under its own name.
TCopyResult ShellMove(const std::vector<std::string>& sources, const std::string& destination,
                      const TCopyCallbacks& callbacks);

}  // namespace fscope
