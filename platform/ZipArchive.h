#pragma once
// A thin wrapper around libzip for archives of streamed members: a writer that compresses a
// member while another thread produces its bytes, and a reader that inflates a member ahead
// of its consumer on a helper thread. Neither ever holds a whole member in memory, and
// nothing is ever extracted to disk.

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct zip;
struct zip_file;

namespace fscope {

// Any failure of the archive library: damaged archive, no access, a write error.
class EZipError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes one new archive into an open, writable descriptor (for instance a TAtomicFile's),
// from its current contents replaced. The descriptor stays owned by the caller.
class TZipWriter {
public:
    // Receives the member's bytes in pieces; called on the producer's thread.
    using TSink = std::function<void(std::string_view bytes)>;
    // Writes the whole member through the sink. Runs on a helper thread during Close.
    using TProducer = std::function<void(const TSink& sink)>;
    // Called on the closing thread after each piece has been compressed (progress, pumps).
    using TProgress = std::function<void()>;

    TZipWriter(int fd, std::string label);
    ~TZipWriter();
    TZipWriter(const TZipWriter&) = delete;
    TZipWriter& operator=(const TZipWriter&) = delete;

    // Adds a deflated member (level 1..9) whose bytes `producer` writes during Close.
    void AddStreamed(const std::string& name, TProducer producer, int level = 1);
    // Compresses and writes everything. Rethrows the producer's exception, or EZipError.
    void Close(const TProgress& progress = {});

    struct TMember;  // one streamed member (internal)

private:
    zip* zip_ = nullptr;
    std::shared_ptr<void> stateHolder_;  // the descriptor source's state
    int fd_;
    std::string label_;  // archive name for messages
    std::vector<std::unique_ptr<TMember>> members_;
};

// Reads an archive's member list and streams single members.
class TZipReader {
public:
    // Opens the archive; throws EZipError ("Cannot open archive ...: <reason>").
    explicit TZipReader(const std::string& path);
    ~TZipReader();
    TZipReader(const TZipReader&) = delete;
    TZipReader& operator=(const TZipReader&) = delete;

    std::vector<std::string> MemberNames() const;

    // A member being read; inflation runs ahead on a helper thread, at most a few MB ahead.
    class TStream {
    public:
        ~TStream();
        // Up to `size` bytes; 0 at the end. Throws EZipError on damaged data.
        size_t Read(char* buffer, size_t size);

    private:
        friend class TZipReader;
        struct TState;
        explicit TStream(std::unique_ptr<TState> state);
        std::unique_ptr<TState> state_;
    };
    // Opens member `index` of MemberNames(); the reader must outlive the stream.
    std::unique_ptr<TStream> Open(size_t index);

private:
    zip* zip_ = nullptr;
    std::string path_;
};

}  // namespace fscope
