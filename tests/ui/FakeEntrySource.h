#pragma once
// An in-memory entry source for window tests: a tree of folders and files, and a gate that
// holds the scan inside Next() after a given number of entries until the test opens it, so a
// test can act while a scan is surely running without relying on timing.

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/DirEntry.h"

namespace fscope::test {

class TFakeEntrySource : public IEntrySource {
public:
    // Adds a file (and the folders on its way) below the root; `relative` has no leading '/'.
    void AddFile(const std::string& relative, uint64_t size);
    void AddFolder(const std::string& relative);

    // Holds the scan before it yields entry number `count` (counted from 0 over the scan).
    void CloseGateAfter(int count);
    // Blocks the test until the scan waits at the gate.
    void WaitUntilHeld();
    // The gate also opens once `flag` is set (a report's FStop), as a real source would
    // return to the scanner between entries.
    void OpenGateOn(const std::atomic<bool>* flag);
    // Lets the scan go on (and keeps the gate open).
    void OpenGate();
    // Entries yielded so far.
    int Yielded() const;

    std::unique_ptr<IFolderReader> OpenRoot(const std::string& path) override;
    int StatEntry(const std::string& fullPath, TDirEntry& entry, std::string& nameStore) override;

private:
    struct TNode {
        bool folder = false;
        uint64_t size = 0;
        std::map<std::string, std::unique_ptr<TNode>> children;  // listing order: by name
    };
    class TReader;
    TNode* Walk(const std::string& relative, bool createFolders);
    void PassGate();

    TNode root_{true, 0, {}};
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int gateAt_ = -1;
    int yielded_ = 0;
    bool held_ = false;
    std::atomic<const std::atomic<bool>*> openOn_{nullptr};
};

}  // namespace fscope::test
