#pragma once
#include <atomic>
#include <mutex>
#include <string>

#include "lookup/BookRecord.h"

// What the searches share. Workers publish under lookupLock. The UI thread
// never takes lookupLock (a worker holding it may be waiting for the UI
// thread); it reads the introduction under introLock, which is held only
// for a copy. Each worker carries its own ISBN and row sink, so the search's
// ISBN and result list are not kept here.
class LookupState {
public:
    void SetShownIntro(const std::string& intro);
    std::string ShownIntro();

    // Counts workers at their very end, after their row is in; a search is
    // over when the count has grown by its two workers.
    void WorkerEnded() { ++workersEnded; }
    unsigned WorkersEnded() const { return workersEnded.load(); }

    std::mutex lookupLock;
    ResultFields resultFields;

private:
    std::mutex introLock;
    std::string shownIntro;
    std::atomic<unsigned> workersEnded{0};
};
