#include "lookup/SpareThreads.h"

#include <deque>

#include <windows.h>

#include "framework/AfxBeginThread.h"
#include "framework/Trace.h"

namespace {

const DWORD kIdleLimitMs = 5000;

// Win32's own lock and condition, for the reason Completion gives.
struct SparePool {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE ready = CONDITION_VARIABLE_INIT;
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

// False when no task came within the idle limit.
bool WaitForTask(SparePool& pool)
{
    ULONGLONG deadline = ::GetTickCount64() + kIdleLimitMs;
    while (pool.tasks.empty()) {
        ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            return false;
        ::SleepConditionVariableSRW(&pool.ready, &pool.lock, static_cast<DWORD>(deadline - now), 0);
    }
    return true;
}

void Serve()
{
    SparePool& pool = Pool();
    ::AcquireSRWLockExclusive(&pool.lock);
    for (;;) {
        ++pool.idle;
        bool got = WaitForTask(pool);
        --pool.idle;
        if (!got)
            break;
        std::function<void()> task = std::move(pool.tasks.front());
        pool.tasks.pop_front();
        ::ReleaseSRWLockExclusive(&pool.lock);
        // A task that throws ends itself, not the thread that other tasks wait for.
        try {
            task();
        } catch (...) {
            AfxTraceCaught("spare thread");
        }
        task = nullptr;
        ::AcquireSRWLockExclusive(&pool.lock);
    }
    ::ReleaseSRWLockExclusive(&pool.lock);
}

}

void RunOnSpareThread(std::function<void()> task)
{
    SparePool& pool = Pool();
    ::AcquireSRWLockExclusive(&pool.lock);
    pool.tasks.push_back(std::move(task));
    bool spare = pool.idle >= pool.tasks.size();
    ::ReleaseSRWLockExclusive(&pool.lock);
    if (spare) {
        ::WakeConditionVariable(&pool.ready);
        return;
    }
    if (AfxBeginThread("spare thread", Serve))
        return;
    // No thread to be had: a waiting task runs here rather than never.
    ::AcquireSRWLockExclusive(&pool.lock);
    std::function<void()> waiting;
    if (!pool.tasks.empty() && pool.idle == 0) {
        waiting = std::move(pool.tasks.back());
        pool.tasks.pop_back();
    }
    ::ReleaseSRWLockExclusive(&pool.lock);
    if (waiting)
        waiting();
}
