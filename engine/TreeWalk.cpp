#include "engine/TreeWalk.h"

#include <thread>

#include "engine/Folioscope.h"
#include "platform/TypeNames.h"

namespace fscope {

namespace {
// Subfolders become tasks of their own only near the top: their readers must not depend on a
// parent that releases its descriptor deep down, and short paths keep tasks cheap.
constexpr int kMaxSpawnDepth = 64;
constexpr size_t kMaxSpawnPath = 2048;
}  // namespace

unsigned TTreeWalk::DefaultThreads() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : std::min(n, 4u);
}

TTreeWalk::TTreeWalk(TFolioscope& report, bool custom, unsigned threads)
    : r_(report),
      custom_(custom),
      threads_(threads ? threads : 1),
      folderType_(report.FolderTypeId()) {}

TTreeWalk::~TTreeWalk() = default;

bool TTreeWalk::Stopping() const {
    return r_.FStop.load(std::memory_order_relaxed) || abort_.load(std::memory_order_relaxed);
}

TFoldInfo* TTreeWalk::NewNode(Worker& w, TFoldInfo* parent, std::string_view name, bool folder) {
    // Each thread allocates from its own arena; the report adopts them when the walk ends.
    return r_.MakeNode(w.arena, w.lists, parent, name, folder);
}

void TTreeWalk::AddFile(Task& t, Worker& w, const TDirEntry& e, TFoldInfo* parent) {
    if (custom_) {
        if (!r_.MatchesCriteria(e)) return;
    } else if (!r_.excludeMaskList_.Empty() && r_.excludeMaskList_.Matches(e.name)) {
        return;
    }
    ++w.files;
    const double size = static_cast<double>(e.size);
    const double alloc = r_.AllocSizeOf(size);
    TFoldInfo* node = NewNode(w, parent, e.name, false);
    const std::string_view ext = ExtOfName(e.name);
    TExtInfo* info = t.exts.Find(ext);
    if (!info) {
        // The report's own totals are read-only during the walk: a type it knows already keeps
        // its name and icon, as a look-up in the report's list would give.
        auto fresh = std::make_unique<TExtInfo>();
        if (const TExtInfo* known = r_.FExtList.Find(ext)) {
            fresh->FTypeName = known->FTypeName;
            fresh->FImageIndex = known->FImageIndex;
            fresh->FTypeId = known->FTypeId;
        } else {
            TShellTypeInfo shell = ShellTypeInfo(ext);
            fresh->FTypeName = std::move(shell.typeName);
            fresh->FImageIndex = r_.FSIcons == "1" ? kFileIconIndex : shell.iconIndex;
            fresh->FTypeId = InternType(fresh->FTypeName, fresh->FImageIndex);
        }
        fresh->FExt = std::string(ext);
        info = t.exts.Append(std::move(fresh));
        t.events.push_back({info, nullptr});
    }
    ++info->FCount;
    info->FSize += size;
    info->FAllocSize += alloc;
    node->FTypeId = info->FTypeId;
    node->FSize = size;
    node->FAllocSize = alloc;
    CopyEntryDetails(*node, e);
    if (parent) ++parent->FFileCount;
}

bool TTreeWalk::ShouldSpawn(const Task&, int depth, const std::string& path) const {
    return threads_ > 1 && depth < kMaxSpawnDepth && path.size() < kMaxSpawnPath &&
           queued_.load(std::memory_order_relaxed) < threads_;
}

void TTreeWalk::Spawn(Task& from, std::unique_ptr<IFolderReader> reader, TFoldInfo* node,
                      std::string path, int depth) {
    reader->Detach();
    auto task = std::make_unique<Task>();
    task->reader = std::move(reader);
    task->parent = node;
    task->path = std::move(path);
    task->depth = depth;
    from.events.push_back({nullptr, task.get()});
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(task.get());
        tasks_.push_back(std::move(task));
        ++pending_;
        queued_.fetch_add(1, std::memory_order_relaxed);
    }
    wake_.notify_one();
}

void TTreeWalk::RunTask(Task& task, Worker& w, bool onCaller) {
    // An explicit stack instead of recursion: a tree of any depth neither overflows the call
    // stack nor holds a descriptor per level (the reader releases deep ones).
    struct Frame {
        std::unique_ptr<IFolderReader> reader;
        TFoldInfo* parent;
        std::string path;
        int depth;
        bool first;
    };
    std::vector<Frame> stack;
    // Readers must close child first (a deep child reopens its parent's descriptor), also when
    // an error unwinds the walk.
    struct PopInOrder {
        std::vector<Frame>& s;
        ~PopInOrder() {
            while (!s.empty()) s.pop_back();
        }
    } popInOrder{stack};
    stack.push_back({std::move(task.reader), task.parent, std::move(task.path), task.depth, true});
    TScanProgress* progress = r_.FProgressLabel.get();
    const bool pump = onCaller && r_.FMessagePump;
    TDirEntry e;
    while (!stack.empty()) {
        Frame& f = stack.back();
        const bool got = f.reader->Next(e);
        if (!f.first && Stopping()) {
            stack.pop_back();  // the entry fetched now is not recorded
            continue;
        }
        f.first = false;
        if (!got) {
            stack.pop_back();
            continue;
        }
        if (!e.IsDirectory()) {
            AddFile(task, w, e, f.parent);
            if (pump) r_.FMessagePump();
            continue;
        }
        std::string childPath;
        childPath.reserve(f.path.size() + e.name.size() + 1);
        childPath.append(f.path).append(e.name).push_back('/');
        ++w.folders;
        if (progress) {
            progress->SetFolder(childPath);
            progress->folders.fetch_add(1, std::memory_order_relaxed);
            // Each thread adds what it found since its last folder: the record shows the sum.
            progress->files.fetch_add(w.files - w.filesShown, std::memory_order_relaxed);
            w.filesShown = w.files;
        }
        if (r_.IsExcludedPath(childPath)) {
            if (pump) r_.FMessagePump();
            continue;
        }
        TFoldInfo* node = NewNode(w, f.parent, e.name, true);
        node->FTypeId = folderType_;
        CopyEntryDetails(*node, e);
        std::unique_ptr<IFolderReader> child = f.reader->OpenChild(e);
        node->FItems->reserve(child->SizeHint());
        const int depth = f.depth + 1;
        if (pump) r_.FMessagePump();
        if (ShouldSpawn(task, depth, childPath))
            Spawn(task, std::move(child), node, std::move(childPath), depth);
        else
            stack.push_back({std::move(child), node, std::move(childPath), depth, true});
    }
}

void TTreeWalk::WorkerLoop(Worker& w, bool onCaller) {
    for (;;) {
        Task* task = nullptr;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return !queue_.empty() || pending_ == 0; });
            if (queue_.empty()) return;  // nothing queued and nothing running: done
            task = queue_.front();
            queue_.pop_front();
            queued_.fetch_sub(1, std::memory_order_relaxed);
        }
        try {
            RunTask(*task, w, onCaller);
        } catch (...) {
            std::lock_guard lock(mutex_);
            if (!error_) error_ = std::current_exception();
            abort_ = true;
        }
        bool done;
        {
            std::lock_guard lock(mutex_);
            done = --pending_ == 0;
        }
        if (done) wake_.notify_all();
    }
}

void TTreeWalk::Run(std::unique_ptr<IFolderReader> reader, const std::string& path,
                    TFoldInfo* parent) {
    TFoldList& target = r_.ListOf(parent);
    const size_t firstNew = target.size();
    target.reserve(firstNew + reader->SizeHint());
    auto root = std::make_unique<Task>();
    root->reader = std::move(reader);
    root->parent = parent;
    root->path = path;
    root->depth = 0;
    queue_.push_back(root.get());
    tasks_.push_back(std::move(root));
    pending_ = 1;
    queued_ = 1;
    for (unsigned i = 0; i < threads_; ++i) workers_.push_back(std::make_unique<Worker>());
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < threads_; ++i)
        helpers.emplace_back([this, i] { WorkerLoop(*workers_[i], false); });
    WorkerLoop(*workers_[0], true);
    for (auto& t : helpers) t.join();
    Merge(target, firstNew);
    if (error_) std::rethrow_exception(error_);
}

void TTreeWalk::Merge(TFoldList& target, size_t firstNew) {
    for (auto& w : workers_) {
        r_.arena_.Adopt(std::move(w->arena));
        r_.folderLists_.insert(r_.folderLists_.end(), w->lists.begin(), w->lists.end());
        r_.FFileCount += w->files;
        r_.FFolderCount += w->folders;
    }
    // Type entries in depth-first first-met order: expand each task's events, a subfolder
    // task's events standing where that subfolder was met.
    std::vector<std::pair<Task*, size_t>> stack{{tasks_.front().get(), 0}};
    while (!stack.empty()) {
        auto& [task, i] = stack.back();
        if (i == task->events.size()) {
            stack.pop_back();
            continue;
        }
        const Event ev = task->events[i++];
        if (ev.child) {
            stack.push_back({ev.child, 0});
        } else if (!r_.FExtList.Find(ev.ext->FExt)) {
            auto entry = std::make_unique<TExtInfo>(*ev.ext);
            entry->FCount = 0;
            entry->FSize = entry->FAllocSize = 0;
            r_.FExtList.Append(std::move(entry));
        }
    }
    bool typesDiffer = false;
    for (auto& task : tasks_) {
        for (auto& local : task->exts) {
            TExtInfo* global = r_.FExtList.Find(local->FExt);
            global->FCount += local->FCount;
            global->FSize += local->FSize;
            global->FAllocSize += local->FAllocSize;
            typesDiffer |= global->FTypeId != local->FTypeId;
        }
    }
    if (typesDiffer) FixTypes(target, firstNew);
}

void TTreeWalk::FixTypes(TFoldList& target, size_t firstNew) {
    // Two threads met different letter cases of one extension first (".C" and ".c" may be
    // different types): every file takes the type of the entry that came first depth-first.
    std::vector<const TFoldInfo*> stack(target.begin() + static_cast<long>(firstNew), target.end());
    while (!stack.empty()) {
        TFoldInfo* n = const_cast<TFoldInfo*>(stack.back());
        stack.pop_back();
        if (n->IsFolder()) {
            stack.insert(stack.end(), n->FItems->begin(), n->FItems->end());
        } else if (const TExtInfo* global = r_.FExtList.Find(n->FExt())) {
            n->FTypeId = global->FTypeId;
        }
    }
}

}  // namespace fscope
