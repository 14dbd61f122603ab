#include "app/ConsoleSearch.h"

#include <algorithm>

#include "lookup/Completion.h"
#include "lookup/LookupWorkers.h"
#include "lookup/SpareThreads.h"

namespace {

class CollectingSink : public RowSink {
public:
    void AppendRow(SourceKind source, const std::vector<std::string>& texts) override
    {
        rows.push_back(FoundRow{source, texts});
    }
    std::vector<FoundRow> rows;
};

}

ConsoleSearch::ConsoleSearch(const SourceConfig& c) : config(c), state(std::make_shared<LookupState>()) {}

LookupOutcome ConsoleSearch::Run(const std::string& isbn)
{
    auto sink = std::make_shared<CollectingSink>();
    auto libraryReport = std::make_shared<SourceReport>();
    auto communityReport = std::make_shared<SourceReport>();
    // Thread creation costs more than a small page under Wine: the library's
    // worker runs here, the community's on a reused thread.
    auto communityDone = std::make_shared<Completion>();
    auto* community = new WorkerContext{state, sink, config, isbn, communityReport};
    RunOnSpareThread([community, communityDone] {
        CommunityWorker(community);
        communityDone->Set();
    });
    LibraryWorker(new WorkerContext{state, sink, config, isbn, libraryReport});
    communityDone->Wait();
    LookupOutcome outcome;
    outcome.isbn = isbn;
    outcome.rows = sink->rows;
    std::stable_sort(outcome.rows.begin(), outcome.rows.end(), [](const FoundRow& a, const FoundRow& b) {
        return a.source == SourceKind::Library && b.source != SourceKind::Library;
    });
    outcome.answers = {{SourceKind::Library, libraryReport->failure},
                       {SourceKind::Community, communityReport->failure}};
    return outcome;
}
