#pragma once
// The walk behind Scan, CustomScan and the update's new folders. It may use several threads
// and still gives exactly the one-thread result: every folder's list is filled by one thread in
// listing order, and the type totals are merged afterwards in depth-first order, so their
// first-met order, counts and sums are those of a plain depth-first walk.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/FoldInfo.h"
#include "engine/NodeArena.h"
#include "platform/DirEntry.h"

namespace fscope {

class TFolioscope;

class TTreeWalk {
public:
    // `threads` 1 walks on the caller's thread only. `custom` applies the report's criteria to
    // files instead of its excluded masks.
    TTreeWalk(TFolioscope& report, bool custom, unsigned threads);
    ~TTreeWalk();
    // Walks `reader` (the folder at `path`, ending in '/') into the children of `parent` (the
    // report's top level for null). Rethrows the first error a thread met (a mask error).
    void Run(std::unique_ptr<IFolderReader> reader, const std::string& path, TFoldInfo* parent);

    // The number of threads a scan uses on this machine.
    static unsigned DefaultThreads();

private:
    struct Task;
    struct Event {
        TExtInfo* ext;  // a type entry this task met first here...
        Task* child;    // ...or the place of a subfolder walked as its own task
    };
    struct Task {
        std::unique_ptr<IFolderReader> reader;
        TFoldInfo* parent;
        std::string path;
        int depth;
        std::vector<Event> events;
        TExtList exts;  // this task's own totals, merged at the end
    };
    struct Worker {
        TNodeArena arena;
        std::vector<TFoldList*> lists;
        int32_t files = 0;
        int32_t folders = 0;
        int32_t filesShown = 0;  // files already added to the progress record
    };

    void WorkerLoop(Worker& worker, bool onCaller);
    void RunTask(Task& task, Worker& worker, bool onCaller);
    bool Stopping() const;
    TFoldInfo* NewNode(Worker& worker, TFoldInfo* parent, std::string_view name, bool folder);
    void AddFile(Task& task, Worker& worker, const TDirEntry& entry, TFoldInfo* parent);
    bool ShouldSpawn(const Task& task, int depth, const std::string& path) const;
    void Spawn(Task& from, std::unique_ptr<IFolderReader> reader, TFoldInfo* node, std::string path,
               int depth);
    void Merge(TFoldList& target, size_t firstNew);
    void FixTypes(TFoldList& target, size_t firstNew);

    TFolioscope& r_;
    const bool custom_;
    const unsigned threads_;
    const uint32_t folderType_;
    std::vector<std::unique_ptr<Task>> tasks_;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::deque<Task*> queue_;
    std::mutex mutex_;
    std::condition_variable wake_;
    size_t pending_ = 0;  // tasks queued or running
    std::atomic<size_t> queued_{0};
    std::atomic<bool> abort_{false};
    std::exception_ptr error_;
};

}  // namespace fscope
