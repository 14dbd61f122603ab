#pragma once
#include <windows.h>

class CCriticalSection {
public:
    CCriticalSection() { ::InitializeCriticalSection(&section); }
    ~CCriticalSection() { ::DeleteCriticalSection(&section); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    void Lock() { ::EnterCriticalSection(&section); }
    void Unlock() { ::LeaveCriticalSection(&section); }

private:
    CRITICAL_SECTION section;
};

// Holds the section for one scope.
class CSingleLock {
public:
    explicit CSingleLock(CCriticalSection& cs) : held(cs) { held.Lock(); }
    ~CSingleLock() { held.Unlock(); }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

private:
    CCriticalSection& held;
};
