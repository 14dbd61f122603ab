#pragma once
#include <memory>
#include <string>

#include <windows.h>

#include "framework/KernelHandle.h"
#include "lookup/LookupState.h"
#include "lookup/RowSink.h"
#include "lookup/SourceConfig.h"

// Why a source could not answer ("unreachable", "timed out", "HTTP 503");
// empty when it answered, with the book or without.
struct SourceReport {
    std::string failure;
};

// Everything one worker uses. Each worker owns its own copy, so a worker
// that outlives its window or its search still holds valid state.
struct WorkerContext {
    std::shared_ptr<LookupState> state;
    std::shared_ptr<RowSink> sink;
    SourceConfig config;
    std::string isbn;
    // Given by callers that report failures: fetches then bypass WinINet's
    // cache, are retried after a 429 or 503, and the first failure lands
    // here. Null in the window.
    std::shared_ptr<SourceReport> report = nullptr;
};

// Thread procedures; each takes ownership of a heap WorkerContext.
DWORD WINAPI LibraryWorker(LPVOID context);
DWORD WINAPI CommunityWorker(LPVOID context);

// Starts worker on its own thread. Returns the thread's handle, empty when
// the thread could not be created.
KernelHandle StartWorker(LPTHREAD_START_ROUTINE worker, std::unique_ptr<WorkerContext> context);
