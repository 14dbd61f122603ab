#include "console/BatchRunner.h"

#include <thread>
#include <utility>
#include <vector>

BatchRunner::BatchRunner(int j, LookUp l, Emit e, Caught c)
    : jobs(j), aheadLimit(4 * static_cast<std::size_t>(j) + 16), lookUp(std::move(l)), emit(std::move(e)),
      caught(std::move(c))
{
}

void BatchRunner::Run(const NextIsbn& next)
{
    std::vector<std::thread> workers;
    for (int i = 0; i < jobs; ++i)
        workers.emplace_back([this] { Work(); });
    std::string isbn;
    for (;;) {
        {
            std::unique_lock<std::mutex> hold(mutex);
            roomFree.wait(hold, [&] { return counts.read - counts.done < aheadLimit; });
        }
        // Read without the lock: a person typing may take minutes.
        if (!next(isbn))
            break;
        std::lock_guard<std::mutex> hold(mutex);
        waiting.emplace_back(counts.read++, isbn);
        workReady.notify_one();
    }
    {
        std::lock_guard<std::mutex> hold(mutex);
        inputEnded = true;
        workReady.notify_all();
    }
    for (std::thread& worker : workers)
        worker.join();
}

BatchCounts BatchRunner::Counts() const
{
    std::lock_guard<std::mutex> hold(mutex);
    return counts;
}

void BatchRunner::Work()
{
    for (;;) {
        std::pair<std::size_t, std::string> item;
        {
            std::unique_lock<std::mutex> hold(mutex);
            workReady.wait(hold, [&] { return !waiting.empty() || inputEnded; });
            if (waiting.empty())
                return;
            item = std::move(waiting.front());
            waiting.pop_front();
        }
        LookupOutcome outcome = LookUpCaught(item.second);
        std::lock_guard<std::mutex> hold(mutex);
        finished.emplace(item.first, std::move(outcome));
        EmitReady();
    }
}

// Nothing may unwind out of a worker, and every ISBN must be emitted: the
// ones after it wait for it.
LookupOutcome BatchRunner::LookUpCaught(const std::string& isbn)
{
    try {
        return lookUp(isbn);
    } catch (...) {
        return caught(isbn);
    }
}

void BatchRunner::EmitReady()
{
    for (auto it = finished.find(counts.done); it != finished.end(); it = finished.find(counts.done)) {
        const LookupOutcome& outcome = it->second;
        emit(outcome);
        counts.rows += outcome.Rows();
        if (outcome.Failed())
            ++counts.failed;
        else if (!outcome.Found())
            ++counts.notFound;
        ++counts.done;
        finished.erase(it);
    }
    roomFree.notify_all();
}
