#include "app/ConsoleSearch.h"

#include <algorithm>

#include "lookup/LookupWorkers.h"

namespace {

class CollectingSink : public RowSink {
public:
    void AppendRow(SourceKind source, const std::vector<std::string>& texts) override
    {
        rows.push_back(FoundRow{source, texts});
    }
    std::vector<FoundRow> rows;
};

HANDLE Start(LPTHREAD_START_ROUTINE worker, const WorkerContext& prototype)
{
    DWORD id = 0;
    return StartWorker(worker, std::make_unique<WorkerContext>(prototype), id);
}

}

ConsoleSearch::ConsoleSearch(const SourceConfig& c) : config(c), state(std::make_shared<LookupState>()) {}

LookupOutcome ConsoleSearch::Run(const std::string& isbn)
{
    auto sink = std::make_shared<CollectingSink>();
    auto libraryReport = std::make_shared<SourceReport>();
    auto communityReport = std::make_shared<SourceReport>();
    WorkerContext prototype{state, sink, config, isbn, libraryReport};
    HANDLE threads[2] = {Start(LibraryWorker, prototype), nullptr};
    prototype.report = communityReport;
    threads[1] = Start(CommunityWorker, prototype);
    for (HANDLE h : threads) {
        if (h) {
            ::WaitForSingleObject(h, INFINITE);
            ::CloseHandle(h);
        }
    }
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
