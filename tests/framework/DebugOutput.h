#pragma once
#include <string>
#include <vector>

#include <windows.h>

// Collects what OutputDebugString sends while it lives, by catching the
// exception that the call raises for a debugger.
class DebugOutput {
public:
    DebugOutput();
    ~DebugOutput();
    DebugOutput(const DebugOutput&) = delete;
    DebugOutput& operator=(const DebugOutput&) = delete;

    std::vector<std::string> Lines() const;

private:
    PVOID handler;
};
