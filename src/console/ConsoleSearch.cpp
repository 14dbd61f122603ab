#include "console/ConsoleSearch.h"

#include <memory>

#include "framework/Trace.h"
#include "lookup/Completion.h"
#include "lookup/ConfiguredSources.h"
#include "lookup/PageFetcher.h"
#include "lookup/SpareThreads.h"

namespace {

// Why a source or a lookup that broke down (out of memory, say) is failed.
const char kInternalError[] = "internal error";

PageResult BatchFetch(const std::string& url, PageBody body)
{
    return FetchPageRetrying(url, FetchMode::Batch, body);
}

// Never throws: a source that breaks down is reported as failed, and its
// caller, waiting for the answer, goes on.
SourceOutcome Ask(const LookupSource& source, const std::string& isbn, const SourceConfig& config)
{
    try {
        return source.ask(isbn, config, BatchFetch);
    } catch (...) {
        AfxTraceCaught("console search");
        SourceOutcome failed = FailedOutcome(source.kind, kInternalError);
        failed.name = source.name;
        return failed;
    }
}

// One source's answer on its way back from a spare thread.
struct PendingAnswer {
    SourceOutcome outcome;
    Completion done;
};

}

ConsoleSearch::ConsoleSearch(const SourceConfig& c)
    : config(c), sources(ConfiguredSources(c, CatalogueConnections::Kept))
{
}

LookupOutcome ConsoleSearch::Run(const std::string& isbn) const
{
    // Thread creation costs more than a small page under Wine: the first
    // source is asked here, the others on reused threads.
    std::vector<std::shared_ptr<PendingAnswer>> pending;
    for (std::size_t i = 1; i < sources.size(); ++i) {
        auto answer = std::make_shared<PendingAnswer>();
        RunOnSpareThread([answer, source = sources[i], isbn, config = config] {
            answer->outcome = Ask(source, isbn, config);
            answer->done.Set();
        });
        pending.push_back(answer);
    }
    LookupOutcome outcome;
    outcome.isbn = isbn;
    outcome.sources.push_back(Ask(sources[0], isbn, config));
    for (const auto& answer : pending) {
        answer->done.Wait();
        outcome.sources.push_back(answer->outcome);
    }
    return outcome;
}

LookupOutcome BrokenOutcome(const std::string& isbn, const SourceConfig& config)
{
    LookupOutcome outcome;
    outcome.isbn = isbn;
    for (const LookupSource& source : ConfiguredSources(config)) {
        outcome.sources.push_back(FailedOutcome(source.kind, kInternalError));
        outcome.sources.back().name = source.name;
    }
    return outcome;
}
