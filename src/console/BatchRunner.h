#pragma once
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>

#include "console/LookupOutcome.h"

struct BatchCounts {
    std::size_t read = 0;  // ISBNs taken from the input so far
    std::size_t done = 0;  // ISBNs written
    std::size_t rows = 0;
    std::size_t notFound = 0;  // answered by every source, found by none; or invalid
    std::size_t failed = 0;    // some source could not answer
};

// Looks ISBNs up on `jobs` threads at once and hands the outcomes on in
// input order, each as soon as those before it are done. Input is read
// only a bounded way ahead of the output, so any length streams.
class BatchRunner {
public:
    using LookUp = std::function<LookupOutcome(const std::string& isbn)>;
    using Emit = std::function<void(const LookupOutcome& outcome)>;  // one at a time
    using NextIsbn = std::function<bool(std::string& isbn)>;         // false at the end
    // The outcome for an ISBN whose lookUp threw; called inside the catch
    // block, so a rethrow there tells what was thrown.
    using Caught = std::function<LookupOutcome(const std::string& isbn)>;

    BatchRunner(int jobs, LookUp lookUp, Emit emit, Caught caught);
    BatchRunner(const BatchRunner&) = delete;
    BatchRunner& operator=(const BatchRunner&) = delete;

    // Returns when every ISBN that next gave has been emitted.
    void Run(const NextIsbn& next);
    BatchCounts Counts() const;

private:
    void Work();
    LookupOutcome LookUpCaught(const std::string& isbn);
    void EmitReady();

    const int jobs;
    const std::size_t aheadLimit;
    LookUp lookUp;
    Emit emit;
    Caught caught;

    mutable std::mutex mutex;
    std::condition_variable workReady;
    std::condition_variable roomFree;
    std::deque<std::pair<std::size_t, std::string>> waiting;
    std::map<std::size_t, LookupOutcome> finished;
    bool inputEnded = false;
    BatchCounts counts;
};
