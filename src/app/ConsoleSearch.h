#pragma once
#include <memory>
#include <string>
#include <vector>

#include "lookup/LookupState.h"
#include "lookup/RowSink.h"
#include "lookup/SourceConfig.h"

struct FoundRow {
    SourceKind source;
    std::vector<std::string> texts;  // the ISBN, then slots 0..10
};

// Runs the window's search without a window: both workers on their own
// threads, waited for, their rows collected.
class ConsoleSearch {
public:
    explicit ConsoleSearch(const SourceConfig& config);
    // Rows in a fixed order, library before community, so output is stable.
    std::vector<FoundRow> Run(const std::string& isbn);

private:
    SourceConfig config;
    std::shared_ptr<LookupState> state;
};
