#include "lookup/SpareThreads.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

const std::chrono::seconds kIdleLimit(5);

struct SparePool {
    std::mutex mutex;
    std::condition_variable ready;
    std::deque<std::function<void()>> tasks;
    std::size_t idle = 0;
};

// Never destroyed: threads abandoned on a stalled server may still use it
// while the process exits.
SparePool& Pool()
{
    static SparePool* pool = new SparePool;
    return *pool;
}

void Serve(SparePool& pool)
{
    std::unique_lock<std::mutex> hold(pool.mutex);
    for (;;) {
        ++pool.idle;
        bool got = pool.ready.wait_for(hold, kIdleLimit, [&] { return !pool.tasks.empty(); });
        --pool.idle;
        if (!got)
            return;
        std::function<void()> task = std::move(pool.tasks.front());
        pool.tasks.pop_front();
        hold.unlock();
        task();
        hold.lock();
    }
}

}

void RunOnSpareThread(std::function<void()> task)
{
    SparePool& pool = Pool();
    std::lock_guard<std::mutex> hold(pool.mutex);
    pool.tasks.push_back(std::move(task));
    if (pool.idle >= pool.tasks.size())
        pool.ready.notify_one();
    else
        std::thread([&pool] { Serve(pool); }).detach();
}
