#pragma once
#include <functional>

#include "framework/KernelHandle.h"

// Runs body on a new thread, at once, with the default security and stack.
// Whatever body throws is caught and traced under where: nothing unwinds out
// of a thread. Returns the thread's handle, empty when no thread could be
// made (body then never runs).
KernelHandle AfxBeginThread(const char* where, std::function<void()> body);
