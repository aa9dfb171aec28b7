#include "platform/ZipArchive.h"

#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <ctime>
#include <deque>
#include <mutex>
#include <thread>

namespace fscope {

namespace {

constexpr size_t kChunkBytes = 1u << 20;
constexpr size_t kQueueDepth = 4;

// Pieces handed from one thread to another; at most kQueueDepth wait at any time.
class TChunkQueue {
public:
    // False when the consumer gave up.
    bool Push(std::string&& chunk) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return queue_.size() < kQueueDepth || aborted_; });
        if (aborted_) return false;
        queue_.push_back(std::move(chunk));
        changed_.notify_all();
        return true;
    }
    // False at the end (closed and drained, or aborted).
    bool Pop(std::string& chunk) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !queue_.empty() || closed_ || aborted_; });
        if (aborted_ || queue_.empty()) return false;
        chunk = std::move(queue_.front());
        queue_.pop_front();
        changed_.notify_all();
        return true;
    }
    void Close(std::exception_ptr error = nullptr) {
        std::lock_guard lock(mutex_);
        closed_ = true;
        error_ = error;
        changed_.notify_all();
    }
    void Abort() {
        std::lock_guard lock(mutex_);
        aborted_ = true;
        changed_.notify_all();
    }
    std::exception_ptr Error() {
        std::lock_guard lock(mutex_);
        return error_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> queue_;
    bool closed_ = false;
    bool aborted_ = false;
    std::exception_ptr error_;
};

// Thrown inside the producer when the consumer stopped reading.
struct TConsumerGone {};

// The archive itself: libzip writes it through these commands into the caller's descriptor.
zip_int64_t DescriptorSource(void* userdata, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
    auto* state = static_cast<std::pair<int, zip_error_t>*>(userdata);
    const int fd = state->first;
    zip_error_t& error = state->second;
    auto fail = [&](int ze) {
        zip_error_set(&error, ze, errno);
        return zip_int64_t{-1};
    };
    switch (cmd) {
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(
                ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                ZIP_SOURCE_SUPPORTS, ZIP_SOURCE_BEGIN_WRITE, ZIP_SOURCE_COMMIT_WRITE,
                ZIP_SOURCE_ROLLBACK_WRITE, ZIP_SOURCE_WRITE, ZIP_SOURCE_SEEK_WRITE,
                ZIP_SOURCE_TELL_WRITE, ZIP_SOURCE_REMOVE, static_cast<zip_source_cmd_t>(-1));
        case ZIP_SOURCE_STAT:
            // A new archive: there is nothing to read from before it is written.
            zip_error_set(&error, ZIP_ER_READ, ENOENT);  // how libzip recognises "no file yet"
            return -1;
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error, data, len);
        case ZIP_SOURCE_BEGIN_WRITE:
            if (lseek(fd, 0, SEEK_SET) < 0 || ftruncate(fd, 0) != 0) return fail(ZIP_ER_WRITE);
            return 0;
        case ZIP_SOURCE_WRITE: {
            const char* p = static_cast<const char*>(data);
            zip_uint64_t done = 0;
            while (done < len) {
                ssize_t n = ::write(fd, p + done, len - done);
                if (n < 0) {
                    if (errno == EINTR) continue;
                    return fail(ZIP_ER_WRITE);
                }
                done += static_cast<zip_uint64_t>(n);
            }
            return static_cast<zip_int64_t>(len);
        }
        case ZIP_SOURCE_SEEK_WRITE: {
            auto* args = ZIP_SOURCE_GET_ARGS(zip_source_args_seek_t, data, len, &error);
            if (!args) return -1;
            if (lseek(fd, args->offset, args->whence) < 0) return fail(ZIP_ER_SEEK);
            return 0;
        }
        case ZIP_SOURCE_TELL_WRITE: {
            off_t at = lseek(fd, 0, SEEK_CUR);
            return at < 0 ? fail(ZIP_ER_TELL) : static_cast<zip_int64_t>(at);
        }
        default:  // open/read/close/seek/tell of the empty original, commit, rollback, remove, free
            return 0;
    }
}

std::string ZipErrorText(zip_error_t* error) {
    std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

}  // namespace

// ---- writer -------------------------------------------------------------------------------

struct TZipWriter::TMember {
    TProducer producer;
    const TProgress* progress = nullptr;
    TChunkQueue queue;
    std::thread thread;
    std::string current;
    size_t currentPos = 0;
    std::exception_ptr producerError;
    zip_error_t error;

    TMember() { zip_error_init(&error); }
    ~TMember() {
        Stop();
        zip_error_fini(&error);
    }
    void Start() {
        thread = std::thread([this] {
            std::string chunk;
            chunk.reserve(kChunkBytes);
            try {
                producer([&](std::string_view bytes) {
                    while (!bytes.empty()) {
                        size_t n = std::min(bytes.size(), kChunkBytes - chunk.size());
                        chunk.append(bytes.substr(0, n));
                        bytes.remove_prefix(n);
                        if (chunk.size() == kChunkBytes) {
                            if (!queue.Push(std::move(chunk))) throw TConsumerGone{};
                            chunk.clear();
                            chunk.reserve(kChunkBytes);
                        }
                    }
                });
                if (!chunk.empty() && !queue.Push(std::move(chunk))) throw TConsumerGone{};
                queue.Close();
            } catch (const TConsumerGone&) {
                queue.Close();
            } catch (...) {
                queue.Close(std::current_exception());
            }
        });
    }
    void Stop() {
        if (!thread.joinable()) return;
        queue.Abort();
        thread.join();
    }
    zip_int64_t Read(char* out, zip_uint64_t len) {
        zip_uint64_t done = 0;
        while (done < len) {
            if (currentPos == current.size()) {
                if (!queue.Pop(current)) {
                    if ((producerError = queue.Error())) {
                        zip_error_set(&error, ZIP_ER_READ, 0);
                        return -1;
                    }
                    break;
                }
                currentPos = 0;
                if (progress && *progress) (*progress)();
            }
            size_t n = std::min<size_t>(len - done, current.size() - currentPos);
            std::memcpy(out + done, current.data() + currentPos, n);
            currentPos += n;
            done += n;
        }
        return static_cast<zip_int64_t>(done);
    }
};

namespace {
zip_int64_t StreamedSource(void* userdata, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
    auto* m = static_cast<TZipWriter::TMember*>(userdata);
    switch (cmd) {
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(
                ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, static_cast<zip_source_cmd_t>(-1));
        case ZIP_SOURCE_OPEN:
            m->Start();
            return 0;
        case ZIP_SOURCE_READ:
            return m->Read(static_cast<char*>(data), len);
        case ZIP_SOURCE_CLOSE:
            m->Stop();
            return 0;
        case ZIP_SOURCE_STAT: {
            auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, len, &m->error);
            if (!st) return -1;
            zip_stat_init(st);
            st->mtime = std::time(nullptr);
            st->valid |= ZIP_STAT_MTIME;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&m->error, data, len);
        default:
            return 0;
    }
}
}  // namespace

TZipWriter::TZipWriter(int fd, std::string label) : fd_(fd), label_(std::move(label)) {
    auto* state = new std::pair<int, zip_error_t>(fd_, {});
    zip_error_init(&state->second);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* src = zip_source_function_create(DescriptorSource, state, &error);
    if (src) zip_ = zip_open_from_source(src, ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip_) {
        if (src) zip_source_free(src);
        delete state;
        throw EZipError("Cannot create archive \"" + label_ + "\": " + ZipErrorText(&error));
    }
    zip_error_fini(&error);
    // The state lives as long as the archive; it is tiny and freed with the writer.
    stateHolder_.reset(state, [](void* p) {
        auto* s = static_cast<std::pair<int, zip_error_t>*>(p);
        zip_error_fini(&s->second);
        delete s;
    });
}

TZipWriter::~TZipWriter() {
    if (zip_) zip_discard(zip_);
    members_.clear();
}

void TZipWriter::AddStreamed(const std::string& name, TProducer producer, int level) {
    auto member = std::make_unique<TMember>();
    member->producer = std::move(producer);
    zip_source_t* src = zip_source_function(zip_, StreamedSource, member.get());
    if (!src) throw EZipError("Cannot add to archive \"" + label_ + "\": " + zip_strerror(zip_));
    zip_int64_t index = zip_file_add(zip_, name.c_str(), src, ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(src);
        throw EZipError("Cannot add to archive \"" + label_ + "\": " + zip_strerror(zip_));
    }
    if (zip_set_file_compression(zip_, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                                 static_cast<zip_uint32_t>(level)) != 0)
        throw EZipError("Cannot add to archive \"" + label_ + "\": " + zip_strerror(zip_));
    members_.push_back(std::move(member));
}

void TZipWriter::Close(const TProgress& progress) {
    for (auto& m : members_) m->progress = &progress;
    const int rc = zip_close(zip_);
    for (auto& m : members_) {
        m->Stop();
        if (m->producerError) std::rethrow_exception(m->producerError);
    }
    if (rc != 0) throw EZipError("Cannot write archive \"" + label_ + "\": " + zip_strerror(zip_));
    zip_ = nullptr;
}

// ---- reader -------------------------------------------------------------------------------

TZipReader::TZipReader(const std::string& path) : path_(path) {
    int code = 0;
    zip_ = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!zip_) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        throw EZipError("Cannot open archive \"" + path + "\": " + ZipErrorText(&error));
    }
}

TZipReader::~TZipReader() {
    if (zip_) zip_discard(zip_);
}

std::vector<std::string> TZipReader::MemberNames() const {
    std::vector<std::string> names;
    const zip_int64_t count = zip_get_num_entries(zip_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(zip_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        names.emplace_back(name ? name : "");
    }
    return names;
}

struct TZipReader::TStream::TState {
    zip_file_t* file = nullptr;
    std::string label;
    TChunkQueue queue;
    std::thread thread;
    std::string current;
    size_t currentPos = 0;

    ~TState() {
        queue.Abort();
        if (thread.joinable()) thread.join();
        if (file) zip_fclose(file);
    }
    void Start() {
        thread = std::thread([this] {
            try {
                for (;;) {
                    std::string chunk(kChunkBytes, '\0');
                    zip_int64_t n = zip_fread(file, chunk.data(), chunk.size());
                    if (n < 0)
                        throw EZipError("Cannot read archive \"" + label +
                                        "\": " + zip_file_strerror(file));
                    if (n == 0) break;
                    chunk.resize(static_cast<size_t>(n));
                    if (!queue.Push(std::move(chunk))) break;
                }
                queue.Close();
            } catch (...) {
                queue.Close(std::current_exception());
            }
        });
    }
};

TZipReader::TStream::TStream(std::unique_ptr<TState> state) : state_(std::move(state)) {}
TZipReader::TStream::~TStream() = default;

size_t TZipReader::TStream::Read(char* buffer, size_t size) {
    TState& s = *state_;
    if (s.currentPos == s.current.size()) {
        if (!s.queue.Pop(s.current)) {
            if (auto error = s.queue.Error()) std::rethrow_exception(error);
            return 0;
        }
        s.currentPos = 0;
    }
    size_t n = std::min(size, s.current.size() - s.currentPos);
    std::memcpy(buffer, s.current.data() + s.currentPos, n);
    s.currentPos += n;
    return n;
}

std::unique_ptr<TZipReader::TStream> TZipReader::Open(size_t index) {
    auto state = std::make_unique<TStream::TState>();
    state->label = path_;
    state->file = zip_fopen_index(zip_, index, 0);
    if (!state->file)
        throw EZipError("Cannot read archive \"" + path_ + "\": " + zip_strerror(zip_));
    state->Start();
    return std::unique_ptr<TStream>(new TStream(std::move(state)));
}

}  // namespace fscope
