#pragma once
// One long piece of work (a scan) on its own thread. The window polls Finished() from its timer
// and collects the result with Take() on its own thread; no signal crosses threads, so the
// window decides when the finished report is handed over.

#include <chrono>
#include <functional>
#include <future>
#include <thread>

namespace fscope {

class TScanJob {
public:
    // Starts `work` at once on a new thread.
    explicit TScanJob(std::function<bool()> work);
    // Joins a finished thread; a job still running must have been abandoned first.
    ~TScanJob();
    TScanJob(const TScanJob&) = delete;
    TScanJob& operator=(const TScanJob&) = delete;

    bool Finished() const;
    // Waits at most `timeout` for the work to end; true when it has ended.
    bool WaitFor(std::chrono::milliseconds timeout) const;
    // The work's result; rethrows what it threw. Only once Finished().
    bool Take();
    // Lets the thread run on unattended (it must only touch what is never freed afterwards).
    void Abandon();

private:
    std::future<bool> result_;
    std::thread thread_;
};

}  // namespace fscope
