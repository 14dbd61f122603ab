#pragma once
#include <atomic>
#include <mutex>

// What the window's search workers share: the lookup lock, held by a worker
// for its publish step only, and counts of the workers, which tell when a
// search's rows are all in. The UI thread never takes the lock: a worker
// holding it may be waiting for the UI thread.
class LookupState {
public:
    std::unique_lock<std::mutex> HoldLookupLock() { return std::unique_lock<std::mutex>(lookupLock); }

    void WorkerStarted() { ++workersStarted; }
    // At the worker's very end, after its publish step.
    void WorkerEnded() { ++workersEnded; }
    unsigned WorkersStarted() const { return workersStarted.load(); }
    unsigned WorkersEnded() const { return workersEnded.load(); }

private:
    std::mutex lookupLock;
    std::atomic<unsigned> workersStarted{0};
    std::atomic<unsigned> workersEnded{0};
};
