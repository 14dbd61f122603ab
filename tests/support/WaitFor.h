#pragma once
#include <chrono>
#include <functional>
#include <thread>

// Polls until done() holds and answers true; false once timeoutMs have
// passed. A wait for an event, never a check that something did not happen.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
