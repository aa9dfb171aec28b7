#include "mainwindow/ScanJob.h"

namespace fscope {

TScanJob::TScanJob(std::function<bool()> work) {
    std::packaged_task<bool()> task(std::move(work));
    result_ = task.get_future();
    thread_ = std::thread(std::move(task));
}

TScanJob::~TScanJob() {
    if (thread_.joinable()) thread_.join();
}

bool TScanJob::Finished() const { return WaitFor(std::chrono::milliseconds(0)); }

bool TScanJob::WaitFor(std::chrono::milliseconds timeout) const {
    return result_.wait_for(timeout) == std::future_status::ready;
}

bool TScanJob::Take() {
    if (thread_.joinable()) thread_.join();
    return result_.get();
}

void TScanJob::Abandon() {
    if (thread_.joinable()) thread_.detach();
}

}  // namespace fscope
