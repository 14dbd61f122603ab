#pragma once
#include <windows.h>

// A one-way flag one thread sets and others wait for. Win32's own slim lock
// and condition: the C runtime's threads library serialises every condition
// wait of the process through one spin lock, which on a busy machine costs
// whole time slices when dozens of lookups wait at once.
class Completion {
public:
    Completion() = default;
    Completion(const Completion&) = delete;
    Completion& operator=(const Completion&) = delete;

    void Set();
    void Wait();
    // False when milliseconds passed first.
    bool WaitFor(DWORD milliseconds);

private:
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;
    bool set = false;
};
