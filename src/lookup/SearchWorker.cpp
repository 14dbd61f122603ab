#include "lookup/SearchWorker.h"

#include "framework/AfxBeginThread.h"
#include "framework/Trace.h"
#include "lookup/PageFetcher.h"

namespace {

PageResult WindowFetch(const std::string& url, PageBody body)
{
    return FetchPageResult(url, FetchMode::Window, body);
}

}

KernelHandle StartSearchWorker(const LookupSource& source, const SourceConfig& config, const std::string& isbn,
                               std::shared_ptr<LookupState> state, PublishStep publish)
{
    state->WorkerStarted();
    KernelHandle thread = AfxBeginThread("search worker", [source, config, isbn, state, publish] {
        try {
            SourceOutcome outcome = source.ask(isbn, config, WindowFetch);
            auto hold = state->HoldLookupLock();
            publish(outcome);
        } catch (...) {
            AfxTraceCaught("search worker");
        }
        // Counted whatever happened: the count tells when a search is over.
        state->WorkerEnded();
    });
    if (!thread)
        state->WorkerEnded();
    return thread;
}
