#pragma once
#include <functional>

// Runs task on a thread of its own, reusing one that finished an earlier
// task when there is one: creating a thread costs more than a small page.
// A thread left idle for a few seconds ends; a task that never returns
// holds only its own thread. When no thread can be made, a waiting task runs
// on the caller's thread. What task throws on a spare thread is caught and
// traced there.
void RunOnSpareThread(std::function<void()> task);
