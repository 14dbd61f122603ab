#pragma once
#include <memory>
#include <string>

#include <windows.h>

#include "lookup/LookupState.h"
#include "lookup/RowSink.h"
#include "lookup/SourceConfig.h"

// Everything one worker uses. Each worker owns its own copy, so a worker
// that outlives its window or its search still holds valid state.
struct WorkerContext {
    std::shared_ptr<LookupState> state;
    std::shared_ptr<RowSink> sink;
    SourceConfig config;
    std::string isbn;
};

// Thread procedures; each takes ownership of a heap WorkerContext.
DWORD WINAPI LibraryWorker(LPVOID context);
DWORD WINAPI CommunityWorker(LPVOID context);

// Starts worker on its own thread. Returns the thread handle (the caller
// closes it), or null when the thread could not be created.
HANDLE StartWorker(LPTHREAD_START_ROUTINE worker, std::unique_ptr<WorkerContext> context, DWORD& threadId);
