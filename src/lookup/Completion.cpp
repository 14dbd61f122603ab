#include "lookup/Completion.h"

void Completion::Set()
{
    ::AcquireSRWLockExclusive(&lock);
    set = true;
    ::ReleaseSRWLockExclusive(&lock);
    ::WakeAllConditionVariable(&changed);
}

void Completion::Wait()
{
    ::AcquireSRWLockExclusive(&lock);
    while (!set)
        ::SleepConditionVariableSRW(&changed, &lock, INFINITE, 0);
    ::ReleaseSRWLockExclusive(&lock);
}

bool Completion::WaitFor(DWORD milliseconds)
{
    ULONGLONG deadline = ::GetTickCount64() + milliseconds;
    ::AcquireSRWLockExclusive(&lock);
    for (ULONGLONG now = ::GetTickCount64(); !set && now < deadline; now = ::GetTickCount64())
        ::SleepConditionVariableSRW(&changed, &lock, static_cast<DWORD>(deadline - now), 0);
    bool done = set;
    ::ReleaseSRWLockExclusive(&lock);
    return done;
}
