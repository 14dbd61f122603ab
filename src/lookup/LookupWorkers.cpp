#include "lookup/LookupWorkers.h"

#include "framework/Trace.h"
#include "lookup/CommunitySource.h"
#include "lookup/LibrarySource.h"
#include "lookup/PageFetcher.h"
#include "lookup/PublishRecord.h"

namespace {

DWORD RunWorker(LPVOID param, SourceKind source)
{
    std::unique_ptr<WorkerContext> context(static_cast<WorkerContext*>(param));
    // Nothing may unwind out of a thread procedure.
    try {
        BookRecord record;
        PageFetch fetch = FetchPage;
        if (context->report)
            fetch = RecordingFetch([](const std::string& url) { return FetchPageRetrying(url, FetchMode::Batch); },
                                   &context->report->failure);
        if (source == SourceKind::Library)
            LookupLibrary(record, context->isbn, context->config, fetch);
        else
            LookupCommunity(record, context->isbn, context->config, fetch);
        PublishRecord(*context->state, source, context->isbn, record, *context->sink);
    } catch (...) {
        AfxTraceCaught(source == SourceKind::Library ? "library worker" : "community worker");
    }
    context->state->WorkerEnded();
    return 0;
}

}

DWORD WINAPI LibraryWorker(LPVOID context)
{
    return RunWorker(context, SourceKind::Library);
}

DWORD WINAPI CommunityWorker(LPVOID context)
{
    return RunWorker(context, SourceKind::Community);
}

KernelHandle StartWorker(LPTHREAD_START_ROUTINE worker, std::unique_ptr<WorkerContext> context)
{
    KernelHandle thread(::CreateThread(nullptr, 0, worker, context.get(), 0, nullptr));
    if (thread)
        context.release();
    return thread;
}
