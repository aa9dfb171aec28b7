#include "FakeEntrySource.h"

namespace fscope::test {

class TFakeEntrySource::TReader : public IFolderReader {
public:
    TReader(TFakeEntrySource& source, const TNode& folder)
        : source_(source), it_(folder.children.begin()), end_(folder.children.end()) {}

    bool Next(TDirEntry& entry) override {
        if (it_ == end_) return false;
        source_.PassGate();
        current_ = it_++;
        entry = {};
        entry.name = current_->first;
        const TNode& node = *current_->second;
        entry.attr = node.folder ? kAttrDirectory : kAttrArchive;
        entry.size = node.folder ? 0 : node.size;
        entry.modified = entry.accessed = entry.created = {1700000000, 0};
        return true;
    }

    std::unique_ptr<IFolderReader> OpenChild(const TDirEntry&) override {
        return std::make_unique<TReader>(source_, *current_->second);
    }

private:
    using Iterator = std::map<std::string, std::unique_ptr<TNode>>::const_iterator;
    TFakeEntrySource& source_;
    Iterator it_, end_, current_;
};

TFakeEntrySource::TNode* TFakeEntrySource::Walk(const std::string& relative, bool createFolders) {
    TNode* node = &root_;
    size_t start = 0;
    while (start < relative.size()) {
        const size_t slash = relative.find('/', start);
        const std::string name = relative.substr(start, slash == std::string::npos ? slash : slash - start);
        auto& child = node->children[name];
        if (!child) {
            if (!createFolders) return nullptr;
            child = std::make_unique<TNode>();
            child->folder = true;
        }
        node = child.get();
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    return node;
}

void TFakeEntrySource::AddFolder(const std::string& relative) { Walk(relative, true); }

void TFakeEntrySource::AddFile(const std::string& relative, uint64_t size) {
    TNode* node = Walk(relative, true);
    node->folder = false;
    node->size = size;
}

void TFakeEntrySource::CloseGateAfter(int count) {
    std::lock_guard lock(mutex_);
    gateAt_ = count;
}

void TFakeEntrySource::WaitUntilHeld() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return held_; });
}

void TFakeEntrySource::OpenGate() {
    std::lock_guard lock(mutex_);
    gateAt_ = -1;
    changed_.notify_all();
}

void TFakeEntrySource::OpenGateOn(const std::atomic<bool>* flag) { openOn_ = flag; }

int TFakeEntrySource::Yielded() const {
    std::lock_guard lock(mutex_);
    return yielded_;
}

void TFakeEntrySource::PassGate() {
    std::unique_lock lock(mutex_);
    if (gateAt_ >= 0 && yielded_ >= gateAt_) {
        held_ = true;
        changed_.notify_all();
        const auto open = [this] {
            const std::atomic<bool>* flag = openOn_.load();
            return gateAt_ < 0 || (flag && flag->load());
        };
        while (!open()) changed_.wait_for(lock, std::chrono::milliseconds(5));
    }
    ++yielded_;
}

std::unique_ptr<IFolderReader> TFakeEntrySource::OpenRoot(const std::string&) {
    return std::make_unique<TReader>(*this, root_);
}

int TFakeEntrySource::StatEntry(const std::string&, TDirEntry&, std::string&) { return 2; }

}  // namespace fscope::test
