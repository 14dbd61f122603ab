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

std::vector<FoundRow> ConsoleSearch::Run(const std::string& isbn)
{
    auto sink = std::make_shared<CollectingSink>();
    WorkerContext prototype{state, sink, config, isbn};
    HANDLE threads[] = {Start(LibraryWorker, prototype), Start(CommunityWorker, prototype)};
    for (HANDLE h : threads) {
        if (h) {
            ::WaitForSingleObject(h, INFINITE);
            ::CloseHandle(h);
        }
    }
    std::stable_sort(sink->rows.begin(), sink->rows.end(), [](const FoundRow& a, const FoundRow& b) {
        return a.source == SourceKind::Library && b.source != SourceKind::Library;
    });
    return sink->rows;
}
